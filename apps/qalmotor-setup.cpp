// Prepares a fresh installation: configuration file, aliases, databases, code tables
// and, with --demo, demo data. Run again, it changes nothing and says so.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include "data/installer.h"
#include "platform/dateformat.h"
#include "platform/error.h"

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qalmotor-setup"));
    platform::DateFormat::activate();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Prepares a qalmotor installation. Without --firebird it makes embedded databases."));
    parser.addHelpOption();
    const QCommandLineOption demo(QStringLiteral("demo"), QStringLiteral("Also add demo agents, compulsory policies and stock numbers."));
    const QCommandLineOption host(QStringLiteral("firebird"), QStringLiteral("Firebird server host."), QStringLiteral("host"));
    const QCommandLineOption prb(QStringLiteral("prb-path"), QStringLiteral("Path of the QalPrb database on the server."), QStringLiteral("path"));
    const QCommandLineOption motor(QStringLiteral("motor-path"), QStringLiteral("Path of the QalMotor database on the server."), QStringLiteral("path"));
    parser.addOptions({demo, host, prb, motor});
    parser.process(app);

    QTextStream out(stdout), err(stderr);
    data::InstallOptions options;
    options.demo = parser.isSet(demo);
    options.firebirdHost = parser.value(host);
    options.prbPath = parser.value(prb);
    options.motorPath = parser.value(motor);
    if (!options.firebirdHost.isEmpty() && (options.prbPath.isEmpty() || options.motorPath.isEmpty())) {
        err << "qalmotor-setup: --firebird needs --prb-path and --motor-path\n";
        return 2;
    }
    try {
        const QStringList done = data::Installer(options).run();
        if (done.isEmpty())
            out << "qalmotor-setup: the installation is complete already; nothing was changed.\n";
        for (const QString &line : done)
            out << "qalmotor-setup: " << line << '\n';
    } catch (const platform::Error &e) {
        err << "qalmotor-setup: " << e.message() << '\n';
        return 1;
    }
    return 0;
}
