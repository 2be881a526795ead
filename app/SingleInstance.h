#pragma once

#include <QByteArray>
#include <QObject>
#include <QStringList>

class QLocalServer;

namespace velmora {

/// The name both instances agree on: the program's fixed name, the user and the configuration directory,
/// so that each user (and each test configuration) has its own first instance.
QString instanceName();

/// The argument block a second instance hands over: every argument zero-terminated, then two more zero
/// bytes (three zero bytes for no argument).
QByteArray encodeArguments(const QStringList& arguments);
/// The path the block stands for: its arguments joined without separator.
QString decodeArguments(const QByteArray& block);

/// If another instance is running, hands `arguments` over to it, waiting at most `timeoutMs` for its
/// answer, and returns true: the caller then ends with exitCodeForSecondInstance. False when this is
/// the first instance.
bool handOverToFirstInstance(const QStringList& arguments, int timeoutMs = 5000);
inline constexpr int exitCodeForSecondInstance = 183;

/// The first instance's end of the hand-over: receives the argument blocks of later instances.
class InstanceServer : public QObject {
    Q_OBJECT
public:
    explicit InstanceServer(QObject* parent = nullptr);
    /// Starts listening, clearing a socket a crashed instance left behind.
    bool listen();

Q_SIGNALS:
    void pathReceived(const QString& path);

private:
    void acceptConnection();

    QLocalServer* m_server;
};

} // namespace velmora
