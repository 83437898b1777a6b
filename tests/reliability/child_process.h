// A piece of the game run in a child process, so that a crash, a hang or a kill at any moment
// is something the test sees rather than something that ends it.
#pragma once

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>

#include <fcntl.h>
#include <linux/capability.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

struct ChildEnd {
    bool hung = false;
    // Set when the child ended by a signal (a crash), else 0.
    int signal = 0;
    int exitCode = 0;
    // What the child wrote on stderr.
    std::string errors;
};

// Tests run as root here, and root writes through read-only permissions; the child gives up that
// override so that a read-only file or folder is read-only to it, as it is to a player.
inline void ObeyFilePermissions()
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    if (syscall(SYS_capget, &header, data) != 0)
        return;
    data[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
    syscall(SYS_capset, &header, data);
}

// Forks; the child sends stderr to errorsFile, runs body and exits with its result. started runs in
// the parent once the child exists and may kill it. A child still running after timeout is killed
// and reported as hung.
inline ChildEnd RunInChild(const std::function<int()>& body, const std::string& errorsFile,
                           std::chrono::milliseconds timeout, const std::function<void(pid_t)>& started = {})
{
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const int fd = open(errorsFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(fd, STDERR_FILENO);
        close(fd);
        const int code = body();
        std::fflush(nullptr);
        // No exit handlers: they belong to the test process.
        _exit(code);
    }
    if (child < 0)
        throw std::runtime_error("cannot start a child process");
    ChildEnd end;
    if (started)
        started(child);
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            end.hung = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (WIFSIGNALED(status) && !end.hung)
        end.signal = WTERMSIG(status);
    if (WIFEXITED(status))
        end.exitCode = WEXITSTATUS(status);
    std::ostringstream text;
    text << std::ifstream(errorsFile).rdbuf();
    end.errors = text.str();
    return end;
}
