#pragma once

// Forked children for the tests that need a limit or an identity of their own: whatever the
// child takes on stays there, and the test process carries on as it was.
#include <functional>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

// "nobody": root may write anywhere, so a test about permissions asks as this user.
constexpr uid_t idNinguem = 65534;

// Runs the body in a forked child. Returns the child's exit code, or 128 + the signal that
// killed it.
inline int emProcessoFilho(const std::function<int()>& corpo) {
    const pid_t pid = fork();
    if (pid < 0)
        return -1;
    if (pid == 0)
        _exit(corpo());
    int estado = 0;
    if (waitpid(pid, &estado, 0) != pid)
        return -1;
    if (WIFSIGNALED(estado))
        return 128 + WTERMSIG(estado);
    return WIFEXITED(estado) ? WEXITSTATUS(estado) : -1;
}

// In a child: becomes "nobody" if running as root, for good. False if that did not work.
inline bool deixarDeSerRoot() {
    if (geteuid() != 0)
        return true;
    return setgroups(0, nullptr) == 0 && setgid(idNinguem) == 0 && setuid(idNinguem) == 0 &&
           geteuid() == idNinguem;
}
