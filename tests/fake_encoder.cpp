// A stand-in for the encoder, scripted by its own arguments so the engine can be tested without one.
// It takes the encoder's argument shape ([-y] -i INPUT ... OUTPUT): the script options may stand
// anywhere among the arguments and run in order; "-y", "-i INPUT" and unknown words are ignored, and
// the last argument is the output file, where the records asked for below are appended. A normal
// end leaves the output file (empty when nothing was recorded), as the real encoder does.
//
//   --out TEXT / --err TEXT   write TEXT (\r \n \t \\ understood) to stdout / stderr in one write
//   --err-output TEXT         write the output file's path and then TEXT to stderr, as the encoder
//                             names its output in an error
//   --eol cr|lf|crlf|crcrlf   line end of the lines generated below (default lf)
//   --duration HH:MM:SS.hh    an encoder-like "Duration:" line on stderr
//   --time HH:MM:SS.hh        an encoder-like progress line on stderr
//   --flood LINES             LINES progress lines to each of stdout and stderr, interleaved
//   --ticks COUNT MS          COUNT progress lines on stderr, MS apart; records "tick NS" per line
//   --stamp-exit              records "exit NS" just before the program ends
//   --no-output               ends normally without leaving the output file (removes what was recorded)
//   --sleep MS / --hang       pause / wait until killed
//   --spawn                   starts a child of its own that waits until killed, as a wrapper might
//   --ask                     asks on stderr whether to overwrite, as the encoder does about an
//                             existing output, and reads the answer from stdin: "y" goes on,
//                             anything else (end of file included) records "not overwriting", exit 1
//   --exit CODE               end at once with CODE
//   --signal N                end at once by signal N, as a crash does (no core file); Windows has
//                             none: N 6 ends as abort() does (exit code 3), any other N as an access
//                             violation does (exit code 0xC0000005)
//   --write-args              records every argument as "arg:VALUE"; on Windows first the command line
//                             as received, "line:VALUE", and the arguments split from it as the real
//                             encoder splits them (CommandLineToArgvW), not as the C runtime does
//   --touch PATH              writes "intruder" into PATH, as another program might meanwhile
//   --remove-input            deletes the input, as a user tidying up during a long batch might
//   --list-fds                records "fds:" and the open descriptor numbers
//   --log PATH WORD           appends "WORD NS" to PATH in one write, as several encoders may at once
//   --fail-on TEXT            ends with exit code 1 when the input's path contains TEXT
//   --only-for TEXT           the words after it apply only when the input's path contains TEXT
// NS is the steady clock in nanoseconds, which is CLOCK_MONOTONIC and so comparable across processes.

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <shellapi.h>
#else
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

std::string g_output;
std::string g_input;
std::string g_eol = "\n";

long long Now() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Paths are UTF-8 on every system; a std::string path would mean the ANSI code page on Windows.
std::filesystem::path PathOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

void Record(const std::string& line) {
    if (g_output.empty())
        return;
    std::ofstream file(PathOf(g_output), std::ios::app | std::ios::binary);
    file << line << '\n';
}

#ifdef _WIN32
std::string Utf8(const wchar_t* wide) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(size > 0 ? size - 1 : 0), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
    return text;
}

std::vector<std::string> Arguments(int, char**) {
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 0; i < count; ++i)
        args.push_back(Utf8(wide[i]));
    ::LocalFree(wide);
    return args;
}
#else
std::vector<std::string> Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv, argv + argc);
}
#endif

std::string Unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        switch (text[++i]) {
        case 'r':
            out += '\r';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        default:
            out += text[i];
        }
    }
    return out;
}

// One fwrite + fflush of at most a pipe's atomic size reaches the reader in one piece.
void Emit(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

std::string Clock(int seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "00:%02d:%02d.00", seconds / 60, seconds % 60);
    return text;
}

std::string ProgressLine(const std::string& time) {
    return "frame=  250 fps= 50 q=2.0 size=    1024kB time=" + time + " bitrate= 335.5kbits/s speed=2.01x" +
           g_eol;
}

void Flood(long lines) {
    std::string out, err;
    for (long i = 0; i < lines; ++i) {
        const std::string line = ProgressLine(Clock(static_cast<int>(i % 99) + 1));
        if (out.size() + line.size() > 4000) {
            Emit(stdout, out);
            Emit(stderr, err);
            out.clear();
            err.clear();
        }
        out += line;
        err += line;
    }
    Emit(stdout, out);
    Emit(stderr, err);
}

