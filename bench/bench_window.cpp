// The desktop program converting a batch with several files at once: 12 twenty-second clips to
// "MP3 - MPEG Layer-3 Audio" with the real encoder, offscreen, through the main window's Convert
// command. The same 12 encoder commands run by a plain pool (xargs -P, as many at a time as the
// window runs) are the yardstick of what the machine gives at the moment: the window's several at
// once should take no more than 1.10 of the pool's time. Rounds alternate the ways; the table gives
// medians. Then how soon a click on Stop is handled while two files convert, and how soon after an
// encoder's last line the window says it has gone silent (with the notice's interval cut to 2 s).
// Run it from a Release build: bench_window [rounds] [stop tries] [silence tries]

#include "core/profiles/ProfileCatalog.h"
#include "gui/Application.h"
#include "gui/ConvertHint.h"
#include "gui/Dialogs.h"
#include "gui/Main.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using namespace clipvane;

namespace {

const char* const kProfile = "MP3 - MPEG Layer-3 Audio";
constexpr int kClips = 12;

// Hands the Convert command the clips and counts what it would have told the user.
class TBenchDialogs final : public TDialogs {
public:
    QStringList files;
    int messages = 0;

    QMessageBox::StandardButton Message(QWidget*, QMessageBox::Icon, const QString&, const QString& text,
                                        QMessageBox::StandardButtons, const QString& = QString()) override {
        ++messages;
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
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

double Percentile(std::vector<double> values, double p) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
    return values[std::min(index, values.size() - 1)];
}

struct TBench {
    QTemporaryDir dir;
    TBenchDialogs dialogs;
    QString in, out, settings;

    TBench() {
        in = dir.filePath(QStringLiteral("in"));
        out = dir.filePath(QStringLiteral("out"));
        settings = dir.filePath(QStringLiteral("settings"));
        QDir().mkpath(in);
        QDir().mkpath(settings);
        for (int i = 1; i <= kClips; ++i) {
            const QString clip = QStringLiteral("%1/clip %2.wav").arg(in).arg(i, 2, 10, QLatin1Char('0'));
            QProcess::execute(
                QStringLiteral("ffmpeg"),
                {QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-f"),
                 QStringLiteral("lavfi"), QStringLiteral("-i"),
                 QStringLiteral("sine=frequency=%1:duration=20:sample_rate=44100").arg(200 + 20 * i),
                 QStringLiteral("-ac"), QStringLiteral("2"), clip});
            dialogs.files << clip;
        }
        TDialogs::SetInstance(&dialogs);
    }
    ~TBench() { TDialogs::SetInstance(nullptr); }

    void FreshOutput() {
        QDir(out).removeRecursively();
        QDir().mkpath(out);
    }
    bool AllWritten() const { return QDir(out).entryList({QStringLiteral("*.mp3")}).size() == kClips; }

    // The main window as settings.ini leaves it, with `atOnce` files converted at once.
    std::unique_ptr<TfrmMain> MainWindow(int atOnce) {
        QFile ini(settings + QStringLiteral("/settings.ini"));
        ini.open(QIODevice::WriteOnly | QIODevice::Truncate);
        ini.write(QStringLiteral("[Options]\nOutputDirectory=%1\nOutputFormat=%2\nConvertAtOnce=%3\n")
                      .arg(out, QString::fromUtf8(kProfile))
                      .arg(atOnce)
                      .toUtf8());
        ini.close();
        const std::string folder = settings.toStdString() + '/';
        auto window = std::make_unique<TfrmMain>([folder] { return folder; });
        window->show();
        return window;
    }

    // Seconds for the Convert command with `atOnce` files at once.
    double Window(int atOnce) {
        FreshOutput();
        const auto window = MainWindow(atOnce);
        QElapsedTimer clock;
        clock.start();
        window->bConvertClick();
        const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        if (!AllWritten())
            std::fprintf(stderr, "%d at once did not write %d files\n", atOnce, kClips);
        return seconds;
    }

    // Seconds for the same encoder commands in the shell: one after another, or `atOnce` at a time
    // (what the machine itself gives: the yardstick for the window's several at once).
    double Loop(int atOnce = 1) {
        FreshOutput();
        const QString params = QString::fromStdString(GetFFmpegParams(kProfile));
        const QString script =
            atOnce == 1 ? QStringLiteral("for f in \"$1\"/*.wav; do n=$(basename \"$f\" .wav); "
                                         "ffmpeg -nostdin -loglevel error -y -i \"$f\" %1\"$2/$n.mp3\"; done")
                              .arg(params)
                        : QStringLiteral(
                              "for f in \"$1\"/*.wav; do printf '%s\\0' \"$f\"; done | xargs -0 -P %1 -n 1 "
                              "sh -c 'ffmpeg -nostdin -loglevel error -y -i \"$1\" %2\"$0/$(basename \"$1\" "
                              ".wav).mp3\"' \"$2\"")
                              .arg(atOnce)
                              .arg(params);
        QElapsedTimer clock;
        clock.start();
        QProcess::execute(QStringLiteral("sh"),
                          {QStringLiteral("-c"), script, QStringLiteral("sh"), in, out});
        const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        if (!AllWritten())
            std::fprintf(stderr, "the shell loop did not write %d files\n", kClips);
        return seconds;
    }

