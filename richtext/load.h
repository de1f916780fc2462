#pragma once
// Loading a document file, with the reasons a load fails told apart so that a caller can abandon
// silently and a tool can say why.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "richtext/document.h"

namespace tarnvel::richtext {

// Larger files are refused unread, like unreadable ones, so a stray huge file cannot stall the
// calendar.
inline constexpr std::uintmax_t kMaxDocumentBytes = 16u * 1024u * 1024u;

// NotAFile: a folder, named pipe or device. It is refused unopened, since opening a pipe waits
// for a writer that may never come, and the calendar reads on its user-interface thread.
enum class LoadError { None, Missing, NotAFile, Unreadable, NotRichText, TooLarge };

struct LoadResult {
    LoadError error = LoadError::None;
    std::string message;  // empty on success; otherwise names the file and the reason
    Document document;
    explicit operator bool() const noexcept { return error == LoadError::None; }
};

LoadResult load_file(const std::filesystem::path& path);

std::string_view describe(LoadError error);

}  // namespace tarnvel::richtext
