#include "calendar/nanakshahi_date.h"

#include <charconv>
#include <cstring>

namespace tarnvel {
namespace {

// Writes n in decimal at p and returns the end; n may be negative for dates before year 1.
char* put_number(char* p, int n) {
    if (n >= 0 && n < 10) {  // most Nanakshahi days: no need for the general case
        *p = static_cast<char>('0' + n);
        return p + 1;
    }
    return std::to_chars(p, p + 11, n).ptr;
}

char* put(char* p, std::string_view s) {
    std::memcpy(p, s.data(), s.size());
    return p + s.size();
}

// Zero-padded to `width` digits; years past 9999 simply grow.
void assign_padded(std::string& s, int n, int width) {
    char buf[16];
    char* end = put_number(buf, n);
    const auto len = static_cast<int>(end - buf);
    if (len >= width) {
        s.assign(buf, end);
        return;
    }
    char padded[16];
    const auto zeros = static_cast<std::size_t>(width - len);
    std::memset(padded, '0', zeros);
    std::memcpy(padded + zeros, buf, static_cast<std::size_t>(len));
    s.assign(padded, static_cast<std::size_t>(width));
}

// day + " " + name + ", " + sammat + year + tail, the one shape of both display lines,
// built on the stack and stored with one copy.
void assign_line(std::string& s, NanakshahiFields f, std::string_view name, std::string_view sammat,
                 std::string_view tail) {
    char buf[64];
    char* p = put_number(buf, f.day);
    *p++ = ' ';
    p = put(p, name);
    p = put(p, ", ");
    p = put(p, sammat);
    p = put_number(p, f.year);
    p = put(p, tail);
    s.assign(buf, p);
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
