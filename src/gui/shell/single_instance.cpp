#include "shell/single_instance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace vidorev {

namespace {

// A message is the magic, the start line's length in bytes (big-endian) and the line in UTF-8;
// the answer is one byte once the window has applied it.
constexpr char kMagic[] = "VDR1";
constexpr qsizetype kHeader = 8;
constexpr quint32 kMaxLine = 16 * 1024;
constexpr char kTaken = 'K';
constexpr int kMaxCallers = 8;  // connections served at once; more are turned away
constexpr int kCallerMs = 3000; // a caller that sends nothing whole in this time is dropped
constexpr int kPollMs = 5;

// The store as the file system knows it, so "./s" and "/home/ann/s" are one store; a store
// not made yet is named by its canonical folder.
QString canonicalStore(const QString &path) {
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : folder + u'/' + info.fileName();
}

int waitFor(int fd, short events, const QDeadlineTimer &deadline) {
    pollfd p{fd, events, 0};
    const int ms = int(qMax<qint64>(0, deadline.remainingTime()));
    int n;
    do {
        n = ::poll(&p, 1, ms);
    } while (n < 0 && errno == EINTR);
    return n > 0 ? p.revents : 0;
}

// Holds an exclusive lock on a file while it lives.
class FileLock {
public:
    FileLock(const QByteArray &path, const QDeadlineTimer &deadline)
        : m_fd(::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600))
        , m_opened(m_fd >= 0) {
        while (m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR)
                break;
            if (deadline.hasExpired()) {
                release();
                return;
            }
            QThread::msleep(kPollMs);
        }
        m_held = m_fd >= 0;
    }
    ~FileLock() { release(); }
    bool held() const { return m_held; }
    bool opened() const { return m_opened; }
    void release() {
        if (m_fd >= 0)
            ::close(m_fd); // closing drops the lock
        m_fd = -1;
    }

private:
    int m_fd;
    bool m_opened;
    bool m_held = false;
};

sockaddr_un addressOf(const QByteArray &path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    return address;
}

enum class Reach { Connected, Nobody, Busy };

