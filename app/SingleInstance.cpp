#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QtEndian>
#include <unistd.h>

namespace velmora {

namespace {

// Blocks larger than this are no argument lists; the connection is dropped.
constexpr quint32 maxBlockSize = 1024 * 1024;
constexpr char answer = '1';

} // namespace

QString instanceName() {
    const QByteArray configuration =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toUtf8();
    const QByteArray hash =
        QCryptographicHash::hash(configuration, QCryptographicHash::Sha1).toHex().left(12);
    // USER is not set everywhere (for root, for one); the user id is.
    return QStringLiteral("EindeutigerNameFuerDasProgramm-%1-%2")
        .arg(getuid())
        .arg(QString::fromLatin1(hash));
}

QByteArray encodeArguments(const QStringList& arguments) {
    QByteArray block;
    for (const QString& argument : arguments)
        block += argument.toUtf8() + '\0';
    if (arguments.isEmpty())
        block += '\0';
    return block + QByteArray(2, '\0');
}

QString decodeArguments(const QByteArray& block) {
    QString path;
    for (const QByteArray& argument : block.split('\0'))
        path += QString::fromUtf8(argument);
    return path;
}

bool handOverToFirstInstance(const QStringList& arguments, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(instanceName());
    if (!socket.waitForConnected(int(std::max<qint64>(deadline.remainingTime(), 0))))
        return false;
    const QByteArray block = encodeArguments(arguments);
    char length[4];
    qToLittleEndian(quint32(block.size()), length);
    socket.write(length, 4);
    socket.write(block);
    socket.waitForBytesWritten(int(std::max<qint64>(deadline.remainingTime(), 0)));
    while (socket.bytesAvailable() == 0 && !deadline.hasExpired() &&
           socket.state() == QLocalSocket::ConnectedState)
        socket.waitForReadyRead(int(std::max<qint64>(deadline.remainingTime(), 1)));
    return true;
}

InstanceServer::InstanceServer(QObject* parent) : QObject(parent), m_server(new QLocalServer(this)) {
    connect(m_server, &QLocalServer::newConnection, this, &InstanceServer::acceptConnection);
}

bool InstanceServer::listen() {
    QLocalServer::removeServer(instanceName());
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    return m_server->listen(instanceName());
}

void InstanceServer::acceptConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->bytesAvailable() < 4)
                return;
            char length[4];
            socket->peek(length, 4);
            const quint32 size = qFromLittleEndian<quint32>(length);
            if (size > maxBlockSize) {
                socket->abort();
                return;
            }
            if (socket->bytesAvailable() < qint64(4 + size))
                return;
            socket->skip(4);
            const QByteArray block = socket->read(size);
            socket->write(&answer, 1);
            socket->flush();
            Q_EMIT pathReceived(decodeArguments(block));
        });
    }
}

} // namespace velmora
