// How long the desktop program keeps its window frozen while a batch of many tiny files starts: 300
// short WAVs to "MP3 - MPEG Layer-3 Audio" with the real encoder, offscreen, through the main window's
// Convert command, with ConvertAtOnce 0 (one per core) and 1000 (as many as the machine allows).
// For each: when the batch window first paints, the longest the event loop went without a turn (a
// 5 ms timer's largest gap), the whole batch, and how many files were written.
// Run it from a Release build: bench_startup [files] [rounds]

#include "core/ConvertThread.h"
#include "core/Settings.h"
#include "gui/Application.h"
#include "gui/ConvertHint.h"
#include "gui/Dialogs.h"
#include "gui/Main.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

using namespace clipvane;

namespace {

const char* const kProfile = "MP3 - MPEG Layer-3 Audio";

class TBenchDialogs final : public TDialogs {
public:
    QStringList files;
    int messages = 0;

    QMessageBox::StandardButton Message(QWidget*, QMessageBox::Icon, const QString&, const QString& text,
                                        QMessageBox::StandardButtons, const QString& = QString()) override {
        ++messages;
        std::fprintf(stderr, "message: %s\n", qPrintable(text.left(200)));
        return QMessageBox::Ok;
    }
    QStringList OpenFileNames(QWidget*, const QString&, const QString&, const QString&) override {
        return files;
    }
    QString OpenFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString ExistingDirectory(QWidget*, const QString&, const QString&) override { return {}; }
    bool OpenUrl(const QUrl&) override { return true; }
};

// The first paint of a batch window, seen by the whole application.
class TFirstPaint final : public QObject {
public:
    QElapsedTimer* clock = nullptr;
    double ms = -1;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (ms < 0 && event->type() == QEvent::Paint && qobject_cast<TfrmConvert*>(watched))
            ms = static_cast<double>(clock->nsecsElapsed()) / 1e6;
        return false;
    }
};

struct TResult {
    std::size_t runners = 0;
    double shownMs = 0, freezeMs = 0, seconds = 0;
    int written = 0;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct TBench {
    QTemporaryDir dir;
    TBenchDialogs dialogs;
    QString in, out, settings;

    explicit TBench(int files) {
        in = dir.filePath(QStringLiteral("in"));
        out = dir.filePath(QStringLiteral("out"));
        settings = dir.filePath(QStringLiteral("settings"));
        QDir().mkpath(in);
        QDir().mkpath(settings);
        const QString first = in + QStringLiteral("/tiny 0000.wav");
        QProcess::execute(QStringLiteral("ffmpeg"),
                          {QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-f"),
                           QStringLiteral("lavfi"), QStringLiteral("-i"),
                           QStringLiteral("sine=frequency=440:duration=0.2:sample_rate=8000"), first});
        dialogs.files << first;
        for (int i = 1; i < files; ++i) {
            const QString copy = QStringLiteral("%1/tiny %2.wav").arg(in).arg(i, 4, 10, QLatin1Char('0'));
            QFile::copy(first, copy);
            dialogs.files << copy;
        }
        TDialogs::SetInstance(&dialogs);
    }
    ~TBench() { TDialogs::SetInstance(nullptr); }

    TResult Run(int atOnce) {
        QDir(out).removeRecursively();
        QDir().mkpath(out);
        QFile ini(settings + QStringLiteral("/settings.ini"));
        ini.open(QIODevice::WriteOnly | QIODevice::Truncate);
        ini.write(QStringLiteral("[Options]\nOutputDirectory=%1\nOutputFormat=%2\nConvertAtOnce=%3\n")
                      .arg(out, QString::fromUtf8(kProfile))
                      .arg(atOnce)
                      .toUtf8());
        ini.close();
        const std::string folder = settings.toStdString() + '/';
        TfrmMain window([folder] { return folder; });
        window.show();
        QCoreApplication::processEvents();

        TResult result;
        const auto cores = static_cast<unsigned>(std::max(1, QThread::idealThreadCount()));
        result.runners =
            RunnersFor(atOnce, static_cast<std::size_t>(dialogs.files.size()), cores, EncodersAllowed(cores));
        QElapsedTimer clock, sinceTick;
        TFirstPaint paint;
        paint.clock = &clock;
        qApp->installEventFilter(&paint);
        QTimer ticks;
        ticks.setInterval(5);
        QObject::connect(&ticks, &QTimer::timeout, [&] {
            result.freezeMs = std::max(result.freezeMs, static_cast<double>(sinceTick.nsecsElapsed()) / 1e6);
            sinceTick.restart();
        });
        clock.start();
        sinceTick.start();
        ticks.start();
        window.bConvertClick();
        ticks.stop();
        qApp->removeEventFilter(&paint);
        result.seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        result.shownMs = paint.ms;
        result.written = static_cast<int>(QDir(out).entryList({QStringLiteral("*.mp3")}).size());
        return result;
    }
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    const int files = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    TBench bench(files);
    std::printf("| ConvertAtOnce | runners | window painted after, median ms | longest freeze, median ms "
                "| whole batch, median s | written |\n|---|---|---|---|---|---|\n");
    for (const int atOnce : {0, 1000}) {
        std::vector<double> shown, freeze, seconds;
        TResult last;
        for (int round = 0; round < rounds; ++round) {
            last = bench.Run(atOnce);
            shown.push_back(last.shownMs);
            freeze.push_back(last.freezeMs);
            seconds.push_back(last.seconds);
        }
        std::printf("| %d | %zu | %.0f | %.0f | %.2f | %d/%d |\n", atOnce, last.runners, Median(shown),
                    Median(freeze), Median(seconds), last.written, files);
    }
    return bench.dialogs.messages == 0 ? 0 : 1;
}
