#include "singleinstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <unistd.h>

namespace {
constexpr char RestoreRequest[] = "restore\n";
constexpr int TimeoutMs = 1000;
} // namespace

SingleInstance::SingleInstance(QString name, QObject *parent)
    : QObject(parent), m_name(std::move(name))
{}

QString SingleInstance::defaultName()
{
    return QStringLiteral("lumidex-%1").arg(::getuid());
}

bool SingleInstance::claim()
{
    QLocalSocket probe;
    probe.connectToServer(m_name);
    if (probe.waitForConnected(TimeoutMs)) {
        probe.write(RestoreRequest);
        probe.waitForBytesWritten(TimeoutMs);
        probe.disconnectFromServer();
        return false;
    }

    // Nobody answered: a socket file left by a copy that crashed would block listening.
    QLocalServer::removeServer(m_name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name))
        return true; // run anyway; only the bring-to-front service is lost
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains("restore"))
                    emit activationRequested();
            });
        }
    });
    return true;
}
