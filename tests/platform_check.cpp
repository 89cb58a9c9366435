// A check of the OS layer alone, in plain C++ so that it also cross-builds for Windows and runs
// under Wine. Runs itself as the child. Prints one line per check; the exit code counts failures.
//   x86_64-w64-mingw32-g++ -std=c++20 -static -Isrc tests/platform_check.cpp
//       src/platform/PlatformWindows.cpp -lshell32 -o platform_check.exe && wine64 platform_check.exe
// (Under Wine, run it as an ordinary user: as root, Unix permissions let the read-only check open the file.)

#include "core/platform/Platform.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

using namespace clipvane::platform;

namespace {

int g_failures = 0;
std::string g_self;

void Check(bool ok, const char* what) {
    std::printf("%s %s\n", ok ? "PASS" : "FAIL", what);
    if (!ok)
        ++g_failures;
}

struct Pipes {
    Handle inRead = kNoHandle, inWrite = kNoHandle, outRead = kNoHandle, outWrite = kNoHandle,
           errRead = kNoHandle, errWrite = kNoHandle;
    bool made = CreatePipe(inRead, inWrite) && PrepareChildEnd(inRead) && CreatePipe(outRead, outWrite) &&
                PrepareChildEnd(outWrite) && CreatePipe(errRead, errWrite) && PrepareChildEnd(errWrite);
    ~Pipes() {
        for (Handle* h : {&inRead, &inWrite, &outRead, &outWrite, &errRead, &errWrite})
            CloseHandle(*h);
    }
    bool Spawn(const std::string& program, const std::string& mode, ChildProcess& child) {
        return SpawnHidden({program, mode}, "\"" + program + "\" " + mode, inRead, outWrite, errWrite, child);
    }
};

long long Millis(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - since)
        .count();
}

void ChildOutputIsPeekedAndRead() {
    Pipes pipes;
    ChildProcess child;
    Check(pipes.made, "pipes are created");
    Check(pipes.Spawn(g_self, "--child-write", child), "the child starts");
    Check(WaitForChild(child, 10000) == WaitResult::Exited, "the child's end is seen");
#ifdef _WIN32
    const std::string expected = "hello\r\n"; // the child's C runtime writes text mode
#else
    const std::string expected = "hello\n";
#endif
    std::uint32_t out = 0, err = 0;
    Check(PeekPipe(pipes.outRead, out) && out == expected.size(), "peek counts standard output");
    Check(PeekPipe(pipes.errRead, err) && err == 4, "peek counts standard error");
    char buffer[16] = {};
    Check(ReadPipe(pipes.outRead, buffer, out) == static_cast<std::int64_t>(expected.size()) &&
              std::string(buffer, expected.size()) == expected,
          "read returns what was peeked");
    ReleaseChild(child);
    Check(child.process == kNoHandle && child.pid == 0, "release clears the record");
}

void WaitIsBoundedAndKillWorks() {
    Pipes pipes;
    ChildProcess child, copy;
    Check(pipes.Spawn(g_self, "--child-hang", child), "a hanging child starts");
    const auto start = std::chrono::steady_clock::now();
    Check(WaitForChild(child, 100) == WaitResult::Timeout, "a running child times out");
    const long long waited = Millis(start);
    Check(waited >= 90 && waited < 1500, "the wait lasts about its timeout");
    Check(DuplicateChild(child, copy), "the child record is duplicated");
    Check(TerminateChild(child, 0), "the child is terminated");
    CloseChild(child);
    Check(WaitForChild(copy, 10000) == WaitResult::Exited, "the duplicate sees the end");
    ReleaseChild(copy);
}

void MissingProgramIsNotFound() {
    Pipes pipes;
    ChildProcess child;
    SetLastError(0);
#ifdef _WIN32
    const std::string missing = "C:\\nonexistent\\folder\\ffmpeg.exe";
#else
    const std::string missing = "/nonexistent/folder/ffmpeg";
#endif
    Check(!pipes.Spawn(missing, "-i", child) && LastError() == 2, "a missing program fails with code 2");
}

void ExitStatusAndBoundedReap() {
    Pipes pipes;
    ChildProcess child;
    ExitStatus status;
    Check(pipes.Spawn(g_self, "--child-exit-3", child), "a child that fails starts");
    Check(ReapChild(child, 10000, &status) && status.known && status.code == 3 && !status.Succeeded(),
          "its exit code is reported");
    Check(child.process == kNoHandle, "the reaped child's record is cleared");
    Check(pipes.Spawn(g_self, "--child-hang", child), "a hanging child starts");
    const auto start = std::chrono::steady_clock::now();
    Check(!ReapChild(child, 100, &status) && child.process != kNoHandle, "a running child is not reaped");
    Check(Millis(start) < 1500, "the reap's wait is bounded");
    Check(TerminateChild(child, 9) && ReapChild(child, 10000, &status) && status.known && !status.Succeeded(),
          "a killed child is reaped as failed");
}

