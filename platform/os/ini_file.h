#pragma once
// A small INI text: [section] headers and key=value lines, edited in place. Values are kept on
// one line by escaping backslash, control characters and spaces at either end.
//
// The text is kept as it was read, so writing it back gives the same bytes; a Set changes only
// the line of its key, or adds lines for a key or section that was not there.
//
// A line is one of: blank; a comment (';' or '#' first); a header ("[name]"); a key line
// ("key = value"); or damaged: anything else, and any line but a comment that holds a control
// character (a NUL, a carriage return inside it). A damaged line may be what is left of a
// header, so it ends the section before it: the lines after it belong to no section until the
// next good header, as do the lines before the first header. Lines of no section are never read
// and never changed, so keys that were another section's never become this one's.
//
// Each call reads the text once from start to end, so its time is linear in the size of the
// text, whatever the number of keys and sections.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarnvel::platform::os {

class IniFile {
public:
    static IniFile Parse(std::string_view text);
    std::string Serialize() const { return text_; }

    // Keys and sections are compared exactly; a key given twice in a section, or under two
    // headers of the same name, has its last value.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    // Every key the section holds with its value, in the order the keys first appear.
    std::vector<std::pair<std::string, std::string>> Values(std::string_view section) const;
    // The names of the good headers, each once, in the order they first appear.
    std::vector<std::string> Sections() const;
    struct Entry {
        std::string section, key, value;
        bool operator==(const Entry&) const = default;
    };
    // Every key of every section with its value, in the order the keys first appear.
    std::vector<Entry> Entries() const;

    // Returns false for a key or section that the format cannot hold (empty, spaces at either
    // end, a control character, '=', '[' or ']', or ';' or '#' first). A key that is there has
    // its line rewritten (its line end kept), unless it already holds the value; a new key goes
    // after the last key line of the section's last header; a new section goes at the end.
    bool Set(std::string_view section, std::string_view key, std::string_view value);

private:
    std::string text_;
};

}  // namespace tarnvel::platform::os
