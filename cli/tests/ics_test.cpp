// The iCalendar export: content lines, and the events of whole exports read back.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

#include "calendar/nanakshahi_date.h"
#include "cli/anniversaries.h"
#include "cli/ics_text.h"
#include "cli/ics_writer.h"
#include "cli/script_text.h"
#include "run_result.h"

namespace tarnvel::cli {
namespace {

bool valid_utf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const std::size_t len = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        if (len == 0 || i + len > s.size()) return false;
        for (std::size_t k = 1; k < len; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += len;
    }
    return true;
}

// The physical lines of `text`, each checked: CRLF at its end, at most 75 octets, whole UTF-8.
std::vector<std::string> physical_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        const std::string line = text.substr(start, end - start);
        EXPECT_LE(line.size(), 75u) << line;
        EXPECT_TRUE(valid_utf8(line)) << line;
        EXPECT_EQ(line.find('\n'), std::string::npos);
        lines.push_back(line);
    }
    EXPECT_EQ(start, text.size()) << "text after the last CRLF";
    return lines;
}

std::string unfolded(const std::string& text) {
    std::string s;
    for (const std::string& line : physical_lines(text)) {
        if (!line.empty() && line.front() == ' ')
            s += line.substr(1);
        else
            s += (s.empty() ? "" : "\n") + line;
    }
    return s;
}

TEST(IcsText, FoldsAt75OctetsBetweenCharacters) {
    const std::string gurmukhi = "ਵੈਸਾਖੀ ਖ਼ਾਲਸਾ ਸਾਜਣਾ ਦਿਵਸ ";  // three octets a letter or sign
    const std::string emoji = "\xF0\x9F\x8C\xBC";
    std::vector<std::string> values{"", "short", std::string(70, 'a'), std::string(71, 'a'), std::string(72, 'a'),
                                    std::string(300, 'b')};
    for (int lead = 0; lead < 4; ++lead) {
        values.push_back(std::string(static_cast<std::size_t>(lead), 'x') + gurmukhi + gurmukhi + gurmukhi + gurmukhi);
        std::string e(static_cast<std::size_t>(lead), 'y');
        for (int i = 0; i < 40; ++i) e += emoji;
        values.push_back(e);
    }
    for (const std::string& value : values) {
        SCOPED_TRACE(value);
        std::string out;
        append_content_line(out, "X-TEST", value);
        EXPECT_EQ(unfolded(out), "X-TEST:" + value);
        const auto lines = physical_lines(out);
        EXPECT_EQ(lines.size(), ("X-TEST:" + value).size() <= 75 ? 1u : lines.size());
        for (std::size_t i = 1; i < lines.size(); ++i) EXPECT_EQ(lines[i].front(), ' ');
        // Folded lines are used to the full, less at most one character.
        for (std::size_t i = 0; i + 1 < lines.size(); ++i) EXPECT_GE(lines[i].size(), 72u);
    }
}

TEST(IcsText, EscapesText) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"plain", "plain"},
        {"New Year, 1 Chet", "New Year\\, 1 Chet"},
        {"a;b", "a\\;b"},
        {"back\\slash", "back\\\\slash"},
        {"two\nlines", "two\\nlines"},
        {"bell\x07 and \r", "bell and "},
        {"tab\tstays", "tab\tstays"},
        {"ਅੱਸੂ", "ਅੱਸੂ"},
    };
    for (const auto& [text, escaped] : cases) EXPECT_EQ(escaped_text(text), escaped) << text;
    std::string out;
    append_text_line(out, "SUMMARY", "1 Vaisakh, Sammat 559");
    EXPECT_EQ(out, "SUMMARY:1 Vaisakh\\, Sammat 559\r\n");
}

struct Event {
    std::map<std::string, std::string> properties;  // name with its parameters -> value
};

struct Export {
    std::vector<std::string> calendar;  // the calendar's own lines
    std::vector<Event> events;
};

Export read_export(const std::string& text) {
    Export e;
    std::istringstream in(unfolded(text));
    bool inside = false;
    for (std::string line; std::getline(in, line);) {
        if (line == "BEGIN:VEVENT") {
            inside = true;
            e.events.emplace_back();
        } else if (line == "END:VEVENT") {
            inside = false;
        } else if (inside) {
            const std::size_t colon = line.find(':');
            EXPECT_EQ(e.events.back().properties.count(line.substr(0, colon)), 0u) << line;
            e.events.back().properties[line.substr(0, colon)] = line.substr(colon + 1);
        } else {
            e.calendar.push_back(line);
        }
    }
    return e;
}

Export ics(std::vector<std::string_view> args, std::int64_t now = testing::FixedNow) {
    const auto r = testing::run_in(args, Context{{2026, 12, 5}, now, false});
    EXPECT_EQ(r.status, ExitOk) << r.err;
    return read_export(r.out);
}

