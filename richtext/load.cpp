#include "richtext/load.h"

#include <cstdio>
#include <memory>

#include "richtext/rtf_reader.h"

namespace tarnvel::richtext {

namespace {

LoadResult failure(LoadError error, const std::filesystem::path& path) {
    LoadResult r;
    r.error = error;
    // UTF-8 on every system: on Windows path.string() would be the ANSI code page's.
    const std::u8string name = path.u8string();
    r.message = std::string(name.begin(), name.end()) + ": " + std::string(describe(error));
    return r;
}

std::FILE* open_for_reading(const std::filesystem::path& path) {
#ifdef _WIN32
    return _wfopen(path.c_str(), L"rb");
#else
    return std::fopen(path.c_str(), "rb");
#endif
}

}  // namespace

std::string_view describe(LoadError error) {
    switch (error) {
        case LoadError::None: return "loaded";
        case LoadError::Missing: return "no such file";
        case LoadError::NotAFile: return "not a regular file, not read";
        case LoadError::Unreadable: return "cannot be read";
        case LoadError::NotRichText: return "not a rich-text document";
        case LoadError::TooLarge: return "larger than 16 MB, refused";
    }
    return "cannot be read";
}

LoadResult load_file(const std::filesystem::path& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) return failure(LoadError::Missing, path);
    if (ec) return failure(LoadError::Unreadable, path);
    // A link is followed: what it names must be a regular file.
    if (status.type() != std::filesystem::file_type::regular) return failure(LoadError::NotAFile, path);

    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (!ec && size > kMaxDocumentBytes) return failure(LoadError::TooLarge, path);

    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(open_for_reading(path), &std::fclose);
    if (!file) return failure(LoadError::Unreadable, path);
    // Counted while reading rather than trusting the size reported beforehand: the file may be a
    // pipe or may grow. Reading stops one byte past the limit.
    std::uintmax_t total = 0;
    const ByteSource source = [&](char* buffer, std::size_t want) -> std::size_t {
        if (total > kMaxDocumentBytes) return 0;
        const std::size_t got = std::fread(buffer, 1, want, file.get());
        total += got;
        return got;
    };
    auto doc = parse_rtf(source, ec ? 0 : static_cast<std::size_t>(size));
    if (std::ferror(file.get())) return failure(LoadError::Unreadable, path);
    if (total > kMaxDocumentBytes) return failure(LoadError::TooLarge, path);
    if (!doc) return failure(LoadError::NotRichText, path);
    LoadResult r;
    r.document = std::move(*doc);
    return r;
}

}  // namespace tarnvel::richtext
