#include "cli/ics_writer.h"

#include <array>
#include <string>
#include <vector>

#include "calendar/event_finder.h"
#include "calendar/nanakshahi_date.h"
#include "cli/anniversaries.h"
#include "cli/block_output.h"
#include "cli/help_text.h"
#include "cli/ics_text.h"
#include "cli/script_text.h"

namespace tarnvel::cli {
namespace {

constexpr std::string_view UidDomain = "@tarnvel.orvanta.org";

// Lower-case letters and digits, every other run of characters one hyphen.
std::string slug(std::string_view name) {
    std::string s;
    for (const char c : name) {
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
            s += c;
        } else if (c >= 'A' && c <= 'Z') {
            s += static_cast<char>(c - 'A' + 'a');
        } else if (!s.empty() && s.back() != '-') {
            s += '-';
        }
    }
    while (!s.empty() && s.back() == '-') s.pop_back();
    return s;
}

void append_two(std::string& s, int n) {
    s += static_cast<char>('0' + n / 10);
    s += static_cast<char>('0' + n % 10);
}

// YYYYMMDD.
std::string basic_date(CivilDate d) {
    std::string s;
    append_two(s, d.year / 100);
    append_two(s, d.year % 100);
    append_two(s, d.month);
    append_two(s, d.day);
    return s;
}

// YYYYMMDDTHHMMSSZ.
std::string utc_stamp(std::int64_t seconds) {
    std::int64_t days = seconds / 86400, rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    std::string s = basic_date(civil_from_days(days));
    s += 'T';
    append_two(s, static_cast<int>(rest / 3600));
    append_two(s, static_cast<int>(rest / 60 % 60));
    append_two(s, static_cast<int>(rest % 60));
    s += 'Z';
    return s;
}

struct Listed {
    const Anniversary* row;
    std::string slug;
};

// The anniversaries that fall on each Nanakshahi day, by month and day.
class AnniversaryIndex {
public:
    AnniversaryIndex() {
        for (const Anniversary& a : anniversaries())
            if (!repeats_a_month_start(a)) on_[key(a.month, a.day)].push_back({&a, slug(a.english)});
    }
    const std::vector<Listed>& on(NanakshahiFields f) const { return on_[key(f.month, f.day)]; }

private:
    static std::size_t key(int month, int day) { return static_cast<std::size_t>((month - 1) * 32 + day); }
    std::array<std::vector<Listed>, 12 * 32> on_;
};

class Writer {
public:
    Writer(std::ostream& out, const IcsRequest& r) : block_(out), request_(r), stamp_(utc_stamp(r.stamp)) {}

    bool write() {
        header();
        static const AnniversaryIndex index;
        CivilDate g = request_.from;
        NanakshahiFields f = nanakshahi_fields(g);
        const std::int64_t last = days_from_civil(request_.to);
        for (std::int64_t z = days_from_civil(g); z <= last; ++z, g = next_day(g), f = next_nanakshahi_day(f)) {
            if (f.day == 1) month_start(g, f);
            for (const Observance& o : Observances)
                if (o.month == g.month && o.day == g.day) observance(g, f, o);
            if (request_.anniversaries)
                for (const Listed& a : index.on(f)) anniversary(g, f, a);
            if (!block_.flush_if_full()) return false;
        }
        append_content_line(block_.text(), "END", "VCALENDAR");
        return block_.finish();
    }

private:
    void header() {
        std::string& out = block_.text();
        append_content_line(out, "BEGIN", "VCALENDAR");
        append_content_line(out, "VERSION", "2.0");
        append_content_line(out, "PRODID", "-//Orvanta//Tarnvel " + std::string(ProgramVersion) + "//EN");
        append_content_line(out, "CALSCALE", "GREGORIAN");
        append_text_line(out, "X-WR-CALNAME", "Nanakshahi calendar");
        std::string about = "The first days of the Nanakshahi months, the New Year and the observances";
        if (request_.anniversaries) about += ", and the anniversaries from " + std::string(AnniversarySource);
        append_text_line(out, "X-WR-CALDESC", about + ". Made by Tarnvel " + std::string(ProgramVersion) + ".");
    }

    void begin(CivilDate g, std::string_view uid, std::string_view summary) {
        std::string& out = block_.text();
        append_content_line(out, "BEGIN", "VEVENT");
        append_content_line(out, "UID", uid);
        append_content_line(out, "DTSTAMP", stamp_);
        append_content_line(out, "DTSTART;VALUE=DATE", basic_date(g));
        // Without DTEND an all-day event lasts its one day; the day after 9999-12-31 has no
        // four-digit year to be written with.
        if (const CivilDate after = next_day(g); is_valid(after))
            append_content_line(out, "DTEND;VALUE=DATE", basic_date(after));
        append_text_line(out, "SUMMARY", summary);
    }

    void end(std::string_view categories) {
        std::string& out = block_.text();
        append_content_line(out, "CATEGORIES", categories);
        append_content_line(out, "TRANSP", "TRANSPARENT");
        append_content_line(out, "END", "VEVENT");
    }

    std::string uid(std::string_view kind, int year, std::string_view rest) {
        return std::string(kind) + '-' + std::to_string(year) + '-' + std::string(rest) + std::string(UidDomain);
    }

    void month_start(CivilDate g, NanakshahiFields f) {
        std::string month = f.month < 10 ? "0" : "";
        month += std::to_string(f.month);
        const bool new_year = f.month == 1;
        std::string summary = english_.line(f), description = gurmukhi_.line(f);
        if (new_year) {
            summary = std::string(english_.new_year()) + ", " + summary;
            description = std::string(gurmukhi_.new_year()) + ", " + description;
        }
        begin(g, uid("month", f.year, month), summary);
        append_text_line(block_.text(), "DESCRIPTION;LANGUAGE=pa", description);
        end(new_year ? "Nanakshahi month,New Year" : "Nanakshahi month");
    }

    void observance(CivilDate g, NanakshahiFields f, const Observance& o) {
        begin(g, uid("observance", f.year, slug(o.name)), o.name);
        append_text_line(block_.text(), "DESCRIPTION;LANGUAGE=pa", gurmukhi_.observance(o) + "\n" + gurmukhi_.line(f));
        end("Observance");
    }

    void anniversary(CivilDate g, NanakshahiFields f, const Listed& a) {
        std::string rest = std::to_string(f.month) + '-' + std::to_string(f.day) + '-' + a.slug;
        begin(g, uid("anniversary", f.year, rest), a.row->english);
        std::string& out = block_.text();
        append_text_line(out, "DESCRIPTION;LANGUAGE=pa", std::string(a.row->gurmukhi) + "\n" + gurmukhi_.line(f));
        append_text_line(out, "COMMENT", "From " + std::string(AnniversarySource) + ".");
        end("Anniversary," + escaped_text(a.row->kind));
    }

    BlockOutput block_;
    const IcsRequest& request_;
    const std::string stamp_;
    const ScriptText& english_ = script_text(Script::English);
    const ScriptText& gurmukhi_ = script_text(Script::Gurmukhi);
};

}  // namespace

bool write_ics(std::ostream& out, const IcsRequest& request) { return Writer(out, request).write(); }

}  // namespace tarnvel::cli
