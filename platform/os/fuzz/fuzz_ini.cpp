// libFuzzer entry for the settings file reader. The input is a settings file as found on disk;
// the program's exit is played on it (its four keys, one value taken from the input), and the
// run aborts when one of the reader's promises breaks:
//  - a text read and written back is the same bytes;
//  - a Set changes the text at one place only: no byte of another line is lost, and the line
//    it rewrites is the key's own;
//  - after a Set the key reads back as set and every other key of every section as before;
//  - a second exit with the same values changes nothing;
//  - keys after a damaged line or another section's header never reach the sections before.
// With a byte 0x1E in the input, the part before it is the text, the byte after it picks a line
// that ends the section (a damaged header, another header, garbage), and the rest, with no '['
// left in it, is put after that line.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/os/ini_file.h"

namespace {

using tarnvel::platform::os::IniFile;
using Entries = std::vector<IniFile::Entry>;

void require(bool ok) {
    if (!ok) std::abort();
}

Entries without(Entries all, std::string_view section, std::string_view key) {
    std::erase_if(all, [&](const IniFile::Entry& e) { return e.section == section && e.key == key; });
    return all;
}

// The line of `text` that holds byte `at`, without its line end.
std::string_view line_at(std::string_view text, std::size_t at) {
    const std::size_t begin = at == 0 ? 0 : text.rfind('\n', at - 1) + 1;
    std::size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    return text.substr(begin, end - begin);
}

// One Set: the text changes at one place, only the key's own line is rewritten, and the key
// reads back as set.
void check_set(const std::string& section, const std::string& key, const std::string& value, IniFile& ini) {
    const std::string old_text = ini.Serialize();
    const auto old_value = ini.Get(section, key);
    require(ini.Set(section, key, value));
    const std::string new_text = ini.Serialize();
    if (old_value == value) require(new_text == old_text);

    std::size_t prefix = 0;
    while (prefix < old_text.size() && prefix < new_text.size() && old_text[prefix] == new_text[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < old_text.size() - prefix && suffix < new_text.size() - prefix &&
           old_text[old_text.size() - 1 - suffix] == new_text[new_text.size() - 1 - suffix])
        ++suffix;
    const std::string_view removed = std::string_view(old_text).substr(prefix, old_text.size() - prefix - suffix);
    require(removed.find('\n') == std::string_view::npos);
    if (!removed.empty()) {
        const IniFile old_line = IniFile::Parse("[" + section + "]\n" + std::string(line_at(old_text, prefix)));
        require(old_value && old_line.Get(section, key) == old_value);
    }
    ini = IniFile::Parse(new_text);
    require(ini.Get(section, key) == value);
}

// The exit's four Sets: every other key of every section reads as before, the section list
// gains at most the program's own at its end, and a second exit changes nothing.
void check_exit(IniFile& ini, const std::string& path) {
    const std::pair<std::string, std::string> exit_values[] = {
        {"Version", "Tarnvel 1.0"}, {"UpdateRegistry", "False"}, {"Application Path", path}, {"Run_Startup", "1"}};
    const auto others = [&](const IniFile& x) {
        Entries e = x.Entries();
        for (const auto& [k, v] : exit_values) e = without(std::move(e), "Tarnvel", k);
        return e;
    };
    const Entries before = others(ini);
    std::vector<std::string> sections = ini.Sections();
    if (std::find(sections.begin(), sections.end(), "Tarnvel") == sections.end()) sections.push_back("Tarnvel");

    for (const auto& [k, v] : exit_values) check_set("Tarnvel", k, v, ini);
    for (const auto& [k, v] : exit_values) require(ini.Get("Tarnvel", k) == v);
    require(others(ini) == before);
    require(ini.Sections() == sections);
    const std::string once = ini.Serialize();
    for (const auto& [k, v] : exit_values) require(ini.Set("Tarnvel", k, v));
    require(ini.Serialize() == once);
}

constexpr std::string_view kEnders[] = {
    std::string_view("\0\0\0[Tail]", 9), "[Other]", "garbage", "[Tarn\x01vel]", "[Tarnvel", "=x", "[]",
    "\x01", "[Tarnvel] ; note", "Run\0_Startup=0",
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const IniFile ini = IniFile::Parse(bytes);
    require(ini.Serialize() == bytes);

    // The exit, with a path of the input's last bytes: any byte may be in a folder's name.
    IniFile exited = ini;
    check_exit(exited, std::string(bytes.substr(size - std::min<std::size_t>(size, 24))));

    const std::size_t split = bytes.find('\x1e');
    if (split == std::string_view::npos || split + 1 >= size) return 0;
    const std::string_view before = bytes.substr(0, split);
    const std::string_view ender = kEnders[static_cast<std::uint8_t>(bytes[split + 1]) % std::size(kEnders)];
    std::string after(bytes.substr(split + 2));
    std::erase(after, '[');
    const IniFile alone = IniFile::Parse(before);
    const IniFile joined = IniFile::Parse(std::string(before) + "\n" + std::string(ender) + "\n" + after);
    const std::string other = ender == "[Other]" ? "Other" : "";
    const auto outside = [&](const IniFile& ini) {
        Entries e = ini.Entries();
        std::erase_if(e, [&](const IniFile::Entry& x) { return x.section == other; });
        return e;
    };
    require(outside(joined) == outside(alone));
    return 0;
}
