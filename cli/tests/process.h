#pragma once
// Runs a built program with files, or a terminal, as its standard streams, and reads files back.
// POSIX only; for the tests of the commands and of the operating system's files.

#include <fcntl.h>
#include <pty.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <string>
#include <vector>

#include "richtext/tests/temp_dir.h"

namespace tarnvel::test {

struct ProcessResult {
    int status = -1;  // exit status, or -1 when the program did not exit normally
    std::string out, err;
    long max_rss_kib = 0;
};

struct Streams {
    std::string input = {};
    std::string output_file = {};  // standard output goes there; else to a file that is read back
    bool terminal = false;         // a terminal as standard input and output, its text read back
    std::map<std::string, std::string> env = {};  // changes to the environment; "" removes a variable
};

// argv[0] is the program's path. A terminal's text comes back without the carriage returns it
// puts before each newline.
inline ProcessResult run_process(std::vector<std::string> argv, const Streams& s = {}) {
    ProcessResult r;
    const richtext::test::TempDir dir;
    const std::string in = dir.write("in", s.input).string(), err = (dir.path() / "err").string();
    const std::string out = s.output_file.empty() ? (dir.path() / "out").string() : s.output_file;
    std::vector<std::string> vars;
    for (char** e = environ; *e != nullptr; ++e)
        if (const std::string var = *e; s.env.count(var.substr(0, var.find('='))) == 0) vars.push_back(var);
    for (const auto& [name, value] : s.env)
        if (!value.empty()) vars.push_back(name + "=" + value);
    std::vector<char*> args, envp;
    for (std::string& a : argv) args.push_back(a.data());
    for (std::string& v : vars) envp.push_back(v.data());
    args.push_back(nullptr);
    envp.push_back(nullptr);

    int terminal = -1;
    const pid_t pid = s.terminal ? forkpty(&terminal, nullptr, nullptr, nullptr) : fork();
    if (pid < 0) return r;
    if (pid == 0) {
        const auto redirect = [](int fd, const std::string& path, int flags) {
            const int f = open(path.c_str(), flags, 0600);
            dup2(f, fd);
            close(f);
        };
        if (!s.terminal) {
            redirect(0, in, O_RDONLY);
            redirect(1, out, O_WRONLY | O_CREAT | O_TRUNC);
        }
        redirect(2, err, O_WRONLY | O_CREAT | O_TRUNC);
        execve(args[0], args.data(), envp.data());
        _exit(127);
    }
    if (s.terminal) {
        char buf[4096];
        for (ssize_t n; (n = read(terminal, buf, sizeof buf)) > 0;) r.out.append(buf, static_cast<std::size_t>(n));
        close(terminal);
        for (std::size_t at; (at = r.out.find("\r\n")) != std::string::npos;) r.out.erase(at, 1);
    }
    int wstatus = 0;
    rusage usage{};
    if (wait4(pid, &wstatus, 0, &usage) == pid) {
        r.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
        r.max_rss_kib = usage.ru_maxrss;
    }
    if (!s.terminal && s.output_file.empty()) r.out = ReadFile(out);
    r.err = ReadFile(err);
    return r;
}

}  // namespace tarnvel::test
