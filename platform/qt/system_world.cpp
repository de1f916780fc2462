#include "platform/system_world.h"

#include <QCursor>
#include <QDate>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QUrl>
#include <array>
#include <chrono>
#include <ctime>

#include "platform/qt/convert.h"

namespace tarnvel::platform {

using qt::ScreenFactors;
using qt::ToQString;

// The names of the locale last asked, so that the tick formats without building them anew;
// and when the zone's rules are next read again (steady clock, nanoseconds).
struct SystemClock::Cache {
    QLocale locale;
    std::array<std::string, 12> month;
    long long next_zone_read = 0;
    void Fill(const QLocale& l) {
        locale = l;
        for (int m = 1; m <= 12; ++m) month[static_cast<std::size_t>(m - 1)] = l.monthName(m, QLocale::LongFormat).toStdString();
    }
};

// The pointer watches ask for the date ten times a second. QDate::currentDate() reads the
// zone's rules again each time (a stat of /etc/localtime, the one system call of an idle
// tick); here they are read again at most once a minute, so a change of the system's time
// zone is taken within a minute and the date otherwise comes from memory.
Date SystemClock::Today() const {
    const long long now =
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    if (now >= cache_->next_zone_read) {
        tzset();
        cache_->next_zone_read = now + std::chrono::nanoseconds(std::chrono::minutes(1)).count();
    }
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    if (!localtime_r(&t, &local)) {
        const QDate d = QDate::currentDate();
        return {d.year(), d.month(), d.day()};
    }
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

SystemClock::SystemClock() : cache_(std::make_unique<Cache>()) { cache_->Fill(QLocale()); }
SystemClock::~SystemClock() = default;

std::string SystemClock::LongMonthName(int month) const {
    if (month < 1 || month > 12) return {};
    const QLocale now;
    if (now != cache_->locale) cache_->Fill(now);
    return cache_->month[static_cast<std::size_t>(month - 1)];
}

std::optional<PixelPoint> SystemPointer::Position() const {
    if (QGuiApplication::platformName() == QStringLiteral("wayland") || !QGuiApplication::primaryScreen())
        return std::nullopt;
    const QPoint p = QCursor::pos();
    return PixelPoint{p.x(), p.y()};
}

PixelSize SystemScreen::Size() const {
    const QScreen* s = QGuiApplication::primaryScreen();
    if (!s) return {};
    return {s->geometry().width(), s->geometry().height()};
}

TwipsPerPixel SystemScreen::Factors() const { return ScreenFactors(); }

bool SystemLauncher::StartProgram(const std::string& program, const std::string& argument, WindowStyle) {
    // The window style cannot be imposed on another program here; the program decides.
    const QString path = ToQString(program);
    if (!QFileInfo(path).isExecutable()) return false;
    return QProcess::startDetached(path, {ToQString(argument)});
}

bool SystemLauncher::OpenUrl(const std::string& url) {
    return QDesktopServices::openUrl(QUrl(ToQString(url), QUrl::StrictMode));
}

bool SystemMessageDialog::Show(const std::string& text, const std::string& title) {
    QMessageBox::information(nullptr, ToQString(title), ToQString(text), QMessageBox::Ok);
    return true;
}

bool SystemFonts::Installed(std::string_view family) const {
    return QFontDatabase::families().contains(ToQString(family), Qt::CaseInsensitive);
}

}  // namespace tarnvel::platform
