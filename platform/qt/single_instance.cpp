#include "platform/single_instance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <unistd.h>

#include "platform/qt/convert.h"

namespace tarnvel::platform {

struct SingleInstance::Impl {
    std::unique_ptr<QLockFile> lock;
    QLocalServer server;
};

SingleInstance::SingleInstance() : impl_(std::make_unique<Impl>()) {}
SingleInstance::~SingleInstance() = default;

namespace {

// The user's runtime folder, private to the user; else the temporary folder.
QString base_path(const std::string& name) {
    QString dir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (dir.isEmpty() || !QDir(dir).exists()) dir = QDir::tempPath();
    return dir + QLatin1Char('/') + qt::ToQString(name) + QLatin1Char('-') + QString::number(::getuid());
}

bool ask_to_come_forward(const QString& socket_path) {
    QLocalSocket socket;
    socket.connectToServer(socket_path);
    if (!socket.waitForConnected(1000)) return false;
    bool sent = socket.write("show\n") == 5;
    while (sent && socket.bytesToWrite() > 0) sent = socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return sent;
}

}  // namespace

std::unique_ptr<SingleInstance> SingleInstance::Claim(const std::string& name, std::function<void()> on_second_start,
                                                      Outcome& outcome) {
    const QString base = base_path(name);
    const QString socket_path = base + QStringLiteral(".socket");
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
    claim->impl_->lock = std::move(lock);
    QLocalServer::removeServer(socket_path);  // a socket file left by a crash
    QLocalServer& server = claim->impl_->server;
    server.setSocketOptions(QLocalServer::UserAccessOption);
    server.listen(socket_path);
    QObject::connect(&server, &QLocalServer::newConnection, [&server, on_second_start] {
        while (QLocalSocket* s = server.nextPendingConnection()) {
            QObject::connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            QObject::connect(s, &QLocalSocket::readyRead, [s, on_second_start] {
                if (s->readAll().contains("show") && on_second_start) on_second_start();
            });
        }
    });
    outcome = Outcome::First;
    return claim;
}

}  // namespace tarnvel::platform
