#include "platform/qt/notify_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QSystemTrayIcon>
#include <string>

#include "platform/qt/desktop_names.h"
#include "platform/qt/window_messages.h"

namespace tarnvel::platform::qt {
namespace {

std::uint32_t field(const NotifyIconRecord& r, std::size_t at) {
    return static_cast<std::uint32_t>(r[at]) | static_cast<std::uint32_t>(r[at + 1]) << 8 |
           static_cast<std::uint32_t>(r[at + 2]) << 16 | static_cast<std::uint32_t>(r[at + 3]) << 24;
}

// The tooltip field: 8-bit text up to its NUL.
QString tip(const NotifyIconRecord& r) {
    std::string text;
    for (std::size_t i = 24; i < r.size() && r[i] != 0; ++i) text += static_cast<char>(r[i]);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The record's icon under the name of the installed themed icon. A desktop whose
// notification area takes names (a StatusNotifier host) shows the theme's icon at its own
// size; where the theme lacks it, and in an XEmbed tray, the record's pixels are drawn.
class NamedIcon final : public QIconEngine {
public:
    explicit NamedIcon(QIcon pixels) : pixels_(std::move(pixels)) {}
    void paint(QPainter* p, const QRect& r, QIcon::Mode mode, QIcon::State state) override {
        pixels_.paint(p, r, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return pixels_.actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return pixels_.pixmap(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return pixels_.availableSizes(mode, state);
    }
    QString iconName() override { return QString::fromLatin1(DesktopId); }
    bool isNull() override { return pixels_.isNull(); }
    QIconEngine* clone() const override { return new NamedIcon(pixels_); }

private:
    QIcon pixels_;
};

}  // namespace

struct QtNotifyIcon::Impl {
    QSystemTrayIcon* icon = nullptr;  // deleted later: it may be the sender of the event being handled
    WindowHandle window = 0;
    std::uint32_t callback = 0;
};

QtNotifyIcon::QtNotifyIcon() : impl_(std::make_unique<Impl>()) {}
QtNotifyIcon::~QtNotifyIcon() { delete impl_->icon; }

bool QtNotifyIcon::AreaAvailable() const { return QSystemTrayIcon::isSystemTrayAvailable(); }

bool QtNotifyIcon::Shell_NotifyIconA(std::uint32_t message, const NotifyIconRecord& record) {
    Impl& d = *impl_;
    const std::uint32_t flags = field(record, 12);
    if (message == NIM_DELETE_) {
        if (!d.icon) return false;
        d.icon->hide();
        d.icon->deleteLater();
        d.icon = nullptr;
        return true;
    }
    if (message == NIM_ADD_) {
        if (d.icon) return false;
        d.icon = new QSystemTrayIcon;
        QObject::connect(d.icon, &QSystemTrayIcon::activated, [this](QSystemTrayIcon::ActivationReason why) {
            const Impl& i = *impl_;
            if (!(i.callback && i.window)) return;
            if (why == QSystemTrayIcon::Trigger) Post(i.window, i.callback, 0, WM_LBUTTONUP_);
            if (why == QSystemTrayIcon::Context) Post(i.window, i.callback, 0, WM_RBUTTONUP_);
        });
    } else if (message != NIM_MODIFY_ || !d.icon) {
        return false;
    }
    d.window = field(record, 4);
    if (flags & NIF_MESSAGE_) d.callback = field(record, 16);
    if (flags & NIF_ICON_) d.icon->setIcon(QIcon(new NamedIcon(FindIcon(field(record, 20)))));
    if (flags & NIF_TIP_) d.icon->setToolTip(tip(record));
    if (message == NIM_ADD_) d.icon->show();
    return QSystemTrayIcon::isSystemTrayAvailable();
}

}  // namespace tarnvel::platform::qt