TEST(Ics, AYearOfMonthsAndObservances) {
    const Export e = ics({"--ics", "1 Chet 559", "31 Phagan 559"});
    ASSERT_EQ(e.calendar.size(), 7u);
    EXPECT_EQ(e.calendar.front(), "BEGIN:VCALENDAR");
    EXPECT_EQ(e.calendar[1], "VERSION:2.0");
    EXPECT_EQ(e.calendar[2], "PRODID:-//Orvanta//Tarnvel 1.0//EN");
    EXPECT_EQ(e.calendar.back(), "END:VCALENDAR");
    ASSERT_EQ(e.events.size(), 14u);
    std::map<std::string, std::string> by_day;
    for (const Event& ev : e.events) {
        const auto& p = ev.properties;
        EXPECT_EQ(p.at("DTSTAMP"), "20261205T120000Z");
        EXPECT_EQ(p.count("DTEND;VALUE=DATE"), 1u);
        EXPECT_EQ(p.at("TRANSP"), "TRANSPARENT");
        by_day[p.at("DTSTART;VALUE=DATE")] += p.at("SUMMARY") + "|";
    }
    EXPECT_EQ(by_day["20270314"], "New Year\\, 1 Chet\\, Sammat 559 Nanakshahi|");
    EXPECT_EQ(by_day["20270414"], "1 Vaisakh\\, Sammat 559 Nanakshahi|Vaisakhi|");
    EXPECT_EQ(by_day["20271126"], "Parkash Purab - Guru Nanak Sahib|");
    EXPECT_EQ(by_day["20280212"], "1 Phagan\\, Sammat 559 Nanakshahi|");
    EXPECT_EQ(e.events[0].properties.at("DESCRIPTION;LANGUAGE=pa"),
              "ਨਵਾਂ ਸਾਲ\\, ੧ ਚੇਤ\\, ਸੰਮਤ ੫੫੯ ਨਾਨਕ\u0A38\u0A3Cਾਹੀ");
    EXPECT_EQ(e.events[0].properties.at("UID"), "month-559-01@tarnvel.orvanta.org");
    EXPECT_EQ(e.events[0].properties.at("DTEND;VALUE=DATE"), "20270315");
}

TEST(Ics, TheAnniversariesOnTheirDays) {
    const Export e = ics({"--ics", "2027-03-14", "2028-03-13", "--anniversaries"});
    const auto table = anniversaries();
    std::size_t repeated = 0;
    for (const Anniversary& a : table) repeated += repeats_a_month_start(a);
    EXPECT_EQ(repeated, 13u);  // the New Year and the twelve first days
    ASSERT_EQ(e.events.size(), 14 + table.size() - repeated);
    std::size_t found = 0;
    for (const Anniversary& a : table) {
        if (repeats_a_month_start(a)) continue;
        const std::string uid_start = "anniversary-559-" + std::to_string(a.month) + "-" + std::to_string(a.day) + "-";
        const CivilDate g = *gregorian_date(559, a.month, a.day);
        for (const Event& ev : e.events) {
            if (ev.properties.at("SUMMARY") != escaped_text(a.english) || !ev.properties.at("UID").starts_with(uid_start))
                continue;
            ++found;
            char day[9];
            std::snprintf(day, sizeof day, "%04d%02d%02d", g.year, g.month, g.day);
            EXPECT_EQ(ev.properties.at("DTSTART;VALUE=DATE"), day) << a.english;
            EXPECT_EQ(ev.properties.at("DESCRIPTION;LANGUAGE=pa"),
                      escaped_text(std::string(a.gurmukhi) + "\n" + script_text(Script::Gurmukhi).line({a.day, a.month, 559})));
            EXPECT_NE(ev.properties.at("COMMENT").find("Mozilla Public License 2.0"), std::string::npos);
            EXPECT_EQ(ev.properties.at("CATEGORIES"), "Anniversary," + std::string(a.kind));
            break;
        }
    }
    EXPECT_EQ(found, table.size() - repeated);
    bool licence = false;
    for (const std::string& line : e.calendar)
        licence |= line.starts_with("X-WR-CALDESC:") && line.find("nanakshahi-js 9.0.1") != std::string::npos;
    EXPECT_TRUE(licence);
}

// The same event has the same UID and the same lines in every export; only DTSTAMP follows
// the clock. UIDs are unique within an export.
TEST(Ics, StableUids) {
    const Export wide = ics({"--ics", "2026-01-01", "2029-12-31", "--anniversaries"}, testing::FixedNow);
    const Export narrow = ics({"--ics", "2027-06-01", "2028-05-31", "--anniversaries"}, testing::FixedNow + 86399);
    std::map<std::string, const Event*> by_uid;
    for (const Event& ev : wide.events) EXPECT_TRUE(by_uid.emplace(ev.properties.at("UID"), &ev).second);
    ASSERT_GT(narrow.events.size(), 100u);
    for (const Event& ev : narrow.events) {
        const auto found = by_uid.find(ev.properties.at("UID"));
        ASSERT_NE(found, by_uid.end()) << ev.properties.at("UID");
        auto a = ev.properties, b = found->second->properties;
        EXPECT_EQ(a.at("DTSTAMP"), "20261206T115959Z");
        a.erase("DTSTAMP");
        b.erase("DTSTAMP");
        EXPECT_EQ(a, b);
    }
}

TEST(Ics, TheEndsOfTheCalendarAndEmptyRanges) {
    const Export first = ics({"--ics", "1469-03-14", "1469-03-14"});
    ASSERT_EQ(first.events.size(), 1u);
    EXPECT_EQ(first.events[0].properties.at("UID"), "month-1-01@tarnvel.orvanta.org");
    const Export last = ics({"--ics", "9999-12-01", "9999-12-31", "--anniversaries"});
    ASSERT_FALSE(last.events.empty());
    EXPECT_EQ(last.events.back().properties.at("DTSTART;VALUE=DATE"), "99991226");
    const Export none = ics({"--ics", "2027-03-15", "2027-03-18"});
    EXPECT_TRUE(none.events.empty());
    EXPECT_EQ(none.calendar.back(), "END:VCALENDAR");
}

TEST(Ics, AFailedWriteIsReported) {
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    EXPECT_FALSE(write_ics(out, {{2027, 1, 1}, {2027, 12, 31}, true, 0}));
}

}  // namespace
}  // namespace tarnvel::cli
