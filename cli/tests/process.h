#pragma once
// Runs the built `nanakshahi` program with files for its three standard streams.

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tarnvel::cli::testing {

struct ProcessResult {
    int status = -1;  // exit status, or -1 when the program did not exit normally
    std::string out;
    std::string err;
    long max_rss_kib = 0;
};

inline std::string slurp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

// `stdout_path` empty: standard output goes to a temporary file that is read back.
inline ProcessResult run_program(const std::vector<std::string>& args, const std::string& input = {},
                                 std::string stdout_path = {}) {
    ProcessResult r;
    char dir_template[] = "/tmp/nanakshahi-test-XXXXXX";
    if (mkdtemp(dir_template) == nullptr) return r;
    const std::string dir = dir_template;
    const std::string in_path = dir + "/in", err_path = dir + "/err";
    const bool capture = stdout_path.empty();
    if (capture) stdout_path = dir + "/out";
    std::ofstream(in_path, std::ios::binary) << input;

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in_path.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, stdout_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

    std::vector<std::string> all{NANAKSHAHI_PROGRAM};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);

    pid_t pid = 0;
    if (posix_spawn(&pid, NANAKSHAHI_PROGRAM, &actions, nullptr, argv.data(), environ) == 0) {
        int wstatus = 0;
        rusage usage{};
        if (wait4(pid, &wstatus, 0, &usage) == pid) {
            r.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
            r.max_rss_kib = usage.ru_maxrss;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    if (capture) r.out = slurp(stdout_path);
    r.err = slurp(err_path);
    std::remove(in_path.c_str());
    std::remove(err_path.c_str());
    if (capture) std::remove(stdout_path.c_str());
    rmdir(dir.c_str());
    return r;
}

}  // namespace tarnvel::cli::testing
