#include "calendar/nanakshahi_date.h"

#include <charconv>

namespace tarnvel {
namespace {

void append_number(std::string& s, int n) {
    char buf[12];
    const auto r = std::to_chars(buf, buf + sizeof buf, n);
    s.append(buf, r.ptr);
}

// Zero-padded to `width` digits; years past 9999 simply grow.
void assign_padded(std::string& s, int n, int width) {
    char buf[12];
    const auto r = std::to_chars(buf, buf + sizeof buf, n);
    const auto len = static_cast<int>(r.ptr - buf);
    s.assign(static_cast<std::size_t>(len < width ? width - len : 0), '0');
    s.append(buf, r.ptr);
}

// day + " " + name + ", " + sammat + year + tail, the one shape of both display lines.
void assign_line(std::string& s, NanakshahiFields f, std::string_view name, std::string_view sammat,
                 std::string_view tail) {
    s.clear();
    append_number(s, f.day);
    s += ' ';
    s += name;
    s += ", ";
    s += sammat;
    append_number(s, f.year);
    s += tail;
}

constexpr std::string_view kSammatEnglish = "Sammat ";
constexpr std::string_view kTailEnglish = " Nanakshahi";
constexpr std::string_view kSammatGurmukhi = "sMmq ";
constexpr std::string_view kTailGurmukhi = " nwnkSwhI";

const NanakshahiMonthInfo& info(int month) { return NanakshahiMonths[static_cast<std::size_t>(month - 1)]; }

}  // namespace

void convert_date(int y, int m, int d, DateRecord& out) {
    const NanakshahiFields f = nanakshahi_fields(y, m, d);
    assign_padded(out.GregorianDay, d, 2);
    assign_padded(out.GregorianMonth, m, 2);
    assign_padded(out.GregorianYear, y, 4);
    out.NanakshahiDay = f.day;
    out.NanakshahiMonth = f.month;
    out.NanakshahiYear = f.year;
    out.MonthName_English = info(f.month).english;
    out.MonthName_Gurmukhi = info(f.month).gurmukhi;
    assign_line(out.NanakshahiDate_English, f, info(f.month).english, kSammatEnglish, kTailEnglish);
    assign_line(out.NanakshahiDate_Gurmukhi, f, info(f.month).gurmukhi, kSammatGurmukhi, kTailGurmukhi);
}

DateRecord convert_date(int y, int m, int d) {
    DateRecord r;
    convert_date(y, m, d, r);
    return r;
}

std::string english_line(NanakshahiFields f) {
    std::string s;
    assign_line(s, f, info(f.month).english, kSammatEnglish, kTailEnglish);
    return s;
}

std::string gurmukhi_line(NanakshahiFields f) {
    std::string s;
    assign_line(s, f, info(f.month).gurmukhi, kSammatGurmukhi, kTailGurmukhi);
    return s;
}

void Calculate_NanakshahiDate(const std::function<CivilDate()>& today) {
    const CivilDate t = today();
    convert_date(t.year, t.month, t.day, ModuleNanakshahiDate);
}

}  // namespace tarnvel
