// The Barah Maha of Raag Majh in both encodings: every stanza must convert to the reference
// Unicode byte for byte.

#include <gtest/gtest.h>

#include <cctype>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "gurmukhi/gurmukhi.h"

namespace {

// Reads the JSON string literal whose opening quote is at `pos`. Handles the escapes a
// text export uses; \u is limited to the Basic Multilingual Plane without surrogates.
bool read_json_string(std::string_view json, std::size_t pos, std::string& out) {
    if (pos >= json.size() || json[pos] != '"') return false;
    for (++pos; pos < json.size(); ++pos) {
        char ch = json[pos];
        if (ch == '"') return true;
        if (ch == '\\') {
            if (++pos >= json.size()) return false;
            ch = json[pos];
            if (ch == 'u') {
                if (pos + 4 >= json.size()) return false;
                const unsigned long c = std::stoul(std::string(json.substr(pos + 1, 4)), nullptr, 16);
                if (c >= 0xD800 && c <= 0xDFFF) return false;
                if (c < 0x80) {
                    out += static_cast<char>(c);
                } else if (c < 0x800) {
                    out += static_cast<char>(0xC0 | (c >> 6));
                    out += static_cast<char>(0x80 | (c & 0x3F));
                } else {
                    out += static_cast<char>(0xE0 | (c >> 12));
                    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
                    out += static_cast<char>(0x80 | (c & 0x3F));
                }
                pos += 4;
                continue;
            }
            constexpr std::string_view escaped = "\"\\/bfnrt", meaning = "\"\\/\b\f\n\r\t";
            const auto which = escaped.find(ch);
            if (which == std::string_view::npos) return false;
            ch = meaning[which];
        }
        out += ch;
    }
    return false;
}

// The string values of every member named `key`, in document order. Enough JSON for a flat
// list of records; a key spelt inside another string value would be misread.
std::vector<std::string> string_members(std::string_view json, std::string_view key) {
    std::vector<std::string> values;
    const std::string quoted = "\"" + std::string(key) + "\"";
    for (auto at = json.find(quoted); at != std::string_view::npos; at = json.find(quoted, at + 1)) {
        std::size_t pos = at + quoted.size();
        const auto skip_space = [&] {
            while (pos < json.size() && std::isspace(static_cast<unsigned char>(json[pos]))) ++pos;
        };
        skip_space();
        if (pos >= json.size() || json[pos] != ':') continue;
        ++pos;
        skip_space();
        std::string value;
        if (!read_json_string(json, pos, value)) {
            ADD_FAILURE() << "malformed string for " << key << " at byte " << at;
            continue;
        }
        values.push_back(std::move(value));
    }
    return values;
}

TEST(BarahMaha, EveryStanzaMatchesTheReferenceUnicode) {
    const std::filesystem::path path = TARNVEL_BARAH_MAHA_JSON;
    if (!std::filesystem::exists(path)) GTEST_SKIP() << "reference text not found: " << path;
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file) << path;
    const std::string json{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};

    const auto legacy = string_members(json, "gurmukhi_ascii");
    const auto unicode = string_members(json, "gurmukhi_unicode");
    ASSERT_EQ(legacy.size(), 14u);
    ASSERT_EQ(unicode.size(), legacy.size());
    for (std::size_t i = 0; i < legacy.size(); ++i) {
        EXPECT_EQ(tarnvel::gurmukhi::legacy_to_unicode(legacy[i]), unicode[i]) << "stanza " << i + 1;
    }
}

}  // namespace
