// POSIX side of the program's arguments, its terminal and the signals that end it.
#include "core/platform/Console.h"
#include "core/platform/Pause.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <initializer_list>
#include <poll.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

namespace clipvane::platform {

namespace {
// The handler runs on whichever thread the signal lands on, an encoder's reader as often as the
// main thread: atomics, not volatile, which orders nothing between threads. Lock-free, so safe in a
// handler.
std::atomic<int> g_interrupted{0};
static_assert(std::atomic<int>::is_always_lock_free);
// Written by the handler, so that a blocking wait for input wakes up: a restarted read would not.
std::atomic<int> g_wakeRead{-1};
std::atomic<int> g_wakeWrite{-1};

extern "C" void OnInterruptSignal(int) {
    g_interrupted = 1;
    const int saved = errno;
    if (const int wake = g_wakeWrite; wake >= 0)
        (void)!::write(wake, "!", 1);
    errno = saved;
}
} // namespace

void CoverStandardStreams() {
    // In order: each open takes the lowest free number, which is then the one being covered.
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd)
        if (::fcntl(fd, F_GETFD) < 0 && errno == EBADF)
            ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
}

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}

std::string Utf8FromLegacyText(const std::string& text) {
    return text; // names are bytes here: nothing tells another encoding apart
}

bool WriteConsoleText(TStream /*stream*/, const std::string& /*text*/) {
    return false; // a terminal takes UTF-8 bytes
}

bool IsTerminal(TStream stream) {
    const int fd = stream == TStream::Input    ? STDIN_FILENO
                   : stream == TStream::Output ? STDOUT_FILENO
                                               : STDERR_FILENO;
    return ::isatty(fd) == 1;
}

namespace {
// Routes the signals to OnInterruptSignal, which records them and wakes the self-pipe.
void CatchSignals(std::initializer_list<int> signals) {
    if (g_wakeRead < 0) {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) == 0) {
            g_wakeRead = ends[0];
            g_wakeWrite = ends[1];
        }
    }
    struct sigaction action {};
    action.sa_handler = OnInterruptSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigset_t caught;
    sigemptyset(&caught);
    for (const int signal : signals) {
        ::sigaction(signal, &action, nullptr);
        sigaddset(&caught, signal);
    }
    // A launcher may have left them blocked: caught but never delivered, they would end nothing.
    // Threads made from here on inherit the mask.
    ::pthread_sigmask(SIG_UNBLOCK, &caught, nullptr);
}
} // namespace

void InstallInterruptHandler() {
    // A closed terminal and a reader of our output that went away end the batch like Ctrl+C:
    // otherwise the encoder would be left converting for nobody.
    CatchSignals({SIGINT, SIGTERM, SIGHUP, SIGPIPE});
}

void InstallQuitHandler() {
    CatchSignals({SIGINT, SIGTERM, SIGHUP});
}

bool QuitRequested() {
    return g_interrupted != 0;
}

Handle QuitNoticeHandle() {
    return g_wakeRead;
}

void DrainQuitNotice() {
    char bytes[64];
    while (g_wakeRead >= 0 && ::read(g_wakeRead, bytes, sizeof bytes) > 0) {
    }
}

bool InterruptRequested() {
    if (g_interrupted != 0)
        return true;
    // A reader that went away while we have nothing to write would only show at the next write.
    struct stat st {};
    if (::fstat(STDOUT_FILENO, &st) == 0 && (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode))) {
        pollfd out{STDOUT_FILENO, 0, 0};
        if (::poll(&out, 1, 0) == 1 && (out.revents & (POLLERR | POLLHUP)))
            g_interrupted = 1;
    }
    return g_interrupted != 0;
}

TReadLine ReadInputLine(std::string& line) {
    line.clear();
    for (;;) {
        if (g_interrupted != 0)
            return TReadLine::Interrupted;
        // Ctrl+Z while the question waits holds the encoders as it does elsewhere; the stop signal
        // has no pipe of its own, so the wait looks again now and then.
        HandleTerminalStop();
        pollfd fds[2] = {{STDIN_FILENO, POLLIN, 0}, {g_wakeRead, POLLIN, 0}};
        const int ready = ::poll(fds, 2, 250);
        if (ready < 0) {
            if (errno == EINTR)
                continue;
            return TReadLine::End;
        }
        if (g_interrupted != 0)
            return TReadLine::Interrupted;
        if (ready == 0 || fds[0].revents == 0)
            continue;
        // One byte at a time: what follows the line stays for the next question.
        char c = 0;
        const ssize_t n = ::read(STDIN_FILENO, &c, 1);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n <= 0)
            return line.empty() ? TReadLine::End : TReadLine::Line;
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            return TReadLine::Line;
        }
        line += c;
    }
}

} // namespace clipvane::platform
