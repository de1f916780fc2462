// The design's font names are Windows' core fonts. Where one is not installed (as on most
// Linux desktops), Qt finds the face fontconfig puts in its place only after sorting every
// installed font by likeness to the missing one, a few milliseconds per name at start-up.
// The metric-compatible faces that fontconfig would choose are asked for by their own names
// instead, so the layout holds and the first paint does not wait for the sort. Any other
// name, and a core font that is installed, goes to Qt as it is.
#include <QFontDatabase>
#include <QString>
#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <string_view>

#include "platform/qt/convert.h"

namespace tarnvel::platform::qt {

namespace {

struct Substitutes {
    const char* design;
    std::array<const char*, 2> faces;  // in order of preference
};

// The pairs fontconfig's own metric aliases make (fonts-liberation2, then the Chrome OS faces).
constexpr Substitutes kMetricCompatible[] = {
    {"Arial", {"Liberation Sans", "Arimo"}},
    {"Times New Roman", {"Liberation Serif", "Tinos"}},
    {"Courier New", {"Liberation Mono", "Cousine"}},
};

QString Resolve(std::string_view name) {
    const QString asked = ToQString(name);
    const auto* row = std::find_if(std::begin(kMetricCompatible), std::end(kMetricCompatible),
                                   [&](const Substitutes& s) {
                                       return asked.compare(QLatin1String(s.design), Qt::CaseInsensitive) == 0;
                                   });
    if (row == std::end(kMetricCompatible)) return asked;
    const QStringList installed = QFontDatabase::families();
    if (installed.contains(asked, Qt::CaseInsensitive)) return asked;
    for (const char* face : row->faces)
        if (installed.contains(QString::fromLatin1(face), Qt::CaseInsensitive)) return QString::fromLatin1(face);
    return asked;
}

}  // namespace

QString InstalledFamily(std::string_view design_name) {
    // Asked for at every change of a label's font: each name is looked up once per run.
    static std::map<std::string, QString, std::less<>> resolved;
    const auto it = resolved.find(design_name);
    if (it != resolved.end()) return it->second;
    return resolved.emplace(std::string(design_name), Resolve(design_name)).first->second;
}

}  // namespace tarnvel::platform::qt
