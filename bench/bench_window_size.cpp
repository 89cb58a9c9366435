// The desktop program's cost per file as the batch grows: N empty inputs converted one at a time
// through the main window's Convert command (offscreen, settings.ini in a scratch folder) with the
// compiled fake encoder, chosen as "another FFmpeg" with a typed command line that reports a second
// of progress, against the same N fake encoder runs in a plain shell loop. Rounds alternate the two,
// a loop first and last; the table gives medians of wall time and of CPU time (the process and
// every child it waited for), and the ratios are medians of each desktop run's own ratio to the
// mean of the loops just before and after it.
// A timer on the GUI thread notes the longest time it went without serving events: from the click
// until the first encoder has started (the batch being prepared), and over the whole batch. It runs
// in one more desktop run of each size, left out of the costs.
// Run it from a Release build: bench_window_size [rounds] [sizes...]   (default: 3 250 2000 10000);
// a size below 2000 files gets proportionally more rounds.

#include "gui/Application.h"
#include "gui/ConvertHint.h"
#include "gui/Dialogs.h"
#include "gui/Main.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace clipvane;

namespace {

class TBenchDialogs final : public TDialogs {
public:
    QStringList files;
    int messages = 0;

    QMessageBox::StandardButton Message(QWidget*, QMessageBox::Icon, const QString&, const QString& text,
                                        QMessageBox::StandardButtons,
                                        const QString& details = QString()) override {
        ++messages;
        std::fprintf(stderr, "message: %s\n%s\n", qPrintable(text.left(200)), qPrintable(details.left(400)));
        return QMessageBox::Ok;
    }
    QStringList OpenFileNames(QWidget*, const QString&, const QString&, const QString&) override {
        return files;
    }
    QString OpenFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString ExistingDirectory(QWidget*, const QString&, const QString&) override { return {}; }
    bool OpenUrl(const QUrl&) override { return true; }
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double CpuSeconds(bool withChildren = true) {
    const auto seconds = [](const rusage& usage) {
        return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
               static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    };
    rusage self{}, children{};
    getrusage(RUSAGE_SELF, &self);
    getrusage(RUSAGE_CHILDREN, &children);
    return seconds(self) + (withChildren ? seconds(children) : 0);
}

double GuiThreadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

struct TRun {
    double wall = 0, cpu = 0;
    double ownCpu = 0;                       // the program's alone, without the encoders'
    double guiCpu = 0;                       // of that, the GUI thread's
    double prepareGapMs = 0, batchGapMs = 0; // longest time without events served
};

// Notes the longest gap between the ticks of a fast timer, and apart the longest before `started`.
class TGapProbe final {
public:
    explicit TGapProbe(std::function<bool()> started)
        : m_started(std::move(started)) {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Tick(); });
        m_clock.start();
        m_timer.start();
    }
    void Tick() {
        const double now = static_cast<double>(m_clock.nsecsElapsed()) / 1e6;
        const double gap = now - m_last;
        m_last = now;
        m_longest = std::max(m_longest, gap);
        if (!m_seenStart) {
            m_beforeStart = std::max(m_beforeStart, gap);
            m_seenStart = m_started();
        }
    }
    double Longest() const { return m_longest; }
    double BeforeStart() const { return m_beforeStart; }

private:
    std::function<bool()> m_started;
    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_last = 0, m_longest = 0, m_beforeStart = 0;
    bool m_seenStart = false;
};

struct TBench {
    QTemporaryDir dir;
    TBenchDialogs dialogs;
    QString in, out, settings;
    int size = 0;

    TBench() {
        in = dir.filePath(QStringLiteral("in"));
        out = dir.filePath(QStringLiteral("out"));
        settings = dir.filePath(QStringLiteral("settings"));
        QDir().mkpath(settings);
        TDialogs::SetInstance(&dialogs);
    }
    ~TBench() { TDialogs::SetInstance(nullptr); }

    void Inputs(int n) {
        QDir(in).removeRecursively();
        QDir().mkpath(in);
        dialogs.files.clear();
        for (int i = 0; i < n; ++i) {
            const QString name = QStringLiteral("%1/f%2.avi").arg(in).arg(i);
            QFile(name).open(QIODevice::WriteOnly);
            dialogs.files << name;
        }
        size = n;
    }
    void FreshOutput() {
        QDir(out).removeRecursively();
        QDir().mkpath(out);
    }
    bool AllWritten() const { return QDir(out).entryList(QDir::Files | QDir::Hidden).size() == size; }

