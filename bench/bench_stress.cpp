// Start/stop stress of the conversion engine with the scripted fake encoder: many conversions
// stopped at random moments (quiet, flooding, wrapping a child of its own, or already ending),
// with what the process holds before and after (goal: the same) and how long a Stop takes until
// the child is reaped. Run it from a Release build: bench_stress [cycles] [seed]

#include "core/ConvertThread.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

using namespace clipvane;

namespace {

using Clock = std::chrono::steady_clock;

class TReceiver final : public QObject {
public:
    int ends = 0;
    bool event(QEvent* event) override {
        if (event->type() != static_cast<QEvent::Type>(WM_PROCESSINFO))
            return QObject::event(event);
        if (static_cast<TProcessInfoEvent*>(event)->Take()->IsEndNotice())
            ++ends;
        return true;
    }
};

std::size_t Entries(const std::string& folder) {
    std::error_code error;
    std::size_t count = 0;
    for (auto it = std::filesystem::directory_iterator(folder, error);
         !error && it != std::filesystem::directory_iterator(); it.increment(error))
        ++count;
    return count;
}

std::size_t Children() {
    std::size_t count = 0;
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", error)) {
        std::ifstream file(task.path() / "children");
        for (long pid; file >> pid;)
            ++count;
    }
    return count;
}

bool Exists(std::int64_t pid) {
    return pid > 0 && std::filesystem::exists("/proc/" + std::to_string(pid));
}

struct TCounts {
    std::size_t descriptors = 0, threads = 0, children = 0;
};

TCounts Now() {
    // The listing's own descriptor is counted in both, so the figures compare.
    return {Entries("/proc/self/fd"), Entries("/proc/self/task"), Children()};
}

double Percentile(std::vector<double> values, double q) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<std::size_t>(std::ceil(q * values.size())) - 1)];
}

void Spin(int ms) {
    const auto until = Clock::now() + std::chrono::milliseconds(ms);
    while (Clock::now() < until)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int cycles = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 20261208u;
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();

    // Who the encoder is at the moment of the Stop.
    const std::vector<std::pair<const char*, const char*>> scripts = {
        {"quiet", "--hang "},
        {"flooding", "--duration 00:01:40.00 --flood 1000000 "},
        {"ticking", "--duration 00:01:40.00 --ticks 100000 2 "},
        {"wrapper", "--spawn --hang "},
        {"ending", "--time 00:00:01.00 "},
    };
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pick(0, static_cast<int>(scripts.size()) - 1);
    std::uniform_int_distribution<int> delay(0, 30);

    TReceiver receiver;
    TConvertProcess runner;
    runner.NotifyWindow = &receiver;
    runner.FFmpegPath = FAKE_ENCODER_PATH;
    runner.NotUseAnotherFFmpeg = false;
    runner.InputFile = folder + "/in.avi";
    runner.OutputFile = folder + "/out.mp3";

    Spin(50);
    const TCounts before = Now();
    std::vector<double> stopToReaped;
    std::vector<int> perScript(scripts.size(), 0);
    int endedFirst = 0, lingering = 0;
    for (int i = 0; i < cycles; ++i) {
        const int which = pick(random);
        ++perScript[static_cast<std::size_t>(which)];
        runner.FFmpegParams = scripts[static_cast<std::size_t>(which)].second;
        runner.Running = true;
        runner.Start();
        const std::int64_t pid = runner.ProcessInformation.pid;
        Spin(delay(random));
        if (runner.ProcessInformation.pid == 0) { // ended by itself before the Stop
            ++endedFirst;
            runner.Stop(0);
            continue;
        }
        const auto stopped = Clock::now();
        runner.Stop(0);
        while (Exists(pid) && Clock::now() - stopped < std::chrono::seconds(10))
            std::this_thread::yield();
        lingering += Exists(pid) ? 1 : 0;
        stopToReaped.push_back(std::chrono::duration<double, std::milli>(Clock::now() - stopped).count());
    }
    // Workers end within one wait of their child; give them that and a margin.
    TCounts after = Now();
    for (int waited = 0; waited < 2000 && after.threads > before.threads; waited += 50) {
        Spin(50);
        after = Now();
    }
    const std::size_t leftFiles = Entries(folder);

    std::printf("| %-34s | %10s | %10s |\n", "measure", "before", "after");
    std::printf("|%s|%s|%s|\n", std::string(36, '-').c_str(), std::string(12, '-').c_str(),
                std::string(12, '-').c_str());
    std::printf("| %-34s | %10zu | %10zu |\n", "open descriptors", before.descriptors, after.descriptors);
    std::printf("| %-34s | %10zu | %10zu |\n", "threads", before.threads, after.threads);
    std::printf("| %-34s | %10zu | %10zu |\n", "child processes", before.children, after.children);
    std::printf("| %-34s | %10d | %10zu |\n", "files in the output folder", 0, leftFiles);
    std::printf("\n| %-34s | %10s |\n", "cycles", "count");
    std::printf("|%s|%s|\n", std::string(36, '-').c_str(), std::string(12, '-').c_str());
    for (std::size_t k = 0; k < scripts.size(); ++k)
        std::printf("| %-34s | %10d |\n", (std::string("encoder ") + scripts[k].first).c_str(), perScript[k]);
    std::printf("| %-34s | %10d |\n", "ended before the Stop", endedFirst);
    std::printf("| %-34s | %10zu |\n", "stopped while running", stopToReaped.size());
    std::printf("| %-34s | %10d |\n", "still there 10 s after Stop", lingering);
    std::printf("| %-34s | %10d |\n", "end notices (natural ends)", receiver.ends);
    std::printf("\n| %-34s | %10s | %10s | %10s |\n", "stop -> child reaped (ms)", "p50", "p99", "max");
    std::printf("|%s|%s|%s|%s|\n", std::string(36, '-').c_str(), std::string(12, '-').c_str(),
                std::string(12, '-').c_str(), std::string(12, '-').c_str());
    std::printf("| %-34s | %10.3f | %10.3f | %10.3f |\n", "all stopped encoders",
                Percentile(stopToReaped, 0.5), Percentile(stopToReaped, 0.99), Percentile(stopToReaped, 1.0));
    const bool same = before.descriptors == after.descriptors && before.threads == after.threads &&
                      before.children == after.children && leftFiles == 0 && lingering == 0;
    std::printf("\n%s\n", same ? "Nothing left behind." : "SOMETHING WAS LEFT BEHIND.");
    return same ? 0 : 1;
}
