// A check of the OS layer alone, in plain C++ so that it also cross-builds for Windows and runs under
// Wine (cmake/mingw-w64.cmake, scripts/wine-checks.sh). Runs itself as the child.
// Under Wine, run it as an ordinary user: root opens read-only files regardless of their attribute.

#include "Check.h"
#include "core/Path.h"
#include "core/WorkFile.h"
#include "core/platform/Console.h"
#include "core/platform/FileTimes.h"
#include "core/platform/Files.h"
#include "core/platform/Handle.h"
#include "core/platform/Ownership.h"
#include "core/platform/Pause.h"
#include "core/platform/Process.h"

#ifdef _WIN32
#include "CheckWindows.h"
#include "core/platform/ClassWindowWindows.h"

#include <share.h>
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

using namespace clipvane::platform;
using clipvane::check::Check;
using clipvane::check::FsPath;
using clipvane::check::Utf8Of;

namespace {

// In the temporary folder, under a name no ANSI code page spells: a set-up step that passed through one
// would make another folder than the one the checks look at.
std::string ScratchRoot(const std::string& name) {
    return clipvane::WithSeparator(Utf8Of(std::filesystem::temp_directory_path())) + name +
           " \u03a9\u03bc\u03ad\u03b3\u03b1 \u6771\u4eac";
}

std::string g_self;

struct Pipes {
    Handle inRead = kNoHandle, inWrite = kNoHandle, outRead = kNoHandle, outWrite = kNoHandle,
           errRead = kNoHandle, errWrite = kNoHandle;
    bool made = CreatePipe(inRead, inWrite) && PrepareChildEnd(inRead) && CreatePipe(outRead, outWrite) &&
                PrepareChildEnd(outWrite) && CreatePipe(errRead, errWrite) && PrepareChildEnd(errWrite);
    ~Pipes() {
        for (Handle* h : {&inRead, &inWrite, &outRead, &outWrite, &errRead, &errWrite})
            clipvane::platform::CloseHandle(*h);
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
    // A read of what is not there would block for good.
    Check(out == expected.size() &&
              ReadPipe(pipes.outRead, buffer, out) == static_cast<std::int64_t>(expected.size()) &&
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
    const std::string root = ScratchRoot("clipvane-rename-check");
    std::filesystem::remove_all(FsPath(root));
    std::filesystem::create_directories(FsPath(root));
    const std::string a = root + PathSeparator() + "a.mp3";
    const std::string b = root + PathSeparator() + "b.mp3";
    std::ofstream(FsPath(a)) << "a";
    std::ofstream(FsPath(b)) << "b";
    Check(GetPathType(a) == PathType::File && GetPathType(root) == PathType::Folder &&
              GetPathType(root + PathSeparator() + "none") == PathType::None,
          "a path's type is told");
    Check(!MoveFileTo(a, b, false) && FileExists(a), "a rename without replacing keeps what is there");
    Check(MoveFileTo(a, b, true) && !FileExists(a) && GetPathType(b) == PathType::File, "a rename replaces");
    Check(RemoveFile(b) && GetPathType(b) == PathType::None && RemoveFile(b), "a file is removed, twice");
    std::filesystem::remove_all(FsPath(root));
}

// The writer's lock keeps another holder out but never the encoder's writes; a dead process is seen
// as gone, a live one with a stamp of its own.
void WorkFileLockAndWriters() {
    const std::string root = ScratchRoot("clipvane-lock-check");
    std::filesystem::remove_all(FsPath(root));
    std::filesystem::create_directories(FsPath(root));
    const std::string file = root + PathSeparator() + "work.mp3";
    // The encoder has the file open before its writer takes the lock.
    std::ofstream writer(FsPath(file));
    writer << "begun" << std::flush;
    Handle lock = kNoHandle, second = kNoHandle;
    Check(TryLockFile(file, lock), "a file the encoder writes is locked");
    Check(!TryLockFile(file, second) && second == kNoHandle, "a held lock is refused to another holder");
    writer << " and written on" << std::flush;
    Check(writer.good(), "the lock refuses no writer");
    writer.close();
    std::ifstream written(FsPath(file));
    const std::string text((std::istreambuf_iterator<char>(written)), std::istreambuf_iterator<char>());
    written.close();
    Check(text == "begun and written on", "what the encoder wrote is all there");
    const std::string identity = LockedFileIdentity(lock);
    Check(!identity.empty(), "the locked file names itself");
    std::string mark;
    if (WriteOwnerMark(lock, file, "mark " + identity))
        Check(ReadOwnerMark(lock, file, mark) && mark == "mark " + identity, "the mark reads back");
    else
        std::printf("note: this file system keeps no marks\n");
    Check(LockedFileIsOurs(lock), "our own file is ours");
    clipvane::platform::CloseHandle(lock);
    Check(TryLockFile(file, second), "a lock is free again once its holder lets go");
    Check(RemoveLockedFile(second, file) && GetPathType(file) == PathType::None && second == kNoHandle,
          "the locked file is removed");

    std::string stamp, again;
    Check(ProcessStart(OwnProcessId(), stamp) == ProcessLife::Running && !stamp.empty(), "we run");
    Check(ProcessStart(OwnProcessId(), again) == ProcessLife::Running && again == stamp, "our stamp holds");
    Pipes pipes;
    ChildProcess child;
    Check(pipes.Spawn(g_self, "--child-hang", child), "a child starts");
    const std::int64_t pid = child.pid;
    std::string childStamp;
    Check(ProcessStart(pid, childStamp) == ProcessLife::Running && childStamp != stamp, "the child runs");
    Check(TerminateChild(child, 9) && ReapChild(child, 10000), "the child ends");
    const ProcessLife after = ProcessStart(pid, again);
    Check(after == ProcessLife::Gone || (after == ProcessLife::Running && again != childStamp),
          "an ended child is gone");
    Check(!MachineIdentity().empty(), "the machine has a name");
    std::filesystem::remove_all(FsPath(root));
}

void CopiedHandleKeepsThePipe() {
    Pipes pipes;
    Handle copy = kNoHandle;
    Check(CopyHandle(pipes.outRead, copy), "a pipe end is copied");
    clipvane::platform::CloseHandle(pipes.outRead);
    std::uint32_t bytes = 5;
    Check(PeekPipe(copy, bytes) && bytes == 0, "the copy still peeks the pipe");
    clipvane::platform::CloseHandle(copy);
    Check(!PeekPipe(kNoHandle, bytes), "peeking no handle fails");
}

// Whether every thread of the child is held, as `wanted`; waits a little for a signal to land.
bool Held(const ChildProcess& child, bool wanted = true) {
    for (int tries = 0; tries < 500; ++tries) {
#ifdef _WIN32
        // Suspending once more tells the count it had; the thread is let go again at once.
        const DWORD before = ::SuspendThread(child.thread);
        ::ResumeThread(child.thread);
        const bool held = before != DWORD(-1) && before > 0;
#else
        std::ifstream stat("/proc/" + std::to_string(child.pid) + "/stat");
        const std::string line((std::istreambuf_iterator<char>(stat)), {});
        const std::size_t close = line.rfind(')');
        const bool held = close != std::string::npos && close + 2 < line.size() && line[close + 2] == 'T';
#endif
        if (held == wanted)
            return wanted;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return !wanted;
}

void HeldChildGoesOnAndDies() {
    Pipes pipes;
    ChildProcess child;
    Check(pipes.Spawn(g_self, "--child-hang", child), "a child to hold starts");
    Check(SuspendChild(child) && Held(child), "the child is held");
    Check(ResumeChild(child) && !Held(child, false), "the child is let go");
    Check(SuspendChild(child) && Held(child), "the child is held again");
    Check(TerminateChild(child, 9) && ReapChild(child, 10000), "a held child is killed and reaped");
    Check(!SuspendChild(child) && !ResumeChild(child), "an ended child cannot be held");
}

std::filesystem::path FsPath(const std::string& utf8) {
    return std::filesystem::path(std::u8string(reinterpret_cast<const char8_t*>(utf8.data()), utf8.size()));
}

// A converted file takes its source's date, under names in several scripts.
void DatesCarryOver() {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "clipvane-dates-check";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::u8string wide = folder.u8string();
    const std::string base =
        std::string(reinterpret_cast<const char*>(wide.data()), wide.size()) + PathSeparator();
    const std::string source = base + "Jos\u00e9 \u03a9\u03bc\u03ad\u03b3\u03b1.avi";
    const std::string target = base + "\u65e5\u672c\u306e\u52d5\u753b.mp4";
    std::ofstream(FsPath(source)) << "x";
    std::ofstream(FsPath(target)) << "y";
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(24 * 3650);
    std::filesystem::last_write_time(FsPath(source), old);
    std::int64_t from = 0, to = 0;
    Check(ModifiedTime(source, from) && ModifiedTime(target, to) && from < to, "the source is older");
    Check(CopyModifiedTime(source, target), "the date is carried over");
    Check(ModifiedTime(target, to) && to == from, "the target has the source's date");
    Check(!CopyModifiedTime(base + "missing.avi", target) && LastError() == 2,
          "a missing source fails with code 2");
    std::filesystem::remove_all(folder);
}

void FilesAndFolders() {
    const std::string root = ScratchRoot("clipvane-platform-check");
    std::filesystem::remove_all(FsPath(root));
    const std::string deep = root + PathSeparator() + "a" + PathSeparator() + "b";
    Check(ForceDirectories(deep) && DirectoryExists(deep), "nested folders are made");
    const std::string file = deep + PathSeparator() + "f.txt";
    Check(!IsFileInUse(file), "an absent file is not in use");
    std::ofstream(FsPath(file)) << "x";
    Check(FileExists(file) && !DirectoryExists(file), "a file is a file");
    Check(!IsFileInUse(file), "a closed file is free");
    const std::string other = deep + PathSeparator() + "g.txt";
    std::ofstream(FsPath(other)) << "y";
    Check(ReplaceFile(other, file) && !FileExists(other), "a file replaces another");
    const auto contents = [](const std::string& name) {
        std::ifstream in(FsPath(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    Check(WriteFileAtomically(file, "new\ncontents") && contents(file) == "new\ncontents",
          "a file is rewritten whole");
    Check(std::distance(std::filesystem::directory_iterator(FsPath(deep)), {}) == 1,
          "no temporary file is left behind");
    std::filesystem::remove_all(FsPath(root));
    const std::string app = AppDataFolder();
    Check(!app.empty() && (app.back() == '/' || app.back() == '\\'), "the application-data folder is named");
    const std::string own = ProgramFolder();
    const std::string name = clipvane::ExtractFileName(g_self);
    Check(FindExecutable(name) == own + name, "a bare name is found in the program's folder first");
    Check(FindExecutable("clipvane-no-such-program").empty(), "an unknown name is not found");
}

#ifdef _WIN32
using namespace clipvane::check;

// The handles a child gets are its three standard ones only: any other inheritable handle in this
// process (another job's pipe, a library's file) would keep that object alive as long as the encoder runs.
void ChildGetsOnlyItsThreeHandles() {
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE strayRead = nullptr, strayWrite = nullptr;
    Check(::CreatePipe(&strayRead, &strayWrite, &inheritable, 0) != 0, "an inheritable pipe is made");
    Pipes pipes;
    ChildProcess child;
    Check(pipes.Spawn(g_self, "--child-sleep", child), "a child starts beside an inheritable pipe");
    ::CloseHandle(strayWrite);
    DWORD bytes = 0;
    // With no writer left anywhere the pipe is broken; a writer inherited by the child keeps it whole.
    const bool peeked = ::PeekNamedPipe(strayRead, nullptr, 0, nullptr, &bytes, nullptr) != 0;
    const DWORD error = ::GetLastError();
    Check(WaitForChild(child, 0) == WaitResult::Timeout && !peeked && error == ERROR_BROKEN_PIPE,
          "the running child did not inherit another handle");
    TerminateChild(child, 0);
    ReleaseChild(child);
    ::CloseHandle(strayRead);

    const TChildRun run = RunChild("\"" + g_self + "\" --child-std-types");
    Check(run.Exited && Joined(run.Out) == "pipe pipe pipe\r\n", "the child's standard handles are the pipes",
          "child saw: " + Joined(run.Out));
}

// An encoder writing its output holds the file open, sharing it as the C runtime does; the exclusive
// open must see that, and a killed encoder must have let go of the file by the time it is released.
void FileHeldByAnotherProcessIsInUse() {
    const std::string folder = ScratchFolder("in-use " + kForeignName);
    const std::string file = folder + kForeignName + ".avi";
    Check(WriteBytes(file, "x"), "a file with foreign letters is made");
    Check(!IsFileInUse(file), "a file nobody holds is free");

    Pipes pipes;
    ChildProcess child;
    Check(pipes.Spawn(g_self, "--child-hold \"" + file + "\"", child), "a child that holds the file starts");
    std::uint32_t bytes = 0;
    for (int i = 0; i < 100 && (!PeekPipe(pipes.outRead, bytes) || bytes == 0); ++i)
        WaitForChild(child, 100);
    char said[16] = {};
    Check(bytes > 0 && ReadPipe(pipes.outRead, said, sizeof said - 1) > 0 && std::string(said) == "held\r\n",
          "the child has opened the file", std::string("child said: ") + said);
    Check(IsFileInUse(file), "a file another process holds open is in use");
    TerminateChild(child, 0);
    ReleaseChild(child);
    Check(!IsFileInUse(file), "the file is free once its holder is gone");

    Check(::SetFileAttributesW(Wide(file).c_str(), FILE_ATTRIBUTE_READONLY) != 0,
          "the file is made read-only");
    Check(IsFileInUse(file), "a read-only file counts as in use");
    ::SetFileAttributesW(Wide(file).c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Names in several scripts, one beyond the BMP: none of them survives the ANSI code page.
const std::vector<std::string> kScriptNames = {
    "C:\\users\\u\\M\u00fasica\\v\u00eddeo \u00f1.wav",
    "\u0420\u0430\u0431\u043e\u0447\u0438\u0439 \u0441\u0442\u043e\u043b",
    "\u03a9\u03bc\u03ad\u03b3\u03b1.avi",
    "\u6771\u4eac\u306e\u52d5\u753b\\\u590f \u4f11\u307f.wav",
    "\U0001F3AC clip.mp4",
};

// A program's arguments reach it whole, whatever the ANSI code page: the narrow argv holds "?" for
// every character that page lacks.
void ArgumentsComeWhole() {
    std::string line = "\"" + g_self + "\" --child-args";
    std::string expected;
    for (const std::string& name : kScriptNames) {
        line += " \"" + name + "\"";
        expected += name + "\r\n";
    }
    const TChildRun run = RunChild(line);
    Check(run.Exited && Joined(run.Out) == expected, "the program's arguments come whole in every script",
          "child saw: " + Joined(run.Out));
}

// The folder listing and the same-file test name what is there, in every script.
void FoldersListedInEveryScript() {
    const std::string folder = ScratchFolder("listing " + kForeignName);
    std::vector<std::string> made;
    for (const std::string& path : kScriptNames) {
        const std::string name = path.substr(path.find_last_of('\\') + 1);
        made.push_back(name);
        WriteBytes(folder + name, "x");
    }
    std::vector<std::string> names;
    Check(ListFolder(folder, names), "a folder with foreign letters is listed");
    std::sort(names.begin(), names.end());
    std::sort(made.begin(), made.end());
    Check(names == made, "every name is listed whole");
    Check(IsSameFile(folder + made[0], folder + ".\\" + made[0]) &&
              !IsSameFile(folder + made[0], folder + made[1]),
          "the same file is told from another under foreign names");
    // The search for work files lists the folder the same way, without throwing on foreign letters,
    // and leaves a stranger's file that only looks like one of ours.
    WriteBytes(folder + ".out.clipvane-0123456789abcdef.mp3", "stale");
    bool threw = false;
    try {
        clipvane::RemoveStaleWorkFiles(folder + "out.mp3");
    } catch (...) {
        threw = true;
    }
    Check(!threw && FileExists(folder + ".out.clipvane-0123456789abcdef.mp3"),
          "the search for work files under foreign letters leaves a look-alike alone");
}

// The child side of the checks above; the arguments come as UTF-16, as the OS passes them.
int RunChildMode(int count, wchar_t** args, int argc, char** argv) {
    const std::wstring mode = args[1];
    if (mode == L"--child-args") {
        const std::vector<std::string> given = ProgramArguments(argc, argv);
        for (std::size_t i = 2; i < given.size(); ++i)
            std::printf("%s\n", given[i].c_str());
        return 0;
    }
    if (mode == L"--child-std-types") {
        const auto type = [](DWORD id) {
            switch (::GetFileType(::GetStdHandle(id))) {
            case FILE_TYPE_PIPE:
                return "pipe";
            case FILE_TYPE_CHAR:
                return "console";
            case FILE_TYPE_DISK:
                return "file";
            default:
                return "none";
            }
        };
        std::printf("%s %s %s\n", type(STD_INPUT_HANDLE), type(STD_OUTPUT_HANDLE), type(STD_ERROR_HANDLE));
        return 0;
    }
    if (mode == L"--child-sleep")
        for (;;)
            ::Sleep(1000);
    if (mode == L"--child-hold" && count > 2) {
        std::FILE* file = ::_wfsopen(args[2], L"ab", _SH_DENYNO); // shared, as encoders open their output
        std::printf(file ? "held\n" : "not held\n");
        std::fflush(stdout);
        for (;;)
            ::Sleep(1000);
    }
    return 2;
}
#endif

} // namespace

#ifdef _WIN32
// The single-instance hand-over: a later start finds the window by its class and posts it the message,
// which the owner's message loop delivers to the callback.
void ClassWindowTakesThePostedMessage() {
    const std::string name = "Clipvane platform check " + std::to_string(::GetCurrentProcessId());
    Check(!PostToClassWindow(name, 5891), "no window of the class: nothing is posted");
    int received = 0;
    Handle window = CreateClassWindow(
        name, 5891, [](void* count) { ++*static_cast<int*>(count); }, &received);
    Check(window != kNoHandle, "the class window is made", std::to_string(::GetLastError()));
    Check(PostToClassWindow(name, 5891), "a window of the class is found and posted to");
    Check(PostToClassWindow(name, 5890), "another message is posted too");
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        ::DispatchMessageW(&message);
    Check(received == 1, "only the hand-over message reaches the callback", std::to_string(received));
    DestroyClassWindow(window);
    Check(window == kNoHandle && !PostToClassWindow(name, 5891), "a destroyed window is not found");
}
#endif

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
    g_self = ProgramFolder() + clipvane::ExtractFileName(argv[0]);
#ifdef _WIN32
    if (argc > 1 && std::strncmp(argv[1], "--child-", 8) == 0) {
        int count = 0;
        wchar_t** args = ::CommandLineToArgvW(::GetCommandLineW(), &count);
        return RunChildMode(count, args, argc, argv);
    }
    if (g_self.size() < 4 || g_self.substr(g_self.size() - 4) != ".exe")
        g_self += ".exe";
#endif
    ChildOutputIsPeekedAndRead();
    WaitIsBoundedAndKillWorks();
    MissingProgramIsNotFound();
    ExitStatusAndBoundedReap();
    RenamesAndPathTypes();
    WorkFileLockAndWriters();
    CopiedHandleKeepsThePipe();
    FilesAndFolders();
    HeldChildGoesOnAndDies();
    DatesCarryOver();
#ifdef _WIN32
    ChildGetsOnlyItsThreeHandles();
    ArgumentsComeWhole();
    FoldersListedInEveryScript();
    FileHeldByAnotherProcessIsInUse();
    ClassWindowTakesThePostedMessage();
#endif
    return clipvane::check::Summary();
}
