// The Barah Maha of Raag Majh in both encodings: every stanza must convert to the reference
// Unicode byte for byte.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "gurmukhi/gurmukhi.h"

namespace {

// The string values of every member named `key`, in document order: enough JSON for the flat
// list of records the reference file is. Its strings escape only quotes, backslashes and line
// feeds; any other escape fails the test rather than being misread.
std::vector<std::string> string_members(std::string_view json, std::string_view key) {
    std::vector<std::string> values;
    const std::string opening = "\"" + std::string(key) + "\": \"";
    for (auto at = json.find(opening); at != std::string_view::npos; at = json.find(opening, at + 1)) {
        std::string value;
        std::size_t pos = at + opening.size();
        for (; pos < json.size() && json[pos] != '"'; ++pos) {
            if (json[pos] != '\\') {
                value += json[pos];
            } else if (const auto which = std::string_view("\"\\n").find(json[++pos]); which != std::string_view::npos) {
                value += "\"\\\n"[which];
            } else {
                ADD_FAILURE() << "an escape this reader does not know, at byte " << pos;
            }
        }
        if (pos >= json.size()) ADD_FAILURE() << key << " cut short at byte " << at;
        values.push_back(std::move(value));
    }
    return values;
}

TEST(BarahMaha, EveryStanzaMatchesTheReferenceUnicode) {
    const std::filesystem::path path = TARNVEL_BARAH_MAHA_JSON;
    if (!std::filesystem::exists(path)) GTEST_SKIP() << "reference text not found: " << path;
    std::ifstream file(path, std::ios::binary);
    const std::string json{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};

    const auto legacy = string_members(json, "gurmukhi_ascii");
    const auto unicode = string_members(json, "gurmukhi_unicode");
    ASSERT_EQ(legacy.size(), 14u);
    ASSERT_EQ(unicode.size(), legacy.size());
    for (std::size_t i = 0; i < legacy.size(); ++i)
        EXPECT_EQ(tarnvel::gurmukhi::legacy_to_unicode(legacy[i]), unicode[i]) << "stanza " << i + 1;
}

}  // namespace
