#pragma once
// A blocking FTP client for the window thread: every call waits for the server's reply,
// and every wait has a time-out, so a silent server never hangs the program. Data
// connections are active: the client listens on its control connection's own address
// and sends PORT (EPRT for IPv6) before each transfer.
//
//   ftp::FtpClient ftp;                // time-out 30 s
//   ftp.connect(host);                 // waits for the greeting
//   ftp.login(u"vry"_s, u"kqz"_s);
//   ftp.binary();                      // TYPE I
//   ftp.syst();
//   ftp.cwd(u"/home/qalmotor/vry"_s);
//   ftp.mkd(day);  ftp.cwd(day);
//   ftp.stor(localPath, u"MOTOR.DB"_s);
//   ftp.quit();
//
// Every failure throws platform::Error. When the server refused a command the message
// is the server's reply as it sent it (for example "530 Login incorrect."), and the
// connection stays usable. A time-out or a lost connection drops the connection
// (isConnected() is then false) and says so in the message.
#include <QByteArray>
#include <QString>
#include <QTcpSocket>

namespace ftp {

class FtpClient
{
public:
    explicit FtpClient(int timeoutMs = 30000);
    ~FtpClient();
    FtpClient(const FtpClient &) = delete;
    FtpClient &operator=(const FtpClient &) = delete;

    // How long any one wait (connecting, a reply, the data connection, sending data)
    // may take.
    void setTimeout(int ms) { m_timeoutMs = ms; }
    int timeout() const { return m_timeoutMs; }

    bool isConnected() const;
    // The last reply received, code and text.
    QString lastReply() const { return m_lastReply; }

    // Connects and waits for the server's greeting (220). Drops an earlier connection.
    void connect(const QString &host, quint16 port = 21);
    // USER, then PASS when the server asks for it.
    void login(const QString &user, const QString &password);
    // TYPE I: 8-bit data, no line-end conversion.
    void binary();
    // SYST; returns the reply's text.
    QString syst();
    void cwd(const QString &folder);
    void mkd(const QString &folder);
    // Stores the local file under remoteName in the current remote folder; the server
    // replaces a file of that name.
    void stor(const QString &localFile, const QString &remoteName);
    // QUIT, then disconnect. Does nothing when not connected.
    void quit();

private:
    struct Reply
    {
        int code = 0;
        QString text;
    };

    void requireConnection() const;
    void send(const QString &command);
    Reply readReply();
    Reply command(const QString &line);
    void expect(const Reply &reply, int firstDigit);
    [[noreturn]] void fail(const QString &message);
    QString dataAddressCommand(quint16 port) const;

    QTcpSocket m_control;
    QByteArray m_buffer;
    QString m_host;
    QString m_lastReply;
    int m_timeoutMs;
};

} // namespace ftp
