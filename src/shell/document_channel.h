#pragma once
// DocumentChannel: the way a second start of the program hands the documents named on its
// command line to the copy that already runs. The running copy listens on a local socket
// (QLocalServer, readable by its user alone) from the moment it holds the instance lock,
// and hands every list of paths it receives to its receiver, keeping what comes while the
// program is still starting; the second copy connects, sends the list and waits until the
// running copy confirms it.
//
// The running copy owns the channel for as long as it runs; the socket goes with it.

#include <QObject>
#include <QStringList>
#include <functional>

class QLocalServer;
class QLocalSocket;

class DocumentChannel : public QObject {
public:
    // `name`: the socket's full path (InstanceLock::channelName()); with any other name
    // the channel neither listens nor sends.
    explicit DocumentChannel(const QString& name, QObject* parent = nullptr);

    // The running copy's side: starts accepting lists. A socket that a killed run left
    // behind is replaced; only the holder of the instance lock may call this. False when
    // the socket cannot be made: the copy then runs on without receiving documents.
    bool listen();

    // The second copy's side: hands `paths` to the copy listening on `name`. True once that
    // copy has confirmed them; false, with nothing sent, when none listens or the process
    // listening runs as another user, and false when it does not answer within half a
    // minute.
    static bool send(const QString& name, const QStringList& paths);

    // Where the lists go from now on; the lists received before go there at once.
    void setReceiver(std::function<void(const QStringList&)> receiver);

private:
    void receive(QLocalSocket* socket);

    QString name_;
    QLocalServer* server_;
    std::function<void(const QStringList&)> receiver_;
    QList<QStringList> waiting_;
};
