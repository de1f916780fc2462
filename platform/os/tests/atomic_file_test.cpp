#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "platform/os/file_layer.h"
#include "richtext/tests/temp_dir.h"

namespace tarnvel::platform::os {
namespace {

using test::TempDir;

// The real calls, with one of them failing as a full or broken disk makes it fail.
class FaultyLayer : public FileLayer {
public:
    enum class Fault { None, DiskFullMidWrite, SyncFails, RenameFails, CloseFails };
    explicit FaultyLayer(Fault f) : fault_(f) {}

    ssize_t Write(int fd, const void* data, std::size_t size) override {
        if (fault_ != Fault::DiskFullMidWrite) return FileLayer::Write(fd, data, size);
        if (written_ >= 5) {
            errno = ENOSPC;
            return -1;
        }
        const std::size_t n = std::min<std::size_t>(size, 5 - written_);
        written_ += n;
        return FileLayer::Write(fd, data, n);
    }
    int Sync(int fd) override { return fault_ == Fault::SyncFails ? (errno = EIO, -1) : FileLayer::Sync(fd); }
    int Close(int fd) override {
        const int r = FileLayer::Close(fd);
        return fault_ == Fault::CloseFails ? (errno = EDQUOT, -1) : r;
    }
    int Rename(const std::string& from, const std::string& to) override {
        return fault_ == Fault::RenameFails ? (errno = EXDEV, -1) : FileLayer::Rename(from, to);
    }

private:
    Fault fault_;
    std::size_t written_ = 0;
};

TEST(AtomicFile, EveryFailureLeavesTheOldFileWholeAndNoLitter) {
    struct Case {
        FaultyLayer::Fault fault;
        int error;
    } const cases[] = {
        {FaultyLayer::Fault::DiskFullMidWrite, ENOSPC},
        {FaultyLayer::Fault::SyncFails, EIO},
        {FaultyLayer::Fault::CloseFails, EDQUOT},
        {FaultyLayer::Fault::RenameFails, EXDEV},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string path = dir / "Nanakshahi.ini";
        test::WriteFile(path, "[Tarnvel]\nRun_Startup=1\n");
        FaultyLayer fs(c.fault);
        EXPECT_EQ(WriteFileAtomically(fs, path, std::string(1000, 'x')), c.error);
        EXPECT_EQ(test::ReadFile(path), "[Tarnvel]\nRun_Startup=1\n");
        EXPECT_EQ(test::Entries(dir.path()), 1u);
    }
}

// Up to the limit exactly. (A missing file, a folder and a larger file are tried through the
// program's start and exit.)
TEST(AtomicFile, ReadTakesAFileOfTheLimitAndRefusesALargerOne) {
    TempDir dir;
    int error = 0;
    test::WriteFile(dir / "big", std::string(101, 'x'));
    EXPECT_EQ(ReadWholeFile(dir / "big", 100, error), "");
    EXPECT_EQ(error, EFBIG);
    EXPECT_EQ(ReadWholeFile(dir / "big", 101, error).size(), 101u);
    EXPECT_EQ(error, 0);
}

}  // namespace
}  // namespace tarnvel::platform::os