void RenamesAndPathTypes() {
    const std::string root = (std::filesystem::temp_directory_path() / "clipvane-rename-check").string();
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root);
    const std::string a = root + PathSeparator() + "a.mp3";
    const std::string b = root + PathSeparator() + "b.mp3";
    std::ofstream(a) << "a";
    std::ofstream(b) << "b";
    Check(GetPathType(a) == PathType::File && GetPathType(root) == PathType::Folder &&
              GetPathType(root + PathSeparator() + "none") == PathType::None,
          "a path's type is told");
    Check(!MoveFileTo(a, b, false) && FileExists(a), "a rename without replacing keeps what is there");
    Check(MoveFileTo(a, b, true) && !FileExists(a) && GetPathType(b) == PathType::File, "a rename replaces");
    Check(RemoveFile(b) && GetPathType(b) == PathType::None && RemoveFile(b), "a file is removed, twice");
    std::filesystem::remove_all(root);
}

void CopiedHandleKeepsThePipe() {
    Pipes pipes;
    Handle copy = kNoHandle;
    Check(CopyHandle(pipes.outRead, copy), "a pipe end is copied");
    CloseHandle(pipes.outRead);
    std::uint32_t bytes = 5;
    Check(PeekPipe(copy, bytes) && bytes == 0, "the copy still peeks the pipe");
    CloseHandle(copy);
    Check(!PeekPipe(kNoHandle, bytes), "peeking no handle fails");
}

void FilesAndFolders() {
    const std::string root = (std::filesystem::temp_directory_path() / "clipvane-platform-check").string();
    std::filesystem::remove_all(root);
    const std::string deep = root + PathSeparator() + "a" + PathSeparator() + "b";
    Check(ForceDirectories(deep) && DirectoryExists(deep), "nested folders are made");
    const std::string file = deep + PathSeparator() + "f.txt";
    Check(!IsFileInUse(file), "an absent file is not in use");
    std::ofstream(file) << "x";
    Check(FileExists(file) && !DirectoryExists(file), "a file is a file");
    Check(!IsFileInUse(file), "a closed file is free");
    const std::string other = deep + PathSeparator() + "g.txt";
    std::ofstream(other) << "y";
    Check(ReplaceFile(other, file) && !FileExists(other), "a file replaces another");
    const auto contents = [](const std::string& name) {
        std::ifstream in(name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    Check(WriteFileAtomically(file, "new\ncontents") && contents(file) == "new\ncontents",
          "a file is rewritten whole");
    Check(std::distance(std::filesystem::directory_iterator(deep), {}) == 1,
          "no temporary file is left behind");
#ifdef _WIN32
    std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    Check(IsFileInUse(file), "a read-only file counts as in use");
    std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
#endif
    std::filesystem::remove_all(root);
    const std::string app = AppDataFolder();
    Check(!app.empty() && (app.back() == '/' || app.back() == '\\'), "the application-data folder is named");
    const std::string own = ProgramFolder();
    const std::string name = std::filesystem::path(g_self).filename().string();
    Check(FindExecutable(name) == own + name, "a bare name is found in the program's folder first");
    Check(FindExecutable("clipvane-no-such-program").empty(), "an unknown name is not found");
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--child-write") == 0) {
        std::fputs("hello\n", stdout);
        std::fputs("oops", stderr);
        return 0;
    }
    if (argc > 1 && std::strcmp(argv[1], "--child-exit-3") == 0)
        return 3;
    if (argc > 1 && std::strcmp(argv[1], "--child-hang") == 0) {
        std::getchar(); // nobody ever writes to our input: we wait until killed
        return 0;
    }
    g_self = ProgramFolder() + std::filesystem::path(argv[0]).filename().string();
#ifdef _WIN32
    if (g_self.size() < 4 || g_self.substr(g_self.size() - 4) != ".exe")
        g_self += ".exe";
#endif
    ChildOutputIsPeekedAndRead();
    WaitIsBoundedAndKillWorks();
    MissingProgramIsNotFound();
    ExitStatusAndBoundedReap();
    RenamesAndPathTypes();
    CopiedHandleKeepsThePipe();
    FilesAndFolders();
    std::printf("%d failed\n", g_failures);
    return g_failures;
}