    // Milliseconds from a click on Stop reaching the queue to the batch window closed, two at once.
    double StopLatency() {
        FreshOutput();
        const auto window = MainWindow(2);
        double ms = -1;
        const int delay = 100 + static_cast<int>(QRandomGenerator::global()->bounded(350));
        QElapsedTimer clock;
        QTimer::singleShot(delay, window.get(), [&] {
            auto* batch = qobject_cast<TfrmConvert*>(QApplication::activeModalWidget());
            auto* stop = batch ? batch->findChild<QPushButton*>(QStringLiteral("bStop")) : nullptr;
            if (!stop) {
                QWidget* modal = QApplication::activeModalWidget();
                std::fprintf(stderr, "no batch window: %s\n",
                             modal ? modal->metaObject()->className() : "none");
                return;
            }
            QObject::connect(batch, &QDialog::finished,
                             [&ms, &clock] { ms = static_cast<double>(clock.nsecsElapsed()) / 1e6; });
            const QPointF at = QRectF(stop->rect()).center();
            clock.start();
            // Queued as the window system delivers a click, behind the encoders' notices.
            QCoreApplication::postEvent(stop,
                                        new QMouseEvent(QEvent::MouseButtonPress, at, stop->mapToGlobal(at),
                                                        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
            QCoreApplication::postEvent(stop,
                                        new QMouseEvent(QEvent::MouseButtonRelease, at, stop->mapToGlobal(at),
                                                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
        });
        window->bConvertClick();
        return ms;
    }

    // Milliseconds from the encoder's last line to the window saying it is silent, beyond the
    // notice's interval of `stallMs`.
    double SilenceNotice(std::int64_t stallMs) {
        FreshOutput();
        const QString log = dir.filePath(QStringLiteral("silence.log"));
        QFile::remove(log);
        TConvertProcess runner;
        TfrmConvert window(nullptr, runner, {dialogs.files.front().toStdString()}, 1);
        window.Job().OutputExt = ".mp3";
        // The line, then the steady clock's time of it, then nothing until killed.
        window.Job().FFmpegParams = "--err line\n --log " + log.toStdString() + " said --hang ";
        window.Job().FFmpegPath = FAKE_ENCODER_PATH;
        window.Job().NotUseAnotherFFmpeg = false;
        window.SameInput = [] { return false; };
        window.OutputFolder = [this] { return out.toStdString(); };
        window.StallMs = stallMs;
        auto* notice = window.findChild<QLabel*>(QStringLiteral("lStall"));
        std::int64_t shownNs = -1;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (notice->isVisible()) {
                shownNs = std::chrono::duration_cast<std::chrono::nanoseconds>(
                              std::chrono::steady_clock::now().time_since_epoch())
                              .count();
                window.done(QDialog::Rejected);
            }
        });
        watch.start(1);
        QTimer::singleShot(static_cast<int>(stallMs) + 5000, &window, [&window] { window.done(99); });
        window.exec();
        QFile file(log);
        file.open(QIODevice::ReadOnly);
        const QList<QByteArray> fields = file.readAll().trimmed().split(' ');
        if (shownNs < 0 || fields.size() != 2)
            return -1;
        return static_cast<double>(shownNs - fields[1].toLongLong()) / 1e6 - static_cast<double>(stallMs);
    }
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const int tries = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
    const int silences = argc > 3 ? std::max(1, std::atoi(argv[3])) : 5;
    TBench bench;
    const int runners = std::max(1, QThread::idealThreadCount());
    std::vector<double> loop, shellAtOnce, one, several;
    for (int round = 0; round < rounds; ++round) {
        loop.push_back(bench.Loop());
        shellAtOnce.push_back(bench.Loop(runners));
        several.push_back(bench.Window(0));
        one.push_back(bench.Window(1));
    }
    std::vector<double> stops;
    int missed = 0;
    for (int i = 0; i < tries; ++i) {
        const double ms = bench.StopLatency();
        if (ms < 0)
            ++missed; // the batch had ended before the click
        else
            stops.push_back(ms);
    }
    std::vector<double> silence;
    for (int i = 0; i < silences; ++i)
        silence.push_back(bench.SilenceNotice(2000));
    const double l = Median(loop), x = Median(shellAtOnce), o = Median(one), s = Median(several);
    std::printf("| figure | measured | target |\n|---|---|---|\n");
    std::printf("| shell loop of the 12 encoder commands, median s | %.2f | |\n", l);
    std::printf("| plain pool, %d encoder commands at a time (xargs -P), median s | %.2f | |\n", runners, x);
    std::printf("| desktop, one at a time, median s | %.2f | |\n", o);
    std::printf("| desktop, several at once (%d runners), median s | %.2f | |\n", runners, s);
    std::printf("| what the machine gives now: pool / shell loop | %.2f | |\n", x / l);
    std::printf("| desktop several at once / one at a time | %.2f | |\n", s / o);
    std::printf("| desktop several at once / plain pool | %.2f | <= 1.10 |\n", s / x);
    std::printf("| desktop one at a time / shell loop | %.2f | <= 1.03 |\n", o / l);
    std::printf("| Stop click to window closed, two at once, p99 ms (n=%zu, %d too late) | %.1f | <= 50 |\n",
                stops.size(), missed, Percentile(stops, 0.99));
    std::printf("| Stop click to window closed, median ms | %.1f | |\n", Percentile(stops, 0.5));
    std::printf(
        "| encoder's last line to the silence notice, beyond its interval, median ms (n=%zu) | %.1f | "
        "<= 300 |\n",
        silence.size(), Median(silence));
    std::printf("| the same, worst ms | %.1f | |\n", silence.empty() ? 0.0 : Percentile(silence, 1.0));
    return bench.dialogs.messages == 0 ? 0 : 1;
}
