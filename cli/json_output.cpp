#include "cli/json_output.h"

#include <array>

#include "calendar/nanakshahi_date.h"
#include "cli/block_output.h"
#include "cli/dates.h"
#include "cli/script_text.h"

namespace tarnvel::cli {
namespace {

constexpr std::array<std::string_view, 7> Weekdays{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                   "Thursday", "Friday", "Saturday"};

void append_field(std::string& out, std::string_view name) {
    out += '"';
    out += name;
    out += "\":";
}

void append_number(std::string& out, std::string_view name, int n) {
    append_field(out, name);
    out += std::to_string(n);
    out += ',';
}

void append_text(std::string& out, std::string_view name, std::string_view value) {
    append_field(out, name);
    append_json_string(out, value);
    out += ',';
}

// The fields of a day, each followed by a comma.
void append_day_fields(std::string& out, CivilDate g, NanakshahiFields f) {
    const ScriptText& english = script_text(Script::English);
    const ScriptText& gurmukhi = script_text(Script::Gurmukhi);
    char iso[10];
    append_text(out, "gregorian", {iso, put_iso_date(iso, g)});
    append_text(out, "weekday", Weekdays[static_cast<std::size_t>(weekday(g))]);
    append_number(out, "day", f.day);
    append_number(out, "month", f.month);
    append_text(out, "month_name", english.month(f.month));
    append_text(out, "month_name_gurmukhi", gurmukhi.month(f.month));
    append_number(out, "year", f.year);
    append_field(out, "line");
    out += '"';
    english.append_line(out, f);
    out += "\",";
    append_field(out, "line_gurmukhi");
    out += '"';
    gurmukhi.append_line(out, f);
    out += "\",";
}

void close_object(std::string& out) {
    out.back() = '}';
    out += '\n';
}

}  // namespace

void append_json_string(std::string& out, std::string_view s) {
    out += '"';
    for (const char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            constexpr char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[u >> 4];
            out += hex[u & 15];
        } else {
            out += c;
        }
    }
    out += '"';
}

std::string json_days(std::span<const CivilDate> dates) {
    std::string out;
    for (const CivilDate d : dates) {
        out += '{';
        append_day_fields(out, d, nanakshahi_fields(d));
        close_object(out);
    }
    return out;
}

std::string json_upcoming(const std::vector<UpcomingEvent>& events) {
    const ScriptText& gurmukhi = script_text(Script::Gurmukhi);
    std::string out;
    for (const UpcomingEvent& e : events) {
        out += '{';
        append_day_fields(out, e.date, nanakshahi_fields(e.date));
        if (e.observance != nullptr) {
            append_text(out, "event", e.observance->name);
            append_text(out, "event_gurmukhi", gurmukhi.observance(*e.observance));
        } else {
            append_text(out, "event", script_text(Script::English).new_year());
            append_text(out, "event_gurmukhi", gurmukhi.new_year());
        }
        append_field(out, "days");
        out += std::to_string(e.days);
        out += ',';
        close_object(out);
    }
    return out;
}

bool write_json_range(std::ostream& out, CivilDate from, CivilDate to) {
    BlockOutput block(out);
    const std::int64_t last = days_from_civil(to);
    CivilDate g = from;
    for (std::int64_t z = days_from_civil(from); z <= last; ++z, g = next_day(g)) {
        std::string& text = block.text();
        text += '{';
        append_day_fields(text, g, nanakshahi_fields(g));
        close_object(text);
        if (!block.flush_if_full()) return false;
    }
    return block.finish();
}

}  // namespace tarnvel::cli
