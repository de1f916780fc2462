#pragma once
// Runs the built `nanakshahi` program with files for its three standard streams.

#include <fcntl.h>
#include <pty.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
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

// Runs the program with a terminal as its standard output (and input), the environment
// changed by `env` (an empty value removes the variable). Returns what the terminal showed,
// without the carriage returns the terminal adds before each newline.
inline ProcessResult run_on_terminal(const std::vector<std::string>& args, const std::map<std::string, std::string>& env) {
    std::vector<std::string> all{NANAKSHAHI_PROGRAM};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<std::string> vars;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string var = *e;
        if (env.count(var.substr(0, var.find('='))) == 0) vars.push_back(var);
    }
    for (const auto& [name, value] : env)
        if (!value.empty()) vars.push_back(name + "=" + value);

    ProcessResult r;
    int terminal = -1;
    const pid_t pid = forkpty(&terminal, nullptr, nullptr, nullptr);
    if (pid < 0) return r;
    if (pid == 0) {
        std::vector<char*> argv, envp;
        for (std::string& a : all) argv.push_back(a.data());
        argv.push_back(nullptr);
        for (std::string& v : vars) envp.push_back(v.data());
        envp.push_back(nullptr);
        execve(NANAKSHAHI_PROGRAM, argv.data(), envp.data());
        _exit(127);
    }
    char buf[4096];
    for (ssize_t n; (n = read(terminal, buf, sizeof buf)) > 0;) r.out.append(buf, static_cast<std::size_t>(n));
    close(terminal);
    int wstatus = 0;
    if (waitpid(pid, &wstatus, 0) == pid) r.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    for (std::size_t at; (at = r.out.find("\r\n")) != std::string::npos;) r.out.erase(at, 1);
    return r;
}

}  // namespace tarnvel::cli::testing
