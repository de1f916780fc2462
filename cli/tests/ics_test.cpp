// The iCalendar export: content lines, and whole exports read back. (The real clients, in
// clients_test.py, check every event of a year.)

#include <gtest/gtest.h>

#include <set>

#include "cli/ics_text.h"
#include "gurmukhi/tests/utf8_check.h"
#include "run_result.h"

namespace tarnvel::cli {
namespace {

// The text with its folded lines joined again, one content line a line; each physical line
// checked: CRLF at its end, at most 75 octets, whole UTF-8.
std::string unfolded(const std::string& text) {
    std::string s;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        const std::string line = text.substr(start, end - start);
        EXPECT_LE(line.size(), 75u) << line;
        EXPECT_TRUE(test::valid_utf8(line) && line.find('\n') == std::string::npos) << line;
        s += line.starts_with(' ') ? line.substr(1) : (s.empty() ? "" : "\n") + line;
    }
    EXPECT_EQ(start, text.size()) << "text after the last CRLF";
    return s + "\n";
}

TEST(IcsText, FoldsAt75OctetsBetweenCharacters) {
    const std::string gurmukhi = "ਵੈਸਾਖੀ ਖ਼ਾਲਸਾ ਸਾਜਣਾ ਦਿਵਸ ";  // three octets a letter or sign
    std::vector<std::string> values{"", std::string(68, 'a'), std::string(69, 'a'), std::string(300, 'b')};
    for (std::size_t lead = 0; lead < 4; ++lead) {
        values.push_back(std::string(lead, 'x') + gurmukhi + gurmukhi + gurmukhi + gurmukhi);
        values.push_back(std::string(lead, 'y'));
        for (int i = 0; i < 40; ++i) values.back() += "\xF0\x9F\x8C\xBC";  // four octets
    }
    for (const std::string& value : values) {
        std::string out;
        append_content_line(out, "X-TEST", value);
        EXPECT_EQ(unfolded(out), "X-TEST:" + value + "\n");
        if (value.size() <= 68) {
            EXPECT_EQ(out.find("\r\n"), out.size() - 2) << "folded within 75 octets";
        }
        // Folded lines are used to the full, less at most one character.
        for (std::size_t at = 0, end; (end = out.find("\r\n", at)) + 2 < out.size(); at = end + 2)
            EXPECT_GE(end - at, 72u) << value;
    }
}

TEST(IcsText, EscapesText) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"New Year, 1 Chet", "New Year\\, 1 Chet"}, {"a;b", "a\\;b"},         {"back\\slash", "back\\\\slash"},
        {"two\nlines", "two\\nlines"},              {"bell\x07 and \r\x7f", "bell and "}, {"tab\tstays", "tab\tstays"},
        {"ਅੱਸੂ", "ਅੱਸੂ"}};
    for (const auto& [text, escaped] : cases) EXPECT_EQ(escaped_text(text), escaped) << text;
}

std::string ics(std::vector<std::string_view> args, std::int64_t now = testing::FixedNow) {
    const auto r = testing::run_in(args, Context{{2026, 12, 5}, now, false});
    EXPECT_EQ(r.status, ExitOk) << r.err;
    return unfolded(r.out);
}

// The events of an export, BEGIN to END, without their DTSTAMP.
std::vector<std::string> events_of(const std::string& text) {
    std::vector<std::string> events;
    for (std::size_t at = 0; (at = text.find("BEGIN:VEVENT\n", at)) != std::string::npos;) {
        const std::size_t end = text.find("END:VEVENT\n", at);
        std::string e = text.substr(at, end - at);
        const std::size_t stamp = e.find("DTSTAMP:");
        events.push_back(e.erase(stamp, e.find('\n', stamp) - stamp + 1));
        at = end;
    }
    return events;
}

