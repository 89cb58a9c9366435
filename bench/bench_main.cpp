// The desktop program's speed: start to the main window shown (a fresh process each run, offscreen),
// resident memory once shown, the profile menu's first popup, and how soon a "time=" line written by
// the encoder shows in the batch window's progress bar.
// Run it from a Release build: bench_main [runs]

#include "core/ConvertThread.h"
#include "core/ProcessInfo.h"
#include "gui/Application.h"
#include "gui/ConvertHint.h"
#include "gui/Main.h"
#include "gui/SingleInstance.h"
#include "gui/profiles/ProfileMenu.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using namespace clipvane;

namespace {

long long NowNs() { // CLOCK_MONOTONIC: comparable across processes and with the fake encoder's stamps
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double Ms(long long ns) {
    return ns / 1e6;
}

// Calls `onPaint` when `target` has been painted: the whole paint, not its start.
class TPaintWatch final : public QObject {
public:
    TPaintWatch(QWidget* target, std::function<void()> onPaint)
        : m_target(target)
        , m_onPaint(std::move(onPaint)) {
        target->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != m_target || event->type() != QEvent::Paint || m_inside)
            return false;
        m_inside = true;
        QCoreApplication::sendEvent(m_target, event);
        m_inside = false;
        m_onPaint();
        return true;
    }

private:
    QWidget* m_target;
    std::function<void()> m_onPaint;
    bool m_inside = false;
};

long long ResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return 0;
}

// One start, as the program makes it; prints "startup_ms rss_kb popup_ms".
int Child(int argc, char** argv) {
    const long long t0 = qEnvironmentVariable("CLIPVANE_BENCH_T0").toLongLong();
    TSingleInstance instance(InstanceFolder(), InstanceKey());
    if (instance.Claim(5000) != TSingleInstance::TClaim::Primary)
        return 1;
    TApplication app(argc, argv);
    instance.Listen();
    const std::string settings = qEnvironmentVariable("CLIPVANE_SETTINGS_DIR").toStdString() + '/';
    TfrmMain window([&settings] { return settings; });
    bool painted = false;
    TPaintWatch watch(&window, [&painted] { painted = true; });
    window.show();
    while (!painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const long long shown = NowNs();
    const long long rss = ResidentKb();

    QMenu* menu = window.Picker().pmType();
    bool menuPainted = false;
    TPaintWatch menuWatch(menu, [&menuPainted] { menuPainted = true; });
    const long long asked = NowNs();
    window.Picker().fpTypeClick(nullptr);
    while (!menuPainted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const long long popped = NowNs();
    std::printf("%.2f %lld %.2f\n", Ms(shown - t0), rss, Ms(popped - asked));
    return 0;
}

double Percentile(std::vector<double> values, double p) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

// The batch window over the fake encoder, ticking 99 "time=" lines; the latency of each to the bar.
std::vector<double> BarLatencies(const QString& folder) {
    TConvertProcess runner;
    const std::string input = QString(folder + QStringLiteral("/in.avi")).toStdString();
    QFile(QString::fromStdString(input)).open(QIODevice::WriteOnly);
    TfrmConvert batch(nullptr, runner, {input});
    batch.Job().OutputExt = ".txt";
    batch.Job().FFmpegParams = "--duration 00:01:40.00 --ticks 99 15 ";
    batch.Job().FFmpegPath = FAKE_ENCODER_PATH;
    batch.Job().NotUseAnotherFFmpeg = false;
    auto* bar = batch.findChild<QProgressBar*>(QStringLiteral("suiProgressBar2"));
    std::vector<std::pair<long long, int>> paints;
    TPaintWatch watch(bar, [&] { paints.emplace_back(NowNs(), bar->value()); });
    QTimer::singleShot(60000, &batch, [&batch] { batch.done(0); });
    batch.exec();
    std::vector<double> latencies;
    QFile records(folder + QStringLiteral("/in.txt"));
    if (!records.open(QIODevice::ReadOnly))
        return latencies;
    int percent = 0;
    for (const QByteArray& line : records.readAll().split('\n')) {
        if (!line.startsWith("tick "))
            continue;
        const long long tick = line.mid(5).toLongLong();
        ++percent;
        const auto shown = std::find_if(paints.begin(), paints.end(),
                                        [&](const auto& paint) { return paint.second >= percent; });
        if (shown != paints.end())
            latencies.push_back(Ms(shown->first - tick));
    }
    return latencies;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--child")
        return Child(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    QTemporaryDir dir;
    std::vector<double> startups, rss, popups;
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("CLIPVANE_INSTANCE_DIR"), dir.filePath(QStringLiteral("instance")));
        env.insert(QStringLiteral("CLIPVANE_SETTINGS_DIR"), dir.path());
        env.insert(QStringLiteral("CLIPVANE_BENCH_T0"), QString::number(NowNs()));
        child.setProcessEnvironment(env);
        child.start(QString::fromLocal8Bit(argv[0]), {QStringLiteral("--child")});
        if (!child.waitForFinished(30000) || child.exitCode() != 0) {
            std::fprintf(stderr, "run %d failed\n", i);
            return 1;
        }
        const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
        startups.push_back(figures.value(0).toDouble());
        rss.push_back(figures.value(1).toDouble() / 1024.0);
        popups.push_back(figures.value(2).toDouble());
    }

    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    const std::vector<double> bar = BarLatencies(dir.path());

    std::printf("%-44s %9s %9s %9s %5s\n", "figure", "median", "p99", "target", "n");
    std::printf("%-44s %9.1f %9.1f %9s %5zu\n", "start to main window shown (ms)", Percentile(startups, 0.5),
                Percentile(startups, 0.99), "<= 150", startups.size());
    std::printf("%-44s %9.1f %9.1f %9s %5zu\n", "resident memory once shown (MB)", Percentile(rss, 0.5),
                Percentile(rss, 0.99), "<= 40", rss.size());
    std::printf("%-44s %9.1f %9.1f %9s %5zu\n", "profile menu's first popup (ms)", Percentile(popups, 0.5),
                Percentile(popups, 0.99), "<= 30", popups.size());
    std::printf("%-44s %9.1f %9.1f %9s %5zu\n", "encoder \"time=\" line to bar repainted (ms)",
                Percentile(bar, 0.5), Percentile(bar, 0.99), "p99 <= 16", bar.size());
    return 0;
}