// Connects to a listening window; a socket file without a listener (left by a window that
// crashed) or no file at all is Nobody.
Reach connectTo(const QByteArray &path, const QDeadlineTimer &deadline, int *fd) {
    const sockaddr_un address = addressOf(path);
    for (;;) {
        *fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (*fd < 0)
            return Reach::Nobody;
        if (::connect(*fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0)
            return Reach::Connected;
        const int error = errno;
        ::close(*fd);
        *fd = -1;
        if (error != EAGAIN && error != EINTR)
            return Reach::Nobody;
        if (deadline.hasExpired()) // a window is there, its queue full
            return Reach::Busy;
        QThread::msleep(kPollMs);
    }
}

// Sends the message and waits for the window's answer.
bool handOver(int fd, const QByteArray &message, const QDeadlineTimer &deadline) {
    for (qsizetype sent = 0; sent < message.size();) {
        if (!(waitFor(fd, POLLOUT, deadline) & POLLOUT))
            return false;
        const ssize_t n =
            ::send(fd, message.constData() + sent, size_t(message.size() - sent), MSG_NOSIGNAL);
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            return false;
        sent += qMax<ssize_t>(n, 0);
    }
    char answer = 0;
    while (waitFor(fd, POLLIN, deadline) & (POLLIN | POLLHUP)) {
        const ssize_t n = ::recv(fd, &answer, 1, 0);
        if (n == 1)
            return answer == kTaken;
        if (n == 0 || (errno != EAGAIN && errno != EINTR))
            return false;
    }
    return false;
}

// A listening socket at path, readable and writable by its owner only from the moment it
// exists.
int listenAt(const QByteArray &path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return -1;
    const sockaddr_un address = addressOf(path);
    const mode_t old = ::umask(0077);
    const int bound = ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address);
    ::umask(old);
    if (bound != 0 || ::listen(fd, kMaxCallers) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// A later start on the line: its message is read as it comes, without blocking the window,
// then answered and closed. A caller that sends nothing whole in time, or too much, is dropped.
class Caller : public QObject {
public:
    Caller(int fd, SingleInstance *instance)
        : QObject(instance)
        , m_fd(fd)
        , m_notifier(fd, QSocketNotifier::Read, this) {
        connect(&m_notifier, &QSocketNotifier::activated, this,
                [this, instance] { read(instance); });
        QTimer::singleShot(kCallerMs, this, &QObject::deleteLater);
    }
    ~Caller() override { ::close(m_fd); }

private:
    void read(SingleInstance *instance) {
        char chunk[4096];
        const ssize_t n = ::recv(m_fd, chunk, sizeof chunk, 0);
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (n <= 0 || m_buffer.size() + n > kHeader + qsizetype(kMaxLine))
            return drop();
        m_buffer.append(chunk, n);
        if (m_buffer.size() < kHeader)
            return;
        quint32 length = 0;
        for (int i = 4; i < kHeader; ++i)
            length = (length << 8) | quint8(m_buffer[i]);
        if (!m_buffer.startsWith(kMagic) || length > kMaxLine)
            return drop();
        if (m_buffer.size() < kHeader + qsizetype(length))
            return;
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString line = utf8(m_buffer.mid(kHeader, length));
        if (m_buffer.size() > kHeader + qsizetype(length) || utf8.hasError() ||
            line.contains(QChar(0)))
            return drop();
        m_notifier.setEnabled(false); // one message a caller
        emit instance->startLineArrived(line);
        // One byte always fits an empty socket's buffer; the caller reads it, then sees the end.
        (void)::send(m_fd, &kTaken, 1, MSG_NOSIGNAL);
        drop();
    }
    void drop() {
        m_notifier.setEnabled(false);
        deleteLater();
    }

    int m_fd;
    QSocketNotifier m_notifier;
    QByteArray m_buffer;
};

} // namespace

SingleInstance::SingleInstance(const QString &storePath, QObject *parent)
    : QObject(parent)
    , m_socketPath(socketPathFor(storePath)) {}

SingleInstance::~SingleInstance() {
    if (m_listenFd >= 0) {
        ::close(m_listenFd);
        ::unlink(QFile::encodeName(m_socketPath).constData());
    }
}

QString SingleInstance::socketPathFor(const QString &storePath) {
    // The runtime folder belongs to the user alone (mode 0700); the user id in the name keeps
    // two users apart even where it falls back to a shared place.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        return {};
    const QByteArray hash =
        QCryptographicHash::hash(canonicalStore(storePath).toUtf8(), QCryptographicHash::Sha256);
    return QDir(folder).filePath(
        QStringLiteral("vidorev-%1-%2").arg(::getuid()).arg(QLatin1String(hash.toHex().left(24))));
}

SingleInstance::Start SingleInstance::claim(const QString &startLine, int timeoutMs) {
    const QByteArray path = QFile::encodeName(m_socketPath);
    // Without a place to meet, the window works alone.
    if (path.isEmpty() || size_t(path.size()) >= sizeof(sockaddr_un::sun_path))
        return Start::First;
    const QDeadlineTimer deadline(timeoutMs);
    FileLock lock(path + ".lock", deadline);
    if (!lock.opened()) // a runtime folder that cannot be written: the window works alone
        return Start::First;
    if (!lock.held()) {
        m_error = QStringLiteral("another start on this store did not finish in time");
        return Start::NoAnswer;
    }
    int fd = -1;
    switch (connectTo(path, deadline, &fd)) {
    case Reach::Connected: {
        lock.release();
        const QByteArray line = startLine.toUtf8();
        QByteArray message(kMagic, 4);
        for (int shift : {24, 16, 8, 0})
            message += char((quint32(line.size()) >> shift) & 0xff);
        const bool taken = handOver(fd, message + line, deadline);
        ::close(fd);
        if (taken)
            return Start::HandedOver;
        m_error = QStringLiteral("the window already open on this store did not answer");
        return Start::NoAnswer;
    }
    case Reach::Busy:
        m_error = QStringLiteral("the window already open on this store did not answer");
        return Start::NoAnswer;
    case Reach::Nobody:
        break;
    }
    ::unlink(path.constData()); // stale: its window is gone
    m_listenFd = listenAt(path);
    return Start::First;
}

bool SingleInstance::serve() {
    if (m_listenFd < 0 || m_accepting != nullptr)
        return false;
    m_accepting = new QSocketNotifier(m_listenFd, QSocketNotifier::Read, this);
    connect(m_accepting, &QSocketNotifier::activated, this, &SingleInstance::accept);
    return true;
}

void SingleInstance::accept() {
    for (;;) {
        const int fd = ::accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0)
            return; // none left waiting (or the caller gave up)
        if (findChildren<QObject *>(Qt::FindDirectChildrenOnly).size() > kMaxCallers + 1)
            ::close(fd); // more callers than a desk ever has at once
        else
            new Caller(fd, this);
    }
}

} // namespace vidorev
