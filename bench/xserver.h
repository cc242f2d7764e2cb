#pragma once

// A private X server for a benchmark: Xvfb on a free display, without resets between clients,
// ended when the benchmark ends, however it ends: the kernel stops the server when the benchmark
// dies of a signal, and the benchmark's exit stops it and waits for it.

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

inline pid_t g_xServer = 0;

inline void StopXServer()
{
    if (g_xServer > 0) {
        kill(g_xServer, SIGTERM);
        waitpid(g_xServer, nullptr, 0);
        g_xServer = 0;
    }
}

// Starts the server and returns its display name.
inline std::string StartXServer()
{
    int fds[2];
    if (pipe(fds) != 0)
        std::exit(1);
    const pid_t benchmark = getpid();
    g_xServer = fork();
    if (g_xServer == 0) {
        close(fds[0]);
        if (prctl(PR_SET_PDEATHSIG, SIGTERM) != 0 || getppid() != benchmark)
            _exit(127);
        const std::string fd = std::to_string(fds[1]);
        if (!std::freopen("/dev/null", "w", stderr))
            _exit(127);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-noreset", "-nolisten", "tcp", "-screen",
               "0", "1024x768x24", static_cast<char *>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    std::atexit(StopXServer);
    // The server writes the number and the line's end separately, and dies if the pipe is closed
    // between the two.
    std::string number;
    char c = 0;
    while (read(fds[0], &c, 1) == 1 && c != '\n')
        number += c;
    close(fds[0]);
    if (c != '\n') {
        std::fprintf(stderr, "Xvfb did not start\n");
        std::exit(1);
    }
    return ":" + number;
}
