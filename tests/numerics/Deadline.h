#pragma once

// Runs a call in a child process and tells whether it returned true within the deadline. A call that
// never ends (or keeps allocating) is killed with the child, so that a hang fails its test at once
// instead of stalling the suite.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

template <class F>
bool FinishesWithin(std::chrono::milliseconds deadline, F call) {
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0)
        _exit(call() ? 0 : 1);
    if (child < 0)
        return false;
    const auto end = std::chrono::steady_clock::now() + deadline;
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > end) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