// 1 Vaisakh 559: the first day of a month, an observance and an anniversary.
TEST(Ics, ADayOfEveryKindOfEvent) {
    const std::string e = ics({"--ics", "2027-04-14", "2027-04-14", "--anniversaries"});
    EXPECT_TRUE(e.starts_with("BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//Orvanta//Tarnvel 1.0//EN\nCALSCALE:GREGORIAN\n"
                              "X-WR-CALNAME:Nanakshahi calendar\nX-WR-CALDESC:The first days of the Nanakshahi "
                              "months\\, the New Year and the observances\\, and the anniversaries from the table "
                              "gurpurabs of nanakshahi-js 9.0.1 (src/consts/gurpurabs.ts)\\, Mozilla Public License "
                              "2.0 (https://mozilla.org/MPL/2.0/). Made by Tarnvel 1.0.\n")) << e;
    EXPECT_TRUE(e.ends_with("END:VEVENT\nEND:VCALENDAR\n"));
    const std::string day = "੧ ਵੈਸਾਖ\\, ਸੰਮਤ ੫੫੯ ਨਾਨਕ\u0A38\u0A3Cਾਹੀ";
    const std::string common = "DTSTART;VALUE=DATE:20270414\nDTEND;VALUE=DATE:20270415\n";
    EXPECT_EQ(events_of(e), (std::vector<std::string>{
        "BEGIN:VEVENT\nUID:month-559-02@tarnvel.orvanta.org\n" + common + "SUMMARY:1 Vaisakh\\, Sammat 559 Nanakshahi\n"
        "DESCRIPTION;LANGUAGE=pa:" + day + "\nCATEGORIES:Nanakshahi month\nTRANSP:TRANSPARENT\n",
        "BEGIN:VEVENT\nUID:observance-559-vaisakhi@tarnvel.orvanta.org\n" + common + "SUMMARY:Vaisakhi\n"
        "DESCRIPTION;LANGUAGE=pa:ਵੈਸਾਖੀ\\n" + day + "\nCATEGORIES:Observance\nTRANSP:TRANSPARENT\n",
        "BEGIN:VEVENT\nUID:anniversary-559-2-1-khalsa-sajna-divas-vaisakhi@tarnvel.orvanta.org\n" + common +
        "SUMMARY:Khalsa Sajna Divas (Vaisakhi)\nDESCRIPTION;LANGUAGE=pa:\u0A16\u0A3Cਾਲਸਾ ਸਾਜਣਾ ਦਿਵਸ (ਵੈਸਾਖੀ)\\n" + day +
        "\nCOMMENT:From the table gurpurabs of nanakshahi-js 9.0.1 (src/consts/gurpurabs.ts)\\, Mozilla Public "
        "License 2.0 (https://mozilla.org/MPL/2.0/).\nCATEGORIES:Anniversary,historical\nTRANSP:TRANSPARENT\n"}));
    EXPECT_NE(e.find("\nDTSTAMP:20261205T120000Z\n"), std::string::npos);
    const std::string year = ics({"--ics", "1 Chet 559", "31 Phagan 559"});
    EXPECT_EQ(events_of(year).size(), 14u);  // twelve months and two observances
    EXPECT_NE(year.find("SUMMARY:New Year\\, 1 Chet\\, Sammat 559 Nanakshahi\nDESCRIPTION;LANGUAGE=pa:ਨਵਾਂ ਸਾਲ\\, ੧ ਚੇਤ"),
              std::string::npos);
}

// The same event has the same UID and the same lines in every export, whatever its range;
// only DTSTAMP follows the clock. (The clients check that UIDs are unique within an export.)
TEST(Ics, StableUids) {
    const std::string wide = ics({"--ics", "2026-01-01", "2029-12-31", "--anniversaries"});
    // Exported at 11:12:23 the next day: hours, minutes and seconds all differ.
    const std::string narrow = ics({"--ics", "2027-06-01", "2028-05-31", "--anniversaries"}, testing::FixedNow + 83543);
    EXPECT_NE(narrow.find("\nDTSTAMP:20261206T111223Z\n"), std::string::npos);
    const std::vector<std::string> all = events_of(wide);
    const std::set<std::string> events(all.begin(), all.end());
    ASSERT_GT(events_of(narrow).size(), 100u);
    for (const std::string& e : events_of(narrow)) EXPECT_EQ(events.count(e), 1u) << e;
}

TEST(Ics, TheEndsOfTheCalendarAndEmptyRanges) {
    const auto first = events_of(ics({"--ics", "1469-03-14", "1469-03-14"}));
    ASSERT_EQ(first.size(), 1u);
    EXPECT_TRUE(first[0].starts_with("BEGIN:VEVENT\nUID:month-1-01@tarnvel.orvanta.org\n")) << first[0];
    const auto last = events_of(ics({"--ics", "9999-12-01", "9999-12-31", "--anniversaries"}));
    ASSERT_FALSE(last.empty());
    EXPECT_NE(last.back().find("\nDTSTART;VALUE=DATE:99991226\n"), std::string::npos);
    EXPECT_TRUE(events_of(ics({"--ics", "2027-03-15", "2027-03-18"})).empty());
}

}  // namespace
}  // namespace tarnvel::cli
