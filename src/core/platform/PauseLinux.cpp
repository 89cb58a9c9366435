// Linux side of holding encoders: stop and continue signals to their process groups.
#include "core/platform/Pause.h"

#include <cerrno>
#include <csignal>
#include <signal.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace clipvane::platform {

namespace {

bool SignalGroup(const ChildProcess& child, int signal) {
    if (child.pid <= 0) {
        errno = ESRCH;
        return false;
    }
    // The group's number is the child's pid, which stays ours until the child is reaped.
    if (::kill(-static_cast<pid_t>(child.pid), signal) == 0)
        return true;
    // A child that left its group still gets the signal itself.
    if (child.process >= 0)
        return ::syscall(SYS_pidfd_send_signal, child.process, signal, nullptr, 0) == 0;
    return ::kill(static_cast<pid_t>(child.pid), signal) == 0;
}

volatile std::sig_atomic_t g_stopRequested = 0;
std::function<void(bool)> g_hold;

extern "C" void OnTerminalStop(int) {
    g_stopRequested = 1;
}

void CatchStop() {
    struct sigaction action {};
    action.sa_handler = OnTerminalStop;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTSTP, &action, nullptr);
}

} // namespace

bool SuspendChild(const ChildProcess& child) {
    return SignalGroup(child, SIGSTOP);
}

bool ResumeChild(const ChildProcess& child) {
    return SignalGroup(child, SIGCONT);
}

void CatchTerminalStop(std::function<void(bool)> hold) {
    g_hold = std::move(hold);
    CatchStop();
}

bool HandleTerminalStop() {
    if (g_stopRequested == 0)
        return false;
    g_stopRequested = 0;
    if (g_hold)
        g_hold(true);
    // Stopped the way the terminal meant, so that the shell sees the job stop; returns once continued.
    // In an orphaned group the kernel ignores it, and the encoders go on at once.
    struct sigaction defaults {};
    defaults.sa_handler = SIG_DFL;
    sigemptyset(&defaults.sa_mask);
    ::sigaction(SIGTSTP, &defaults, nullptr);
    sigset_t stop, previous;
    sigemptyset(&stop);
    sigaddset(&stop, SIGTSTP);
    ::pthread_sigmask(SIG_UNBLOCK, &stop, &previous);
    ::raise(SIGTSTP);
    ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);
    CatchStop();
    if (g_hold)
        g_hold(false);
    return true;
}

} // namespace clipvane::platform
