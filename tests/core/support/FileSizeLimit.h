#pragma once
#include <functional>
#include <optional>
#include <string>

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace morvik::test {

// Runs `write` in a child process whose files cannot grow beyond `limit` bytes, as on a disk that fills up
// while the file is written (SIGXFSZ ignored, so that the write fails with EFBIG instead of ending the process;
// this holds for root too). `write` gives the failure it reports, or nullopt for success; this returns the same,
// or "the child process failed" when the child could not tell.
inline std::optional<std::string> WriteWithFileSizeLimit(rlim_t limit,
                                                         const std::function<std::optional<std::string>()>& write)
{
    int channel[2];
    if (pipe(channel) != 0) return "pipe failed";
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        signal(SIGXFSZ, SIG_IGN);
        const rlimit fileSize{limit, limit};
        std::string report = "-";
        if (setrlimit(RLIMIT_FSIZE, &fileSize) == 0) {
            const std::optional<std::string> failure = write();
            report = failure ? "1" + *failure : "0";
        }
        const ssize_t sent = ::write(channel[1], report.data(), report.size());
        _exit(sent == static_cast<ssize_t>(report.size()) ? 0 : 1);
    }
    close(channel[1]);
    std::string report;
    char buffer[4096];
    for (ssize_t got; (got = read(channel[0], buffer, sizeof buffer)) > 0;) report.append(buffer, got);
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || report.empty() || report[0] == '-') {
        return "the child process failed";
    }
    if (report[0] == '0') return std::nullopt;
    return report.substr(1);
}

// The same in this process, for a process with threads of its own (a Qt application), whose forked child could
// wait forever on a lock another thread held at the fork: the soft limit is lowered for the call of `write` and
// restored after it, SIGXFSZ ignored meanwhile.
inline std::optional<std::string> WriteWithFileSizeLimitHere(rlim_t limit,
                                                             const std::function<std::optional<std::string>()>& write)
{
    rlimit saved{};
    if (getrlimit(RLIMIT_FSIZE, &saved) != 0) return "getrlimit failed";
    const rlimit lowered{limit, saved.rlim_max};
    struct sigaction ignore {
    }, previous{};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &previous);
    std::optional<std::string> failure = "setrlimit failed";
    if (setrlimit(RLIMIT_FSIZE, &lowered) == 0) {
        failure = write();
        setrlimit(RLIMIT_FSIZE, &saved);
    }
    sigaction(SIGXFSZ, &previous, nullptr);
    return failure;
}

}  // namespace morvik::test
