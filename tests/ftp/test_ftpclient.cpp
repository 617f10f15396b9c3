// The FTP client against a real FTP server (pyftpdlib) on 127.0.0.1.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTemporaryDir>

#include "ftp/ftpclient.h"
#include "platform/error.h"

using ftp::FtpClient;

namespace {

const QString base = QStringLiteral("/home/qalmotor/vry");

// pyftpdlib running our server script, with its own folder and command log.
class FtpServer
{
public:
    explicit FtpServer(const QStringList &options = {})
    {
        QDir(m_dir.path()).mkpath(u"root"_qs);
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start(u"/usr/bin/python3"_qs,
                        QStringList{QStringLiteral(FTP_SERVER_SCRIPT), u"--root"_qs, root(), u"--log"_qs, logPath()}
                            + options);
        QByteArray out;
        while (!out.contains('\n') && m_process.waitForReadyRead(10000))
            out += m_process.readAllStandardOutput();
        const auto m = QRegularExpression(u"PORT (\\d+)"_qs).match(QString::fromLatin1(out));
        if (m.hasMatch())
            m_port = quint16(m.captured(1).toUInt());
        else
            ADD_FAILURE() << "FTP server did not start: " << m_process.readAllStandardError().toStdString();
    }
    ~FtpServer()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    quint16 port() const { return m_port; }
    QString root() const { return m_dir.filePath(u"root"_qs); }
    QString logPath() const { return m_dir.filePath(u"commands.log"_qs); }
    // The server's file at an FTP path.
    QByteArray file(const QString &ftpPath) const
    {
        QFile f(root() + ftpPath);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // Commands received, with PORT's address reduced to "PORT" and PASS kept.
    QStringList commands() const
    {
        QFile f(logPath());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        QStringList out;
        for (const QByteArray &line : f.readAll().split('\n')) {
            QString l = QString::fromUtf8(line).trimmed();
            if (l.startsWith(u"PORT "_qs)) {
                EXPECT_TRUE(l.startsWith(u"PORT 127,0,0,1,"_qs)) << l.toStdString();
                l = u"PORT"_qs;
            }
            if (!l.isEmpty())
                out.append(l);
        }
        return out;
    }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
};

class FtpClientTest : public ::testing::Test
{
protected:
    QString localFile(const QString &name, const QByteArray &content)
    {
        const QString path = m_local.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(content);
        return path;
    }
    void openSession(FtpClient &client, const FtpServer &server)
    {
        client.connect(u"127.0.0.1"_qs, server.port());
        client.login(u"vry"_qs, u"kqz"_qs);
        client.binary();
        client.syst();
    }
    // One day's upload as the send does it; a failing MKD is passed over.
    void sendDay(FtpClient &client, const QString &day, const QString &db, const QString &px)
    {
        client.cwd(base);
        try {
            client.mkd(day);
        } catch (const platform::Error &) {
        }
        client.cwd(day);
        client.stor(db, u"MOTOR.DB"_qs);
        client.stor(px, u"MOTOR.PX"_qs);
    }
    static QByteArray binaryContent(int size, char seed)
    {
        QByteArray bytes(size, '\0');
        for (int i = 0; i < size; ++i)
            bytes[i] = char((i * 131 + seed) & 0xFF); // every byte value, CR and LF among them
        return bytes;
    }

