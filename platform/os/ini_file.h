#pragma once
// A small INI text: [section] headers and key=value lines. Values are kept on one
// line by escaping backslash, line feed and carriage return; anything the parser
// does not understand (garbage bytes, stray lines) is dropped, never fatal.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarnvel::platform::os {

class IniFile {
public:
    static IniFile Parse(std::string_view text);
    std::string Serialize() const;

    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    // Keys and sections are compared exactly. Returns false for a key or section that
    // the format cannot hold (empty, or containing '=', '[', ']' or a line break).
    bool Set(std::string_view section, std::string_view key, std::string_view value);

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> entries;
    };
    std::vector<Section> sections_;
};

}  // namespace tarnvel::platform::os
