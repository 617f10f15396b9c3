#include "ftp/ftpclient.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QTcpServer>
#include <memory>

#include "platform/error.h"

namespace ftp {

namespace {

constexpr qint64 chunkSize = 64 * 1024;

int waitMs(const QDeadlineTimer &deadline)
{
    return int(qMax<qint64>(0, deadline.remainingTime()));
}

} // namespace

FtpClient::FtpClient(int timeoutMs)
    : m_timeoutMs(timeoutMs)
{
}

FtpClient::~FtpClient()
{
    m_control.abort();
}

bool FtpClient::isConnected() const
{
    return m_control.state() == QAbstractSocket::ConnectedState;
}

void FtpClient::fail(const QString &message)
{
    m_control.abort();
    m_buffer.clear();
    throw platform::Error(message);
}

void FtpClient::requireConnection() const
{
    if (!isConnected())
        throw platform::Error(QStringLiteral("Not connected to an FTP server"));
}

void FtpClient::connect(const QString &host, quint16 port)
{
    m_control.abort();
    m_buffer.clear();
    m_host = host;
    m_control.connectToHost(host, port);
    if (!m_control.waitForConnected(m_timeoutMs)) {
        const bool timedOut = m_control.error() == QAbstractSocket::SocketTimeoutError;
        fail(timedOut ? QStringLiteral("The FTP server %1 did not answer within %2 seconds")
                            .arg(host).arg(m_timeoutMs / 1000.0)
                      : QStringLiteral("Cannot connect to the FTP server %1: %2").arg(host, m_control.errorString()));
    }
    Reply greeting = readReply();
    if (greeting.code == 120) // "ready in a few minutes": the real greeting follows
        greeting = readReply();
    if (greeting.code != 220)
        fail(greeting.text);
}

void FtpClient::send(const QString &line)
{
    requireConnection();
    const QByteArray bytes = line.toUtf8() + "\r\n";
    m_control.write(bytes);
    const QDeadlineTimer deadline(m_timeoutMs);
    while (m_control.bytesToWrite() > 0) {
        if (!m_control.waitForBytesWritten(waitMs(deadline)))
            fail(QStringLiteral("The FTP server %1 did not take the command %2 within %3 seconds")
                     .arg(m_host, line.section(u' ', 0, 0)).arg(m_timeoutMs / 1000.0));
    }
}

// A reply is one line "ddd text", or lines from "ddd-text" up to a line "ddd text".
FtpClient::Reply FtpClient::readReply()
{
    const QDeadlineTimer deadline(m_timeoutMs);
    QStringList lines;
    int code = 0;
    for (;;) {
        qsizetype end = m_buffer.indexOf('\n');
        while (end < 0) {
            if (!m_control.waitForReadyRead(waitMs(deadline))) {
                if (m_control.state() != QAbstractSocket::ConnectedState)
                    fail(QStringLiteral("The FTP server %1 closed the connection").arg(m_host));
                fail(QStringLiteral("The FTP server %1 did not answer within %2 seconds")
                         .arg(m_host).arg(m_timeoutMs / 1000.0));
            }
            m_buffer.append(m_control.readAll());
            end = m_buffer.indexOf('\n');
        }
        QByteArray raw = m_buffer.left(end);
        m_buffer.remove(0, end + 1);
        if (raw.endsWith('\r'))
            raw.chop(1);
        const QString line = QString::fromUtf8(raw);
        lines.append(line);
        const bool hasCode = line.size() >= 3 && line[0].isDigit() && line[1].isDigit() && line[2].isDigit();
        if (code == 0) {
            if (!hasCode)
                fail(QStringLiteral("The FTP server %1 sent an unreadable reply: %2").arg(m_host, line));
            code = line.left(3).toInt();
            if (line.size() > 3 && line[3] == u'-')
                continue;
            break;
        }
        if (hasCode && line.left(3).toInt() == code && (line.size() == 3 || line[3] == u' '))
            break;
    }
    m_lastReply = lines.join(u'\n');
    return {code, m_lastReply};
}

FtpClient::Reply FtpClient::command(const QString &line)
{
    send(line);
    return readReply();
}

void FtpClient::expect(const Reply &reply, int firstDigit)
{
    if (reply.code / 100 != firstDigit)
        throw platform::Error(reply.text);
}

void FtpClient::login(const QString &user, const QString &password)
{
    Reply reply = command(QStringLiteral("USER ") + user);
    if (reply.code == 331)
        reply = command(QStringLiteral("PASS ") + password);
    if (reply.code != 230 && reply.code != 202)
        throw platform::Error(reply.text);
}

void FtpClient::binary()
{
    expect(command(QStringLiteral("TYPE I")), 2);
}

QString FtpClient::syst()
{
    const Reply reply = command(QStringLiteral("SYST"));
    expect(reply, 2);
    return reply.text;
}

void FtpClient::cwd(const QString &folder)
{
    expect(command(QStringLiteral("CWD ") + folder), 2);
}

void FtpClient::mkd(const QString &folder)
{
    expect(command(QStringLiteral("MKD ") + folder), 2);
}

QString FtpClient::dataAddressCommand(quint16 port) const
{
    const QHostAddress local = m_control.localAddress();
    bool isV4 = false;
    const quint32 v4 = local.toIPv4Address(&isV4);
    if (isV4) {
        return QStringLiteral("PORT %1,%2,%3,%4,%5,%6")
            .arg(v4 >> 24).arg((v4 >> 16) & 0xFF).arg((v4 >> 8) & 0xFF).arg(v4 & 0xFF)
            .arg(port >> 8).arg(port & 0xFF);
    }
    QHostAddress plain = local;
    plain.setScopeId({});
    return QStringLiteral("EPRT |2|%1|%2|").arg(plain.toString()).arg(port);
}

void FtpClient::stor(const QString &localFile, const QString &remoteName)
{
    requireConnection();
    QFile file(localFile);
    if (!file.open(QIODevice::ReadOnly))
        throw platform::Error(QStringLiteral("Cannot open %1: %2").arg(localFile, file.errorString()));

    // Listen first: a server may connect as soon as it has the address, or only after STOR.
    QTcpServer listener;
    if (!listener.listen(m_control.localAddress(), 0))
        throw platform::Error(QStringLiteral("Cannot open a data connection: %1").arg(listener.errorString()));
    expect(command(dataAddressCommand(listener.serverPort())), 2);

    const Reply start = command(QStringLiteral("STOR ") + remoteName);
    if (start.code != 125 && start.code != 150)
        throw platform::Error(start.text);

    const QDeadlineTimer acceptDeadline(m_timeoutMs);
    std::unique_ptr<QTcpSocket> data;
    while (!data) {
        if (!listener.hasPendingConnections() && !listener.waitForNewConnection(waitMs(acceptDeadline)))
            fail(QStringLiteral("The FTP server %1 did not open the data connection within %2 seconds")
                     .arg(m_host).arg(m_timeoutMs / 1000.0));
        std::unique_ptr<QTcpSocket> candidate(listener.nextPendingConnection());
        if (candidate && candidate->peerAddress().isEqual(m_control.peerAddress(), QHostAddress::TolerantConversion))
            data = std::move(candidate);
    }
    listener.close();

    for (;;) {
        const QByteArray chunk = file.read(chunkSize);
        if (chunk.isEmpty())
            break;
        data->write(chunk);
        const QDeadlineTimer deadline(m_timeoutMs);
        while (data->bytesToWrite() > 0) {
            if (!data->waitForBytesWritten(waitMs(deadline)))
                fail(QStringLiteral("Sending %1 to the FTP server %2 stopped: %3")
                         .arg(remoteName, m_host, data->errorString()));
        }
    }
    if (file.error() != QFileDevice::NoError)
        fail(QStringLiteral("Cannot read %1: %2").arg(localFile, file.errorString()));
    data->disconnectFromHost();
    if (data->state() != QAbstractSocket::UnconnectedState && !data->waitForDisconnected(m_timeoutMs))
        data->abort();

    expect(readReply(), 2);
}

void FtpClient::quit()
{
    if (!isConnected())
        return;
    const Reply reply = command(QStringLiteral("QUIT"));
    m_control.disconnectFromHost();
    if (m_control.state() != QAbstractSocket::UnconnectedState && !m_control.waitForDisconnected(m_timeoutMs))
        m_control.abort();
    m_buffer.clear();
    expect(reply, 2);
}

} // namespace ftp
