// Latency and overhead of the conversion engine, with the scripted fake encoder and with the real
// one: how soon the end notice follows the encoder's exit, how soon a progress report follows the
// "time=" line that caused it, how long an encoder that writes 20,000 lines takes to run through
// the program, and how much CPU the program itself spends while an encoder runs.
// Run it from a Release build: bench_engine [runs]

#include "core/ConvertThread.h"
#include "core/platform/Clock.h"
#include "core/platform/Process.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

using namespace clipvane;

namespace {

using Clock = std::chrono::steady_clock; // CLOCK_MONOTONIC: comparable with the fake encoder's stamps

long long NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch()).count();
}

class TReceiver final : public QObject {
public:
    std::vector<long long> reports; // arrival times of progress reports
    long long endedAt = 0;
    QEventLoop* loop = nullptr;

    bool event(QEvent* event) override {
        if (event->type() != static_cast<QEvent::Type>(WM_PROCESSINFO))
            return QObject::event(event);
        const long long now = NowNs();
        if (static_cast<TProcessInfoEvent*>(event)->Take()->IsEndNotice()) {
            endedAt = now;
            if (loop)
                loop->quit();
        } else
            reports.push_back(now);
        return true;
    }
};

struct TJob {
    std::string program; // empty: the real encoder by its bare name
    std::string params;
    std::string input;
    std::string output;
};

struct TRun {
    long long exitedAt = 0; // seen by a watcher of our own on the child
    long long endedAt = 0;
    std::vector<long long> reports;
    double cpuSeconds = 0;
    double wallSeconds = 0;
};

// Runs one conversion to its end notice with the GUI event loop turning, as in the program.
TRun RunOnce(const TJob& job) {
    QFile::remove(QString::fromStdString(job.output));
    TReceiver receiver;
    TConvertProcess runner;
    runner.NotifyWindow = &receiver;
    runner.InputFile = job.input;
    runner.OutputFile = job.output;
    runner.FFmpegParams = job.params;
    runner.NotUseAnotherFFmpeg = job.program.empty();
    runner.FFmpegPath = job.program;
    runner.Running = true;

    const double cpuBefore = platform::ProcessCpuSeconds();
    const auto wallBefore = Clock::now();
    runner.Start();
    platform::ChildProcess watch;
    platform::DuplicateChild(runner.ProcessInformation, watch);
    std::atomic<long long> exitedAt{0};
    std::thread watcher([&] {
        while (platform::WaitForChild(watch, 1000) == platform::WaitResult::Timeout) {
        }
        exitedAt = NowNs();
    });
    QEventLoop loop;
    receiver.loop = &loop;
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    if (!receiver.endedAt)
        loop.exec();
    const double cpu = platform::ProcessCpuSeconds() - cpuBefore;
    const double wall = std::chrono::duration<double>(Clock::now() - wallBefore).count();
    watcher.join();
    platform::CloseChild(watch);
    return {exitedAt.load(), receiver.endedAt, receiver.reports, cpu, wall};
}

std::vector<long long> Stamps(const std::string& file, const char* key) {
    std::vector<long long> stamps;
    QFile in(QString::fromStdString(file));
    if (!in.open(QIODevice::ReadOnly))
        return stamps;
    const QByteArray prefix = QByteArray(key) + ' ';
    for (const QByteArray& line : in.readAll().split('\n'))
        if (line.startsWith(prefix))
            stamps.push_back(line.mid(prefix.size()).toLongLong());
    return stamps;
}

struct TFigures {
    double p50 = 0, p99 = 0;
    std::size_t n = 0;
};

TFigures Percentiles(std::vector<double> ms) {
    if (ms.empty())
        return {};
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double q) {
        return ms[std::min(ms.size() - 1, static_cast<std::size_t>(std::ceil(q * ms.size())) - 1)];
    };
    return {at(0.50), at(0.99), ms.size()};
}

std::string Number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

const char* Verdict(double value, double target) {
    return value <= target ? "met" : "MISSED";
}

void Row(const char* what, const char* encoder, const TFigures& f, double target) {
    if (f.n == 0) {
        std::printf("| %-34s | %-8s | %8s | %8s | %5s | %-14s |\n", what, encoder, "n/a", "n/a", "0", "");
        return;
    }
    const std::string verdict = "p99 <= " + Number(target) + " " + Verdict(f.p99, target);
    std::printf("| %-34s | %-8s | %8.3f | %8.3f | %5zu | %-14s |\n", what, encoder, f.p50, f.p99, f.n,
                verdict.c_str());
}

void CpuRow(const char* what, const char* encoder, const TRun& run, double target) {
    const double percent = 100.0 * run.cpuSeconds / run.wallSeconds;
    const std::string verdict = "<= " + Number(target) + " " + Verdict(percent, target);
    std::printf("| %-34s | %-8s | %8.3f | %8s | %5.1f | %-14s |\n", what, encoder, percent, "",
                run.wallSeconds, verdict.c_str());
}

