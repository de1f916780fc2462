#include "platform/single_instance.h"

// The claim is a lock file (QtCore); the way to the holder is a Unix-domain socket used
// directly, without Qt's network module, which would cost every start its load and memory.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QSocketNotifier>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <list>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include "platform/qt/convert.h"

namespace tarnvel::platform {

namespace {

constexpr char kMessage[] = "show\n";
constexpr std::size_t kMessageSize = sizeof kMessage - 1;
// A caller that sends this much without the message is not a later start.
constexpr std::size_t kMostReceived = 64;

// The user's runtime folder, private to the user; else the temporary folder.
QString base_path(const std::string& name) {
    QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (dir.isEmpty() || !QDir(dir).exists()) dir = QDir::tempPath();
    return dir + QLatin1Char('/') + qt::ToQString(name) + QLatin1Char('-') + QString::number(::getuid());
}

// False when the path does not fit a socket address (108 bytes on Linux).
bool make_address(const std::string& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    if (path.empty() || path.size() >= sizeof address.sun_path) return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

bool ask_to_come_forward(const std::string& socket_path) {
    sockaddr_un address;
    if (!make_address(socket_path, address)) return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    // Bounds both the connection (a full queue) and the sending: a holder that stopped
    // taking calls holds this start up for a second at most each time.
    const timeval limit{1, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    bool sent = false;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
        sent = ::send(fd, kMessage, kMessageSize, MSG_NOSIGNAL) == static_cast<ssize_t>(kMessageSize);
    ::close(fd);
    return sent;
}

// A listening socket at `path` that only this user can reach, or -1. The holder of the
// claim replaces whatever is there: a socket file left by a crash.
int listen_at(const std::string& path) {
    sockaddr_un address;
    if (!make_address(path, address)) return -1;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return -1;
    // Linux gives the bound file the socket's own mode: set before binding, the file is
    // never open to others, whatever the umask.
    ::fchmod(fd, S_IRUSR | S_IWUSR);
    ::unlink(path.c_str());
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 || ::listen(fd, 16) != 0) {
        ::close(fd);
        return -1;
    }
    ::chmod(path.c_str(), S_IRUSR | S_IWUSR);
    return fd;
}

}  // namespace

struct SingleInstance::Impl {
    struct Caller {
        int fd = -1;
        QSocketNotifier* notifier = nullptr;  // child of `owner`
        std::string received;
    };

    std::unique_ptr<QLockFile> lock;
    std::string socket_path;
    int listen_fd = -1;
    std::function<void()> on_second_start;
    // Parent of every notifier, also of those given to deleteLater, so none outlives the claim.
    std::unique_ptr<QObject> owner = std::make_unique<QObject>();
    std::list<Caller> callers;

    ~Impl() {
        owner.reset();
        for (const Caller& c : callers) ::close(c.fd);
        if (listen_fd >= 0) {
            ::unlink(socket_path.c_str());
            ::close(listen_fd);
        }
        lock.reset();  // the claim goes last, once nothing of it is left to find
    }

    void Listen() {
        listen_fd = listen_at(socket_path);
        if (listen_fd < 0) return;  // the claim holds; later starts will report NoAnswer
        auto* n = new QSocketNotifier(listen_fd, QSocketNotifier::Read, owner.get());
        QObject::connect(n, &QSocketNotifier::activated, n, [this] { Accept(); });
    }

    void Accept() {
        for (;;) {
            const int fd = ::accept4(listen_fd, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
            if (fd < 0) {
                if (errno == EINTR) continue;
                return;  // none waiting (or a caller gone before it was taken)
            }
            callers.push_back(Caller{fd, nullptr, {}});
            const auto it = std::prev(callers.end());
            it->notifier = new QSocketNotifier(fd, QSocketNotifier::Read, owner.get());
            QObject::connect(it->notifier, &QSocketNotifier::activated, it->notifier, [this, it] { Read(it); });
        }
    }

    // Reads what a caller sent so far; the message may come in pieces.
    void Read(std::list<Caller>::iterator it) {
        char buffer[kMostReceived];
        bool done = false;
        for (;;) {
            const ssize_t n = ::recv(it->fd, buffer, sizeof buffer, 0);
            if (n > 0) {
                it->received.append(buffer, static_cast<std::size_t>(n));
                if (it->received.find("show") != std::string::npos || it->received.size() >= kMostReceived) break;
                continue;
            }
            if (n < 0 && errno == EINTR) continue;
            done = n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK);
            break;
        }
        const bool show = it->received.find("show") != std::string::npos;
        if (!show && !done && it->received.size() < kMostReceived) return;  // more to come
        // The notifier is inside its own signal: it goes on the next turn of the loop.
        it->notifier->setEnabled(false);
        it->notifier->deleteLater();
        ::close(it->fd);
        callers.erase(it);
        if (show && on_second_start) {
            const auto call = on_second_start;  // the call may give up the claim, and this with it
            call();
        }
    }
};

SingleInstance::SingleInstance() : impl_(std::make_unique<Impl>()) {}
SingleInstance::~SingleInstance() = default;

std::unique_ptr<SingleInstance> SingleInstance::Claim(const std::string& name, std::function<void()> on_second_start,
                                                      Outcome& outcome) {
    const QString base = base_path(name);
    const std::string socket_path = QFile::encodeName(base + QStringLiteral(".socket")).toStdString();
    auto lock = std::make_unique<QLockFile>(base + QStringLiteral(".lock"));
    lock->setStaleLockTime(0);  // only a dead holder makes a claim stale, never its age

    if (!lock->tryLock(0)) {
        // The holder may be starting up and not listening yet: give it a few seconds.
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 5000) {
            if (ask_to_come_forward(socket_path)) {
                outcome = Outcome::Forwarded;
                return nullptr;
            }
            if (lock->tryLock(0)) break;  // it ended meanwhile
            QThread::msleep(100);
        }
        if (!lock->isLocked()) {
            outcome = Outcome::NoAnswer;
            return nullptr;
        }
    }

    std::unique_ptr<SingleInstance> claim(new SingleInstance);
    Impl& impl = *claim->impl_;
    impl.lock = std::move(lock);
    impl.socket_path = socket_path;
    impl.on_second_start = std::move(on_second_start);
    impl.Listen();
    outcome = Outcome::First;
    return claim;
}

}  // namespace tarnvel::platform
