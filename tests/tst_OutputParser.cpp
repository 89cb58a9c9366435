#include "core/OutputParser.h"

#include <QDateTime>
#include <QFile>
#include <QTest>
#include <QThread>

#include <chrono>

using namespace clipvane;
using namespace Qt::StringLiterals;

namespace {

// Hands out the listed instants (seconds after day 0) one call at a time and counts the calls,
// so a row also proves when the parser looks at the clock.
struct TScriptedClock {
    QList<double> Seconds;
    qsizetype Calls = 0;

    static double Now(void* context) {
        auto* self = static_cast<TScriptedClock*>(context);
        const qsizetype i = self->Calls++;
        return i < self->Seconds.size() ? self->Seconds.at(i) / 86400.0 : -1.0e6;
    }
};

QString ReportText(const TProcessInfo& info) {
    QString text =
        QStringLiteral("%1 %2 %3")
            .arg(info.Percent)
            .arg(QString::fromStdString(info.TimeElapsed), QString::fromStdString(info.TimeEstimated));
    if (info.Status != 0)
        text += QStringLiteral(" status %1").arg(info.Status);
    return text;
}

// Debian's ffmpeg converting a 25-second WAV to MP3, its standard error as written.
QByteArray Capture() {
    QFile file(QStringLiteral(CLIPVANE_TEST_DATA "/ffmpeg-wav-to-mp3.stderr"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

double SecondsSinceDayZero(void* context) {
    return ++*static_cast<int*>(context) / 86400.0; // one second later at every look
}

// Feeds the pieces as successive reads of one pipe, as the runner does, and lists what came out:
// the reports, then "kept" and the kept lines, then the duration and the progress mark.
QStringList FeedInPieces(const QByteArrayList& pieces) {
    TParseState state;
    TPipeTail tail;
    int clock = 0;
    QStringList out;
    const auto post = [&out](const TProcessInfo& info) { out << ReportText(info); };
    for (const QByteArray& piece : pieces)
        ParseOutput(std::string_view(piece.constData(), piece.size()), state, &SecondsSinceDayZero, &clock,
                    post, &tail);
    FlushTail(tail, state, &SecondsSinceDayZero, &clock, post);
    out << u"kept"_s;
    for (const std::string& line : state.Kept.Lines())
        out << QString::fromStdString(line);
    out << QString::number(state.TotalSeconds) << QString::number(state.HasProgress);
    return out;
}

std::int64_t UtcMilliseconds() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

} // namespace

class tst_OutputParser final : public QObject {
    Q_OBJECT

private slots:
    void parse_data() {
        QTest::addColumn<QByteArrayList>("chunks");
        QTest::addColumn<qint64>("totalBefore"); // TotalSeconds from earlier chunks, read at day 0
        QTest::addColumn<QList<double>>("clock");
        QTest::addColumn<QStringList>("reports");
        QTest::addColumn<bool>("hasProgress");
        QTest::addColumn<qint64>("totalAfter");

        const auto row = [](const char* name, QByteArrayList chunks, qint64 totalBefore, QList<double> clock,
                            std::initializer_list<const char*> reports, bool hasProgress, qint64 totalAfter) {
            QStringList expected;
            for (const char* report : reports)
                expected << QString::fromLatin1(report);
            QTest::newRow(name) << chunks << totalBefore << clock << expected << hasProgress << totalAfter;
        };
        const QByteArray dur100 = "  Duration: 00:01:40.00, start: 0.000000, bitrate: 1411 kb/s\n";

        // Duration and position
        row("duration in one chunk, time 10 s later in the next", {dur100, "time=00:00:25.00\r"}, 0, {0, 10},
            {"25 00:10 00:40"}, true, 100);
        row("duration and time on one line", {"Duration: 00:01:40.00 time=00:00:50.00\r"}, 0, {0, 5},
            {"50 00:05 00:10"}, true, 100);
        row("a clock that stepped back shows no negative time", {dur100, "time=00:00:25.00\r"}, 0, {3600, 10},
            {"25 00:00 00:00"}, true, 100);
        row("every duration line restarts the clock",
            {dur100 + "  Duration: 00:01:40.00\n" + "time=00:00:25.00\r"}, 0, {0, 6, 10}, {"25 00:04 00:16"},
            true, 100);
        row("100 hours and more: every digit of the hours counts",
            {"Duration: 125:00:00.00\rtime=100:00:00.00\r"}, 0, {0, 3}, {"80 00:03 00:04"}, true, 450000);
        row("duration fields carry to the next line of the chunk",
            {"Duration: 00:01:40.00\rDuration: 00:02\r"}, 0, {0, 0}, {}, false, 100);
        row("duration fields start at 0 in each chunk", {"Duration: 00:01:40.00\r", "Duration: 00:02\r"}, 0,
            {0, 0}, {}, false, 0);
        row("blank before the colon is no duration key", {"Duration : 00:01:40.00\r"}, 7, {}, {}, false, 7);
        row("Duration: N/A clears an earlier duration", {"  Duration: N/A, start: 0.000000, bitrate: N/A\n"},
            100, {0}, {}, false, 0);
        row("no duration at all: progress but no report", {"time=00:00:25.00\r"}, 0, {}, {}, true, 0);

        // Time position
        row("sub-second position is 0: no report, still progress", {"time=00:00:00.50\r"}, 100, {}, {}, true,
            100);
        row("seconds only, two digits", {"time=12.34\r"}, 100, {5}, {"12 00:05 00:42"}, true, 100);
        row("seconds only, one digit is no time", {"time=5.20\r"}, 100, {}, {}, true, 100);
        row("seconds only, three digits is no time", {"time=123.45\r"}, 100, {}, {}, true, 100);
        row("time without a dot repeats the chunk's position", {"time=00:00:25.00\rtime=00:00:30\r"}, 100,
            {10, 12}, {"25 00:10 00:40", "25 00:12 00:48"}, true, 100);
        row("time without a dot at chunk start: no position yet", {"time=00:00:25.00\r", "time=00:00:30\r"},
            100, {10}, {"25 00:10 00:40"}, true, 100);
        row("time=N/A with a dot later in the speed", {"size=N/A time=N/A bitrate=N/A speed=1.23x    \r"},
            100, {}, {}, true, 100);
        row("time=N/A after a report repeats the chunk's percent",
            {"time=00:00:25.00\rsize=N/A time=N/A bitrate=N/A speed=1.23x\r"}, 100, {10, 11},
            {"25 00:10 00:40", "25 00:11 00:44"}, true, 100);
        row("key inside a longer word still counts", {"realtime=00:00:25.00\r"}, 100, {10},
            {"25 00:10 00:40"}, true, 100);
        row("progress line cut by a read boundary",
            {"frame=  626 fps=0.0 q=2.0 size=  512kB time=00:00:25.00 bitrate= 167.8kbits/s speed=50x    \r"
             "frame=  751 fps=0.0 q=2.0 size=  640kB time=00:00:3",
             "0.00 bitrate= 174.8kbits/s speed=50x    \r"},
            100, {10, 10}, {"25 00:10 00:40", "25 00:10 00:40"}, true, 100);

        // Percent range and arithmetic
        row("exactly the duration is 100 %", {"time=00:01:40.00\r"}, 100, {20}, {"100 00:20 00:20"}, true,
            100);
        row("past the duration: no report", {"time=00:01:41.00\r"}, 100, {}, {}, true, 100);
        row("percent is truncated", {"time=00:00:01.00\r"}, 3, {1}, {"33 00:01 00:03"}, true, 3);
        row("several lines in one chunk report in order",
            {"time=00:00:10.00\rtime=00:00:20.00\rtime=00:00:50.00\r"}, 100, {1, 2, 5},
            {"10 00:01 00:10", "20 00:02 00:10", "50 00:05 00:10"}, true, 100);
        row("minutes past 60 are not wrapped", {"time=01:00:00.00\r"}, 7200, {4000}, {"50 66:40 133:20"},
            true, 7200);

        // Rounding: ties go to the even second; the estimate starts from the rounded elapsed time
        row("elapsed 2.5 s rounds down to 2", {"time=00:00:50.00\r"}, 100, {2.5}, {"50 00:02 00:04"}, true,
            100);
        row("elapsed 3.5 s rounds up to 4", {"time=00:00:50.00\r"}, 100, {3.5}, {"50 00:04 00:08"}, true,
            100);
        row("estimate 2.5 s rounds down to 2", {"time=00:00:40.00\r"}, 100, {1}, {"40 00:01 00:02"}, true,
            100);
        row("estimate 7.5 s rounds up to 8", {"time=00:00:40.00\r"}, 100, {3}, {"40 00:03 00:08"}, true, 100);
        row("estimate uses the rounded elapsed time", {"time=00:00:40.00\r"}, 100, {2.4}, {"40 00:02 00:05"},
            true, 100);

        // Keys, line endings, empty input
        row("upper-case keys", {"DURATION: 00:01:40.00\rTime=00:00:25.00\r"}, 0, {0, 10}, {"25 00:10 00:40"},
            true, 100);
        row("CR ends a line", {"time=00:00:10.00\rtime=00:00:20.00\r"}, 100, {1, 2},
            {"10 00:01 00:10", "20 00:02 00:10"}, true, 100);
        row("LF ends a line", {"time=00:00:10.00\ntime=00:00:20.00\n"}, 100, {1, 2},
            {"10 00:01 00:10", "20 00:02 00:10"}, true, 100);
        row("CR LF ends a line once", {"time=00:00:10.00\r\ntime=00:00:20.00\r\n"}, 100, {1, 2},
            {"10 00:01 00:10", "20 00:02 00:10"}, true, 100);
        row("CR CR LF ends a line", {"time=00:00:10.00\r\r\ntime=00:00:20.00\r\r\n"}, 100, {1, 2},
            {"10 00:01 00:10", "20 00:02 00:10"}, true, 100);
        row("last line without an ending counts", {"time=00:00:10.00\rtime=00:00:20.00"}, 100, {1, 2},
            {"10 00:01 00:10", "20 00:02 00:10"}, true, 100);
        row("zero-byte chunk changes nothing", {""}, 100, {}, {}, false, 100);

        // Byte for byte as Debian 12's ffmpeg 5.1 writes them to stderr
        row("ffmpeg: mp4 to avi, final line ends in LF",
            {"Input #0, mov,mp4,m4a,3gp,3g2,mj2, from 'x.mp4':\n  Metadata:\n    major_brand     : isom\n"
             "  Duration: 00:00:03.00, start: 0.000000, bitrate: 410 kb/s\n"
             "  Stream #0:0[0x1](und): Video: mpeg4 (Simple Profile) (mp4v / 0x7634706D), yuv420p, 320x240 "
             "[SAR 1:1 DAR 4:3], 331 kb/s, 25 fps, 25 tbr, 12800 tbn (default)\n"
             "Press [q] to stop, [?] for help\n",
             "frame=    1 fps=0.0 q=4.7 size=       0kB time=00:00:00.00 bitrate=4512.8kbits/s "
             "speed=0.00413x    \r"
             "frame=   75 fps=0.0 q=2.0 Lsize=     150kB time=00:00:03.01 bitrate= 407.8kbits/s speed=13.1x  "
             "  \n"
             "video:121kB audio:26kB subtitle:0kB other streams:0kB global headers:0kB muxing overhead: "
             "2.260796%\n"},
            0, {0, 1}, {"100 00:01 00:01"}, true, 3);
        row("ffmpeg: two lavfi inputs, Duration: N/A twice",
            {"Input #0, lavfi, from 'testsrc=duration=3:size=320x240:rate=25':\n"
             "  Duration: N/A, start: 0.000000, bitrate: N/A\n"
             "  Stream #0:0: Video: rawvideo (RGB[24] / 0x18424752), rgb24, 320x240 [SAR 1:1 DAR 4:3], 25 "
             "tbr, "
             "25 tbn\n"
             "Input #1, lavfi, from 'sine=duration=3':\n"
             "  Duration: N/A, start: 0.000000, bitrate: 705 kb/s\n"
             "  Stream #1:0: Audio: pcm_s16le, 44100 Hz, mono, s16, 705 kb/s\n",
             "frame=   75 fps=0.0 q=2.0 Lsize=     150kB time=00:00:03.01 bitrate= 407.8kbits/s speed=13.1x  "
             "  \n"},
            0, {0, 0}, {}, true, 0);
        row("ffmpeg: audio only, CR-separated progress without frame=",
            {"Guessed Channel Layout for Input Stream #0.0 : mono\nInput #0, wav, from 's.wav':\n"
             "  Duration: 00:10:00.00, bitrate: 705 kb/s\n",
             "size=       0kB time=00:00:00.00 bitrate=N/A speed=N/A    \r"
             "size=     256kB time=00:00:34.92 bitrate=  60.1kbits/s speed=69.8x    \r"
             "size=     512kB time=00:01:13.28 bitrate=  57.2kbits/s speed=73.2x    \r"
             "size=     768kB time=00:01:55.77 bitrate=  54.3kbits/s speed=77.1x    \r"},
            0, {0, 1, 2, 3}, {"5 00:01 00:20", "12 00:02 00:17", "19 00:03 00:16"}, true, 600);
        row("ffmpeg: audio copy with exponent speed",
            {"  Duration: 02:00:00.00, bitrate: 64 kb/s\n",
             "size=       4kB time=00:00:00.51 bitrate=  65.2kbits/s speed=5.12e+05x    \r"
             "size=   56250kB time=02:00:00.00 bitrate=  64.0kbits/s speed=8.88e+04x    \n"},
            0, {0, 1}, {"100 00:01 00:01"}, true, 7200);
    }

    void parse() {
        QFETCH(QByteArrayList, chunks);
        QFETCH(qint64, totalBefore);
        QFETCH(QList<double>, clock);
        QFETCH(QStringList, reports);
        QFETCH(bool, hasProgress);
        QFETCH(qint64, totalAfter);

        TParseState state;
        state.TotalSeconds = totalBefore;
        TScriptedClock scripted{clock};
        QStringList posted;
        for (const QByteArray& chunk : chunks) {
            ParseOutput(std::string_view(chunk.constData(), chunk.size()), state, &TScriptedClock::Now,
                        &scripted, [&](const TProcessInfo& info) { posted << ReportText(info); });
        }
        QCOMPARE(posted, reports);
        QCOMPARE(state.HasProgress, hasProgress);
        QCOMPARE(qint64{state.TotalSeconds}, totalAfter);
        QCOMPARE(scripted.Calls, clock.size());
    }

    // Which lines are kept for the report of a failed file, chunk by chunk as the runner reads them.
    void keptLines_data() {
        QTest::addColumn<QByteArrayList>("chunks");
        QTest::addColumn<bool>("withTail"); // as the runner reads a pipe: split lines are joined
        QTest::addColumn<QStringList>("kept");
        QTest::newRow("progress and duration lines are not kept")
            << QByteArrayList{"  Duration: 00:00:10.00, start: 0.000000\nframe= 1 TIME=00:00:01.00 x\r"
                              "bad.avi: Invalid data found when processing input\n"}
            << true << QStringList{u"bad.avi: Invalid data found when processing input"_s};
        QTest::newRow("CR, LF and CR LF end lines; blanks trimmed, empty lines skipped")
            << QByteArrayList{"  one \r\n\r\ntwo\rthree\n \t \n"} << true
            << QStringList{u"one"_s, u"two"_s, u"three"_s};
        QTest::newRow("a line split between reads is kept whole")
            << QByteArrayList{"Error opening in", "put fi", "le\nnext"} << true
            << QStringList{u"Error opening input file"_s, u"next"_s};
        QTest::newRow("a progress line split between reads is not kept")
            << QByteArrayList{"frame= 5 ti", "me=00:00:01.00 bitrate=1\r"} << true << QStringList{};
        QTest::newRow("a read that ends at a line end leaves nothing waiting")
            << QByteArrayList{"first\n", "second\n"} << true << QStringList{u"first"_s, u"second"_s};
        QTest::newRow("without a tail each read's pieces are kept as read")
            << QByteArrayList{"Err", "or\n"} << false << QStringList{u"Err"_s, u"or"_s};
        QByteArray flood;
        for (int i = 1; i <= 12; ++i)
            flood += "line" + QByteArray::number(i) + ' ' + QByteArray(400, 'y') + "\ntime=00:00:01.00\r";
        QStringList last8;
        for (int i = 5; i <= 12; ++i)
            last8 << QString(u"line%1 "_s.arg(i) + QString(400, u'y')).left(300);
        QTest::newRow("only the last 8, each cut at 300") << QByteArrayList{flood} << true << last8;
        QTest::newRow("the version banner is not kept, what follows is")
            << QByteArrayList{"ffmpeg version 5.1.9-0+deb12u1 Copyright (c) 2000-2026 the FFmpeg developers\n"
                              "  built with gcc 12 (Debian 12.2.0-14+deb12u1)\n"
                              "  configuration: --prefix=/usr --extra-version=0+deb12u1\n"
                              "  libavutil      57. 28.100 / 57. 28.100\n"
                              "  libpostproc    56.  6.100 / 56.  6.100\n"
                              "libx264 is no banner\n"
                              "/out/a.mp3: Operation not permitted\n"}
            << true << QStringList{u"libx264 is no banner"_s, u"/out/a.mp3: Operation not permitted"_s};
    }
    void keptLines() {
        QFETCH(QByteArrayList, chunks);
        QFETCH(bool, withTail);
        QFETCH(QStringList, kept);
        TParseState state;
        TPipeTail tail;
        TScriptedClock clock{{}};
        for (const QByteArray& chunk : chunks)
            ParseOutput(
                std::string_view(chunk.constData(), chunk.size()), state, &TScriptedClock::Now, &clock,
                [](const TProcessInfo&) {}, withTail ? &tail : nullptr);
        FlushTail(tail, state, &TScriptedClock::Now, &clock, [](const TProcessInfo&) {});
        QStringList lines;
        for (const std::string& line : state.Kept.Lines())
            lines << QString::fromStdString(line);
        QCOMPARE(lines, kept);
    }

    // A real encoder's output, cut by the reads wherever it happens to be: every cut gives what the
    // whole text gives, progress, duration and kept lines alike.
    void splitAnywhere_data() {
        QTest::addColumn<int>("cut");
        const QByteArray capture = Capture();
        QVERIFY(capture.size() > 1000);
        for (int cut = 0; cut <= capture.size(); ++cut)
            QTest::addRow("cut at %d", cut) << cut;
    }
    void splitAnywhere() {
        QFETCH(int, cut);
        const QByteArray capture = Capture();
        const QStringList whole = FeedInPieces({capture});
        QCOMPARE(whole.indexOf(u"kept"_s), 8); // a report per "time=" line past the first, 100 % last
        QCOMPARE(whole.at(7).left(4), u"100 "_s);
        QCOMPARE(FeedInPieces({capture.left(cut), capture.mid(cut)}), whole);
    }

    void localNow_data() {
        QTest::addColumn<QByteArray>("zone"); // POSIX TZ rule: needs no zone database
        QTest::addColumn<int>("offsetSeconds");
        QTest::newRow("UTC") << QByteArray("UTC0") << 0;
        QTest::newRow("east of Greenwich, half hour") << QByteArray("XST-05:30") << 19800;
        QTest::newRow("west of Greenwich") << QByteArray("YST+08") << -28800;
    }

    // Local wall clock in days from 1899-12-30, the unit the elapsed time is measured in.
    void localNow() {
        QFETCH(QByteArray, zone);
        QFETCH(int, offsetSeconds);
        const QByteArray saved = qgetenv("TZ");
        const bool hadZone = qEnvironmentVariableIsSet("TZ");
        qputenv("TZ", zone);
        // The offset is looked up once per wall-clock second: let the second turn.
        const std::int64_t second = UtcMilliseconds() / 1000;
        while (UtcMilliseconds() / 1000 == second)
            QThread::msleep(5);

        const std::int64_t before = UtcMilliseconds();
        const double days = LocalNow();
        const std::int64_t after = UtcMilliseconds();
        if (hadZone)
            qputenv("TZ", saved);
        else
            qunsetenv("TZ");

        const double localMs = (days - 25569.0) * 86400000.0 - offsetSeconds * 1000.0;
        QVERIFY2(
            localMs >= before - 1 && localMs <= after + 1,
            qPrintable(QStringLiteral("%1 not in [%2, %3]").arg(localMs, 0, 'f', 1).arg(before).arg(after)));
    }
};

QTEST_GUILESS_MAIN(tst_OutputParser)
#include "tst_OutputParser.moc"
