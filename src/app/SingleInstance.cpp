#include "SingleInstance.h"

#include <QLocalSocket>
#include <memory>

namespace nivora::app {

namespace {
// One message per line: "activate" or "open" followed by a tab and the path in UTF-8.
constexpr char kActivate[] = "activate";
constexpr char kOpen[] = "open\t";
}  // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), m_name(std::move(name)) {
    // Local socket names are per machine: the user keeps instances of
    // different accounts apart.
    m_name += QLatin1Char('-') + qEnvironmentVariable("USER", QStringLiteral("user"));
    m_name.replace(QLatin1Char(' '), QLatin1Char('_'));
}

bool SingleInstance::Acquire(const QString& fileToOpen) {
    QLocalSocket probe;
    probe.connectToServer(m_name);
    if (probe.waitForConnected(500)) {
        QByteArray message =
            fileToOpen.isEmpty() ? QByteArray(kActivate) : QByteArray(kOpen) + fileToOpen.toUtf8();
        probe.write(message + '\n');
        probe.waitForBytesWritten(2000);
        probe.disconnectFromServer();
        if (probe.state() != QLocalSocket::UnconnectedState) probe.waitForDisconnected(2000);
        return false;
    }
    // Nobody answers: a socket left by an instance that crashed is stale.
    QLocalServer::removeServer(m_name);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = m_server.nextPendingConnection()) {
            // A message may arrive in pieces; only whole lines count.
            auto buffer = std::make_shared<QByteArray>();
            auto read = [this, s, buffer] {
                buffer->append(s->readAll());
                for (qsizetype end; (end = buffer->indexOf('\n')) >= 0;) {
                    const QByteArray line = buffer->left(end);
                    buffer->remove(0, end + 1);
                    Handle(line);
                }
            };
            connect(s, &QLocalSocket::readyRead, this, read);
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            if (s->bytesAvailable() > 0) read();
        }
    });
    // Without a listening socket this instance still runs; later ones then start too.
    m_server.listen(m_name);
    return true;
}

void SingleInstance::Handle(const QByteArray& line) {
    if (line.startsWith(kOpen)) {
        const QString path = QString::fromUtf8(line.mid(static_cast<qsizetype>(sizeof kOpen) - 1));
        if (!path.isEmpty()) {
            emit OpenRequested(path);
            return;
        }
    }
    if (line.startsWith(kActivate) || line.startsWith(kOpen)) emit ActivationRequested();
}

}  // namespace nivora::app
