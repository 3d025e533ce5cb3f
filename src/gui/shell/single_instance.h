#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

namespace vidorev {

// One window per settings store. Two windows on one store would both tick the same alarms and
// both change the same clocks, so a later start hands its start line ("/Ubob/A") to the window
// already running on that store and leaves.
//
// The meeting point is a socket private to the user (in the runtime folder, mode 0600), named
// from the user id and a hash of the store's canonical path. Claiming it (connect, or take over
// a stale socket and listen) happens under a lock file beside it, so of two starts at the same
// moment exactly one becomes the window. Claiming uses plain blocking system calls and needs no
// application object: a later start leaves before the window toolkit or the display is touched.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Start {
        First,      // this start owns the store: serve() and open the window
        HandedOver, // the running window took the start line: exit 0
        NoAnswer,   // a window holds the store but did not answer in time: error() says so
    };

    explicit SingleInstance(const QString &storePath, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Hands startLine to the window running on this store, or claims the store for this process
    // (its socket listens from here on; connections wait until serve()). Returns within about
    // timeoutMs.
    Start claim(const QString &startLine, int timeoutMs = 1500);
    // Once the application object exists: take the start lines of later starts.
    bool serve();

    QString error() const { return m_error; }
    QString socketPath() const { return m_socketPath; }
    // Where the running window of the store at storePath listens; the same store reached by
    // another spelling of its path meets at the same place.
    static QString socketPathFor(const QString &storePath);

signals:
    // A later start's line, whole and valid; the window applies it and comes to the front.
    void startLineArrived(const QString &startLine);

private:
    void accept();

    QString m_socketPath;
    QString m_error;
    int m_listenFd = -1;
    QSocketNotifier *m_accepting = nullptr;
};

} // namespace vidorev
