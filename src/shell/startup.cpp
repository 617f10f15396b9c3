#include "startup.h"

#include <QApplication>
#include <cstdio>

#include "data/dm.h"
#include "platform/aliasregistry.h"
#include "tmain.h"
#include "widgets/guarded.h"
#include "widgets/messages.h"

namespace shell {

Startup::Startup() = default;

Startup::~Startup()
{
    // The windows go before the data module whose datasets they show.
    m_main.reset();
    m_dm.reset();
}

bool Startup::start()
{
    m_aliases = std::make_unique<platform::AliasRegistry>();
    m_main = std::make_unique<TMain>(*m_aliases);
    const bool connected = widgets::guarded([this] { m_dm = std::make_unique<TDm>(*m_aliases); });
    if (!connected) {
        m_main->close();
        return false;
    }
    registerCommands(*m_main);
    if (!m_main->isVisible())
        m_main->showMaximized();
    return true;
}

namespace {

bool haveDisplay()
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return true;
#else
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY")
        || qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
#endif
}

} // namespace

int runProgram(int argc, char **argv, edition::Edition which)
{
    edition::set(which);
    if (!haveDisplay()) {
        std::fprintf(stderr, "%s: no display to show the window on (DISPLAY is not set); start it from a desktop session.\n",
                     argc > 0 ? argv[0] : "qalmotor");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(which == edition::Edition::Full ? QStringLiteral("qalmotor")
                                                                      : QStringLiteral("qalmotor-basic"));
    QApplication::setApplicationDisplayName(QStringLiteral("Qalmotor"));
    Startup startup;
    if (!startup.start())
        return 1;
    return app.exec();
}

} // namespace shell