std::vector<double> ExitLatencies(const TJob& job, int runs) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const TRun run = RunOnce(job);
        if (run.exitedAt && run.endedAt)
            ms.push_back((run.endedAt - run.exitedAt) / 1e6);
    }
    return ms;
}

// A 5 s test clip made by the encoder itself, quietly, outside any measurement.
void MakeClip(const std::string& ffmpeg, const std::string& clip) {
    using namespace platform;
    Handle inRead = kNoHandle, inWrite = kNoHandle, outRead = kNoHandle, outWrite = kNoHandle;
    ChildProcess child;
    if (CreatePipe(inRead, inWrite) && CreatePipe(outRead, outWrite) &&
        SpawnHidden({ffmpeg, "-v", "error", "-nostats", "-y", "-f", "lavfi", "-i",
                     "testsrc=duration=5:size=320x240:rate=25", "-f", "lavfi", "-i", "sine=duration=5",
                     "-c:v", "mpeg4", "-c:a", "pcm_s16le", "-shortest", clip},
                    {}, inRead, outWrite, outWrite, child)) {
        while (WaitForChild(child, 1000) != WaitResult::Exited) {
        }
        ReleaseChild(child);
    }
    for (Handle* h : {&inRead, &inWrite, &outRead, &outWrite})
        CloseHandle(*h);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString() + "/";
    const std::string fake = FAKE_ENCODER_PATH;
    const std::string ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).toStdString();

    std::printf("| %-34s | %-8s | %8s | %8s | %5s | %-14s |\n", "measure", "encoder", "p50", "p99", "n/s",
                "target");
    std::printf("|%s|%s|%s|%s|%s|%s|\n", std::string(36, '-').c_str(), std::string(10, '-').c_str(),
                std::string(10, '-').c_str(), std::string(10, '-').c_str(), std::string(7, '-').c_str(),
                std::string(16, '-').c_str());

    // (a) child exit -> end notice handled
    Row("exit -> end notice (ms)", "fake",
        Percentiles(ExitLatencies({fake, "", "in", folder + "a.txt"}, runs)), 5.0);

    std::string clip;
    if (!ffmpeg.empty()) {
        clip = folder + "clip.mkv";
        MakeClip(ffmpeg, clip);
        const int realRuns = std::max(1, runs / 5);
        Row("exit -> end notice (ms)", "ffmpeg",
            Percentiles(ExitLatencies(
                {ffmpeg, "-vn -acodec libmp3lame -ab 128k -ac 2 -ar 44100 ", clip, folder + "a.mp3"},
                realRuns)),
            5.0);
    }

    // (b) "time=" line written by the child -> its progress report handled
    {
        std::vector<double> ms;
        const std::string out = folder + "ticks.txt";
        for (int i = 0; i < std::max(1, runs / 20); ++i) {
            const TRun run = RunOnce({fake, "--duration 00:01:40.00 --ticks 100 10 ", "in", out});
            const std::vector<long long> ticks = Stamps(out, "tick");
            if (ticks.size() != run.reports.size()) {
                std::fprintf(stderr, "ticks %zu != reports %zu\n", ticks.size(), run.reports.size());
                continue;
            }
            for (std::size_t k = 0; k < ticks.size(); ++k)
                ms.push_back((run.reports[k] - ticks[k]) / 1e6);
        }
        Row("time= line -> report (ms)", "fake", Percentiles(ms), 5.0);
    }

    // (d) an encoder that writes fast is read as fast: it never stands still on a full pipe
    {
        std::vector<double> ms;
        const std::string log = folder + "flood.log";
        for (int i = 0; i < std::max(1, runs / 20); ++i) {
            QFile::remove(QString::fromStdString(log));
            RunOnce({fake, "--log " + log + " start --flood 20000 --log " + log + " exit ", "in",
                     folder + "flood.txt"});
            const std::vector<long long> start = Stamps(log, "start"), exit = Stamps(log, "exit");
            if (start.size() == 1 && exit.size() == 1)
                ms.push_back((exit[0] - start[0]) / 1e6);
        }
        Row("20,000 lines: encoder's run (ms)", "fake", Percentiles(ms), 100.0);
    }

    // (c) our own CPU while an encoder runs (children excluded), in percent of one core
    {
        const TRun quiet = RunOnce({fake, "--sleep 5000 ", "in", folder + "q.txt"});
        CpuRow("own CPU, % of a core, quiet child", "fake", quiet, 0.5);
        if (!clip.empty()) {
            const TRun real =
                RunOnce({ffmpeg, "-vf realtime -af arealtime -vcodec mpeg4 -c:a aac -b:v 1800k ", clip,
                         folder + "r.mp4"});
            CpuRow("own CPU, % of a core, real-time", "ffmpeg", real, 0.5);
        }
    }
    std::printf(
        "\nn/s: samples, or the seconds measured for the CPU rows. The time= row uses the fake encoder\n"
        "only: it stamps each line as it writes it, which the real encoder cannot be made to do.\n");
    return 0;
}
