#pragma once
// A fresh folder under the system's temporary folder, removed with its content at scope end,
// and whole files read and written.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <string_view>

namespace tarnvel::richtext::test {

inline std::string ReadFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void WriteFile(const std::filesystem::path& p, std::string_view bytes) {
    std::ofstream(p, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// How many entries a folder holds.
inline std::size_t Entries(const std::filesystem::path& dir) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir), {}));
}

class TempDir {
public:
    TempDir() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() / ("tarnvel-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    std::filesystem::path write(const std::string& name, std::string_view bytes) const {
        WriteFile(path_ / name, bytes);
        return path_ / name;
    }

private:
    std::filesystem::path path_;
};

}  // namespace tarnvel::richtext::test

namespace tarnvel::test {
using richtext::test::Entries;
using richtext::test::ReadFile;
using richtext::test::TempDir;
using richtext::test::WriteFile;
}  // namespace tarnvel::test
