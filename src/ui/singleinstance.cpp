#include "singleinstance.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr char RestoreRequest[] = "restore\n";
constexpr char OpenRequest[] = "open ";
constexpr int TimeoutSeconds = 1;
// Copies started together (a file manager opening several projects) wait in line.
constexpr int Backlog = 50;

// The socket address of `path`; false when the path is too long for one.
bool addressOf(const QByteArray &path, sockaddr_un &address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || std::size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    return true;
}

// Hands `request` to the copy listening at `path`; false when none answers.
bool askRunningCopy(const QByteArray &path, const QByteArray &request)
{
    sockaddr_un address;
    if (!addressOf(path, address))
        return false;
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    // A copy too busy to take the call, or to read it, holds this one up a second at most.
    const timeval limit{TimeoutSeconds, 0};
    ::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    bool answered =
        ::connect(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    // The temporary folder is shared: a socket another user left under our name is not our
    // copy, and is told nothing (not even which project is being opened).
    ucred peer{};
    socklen_t peerSize = sizeof peer;
    if (answered && (::getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &peer, &peerSize) != 0 ||
                     peer.uid != ::getuid()))
        answered = false;
    if (answered) {
        qsizetype sent = 0;
        while (sent < request.size()) {
            const ssize_t n = ::send(socket, request.constData() + sent,
                                     std::size_t(request.size() - sent), MSG_NOSIGNAL);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            sent += n;
        }
    }
    ::close(socket);
    return answered;
}

} // namespace

SingleInstance::SingleInstance(QString name, QObject *parent)
    : QObject(parent), m_name(std::move(name))
{}

SingleInstance::~SingleInstance()
{
    for (auto &[socket, caller] : m_callers) {
        delete caller.notifier;
        ::close(socket);
    }
    if (m_listener >= 0) {
        delete m_listening;
        ::close(m_listener);
        ::unlink(m_path.constData()); // the next first copy finds no one there
    }
}

QString SingleInstance::defaultName()
{
    return QStringLiteral("lumidex-%1").arg(::getuid());
}

bool SingleInstance::claim(const QString &project)
{
    const QByteArray path = QFile::encodeName(QDir::tempPath() + QLatin1Char('/') + m_name);
    const QByteArray request =
        project.isEmpty() ? QByteArray(RestoreRequest) : OpenRequest + project.toUtf8() + '\n';
    if (askRunningCopy(path, request))
        return false;

    // Nobody answered: a socket file left by a copy that crashed would block listening.
    ::unlink(path.constData());
    m_path = path;
    if (!listen())
        m_path.clear(); // run anyway; only the bring-to-front service is lost
    return true;
}

bool SingleInstance::listen()
{
    sockaddr_un address;
    if (!addressOf(m_path, address))
        return false;
    m_listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_listener < 0)
        return false;
    // Only this user's copies may call: the socket's file is theirs alone before anyone can
    // connect, which is only once it listens.
    if (::bind(m_listener, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 ||
        ::chmod(m_path.constData(), S_IRWXU) != 0 || ::listen(m_listener, Backlog) != 0) {
        ::close(m_listener);
        m_listener = -1;
        return false;
    }
    m_listening = new QSocketNotifier(m_listener, QSocketNotifier::Read, this);
    connect(m_listening, &QSocketNotifier::activated, this, &SingleInstance::acceptCallers);
    return true;
}

void SingleInstance::acceptCallers()
{
    for (;;) {
        const int socket = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (socket < 0) {
            if (errno == EINTR)
                continue;
            return; // none waiting
        }
        auto *notifier = new QSocketNotifier(socket, QSocketNotifier::Read, this);
        m_callers[socket].notifier = notifier;
        connect(notifier, &QSocketNotifier::activated, this, [this, socket] { readFrom(socket); });
    }
}

void SingleInstance::readFrom(int socket)
{
    const auto it = m_callers.find(socket);
    if (it == m_callers.end())
        return;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(socket, buffer, sizeof buffer);
        if (n > 0) {
            it->second.request.append(buffer, n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return; // the rest comes later
        break;      // the other copy has gone (or the call broke off): the request is whole
    }
    // Done with this caller before the request runs: answering it may open a dialog, whose
    // event loop takes the next calls meanwhile.
    QByteArray request = std::move(it->second.request);
    QSocketNotifier *notifier = it->second.notifier;
    m_callers.erase(it);
    notifier->setEnabled(false);
    notifier->deleteLater();
    ::close(socket);
    handle(std::move(request));
}

void SingleInstance::handle(QByteArray request)
{
    if (request.startsWith(OpenRequest)) {
        request.remove(0, qsizetype(sizeof OpenRequest) - 1);
        if (request.endsWith('\n'))
            request.chop(1);
        emit openRequested(QString::fromUtf8(request));
    } else if (request.startsWith("restore")) {
        emit activationRequested();
    }
}
