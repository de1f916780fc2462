// The one-calendar-per-user claim between real processes: this program also runs as the
// later start (--claim NAME) and as a holder that is killed (--claim-and-crash NAME).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

#include "cli/tests/process.h"
#include "platform/single_instance.h"

namespace tarnvel::platform {
namespace {

using Outcome = SingleInstance::Outcome;

// A child's exit status for each outcome; other statuses mean it went wrong.
int StatusOf(Outcome o) { return 10 + static_cast<int>(o); }

std::string g_self;

// Runs this program in a child mode: its exit status, or -1 when it did not exit (was killed).
int RunChild(const char* mode, const std::string& name) { return test::run_process({g_self, mode, name}).status; }

std::string SocketPath(const std::string& name) {
    return std::string(std::getenv("XDG_RUNTIME_DIR")) + "/" + name + "-" + std::to_string(getuid()) + ".socket";
}

// Runs the event loop until `done` or for `ms` at most.
template <typename F>
void RunEventsUntil(F done, int ms) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

struct Holder {
    int calls = 0;
    std::unique_ptr<SingleInstance> claim;
    Outcome outcome{};
    explicit Holder(const std::string& name) {
        claim = SingleInstance::Claim(name, [this] { ++calls; }, outcome);
    }
};

TEST(SingleInstance, LaterStartsAreForwardedToTheHolder) {
    Holder h("forward");
    ASSERT_EQ(h.outcome, Outcome::First);
    ASSERT_TRUE(h.claim);
    // Others on the machine cannot reach it.
    struct stat st {};
    ASSERT_EQ(stat(SocketPath("forward").c_str(), &st), 0);
    EXPECT_TRUE(S_ISSOCK(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    EXPECT_EQ(RunChild("--claim", "forward"), StatusOf(Outcome::Forwarded));
    EXPECT_EQ(RunChild("--claim", "forward"), StatusOf(Outcome::Forwarded));
    RunEventsUntil([&] { return h.calls == 2; }, 5000);
    EXPECT_EQ(h.calls, 2);
    // Nothing more comes.
    RunEventsUntil([] { return false; }, 100);
    EXPECT_EQ(h.calls, 2);
}

TEST(SingleInstance, AClaimLeftByACrashIsTakenOver) {
    ASSERT_EQ(RunChild("--claim-and-crash", "crash"), -1) << "the holder did not claim first";
    ASSERT_TRUE(std::filesystem::exists(SocketPath("crash")));  // what the crash left behind

    QElapsedTimer t;
    t.start();
    Holder h("crash");
    EXPECT_EQ(h.outcome, Outcome::First);
    ASSERT_TRUE(h.claim);
    EXPECT_LT(t.elapsed(), 2000) << "a dead holder was waited for as if it were starting";
    // The taken-over claim answers later starts.
    EXPECT_EQ(RunChild("--claim", "crash"), StatusOf(Outcome::Forwarded));
    RunEventsUntil([&] { return h.calls == 1; }, 5000);
    EXPECT_EQ(h.calls, 1);
}

TEST(SingleInstance, AHolderThatCannotBeReachedGivesNoAnswer) {
    Holder h("unreachable");
    ASSERT_EQ(h.outcome, Outcome::First);
    ASSERT_EQ(unlink(SocketPath("unreachable").c_str()), 0);
    EXPECT_EQ(RunChild("--claim", "unreachable"), StatusOf(Outcome::NoAnswer));
    EXPECT_EQ(h.calls, 0);
}

// Callers that are not later starts, or that send the message in pieces; then the claim
// given up.
TEST(SingleInstance, OnlyTheWholeMessageBringsItForwardUntilTheClaimIsGivenUp) {
    Holder h("callers");
    ASSERT_EQ(h.outcome, Outcome::First);
    struct Case {
        const char* what;
        std::vector<std::string> pieces;
        int calls;
    };
    const Case cases[] = {
        {"in two pieces", {"sh", "ow\n"}, 1},
        {"something else", {"hello\n"}, 0},
        {"nothing", {}, 0},
        {"too much before it", {std::string(100, 'x'), "show\n"}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        h.calls = 0;
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_GE(fd, 0);
        sockaddr_un a{};
        a.sun_family = AF_UNIX;
        const std::string path = SocketPath("callers");
        path.copy(a.sun_path, sizeof a.sun_path - 1);
        ASSERT_EQ(connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
        for (const std::string& p : c.pieces) {
            // Pieces that reach a closed caller fail quietly: that is the point of the case.
            (void)send(fd, p.data(), p.size(), MSG_NOSIGNAL);
            RunEventsUntil([] { return false; }, 50);
        }
        close(fd);
        RunEventsUntil([&] { return h.calls >= c.calls && c.calls > 0; }, 300);
        EXPECT_EQ(h.calls, c.calls);
    }
    // The callers above leave the holder answering.
    h.calls = 0;
    EXPECT_EQ(RunChild("--claim", "callers"), StatusOf(Outcome::Forwarded));
    RunEventsUntil([&] { return h.calls == 1; }, 5000);
    EXPECT_EQ(h.calls, 1);
    // Given up, the claim is free again.
    h.claim.reset();
    EXPECT_FALSE(std::filesystem::exists(SocketPath("callers")));
    EXPECT_EQ(RunChild("--claim", "callers"), StatusOf(Outcome::First));
}

}  // namespace
}  // namespace tarnvel::platform

int main(int argc, char** argv) {
    using tarnvel::platform::SingleInstance;
    QCoreApplication app(argc, argv);  // the notifiers need its event loop
    if (argc == 3 && (std::string(argv[1]) == "--claim" || std::string(argv[1]) == "--claim-and-crash")) {
        SingleInstance::Outcome outcome{};
        auto claim = SingleInstance::Claim(argv[2], {}, outcome);
        if (std::string(argv[1]) == "--claim-and-crash" && outcome == SingleInstance::Outcome::First) raise(SIGKILL);
        return tarnvel::platform::StatusOf(outcome);
    }
    testing::InitGoogleTest(&argc, argv);
    if (testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    char folder[] = "/tmp/tarnvel-claim-test-XXXXXX";
    if (!mkdtemp(folder)) return 1;
    setenv("XDG_RUNTIME_DIR", folder, 1);  // the children inherit it
    tarnvel::platform::g_self = std::filesystem::read_symlink("/proc/self/exe").string();
    const int status = RUN_ALL_TESTS();
    std::filesystem::remove_all(folder);
    return status;
}
