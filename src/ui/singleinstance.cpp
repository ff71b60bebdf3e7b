#include "singleinstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QVariant>
#include <unistd.h>

namespace {
constexpr char RestoreRequest[] = "restore\n";
constexpr char OpenRequest[] = "open ";
constexpr int TimeoutMs = 1000;
} // namespace

SingleInstance::SingleInstance(QString name, QObject *parent)
    : QObject(parent), m_name(std::move(name))
{}

QString SingleInstance::defaultName()
{
    return QStringLiteral("lumidex-%1").arg(::getuid());
}

bool SingleInstance::claim(const QString &project)
{
    QLocalSocket probe;
    probe.connectToServer(m_name);
    if (probe.waitForConnected(TimeoutMs)) {
        probe.write(project.isEmpty() ? QByteArray(RestoreRequest)
                                      : OpenRequest + project.toUtf8() + '\n');
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
            // A request is one line; it is read whole once the other copy has gone.
            connect(socket, &QLocalSocket::readyRead, this, [socket] {
                socket->setProperty("request",
                                    socket->property("request").toByteArray() + socket->readAll());
            });
            connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
                QByteArray request = socket->property("request").toByteArray() + socket->readAll();
                if (request.startsWith(OpenRequest)) {
                    request.remove(0, int(sizeof OpenRequest) - 1);
                    if (request.endsWith('\n'))
                        request.chop(1);
                    emit openRequested(QString::fromUtf8(request));
                } else if (request.startsWith("restore")) {
                    emit activationRequested();
                }
            });
        }
    });
    return true;
}
