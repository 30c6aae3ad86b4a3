#include "shell/document_channel.h"

#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace {

// The running copy answers from its event loop: long enough for one that is still starting
// on a busy machine, short enough that a hung one does not keep the second start for long.
constexpr int AnswerTimeoutMs = 30000;
// The running copy's confirmation, one byte.
constexpr char Received = 'K';

// Only a full path names a socket: Qt would put a bare name in the shared temporary folder.
bool isSocketPath(const QString& name)
{
    return QDir::isAbsolutePath(name);
}

// Whether the process at the other end of the connected local socket `descriptor` runs as
// this user: another user's process must never receive the user's documents.
bool peerIsThisUser(qintptr descriptor)
{
    struct ucred peer {};
    socklen_t size = sizeof peer;
    return ::getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::geteuid();
}

} // namespace

DocumentChannel::DocumentChannel(const QString& name, QObject* parent)
    : QObject(parent), name_(name), server_(new QLocalServer(this))
{
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] { receive(socket); });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            receive(socket);   // the list may have come with the connection
        }
    });
}

bool DocumentChannel::listen()
{
    if (!isSocketPath(name_))
        return false;
    QLocalServer::removeServer(name_);
    return server_->listen(name_);
}

void DocumentChannel::receive(QLocalSocket* socket)
{
    QDataStream in(socket);
    in.startTransaction();
    QStringList paths;
    in >> paths;
    if (!in.commitTransaction())
        return;   // not all of it yet
    socket->write(&Received, 1);
    socket->flush();
    socket->disconnectFromServer();
    if (receiver_)
        receiver_(paths);
    else
        waiting_.append(paths);
}

void DocumentChannel::setReceiver(std::function<void(const QStringList&)> receiver)
{
    receiver_ = std::move(receiver);
    for (const QStringList& paths : std::exchange(waiting_, {}))
        receiver_(paths);
}

bool DocumentChannel::send(const QString& name, const QStringList& paths)
{
    if (!isSocketPath(name))
        return false;
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(AnswerTimeoutMs) || !peerIsThisUser(socket.socketDescriptor()))
        return false;
    QDataStream out(&socket);
    out << paths;
    socket.flush();   // what is left is written while waiting for the answer
    char answer = 0;
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(AnswerTimeoutMs))
            return false;
    }
    return socket.getChar(&answer) && answer == Received;
}