    QTemporaryDir m_local;
};

} // namespace

TEST_F(FtpClientTest, TwoDaysAreSentInTheirOrderOfCommands)
{
    FtpServer server;
    const QByteArray db1 = binaryContent(3 * 1024 * 1024 + 17, 1), px1 = binaryContent(4096, 2);
    const QByteArray db2 = "\r\n\0\xFF"_qba + binaryContent(2048, 3), px2; // an empty index file
    FtpClient client;
    openSession(client, server);
    EXPECT_TRUE(client.lastReply().startsWith(u"215 "_qs));
    sendDay(client, u"2552-01-31"_qs, localFile(u"d1.db"_qs, db1), localFile(u"d1.px"_qs, px1));
    sendDay(client, u"2552-02-01"_qs, localFile(u"d2.db"_qs, db2), localFile(u"d2.px"_qs, px2));
    client.quit();
    EXPECT_FALSE(client.isConnected());

    const QStringList expected = {
        u"USER vry"_qs, u"PASS kqz"_qs, u"TYPE I"_qs, u"SYST"_qs,
        u"CWD /home/qalmotor/vry"_qs, u"MKD 2552-01-31"_qs, u"CWD 2552-01-31"_qs,
        u"PORT"_qs, u"STOR MOTOR.DB"_qs, u"PORT"_qs, u"STOR MOTOR.PX"_qs,
        u"CWD /home/qalmotor/vry"_qs, u"MKD 2552-02-01"_qs, u"CWD 2552-02-01"_qs,
        u"PORT"_qs, u"STOR MOTOR.DB"_qs, u"PORT"_qs, u"STOR MOTOR.PX"_qs,
        u"QUIT"_qs,
    };
    EXPECT_EQ(server.commands(), expected);
    EXPECT_TRUE(server.file(base + u"/2552-01-31/MOTOR.DB"_qs) == db1);
    EXPECT_TRUE(server.file(base + u"/2552-01-31/MOTOR.PX"_qs) == px1);
    EXPECT_TRUE(server.file(base + u"/2552-02-01/MOTOR.DB"_qs) == db2);
    EXPECT_TRUE(server.file(base + u"/2552-02-01/MOTOR.PX"_qs) == px2);
}

TEST_F(FtpClientTest, TheSameDayTwiceReplacesItsFiles)
{
    FtpServer server;
    FtpClient client;
    openSession(client, server);
    sendDay(client, u"2552-01-30"_qs, localFile(u"a.db"_qs, binaryContent(9000, 4)),
            localFile(u"a.px"_qs, binaryContent(5000, 5)));

    client.cwd(base);
    try {
        client.mkd(u"2552-01-30"_qs);
        ADD_FAILURE() << "MKD of an existing folder succeeded";
    } catch (const platform::Error &e) {
        EXPECT_TRUE(e.message().startsWith(u"550 "_qs)) << e.message().toStdString();
    }
    EXPECT_TRUE(client.isConnected());
    client.cwd(u"2552-01-30"_qs);
    const QByteArray shorter = binaryContent(100, 6);
    client.stor(localFile(u"b.db"_qs, shorter), u"MOTOR.DB"_qs);
    client.quit();
    EXPECT_TRUE(server.file(base + u"/2552-01-30/MOTOR.DB"_qs) == shorter);
    EXPECT_TRUE(server.file(base + u"/2552-01-30/MOTOR.PX"_qs) == binaryContent(5000, 5));
}

TEST_F(FtpClientTest, EachFailureCarriesTheServersReply)
{
    struct Case
    {
        const char *name;
        QStringList options;
        const char *reply; // how the error message starts
        bool stillConnected;
    };
    const Case cases[] = {
        {"greeting refused", {u"--refuse-greeting"_qs}, "421 ", false},
        {"wrong password", {}, "530 ", true},
        {"missing base folder", {u"--no-base"_qs}, "550 ", true},
        {"folder that cannot be made", {u"--deny-make"_qs}, "550 ", true},
        {"upload refused", {u"--read-only"_qs, u"2552-02-01"_qs}, "550 ", true},
    };
    const QString db = localFile(u"t.db"_qs, binaryContent(1000, 7));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        FtpServer server(c.options);
        FtpClient client(5000);
        const QString name = QString::fromLatin1(c.name);
        try {
            client.connect(u"127.0.0.1"_qs, server.port());
            client.login(u"vry"_qs, name == u"wrong password"_qs ? u"kqy"_qs : u"kqz"_qs);
            client.cwd(base);
            if (name == u"folder that cannot be made"_qs)
                client.mkd(u"2552-02-01"_qs);
            if (name == u"upload refused"_qs) {
                client.cwd(u"2552-02-01"_qs);
                client.stor(db, u"MOTOR.DB"_qs);
            }
            ADD_FAILURE() << "no error";
        } catch (const platform::Error &e) {
            EXPECT_TRUE(e.message().startsWith(QString::fromLatin1(c.reply))) << e.message().toStdString();
            EXPECT_EQ(e.message(), client.lastReply());
        }
        EXPECT_EQ(client.isConnected(), c.stillConnected);
        if (c.stillConnected) {
            client.quit();
            EXPECT_EQ(server.commands().last(), u"QUIT"_qs);
        }
        if (name == u"upload refused"_qs) {
            EXPECT_FALSE(QFile::exists(server.root() + base + u"/2552-02-01/MOTOR.DB"_qs));
        }
    }
}

TEST_F(FtpClientTest, ASilentServerTimesOut)
{
    QTcpServer silent;
    ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
    FtpClient client(800);
    QElapsedTimer clock;
    clock.start();
    try {
        client.connect(u"127.0.0.1"_qs, silent.serverPort());
        ADD_FAILURE() << "connected to a server that never greets";
    } catch (const platform::Error &e) {
        EXPECT_TRUE(e.message().contains(u"did not answer"_qs)) << e.message().toStdString();
    }
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_FALSE(client.isConnected());
    EXPECT_THROW(client.cwd(base), platform::Error);
}

TEST_F(FtpClientTest, NoServerAndNoLocalFileAreErrorsToo)
{
    quint16 freePort = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
        freePort = probe.serverPort();
    }
    FtpClient client(3000);
    try {
        client.connect(u"127.0.0.1"_qs, freePort);
        ADD_FAILURE() << "connected to nothing";
    } catch (const platform::Error &e) {
        EXPECT_TRUE(e.message().startsWith(u"Cannot connect to the FTP server 127.0.0.1"_qs)) << e.message().toStdString();
    }

    FtpServer server;
    openSession(client, server);
    client.cwd(base);
    EXPECT_THROW(client.stor(m_local.filePath(u"none.db"_qs), u"MOTOR.DB"_qs), platform::Error);
    client.quit();
    EXPECT_FALSE(server.commands().contains(u"STOR MOTOR.DB"_qs));
}