    // The same fake encoder runs, one after another, in the shell.
    TRun Loop() {
        FreshOutput();
        const QString script =
            QStringLiteral("for f in \"$1\"/*.avi; do n=${f##*/}; "
                           "\"$3\" -i \"$f\" --time 00:00:01.00 \"$2/${n%.avi}.mp3\" 2>/dev/null; done");
        TRun run;
        const double cpu = CpuSeconds();
        QElapsedTimer clock;
        clock.start();
        QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), script, QStringLiteral("sh"), in, out,
                                                 QStringLiteral(FAKE_ENCODER_PATH)});
        run.wall = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        run.cpu = CpuSeconds() - cpu;
        if (!AllWritten())
            std::fprintf(stderr, "the shell loop did not write %d files\n", size);
        return run;
    }

    // The main window's Convert command, clicked from the event loop as the user's click is.
    // `probed`: with the gap probe, whose timer wakes the GUI thread 200 times a second; such a run
    // gives the gaps only, as the probe's own work would pass for the program's.
    TRun Window(bool probed = false) {
        FreshOutput();
        QFile ini(settings + QStringLiteral("/settings.ini"));
        ini.open(QIODevice::WriteOnly | QIODevice::Truncate);
        // Joined, not QString::arg: that would take the command line's own "%1" for its own.
        ini.write("[Options]\nOutputDirectory=" + out.toUtf8() +
                  "\nOutputFormat=ffmpeg -i %1 --time 00:00:01.00 %1.mp3\nSameInput=0\nAnotherFFmpeg=" +
                  QByteArray(FAKE_ENCODER_PATH) + "\nNotUseAnotherFFmpeg=0\nConvertAtOnce=1\n");
        ini.close();
        const std::string folder = settings.toStdString() + '/';
        TfrmMain window([folder] { return folder; });
        window.show();
        QCoreApplication::processEvents();
        const int messages = dialogs.messages;
        std::unique_ptr<TGapProbe> probe;
        if (probed)
            probe = std::make_unique<TGapProbe>([] {
                const auto* batch = qobject_cast<TfrmConvert*>(QApplication::activeModalWidget());
                return batch && batch->Batch().Runner().EncoderStarts() > 0;
            });
        TRun run;
        QEventLoop loop;
        const double cpu = CpuSeconds();
        const double ownCpu = CpuSeconds(false);
        const double guiCpu = GuiThreadSeconds();
        QElapsedTimer clock;
        QTimer::singleShot(0, &window, [&] {
            clock.start();
            window.bConvertClick();
            run.wall = static_cast<double>(clock.nsecsElapsed()) / 1e9;
            loop.quit();
        });
        loop.exec();
        run.cpu = CpuSeconds() - cpu;
        run.ownCpu = CpuSeconds(false) - ownCpu;
        run.guiCpu = GuiThreadSeconds() - guiCpu;
        if (probe) {
            run.prepareGapMs = probe->BeforeStart();
            run.batchGapMs = probe->Longest();
        }
        if (!AllWritten() || dialogs.messages != messages)
            std::fprintf(stderr, "the desktop program did not write %d files\n", size);
        return run;
    }
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    std::vector<int> sizes;
    for (int i = 2; i < argc; ++i)
        sizes.push_back(std::max(1, std::atoi(argv[i])));
    if (sizes.empty())
        sizes = {250, 2000, 10000};
    TBench bench;
    std::printf("| files | loop wall ms/file | desktop wall ms/file | wall ratio | loop CPU ms/file | "
                "desktop CPU ms/file | of which its own | of which its GUI thread's | CPU ratio | longest "
                "gap preparing, ms | "
                "longest gap, ms |\n");
    std::printf("|---|---|---|---|---|---|---|---|---|---|---|\n");
    for (const int n : sizes) {
        bench.Inputs(n);
        std::vector<double> loopWall, loopCpu, wall, cpu, ownCpu, guiCpu, wallRatio, cpuRatio;
        TRun before = bench.Loop();
        loopWall.push_back(before.wall);
        loopCpu.push_back(before.cpu);
        // A small batch lasts a second or two, where the machine's moods weigh most: more of them.
        const int runs = std::max(rounds, rounds * 2000 / n);
        for (int round = 0; round < runs; ++round) {
            const TRun window = bench.Window();
            const TRun after = bench.Loop();
            loopWall.push_back(after.wall);
            loopCpu.push_back(after.cpu);
            wall.push_back(window.wall);
            cpu.push_back(window.cpu);
            ownCpu.push_back(window.ownCpu);
            guiCpu.push_back(window.guiCpu);
            // Against the loops on either side of it: the machine's speed drifts over minutes.
            wallRatio.push_back(2 * window.wall / (before.wall + after.wall));
            cpuRatio.push_back(2 * window.cpu / (before.cpu + after.cpu));
            before = after;
        }
        const TRun probed = bench.Window(true);
        const double lw = Median(loopWall), lc = Median(loopCpu), w = Median(wall), c = Median(cpu);
        std::printf("| %d | %.2f | %.2f | %.2f | %.2f | %.2f | %.2f | %.2f | %.2f | %.1f | %.1f |\n", n,
                    1000 * lw / n, 1000 * w / n, Median(wallRatio), 1000 * lc / n, 1000 * c / n,
                    1000 * Median(ownCpu) / n, 1000 * Median(guiCpu) / n, Median(cpuRatio),
                    probed.prepareGapMs, probed.batchGapMs);
        std::fflush(stdout);
    }
    return bench.dialogs.messages == 0 ? 0 : 1;
}
