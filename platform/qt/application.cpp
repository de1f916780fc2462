#include "platform/application.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSessionManager>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/display_choice.h"
#include "platform/qt/convert.h"
#include "platform/qt/desktop_names.h"
#include "platform/qt/notify_icon.h"
#include "platform/system_world.h"
#include "platform/system_date_watch.h"
#include "platform/qt/window_messages.h"

namespace tarnvel::platform {

namespace qt {
TwipsPerPixel ScreenFactors() {
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s || s->logicalDotsPerInchX() <= 0 || s->logicalDotsPerInchY() <= 0) return {};
    return {1440.0 / s->logicalDotsPerInchX(), 1440.0 / s->logicalDotsPerInchY()};
}
}  // namespace qt

namespace {

// Messages Qt logs while it connects to the display are held back, so that a failure
// can be told in one line instead of Qt's abort with several.
std::vector<std::string>* g_held = nullptr;
std::string g_program;
std::string g_advice;  // added to a failure to connect

void hold_messages(QtMsgType type, const QMessageLogContext&, const QString& msg) {
    if (type != QtFatalMsg) {
        if (g_held) g_held->push_back(msg.toStdString());
        return;
    }
    std::string reason = msg.section('\n', 0, 0).toStdString();
    if (g_held)
        for (const auto& m : *g_held)
            if (m.find("could not connect to display") != std::string::npos) reason = m;
    if (!g_advice.empty()) reason += " (" + g_advice + ")";
    std::fprintf(stderr, "%s: cannot open the display: %s\n", g_program.c_str(), reason.c_str());
    std::fflush(stderr);
    std::_Exit(1);
}

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

}  // namespace

struct Application::Impl {
    std::unique_ptr<QApplication> app;
    std::unique_ptr<SystemWorld> system;
    std::unique_ptr<World> world;
    std::unique_ptr<qt::QtNotifyIcon> notify;
    qt::QtWindowMessages messages;
    std::unique_ptr<DateWatch> date_watch;
};

Application::Application() : impl_(std::make_unique<Impl>()) {}
Application::~Application() {
    impl_->date_watch.reset();
    impl_->notify.reset();
    impl_->world.reset();
    impl_->system.reset();
    impl_->app.reset();
}

std::unique_ptr<Application> Application::Start(int& argc, char** argv, std::string& error) {
    g_program = argc > 0 && argv[0] ? QFileInfo(QString::fromLocal8Bit(argv[0])).fileName().toStdString() : "tarnvel";
    const DisplayChoice choice = ChooseDisplay(env);
    if (!choice.error.empty()) {
        error = g_program + ": " + choice.error;
        return nullptr;
    }
    if (!choice.platform.empty()) setenv("QT_QPA_PLATFORM", choice.platform.c_str(), 1);
    g_advice = choice.advice;
    // Before the application exists: the X11 platform takes the windows' WM_CLASS from it.
    // The display name follows the application name; set on its own, Qt would append it
    // to every window title that does not end in it ("Tarnvel Reader — Tarnvel").
    QCoreApplication::setApplicationName(qt::ApplicationName);
    // The Wayland platform's application id, where a user chooses that platform.
    QGuiApplication::setDesktopFileName(qt::DesktopId);
    // Whole device pixels per pixel (a desktop's 1.5 becomes 2), the rest of the scale left in the
    // screen's logical DPI, which the windows' twips follow. Every control then lands on whole
    // device pixels; with fractional ratios a window's edges, a second window put flush under it
    // and a window as wide as the screen are each off by a device pixel, which clipped frames.
    // QT_SCALE_FACTOR_ROUNDING_POLICY still chooses otherwise.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    std::vector<std::string> held;
    g_held = &held;
    const QtMessageHandler previous = qInstallMessageHandler(hold_messages);
    std::unique_ptr<Application> a(new Application);
    a->impl_->app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    g_held = nullptr;
    for (const auto& m : held) std::fprintf(stderr, "%s\n", m.c_str());
    if (!QGuiApplication::primaryScreen()) {
        error = g_program + ": no display: the platform has no screen";
        return nullptr;
    }
    QApplication::setQuitOnLastWindowClosed(false);
    // The log-on entry starts the calendar; a session manager's restart of it, with options
    // the command line refuses, would add nothing.
    QObject::connect(qApp, &QGuiApplication::saveStateRequest,
                     [](QSessionManager& session) { session.setRestartHint(QSessionManager::RestartNever); });
    a->impl_->system = std::make_unique<SystemWorld>();
    a->impl_->world = std::make_unique<World>(a->impl_->system->world());
    a->impl_->notify = std::make_unique<qt::QtNotifyIcon>();
    a->impl_->date_watch = MakeSystemDateWatch();
    return a;
}

int Application::Run() { return QApplication::exec(); }
void Application::Quit(int status) { QCoreApplication::exit(status); }

void Application::ProcessEvents(int ms) {
    WaitFor([] { return false; }, ms);
}

bool Application::WaitFor(const std::function<bool()>& done, int timeout_ms) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() >= timeout_ms) return false;
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

std::string Application::ProgramFolder() {
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
}
std::string Application::ProgramName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toStdString();
}
std::string Application::PlatformName() { return QGuiApplication::platformName().toStdString(); }

World& Application::world() { return *impl_->world; }
NotifyIcon& Application::notify_icon() { return *impl_->notify; }
WindowMessages& Application::window_messages() { return impl_->messages; }
DateWatch& Application::date_watch() { return *impl_->date_watch; }

}  // namespace tarnvel::platform
