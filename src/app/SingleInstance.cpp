#include "SingleInstance.h"

#include <QLocalSocket>

namespace nivora::app {

namespace {
constexpr char kActivate[] = "activate\n";
}

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), m_name(std::move(name)) {
    // Local socket names are per machine: the user keeps instances of
    // different accounts apart.
    m_name += QLatin1Char('-') + qEnvironmentVariable("USER", QStringLiteral("user"));
    m_name.replace(QLatin1Char(' '), QLatin1Char('_'));
}

bool SingleInstance::Acquire() {
    QLocalSocket probe;
    probe.connectToServer(m_name);
    if (probe.waitForConnected(500)) {
        probe.write(kActivate);
        probe.waitForBytesWritten(1000);
        probe.disconnectFromServer();
        return false;
    }
    // Nobody answers: a socket left by an instance that crashed is stale.
    QLocalServer::removeServer(m_name);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = m_server.nextPendingConnection()) {
            connect(s, &QLocalSocket::readyRead, this, [this, s] {
                if (s->readAll().startsWith("activate")) emit ActivationRequested();
            });
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        }
    });
    // Without a listening socket this instance still runs; later ones then start too.
    m_server.listen(m_name);
    return true;
}

}  // namespace nivora::app