void ListFds() {
    std::string line = "fds:";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", error)) {
        const auto target = std::filesystem::read_symlink(entry.path(), error).string();
        if (target.rfind("/proc/", 0) == 0 && target.size() > 3 && target.substr(target.size() - 3) == "/fd")
            continue; // the listing's own descriptor
        line += ' ';
        line += entry.path().filename().string();
    }
    Record(line);
}

} // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOFBF, 1 << 16);
    std::setvbuf(stderr, nullptr, _IOFBF, 1 << 16);
    const std::vector<std::string> args = Arguments(argc, argv);
    const int count = static_cast<int>(args.size());
    if (count >= 2)
        g_output = args.back();
    bool stampExit = false;
    bool noOutput = false;
    bool skipping = false;
    const int last = count - 1; // the output file is no script word
    for (int i = 1; i < last; ++i) {
        const std::string& word = args[i];
        const auto next = [&]() -> std::string { return i + 1 < last ? args[++i] : std::string(); };
        // The words after "--only-for TEXT" apply only to an input whose path contains TEXT, so
        // that the files of one batch can behave differently.
        if (word == "--only-for") {
            skipping = g_input.find(next()) == std::string::npos;
            continue;
        }
        if (skipping)
            continue;
        if (word == "-i") {
            if (i + 1 < last)
                g_input = args[++i];
        } else if (word == "--log") {
            const std::string path = next();
            const std::string line = next() + " " + std::to_string(Now()) + "\n";
            // Appended, and written out once at the close: the line lands whole beside other encoders'.
            std::ofstream log(PathOf(path), std::ios::app | std::ios::binary);
            log.write(line.data(), static_cast<std::streamsize>(line.size()));
        } else if (word == "--fail-on") {
            if (g_input.find(next()) != std::string::npos)
                std::_Exit(1);
        } else if (word == "--out")
            Emit(stdout, Unescape(next()));
        else if (word == "--err")
            Emit(stderr, Unescape(next()));
        else if (word == "--err-output")
            Emit(stderr, g_output + Unescape(next()));
        else if (word == "--eol") {
            const std::string eol = next();
            g_eol = eol == "cr" ? "\r" : eol == "crlf" ? "\r\n" : eol == "crcrlf" ? "\r\r\n" : "\n";
        } else if (word == "--duration")
            Emit(stderr, "  Duration: " + next() + ", start: 0.000000, bitrate: 1411 kb/s" + g_eol);
        else if (word == "--time")
            Emit(stderr, ProgressLine(next()));
        else if (word == "--flood")
            Flood(std::atol(next().c_str()));
        else if (word == "--ticks") {
            const long ticks = std::atol(next().c_str());
            const long ms = std::atol(next().c_str());
            for (long k = 0; k < ticks; ++k) {
                std::this_thread::sleep_for(std::chrono::milliseconds(ms));
                const long long stamp = Now();
                Emit(stderr, ProgressLine(Clock(static_cast<int>(k % 99) + 1)));
                Record("tick " + std::to_string(stamp));
            }
        } else if (word == "--ask") {
            Emit(stderr, "File '" + g_output + "' already exists. Overwrite? [y/N] ");
            char answer[16] = {};
            if (!std::fgets(answer, sizeof answer, stdin) || answer[0] != 'y') {
                Record("not overwriting");
                std::_Exit(1);
            }
        } else if (word == "--spawn") {
#ifndef _WIN32
            if (::fork() == 0)
                for (;;)
                    ::pause();
#endif
        } else if (word == "--remove-input") {
            std::error_code error;
            std::filesystem::remove(PathOf(g_input), error);
        } else if (word == "--stamp-exit")
            stampExit = true;
        else if (word == "--no-output")
            noOutput = true;
        else if (word == "--sleep")
            std::this_thread::sleep_for(std::chrono::milliseconds(std::atol(next().c_str())));
        else if (word == "--hang")
            for (;;)
                std::this_thread::sleep_for(std::chrono::hours(1));
        else if (word == "--exit")
            std::_Exit(std::atoi(next().c_str()));
        else if (word == "--signal") {
            const int signal = std::atoi(next().c_str());
#ifdef _WIN32
            // The tests give POSIX numbers: 6 is SIGABRT there (22 on Windows).
            ::TerminateProcess(::GetCurrentProcess(), signal == 6 ? 3u : 0xC0000005u);
#else
            const rlimit noCore{0, 0};
            ::setrlimit(RLIMIT_CORE, &noCore);
            std::signal(signal, SIG_DFL);
            std::raise(signal);
#endif
        } else if (word == "--touch")
            std::ofstream(PathOf(next()), std::ios::binary) << "intruder";
        else if (word == "--write-args") {
#ifdef _WIN32
            Record("line:" + Utf8(::GetCommandLineW()));
#endif
            for (const std::string& arg : args)
                Record("arg:" + arg);
        } else if (word == "--list-fds")
            ListFds();
    }
    if (stampExit)
        Record("exit " + std::to_string(Now()));
    if (noOutput) {
        std::error_code error;
        std::filesystem::remove(PathOf(g_output), error);
    } else if (!g_output.empty()) {
        std::ofstream(PathOf(g_output), std::ios::app | std::ios::binary);
    }
    return 0;
}
