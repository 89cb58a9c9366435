// End to end: clipvane-cli as a user runs it, with the real encoder and the scripted fake one.
#include "TestFiles.h"
#include "TestProcesses.h"
#include "core/BatchJournal.h"
#include "core/Path.h"
#include "core/platform/Ownership.h"
#include "core/profiles/ProfileCatalog.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <fcntl.h>
#include <unistd.h>

using namespace clipvane;
using namespace Qt::StringLiterals;

namespace {

struct TRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

// `languages`: the user's list of preferred languages (LANGUAGE), as desktops write it.
TRun RunCli(const QStringList& args, int timeoutMs = 60000, const QString& language = {},
            const QString& languages = {}, const std::function<void()>& inChild = {}) {
    QProcess process;
    if (inChild)
        process.setChildProcessModifier(inChild);
    if (!language.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("LANGUAGE"));
        if (!languages.isEmpty())
            environment.insert(QStringLiteral("LANGUAGE"), languages);
        environment.remove(QStringLiteral("LC_ALL"));
        environment.remove(QStringLiteral("LC_MESSAGES"));
        environment.insert(QStringLiteral("LANG"), language);
        process.setProcessEnvironment(environment);
    }
    process.setProgram(QStringLiteral(CLIPVANE_CLI_PATH));
    process.setArguments(args);
    process.start();
    process.closeWriteChannel(); // not a terminal: the overwrite question is answered No
    TRun run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// Bytes as printf(1) octal escapes, so that a shell can make any file name from ASCII text.
QByteArray Octal(const QByteArray& bytes) {
    QByteArray text;
    for (const char c : bytes)
        text += "\\" + QByteArray::number(static_cast<unsigned char>(c), 8).rightJustified(3, '0');
    return text;
}

} // namespace

class tst_ClipvaneCli final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_clip;

    QString Path(const QString& name) const { return m_dir.filePath(name); }

    // Inputs `names` in `folder`, and a run of the CLI, not started yet, that converts them slowly
    // enough to be killed part-way, keeping a journal. False when an input could not be written.
    bool SlowJournalBatch(const QString& folder, const QStringList& names, QProcess& process, QString& out,
                          QString& journal) const {
        const QString in = Path(folder);
        if (!QDir().mkpath(in))
            return false;
        QStringList inputs;
        for (const QString& name : names) {
            if (!WriteFile(in + u'/' + name, "input"))
                return false;
            inputs << in + u'/' + name;
        }
        out = in + u"/out"_s;
        journal = in + u"/batch.journal"_s;
        process.setProgram(QStringLiteral(CLIPVANE_CLI_PATH));
        process.setArguments(QStringList{u"--machine"_s, u"--ffmpeg"_s, QStringLiteral(FAKE_ENCODER_PATH),
                                         u"--journal"_s, journal, u"-p"_s,
                                         u"ffmpeg -i %1 --ticks 40 50 %1.wav"_s, u"-o"_s, out} +
                             inputs);
        return true;
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        // An encoder the program leaves unreaped becomes our zombie instead of init's, which may
        // reap it or not: a check that it is gone then proves the program reaped it.
        QCOMPARE(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
        if (QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty())
            QSKIP("the ffmpeg package is not installed");
        m_clip = Path(QStringLiteral("clip.avi"));
        QCOMPARE(QProcess::execute(
                     QStringLiteral("ffmpeg"),
                     {QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-y"),
                      QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                      QStringLiteral("testsrc=duration=2:size=160x120:rate=25"), QStringLiteral("-f"),
                      QStringLiteral("lavfi"), QStringLiteral("-i"), QStringLiteral("sine=duration=2"),
                      QStringLiteral("-c:v"), QStringLiteral("mpeg4"), QStringLiteral("-c:a"),
                      QStringLiteral("mp3"), QStringLiteral("-shortest"), m_clip}),
                 0);
    }

    // Every option the usage lines offer is explained below them.
    void helpExplainsEveryOption() {
        const TRun run = RunCli({QStringLiteral("--help")});
        QCOMPARE(run.exitCode, 0);
        const qsizetype blank = run.out.indexOf("\n\n");
        const QByteArray usage = run.out.left(blank);
        const QByteArray explained = run.out.mid(blank);
        static const QRegularExpression option(QStringLiteral("--[a-z-]+"));
        int count = 0;
        for (const auto& match : option.globalMatch(QString::fromUtf8(usage))) {
            ++count;
            QVERIFY2(explained.contains(QByteArray(match.captured().toUtf8() + ' ')),
                     qPrintable(match.captured()));
        }
        QCOMPARE(count, 12);
    }

    // A person reads the help in their language; scripts read the rest, which stays English.
    void onlyTheHelpFollowsTheLanguage() {
        const QString german = QStringLiteral("de_DE.UTF-8");
        const TRun help = RunCli({QStringLiteral("--help")}, 60000, german);
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out != RunCli({QStringLiteral("--help")}).out);
        QVERIFY(help.out.contains("--overwrite ask|yes|no"));
        const TRun run = RunCli({QStringLiteral("--machine"), QStringLiteral("-p"),
                                 QStringLiteral("ffmpeg -i %1 -f null %1.mp3"), QStringLiteral("-o"),
                                 Path(QStringLiteral("german")), m_clip},
                                60000, german);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.out.contains("reason clip.avi The encoder wrote no output file.\n"),
                 run.out.constData());
    }

    // The first language the user lists that we can show wins, English included.
    void firstListedLanguageWins_data() {
        QTest::addColumn<QString>("languages");
        QTest::addColumn<bool>("english");
        QTest::newRow("English, then German: English") << u"en_US:de"_s << true;
        QTest::newRow("German, then English: German") << u"de:en_US"_s << false;
        QTest::newRow("one we have no catalog for, then German: German") << u"it:de"_s << false;
        QTest::newRow("one Qt does not know, then German: German") << u"ie:de"_s << false;
    }
    void firstListedLanguageWins() {
        QFETCH(QString, languages);
        QFETCH(bool, english);
        const QByteArray english_help = RunCli({u"--help"_s}).out;
        const TRun help = RunCli({u"--help"_s}, 60000, u"de_DE.UTF-8"_s, languages);
        QCOMPARE(help.exitCode, 0);
        QCOMPARE(help.out == english_help, english);
    }

    void listShowsTheCatalogInMenuOrder() {
        const TRun run = RunCli({QStringLiteral("--list")});
        QCOMPARE(run.exitCode, 0);
        QByteArray expected;
        for (const TProfile& p : ProfileCatalog())
            expected += QByteArray(p.GroupCaption.data(), qsizetype(p.GroupCaption.size())) + '\t' +
                        QByteArray(p.Caption.data(), qsizetype(p.Caption.size())) + '\t' +
                        QByteArray(p.OutputExt.data(), qsizetype(p.OutputExt.size())) + '\t' +
                        QByteArray(p.FFmpegParams.data(), qsizetype(p.FFmpegParams.size())) + '\n';
        QCOMPARE(run.out, expected);
    }

    void batchOfThreeIntoANewFolder() {
        QStringList inputs;
        for (const QString& name :
             {QStringLiteral("one.avi"), QStringLiteral("two words.avi"), QStringLiteral("-dash.avi")}) {
            QVERIFY(QFile::copy(m_clip, Path(name)));
            inputs << Path(name);
        }
        const QString out = Path(QStringLiteral("new/nested"));
        const TRun run = RunCli(QStringList{QStringLiteral("--machine"), QStringLiteral("-p"),
                                            QStringLiteral("MP3 - MPEG Layer-3 Audio"), QStringLiteral("-o"),
                                            out, QStringLiteral("--")} +
                                inputs);
        QCOMPARE(run.exitCode, 0);
        const QList<QByteArray> lines = run.out.trimmed().split('\n');
        QCOMPARE(lines.count("end 0 some"), 3);
        QCOMPARE(lines.last(), QByteArray("end 0 some"));
        for (const QByteArray& line : lines)
            QVERIFY2(line.startsWith("progress ") || line == "end 0 some", line.constData());
        for (const QString& name :
             {QStringLiteral("one.mp3"), QStringLiteral("two words.mp3"), QStringLiteral("-dash.mp3")})
            QVERIFY2(QFileInfo(out + QLatin1Char('/') + name).size() > 1000, qPrintable(name));
    }

    void corruptInputFailsTheBatch() {
        QFile bad(Path(QStringLiteral("bad.avi")));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("this is no video\n");
        bad.close();
        const TRun run =
            RunCli({QStringLiteral("--machine"), QStringLiteral("-p"), QStringLiteral("WAV - Waveform Audio"),
                    QStringLiteral("-o"), Path(QStringLiteral("wav")), m_clip, bad.fileName()});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.out.contains("end 0 some\n"));
        // The encoder's own last line says why, just before the summary.
        QVERIFY2(run.out.endsWith("bad.avi: Invalid data found when processing input\nfailed bad.avi, \n"),
                 run.out.constData());
        const QList<QByteArray> lines = run.out.split('\n');
        const qsizetype end = lines.indexOf("end 0 -");
        QVERIFY(end > 0);
        // The encoder's version banner says nothing about the file: it does not crowd out what does.
        const QRegularExpression banner(
            u"^reason bad.avi (ffmpeg version|built with|configuration:|lib[a-z]+ +\\d)"_s);
        for (qsizetype i = end + 1; i < lines.size() - 2; ++i) {
            QVERIFY2(lines[i].startsWith("reason bad.avi "), lines[i].constData());
            QVERIFY2(!banner.match(QString::fromUtf8(lines[i])).hasMatch(), lines[i].constData());
        }
    }

    void overwriteNoKeepsTheExistingOutput() {
        const QString out = Path(QStringLiteral("keep"));
        QVERIFY(QDir().mkpath(out));
        QFile existing(out + QStringLiteral("/clip.ogg"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("mine");
        existing.close();
        const TRun run = RunCli({QStringLiteral("--overwrite"), QStringLiteral("no"),
                                 QStringLiteral("--machine"), QStringLiteral("-p"),
                                 QStringLiteral("OGG - Ogg Vobis Audio"), QStringLiteral("-o"), out, m_clip});
        // Kept by the standing answer: skipped, which is no failure.
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QByteArray("end 0 -\nskipped clip.avi\n"));
        const TRun told =
            RunCli({QStringLiteral("--overwrite"), QStringLiteral("no"), QStringLiteral("-p"),
                    QStringLiteral("OGG - Ogg Vobis Audio"), QStringLiteral("-o"), out, m_clip});
        QCOMPARE(told.exitCode, 0);
        QCOMPARE(told.err, QByteArray("1 file skipped: its output exists.\n"));
        QVERIFY(existing.open(QIODevice::ReadOnly));
        QCOMPARE(existing.readAll(), QByteArray("mine"));
    }

    // The fake encoder reports progress and then fails, as the real one does on a full disk.
    void encoderFailureAfterProgressFailsTheFile_data() {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("out");
        QTest::newRow("ends well: converted") << QString() << 0 << QByteArray("end 0 some\n");
        QTest::newRow("exit 1: failed") << QStringLiteral("--exit 1") << 1
                                        << QByteArray("exit 1\nend 0 -\nreason clip.avi The encoder ended "
                                                      "with exit code 1.\nfailed clip.avi, \n");
        QTest::newRow("killed by a signal: failed")
            << QStringLiteral("--signal 9") << 1
            << QByteArray("signal 9\nend 0 -\nreason clip.avi The encoder was ended by signal 9.\nfailed "
                          "clip.avi, \n");
        QTest::newRow("exit 0 without an output file: failed")
            << QStringLiteral("--no-output") << 1
            << QByteArray("end 0 -\nreason clip.avi The encoder wrote no output file.\nfailed clip.avi, \n");
        // ffmpeg 5 on a full disk: the cut file must neither count nor be kept.
        QTest::newRow("exit 0 after saying the output could not be closed: failed")
            << QStringLiteral("--err \"Error closing file out.wav: No space left on device\\n\"") << 1
            << QByteArray("end 0 -\nreason clip.avi Error closing file out.wav: No space left on device\n"
                          "failed clip.avi, \n");
        QTest::newRow("the reason names the output, not the hidden file the encoder wrote")
            << QStringLiteral("--err-output \": Operation not permitted\\n\" --exit 2") << 1
            << QByteArray("exit 2\nend 0 -\nreason clip.avi FOLDER/clip.wav: Operation not permitted\nfailed "
                          "clip.avi, \n");
        // As ffmpeg 6 and later say it, after the output's tag.
        QTest::newRow("an encoder without the profile's encoder: said so, with the way to another")
            << QStringLiteral("--err \"[out#0/mp4 @ 0x5581] Unknown encoder 'libx264'\\n\" --exit 8") << 1
            << QByteArray(
                   "exit 8\nend 0 -\nreason clip.avi [out#0/mp4 @ 0x5581] Unknown encoder 'libx264'\n"
                   "reason clip.avi This encoder has no libx264 encoder.\nreason clip.avi Choose another "
                   "one with --ffmpeg PATH.\nfailed clip.avi, \n");
    }
    void encoderFailureAfterProgressFailsTheFile() {
        QFETCH(QString, ending);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, out);
        const QString folder = Path(QStringLiteral("fail-") + QString::number(exitCode) + ending.right(1));
        const TRun run =
            RunCli({QStringLiteral("--machine"), QStringLiteral("--ffmpeg"),
                    QStringLiteral(FAKE_ENCODER_PATH), QStringLiteral("-p"),
                    QStringLiteral("ffmpeg -i %1 --time 00:00:01.00 ") + ending + QStringLiteral(" %1.wav"),
                    QStringLiteral("-o"), folder, m_clip});
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(run.out, QByteArray(out).replace("FOLDER", QByteArray::fromStdString(PathBytes(folder))));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), int(exitCode == 0));
    }

    // What the encoder says besides progress is kept for the report, but never without bound.
    void reasonKeepsTheLastLines_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("kept");
        QTest::newRow("a few short lines amid progress: all of them") << 3 << 10 << 3;
        QTest::newRow("a flood of long lines: the last 8, cut at 300") << 40 << 700 << 8;
        QTest::newRow("lines of exactly 300: nothing cut") << 9 << 300 << 8;
    }
    void reasonKeepsTheLastLines() {
        QFETCH(int, lines);
        QFETCH(int, length);
        QFETCH(int, kept);
        QString text;
        for (int i = 1; i <= lines; ++i) {
            const QString head = QStringLiteral("line%1:").arg(i);
            text += head + QString(length - head.size(), QLatin1Char('x')) + QStringLiteral("\\n");
        }
        const TRun run = RunCli(
            {QStringLiteral("--machine"), QStringLiteral("--ffmpeg"), QStringLiteral(FAKE_ENCODER_PATH),
             QStringLiteral("-p"),
             QStringLiteral("ffmpeg -i %1 --err ") + text + QStringLiteral(" --flood 300 --exit 1 %1.wav"),
             QStringLiteral("-o"), Path(QStringLiteral("kept")), m_clip});
        QCOMPARE(run.exitCode, 1);
        QList<QByteArray> reasons;
        for (const QByteArray& line : run.out.split('\n'))
            if (line.startsWith("reason clip.avi "))
                reasons << line.mid(16);
        QCOMPARE(reasons.size(), kept);
        for (int k = 0; k < kept; ++k) {
            QVERIFY2(
                reasons[k].startsWith(QByteArray("line" + QByteArray::number(lines - kept + 1 + k) + ':')),
                reasons[k].left(20).constData());
            QCOMPARE(reasons[k].size(), std::min(length, 300));
        }
    }

    // A Linux file name is bytes, any but "/": none may be changed on the way to the encoder.
    void fileNamesStayBytes_data() {
        QTest::addColumn<QByteArray>("input"); // relative to the temporary folder, run from there
        QTest::addColumn<QByteArray>("folder");
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("a byte that is no UTF-8")
            << QByteArray("only\xff.mp3") << QByteArray() << QByteArray("only\xff.wav");
        QTest::newRow("Latin-1 name into a Latin-1 folder")
            << QByteArray("caf\xe9.avi") << QByteArray("d\xe9j\xe0") << QByteArray("d\xe9j\xe0/caf\xe9.wav");
        QTest::newRow("UTF-8 name through a dot step") << QByteArray("./n\xc3\xa9"
                                                                     "e.avi")
                                                       << QByteArray()
                                                       << QByteArray("n\xc3\xa9"
                                                                     "e.wav");
    }
    void fileNamesStayBytes() {
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, folder);
        QFETCH(QByteArray, output);
        // In a folder of its own, removed by bytes: Qt cannot name what it would have to remove.
        const QByteArray root = QFile::encodeName(m_dir.path()) + "/bytes/";
        const auto removeAll = qScopeGuard([&] { std::filesystem::remove_all(root.toStdString()); });
        QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("bytes"))));
        std::ofstream(QByteArray(root + input).toStdString(), std::ios::binary) << "input";
        // Through the shell, since QProcess's arguments are Unicode text.
        QProcess shell;
        shell.setWorkingDirectory(m_dir.filePath(QStringLiteral("bytes")));
        shell.setProgram(QStringLiteral("/bin/sh"));
        const QString folderArgs = folder.isEmpty() ? QString() : QStringLiteral(" -o \"$(printf \"$3\")\"");
        shell.setArguments(
            {QStringLiteral("-c"),
             QStringLiteral("exec \"$0\" --machine --ffmpeg \"$1\" -p 'ffmpeg -i %1 --write-args "
                            "--time 00:00:01.00 %1.wav'") +
                 folderArgs + QStringLiteral(" \"$(printf \"$2\")\""),
             QStringLiteral(CLIPVANE_CLI_PATH), QStringLiteral(FAKE_ENCODER_PATH),
             QString::fromLatin1(Octal(input)), QString::fromLatin1(Octal(folder))});
        shell.start();
        QVERIFY(shell.waitForFinished(20000));
        QCOMPARE(shell.readAllStandardOutput(), QByteArray("end 0 some\n"));
        QCOMPARE(shell.exitCode(), 0);
        std::ifstream written(QByteArray(root + output).toStdString(), std::ios::binary);
        const std::string records((std::istreambuf_iterator<char>(written)), {});
        const QByteArray cleanInput = input.startsWith("./") ? input.mid(2) : input;
        QVERIFY2(records.find("\narg:" + QByteArray(root + cleanInput).toStdString() + "\n") !=
                     std::string::npos,
                 records.c_str());
    }

    void usageAndStartErrors_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("stderrHas");
        QTest::newRow("unknown profile names the closest")
            << QStringList{QStringLiteral("-p"), QStringLiteral("pal dvd"), QStringLiteral("x.avi")} << 2
            << QByteArray("  PAL DVD Fast (LQ)\n");
        QTest::newRow("ffmpeg text without %1. selects nothing")
            << QStringList{QStringLiteral("-p"), QStringLiteral("ffmpeg -i x"), QStringLiteral("x.avi")} << 2
            << QByteArray("no profile");
        QTest::newRow("no files") << QStringList{QStringLiteral("-p"), QStringLiteral("Zune")} << 2
                                  << QByteArray("no input files");
        QTest::newRow("bad overwrite mode")
            << QStringList{QStringLiteral("--overwrite"), QStringLiteral("maybe")} << 2
            << QByteArray("ask, yes or no");
        QTest::newRow("--resume brings its own profile")
            << QStringList{u"--resume"_s, Path(u"j"_s), u"-p"_s, u"Zune"_s} << 2
            << QByteArray("--resume takes the files, the profile and the folder from its journal");
        QTest::newRow("--resume without a journal")
            << QStringList{u"--resume"_s, Path(u"none.journal"_s)} << 2 << QByteArray("no journal ");
        QTest::newRow("--resume of a file that is no journal")
            << QStringList{u"--resume"_s, m_clip} << 2 << QByteArray("is no journal of clipvane-cli");
        // The user's file is never taken for a journal and written over.
        QTest::newRow("--journal over a file that is no journal")
            << QStringList{u"--journal"_s, m_clip, u"-p"_s, u"Zune"_s, u"x.avi"_s} << 2
            << QByteArray("exists and is no journal; name another file");
        QTest::newRow("missing encoder")
            << QStringList{QStringLiteral("--ffmpeg"), QStringLiteral("/nonexistent/ffmpeg"),
                           QStringLiteral("-p"), QStringLiteral("Zune"), QStringLiteral("x.avi")}
            << 3 << QByteArray("Error while creating convert process!2.\n");
#ifndef Q_OS_WIN
        // Then every file says why, in the OS's words, and the summary follows.
        QTest::newRow("missing encoder: the file says why")
            << QStringList{QStringLiteral("--ffmpeg"), QStringLiteral("/nonexistent/ffmpeg"),
                           QStringLiteral("-p"),       QStringLiteral("Zune"),
                           QStringLiteral("x.avi"),    QStringLiteral("y.avi")}
            << 3
            << QByteArray(
                   "x.avi:\n    The encoder /nonexistent/ffmpeg could not be started: No such file or "
                   "directory.\ny.avi:\n    Not converted: the encoder could not be started (No such file or "
                   "directory).\nx.avi, y.avi, file conversion failed.\n");
#endif
        // The real encoder's own words, recognised: a profile naming an encoder it was built without.
        QTest::newRow("an encoder without the profile's encoder: said so")
            << QStringList{QStringLiteral("-p"), QStringLiteral("ffmpeg -i %1 -c:a libnosuch %1.wav"),
                           QStringLiteral("-o"), Path(QStringLiteral("nosuch")), m_clip}
            << 1
            << QByteArray("    Unknown encoder 'libnosuch'\n    This encoder has no libnosuch encoder.\n    "
                          "Choose another one with --ffmpeg PATH.\n");
    }
    void usageAndStartErrors() {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, stderrHas);
        const QByteArray clip = ReadFile(m_clip);
        const TRun run = RunCli(args);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(stderrHas), run.err.constData());
        QCOMPARE(ReadFile(m_clip), clip);
    }

    // Killed in the middle of a batch, then taken up again: the files that had ended are left alone,
    // the one under way and the rest are converted, and the journal goes with the batch's end.
    void resumeAfterAKill() {
        QProcess first;
        QString out, journal;
        QVERIFY(SlowJournalBatch(u"kill"_s, {u"a.avi"_s, u"b.avi"_s, u"c.avi"_s}, first, out, journal));
        first.start();
        first.closeWriteChannel();
        // Killed once the first file has ended: whether its end reached the journal or not, it is done.
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += first.readAllStandardOutput()).contains("end 0 some\n"), 30000);
        first.kill();
        QVERIFY(first.waitForFinished());
        QVERIFY(QFile::exists(journal));
        const QByteArray firstOutput = ReadFile(out + u"/a.wav"_s);
        QVERIFY(!firstOutput.isEmpty());
        QVERIFY(!QFile::exists(out + u"/b.wav"_s));
        const TRun resumed = RunCli({u"--machine"_s, u"--resume"_s, journal});
        QCOMPARE(resumed.exitCode, 0);
        QCOMPARE(resumed.out.count("end 0 some\n"), 2);
        QCOMPARE(ReadFile(out + u"/a.wav"_s), firstOutput); // not converted twice
        QVERIFY(QFile::exists(out + u"/b.wav"_s));
        QVERIFY(QFile::exists(out + u"/c.wav"_s));
        QVERIFY(!QFile::exists(journal));
    }

    // Started with no standard streams (a launcher's `<&- >&- 2>&-`), the batch's journal must
    // not take their numbers and fill with what was meant for the console.
    void resumeAfterAKillWithoutConsole() {
        QProcess first;
        QString out, journal;
        QVERIFY(SlowJournalBatch(u"noconsole"_s, {u"a.avi"_s, u"b.avi"_s}, first, out, journal));
        first.setChildProcessModifier([] {
            for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
                ::close(fd);
        });
        first.start();
        QVERIFY(first.waitForStarted());
        // Killed once the second file has started: the first is done.
        QTRY_VERIFY_WITH_TIMEOUT(ReadFile(journal).contains(" start 1 "), 30000);
        first.kill();
        QVERIFY(first.waitForFinished());
        QVERIFY(!ReadFile(journal).contains("progress"));
        const TRun resumed = RunCli({u"--machine"_s, u"--resume"_s, journal});
        QCOMPARE(resumed.exitCode, 0);
        QCOMPARE(resumed.out.count("end 0 some\n"), 1);
        QVERIFY(QFile::exists(out + u"/b.wav"_s));
    }

    // Taken up again, a batch still lets none of its files replace the output another one wrote.
    void resumeKeepsWhatTheBatchWrote() {
#if defined(__SANITIZE_THREAD__)
        // The journal starts a thread in this process, after QProcess has cloned it sharing its memory:
        // the thread sanitizer takes the clone's state for ours and stops seeing our locks.
        QSKIP("the thread sanitizer cannot follow a thread started after QProcess's clone");
#endif
        const QString in = Path(u"again"_s);
        QVERIFY(QDir().mkpath(in + u"/out"_s));
        TJournalBatch batch;
        batch.Job.OutputExt = ".wav";
        batch.Job.FFmpegParams = "--time 00:00:01.00 ";
        batch.Job.FFmpegPath = FAKE_ENCODER_PATH;
        batch.Job.NotUseAnotherFFmpeg = false;
        batch.Job.ExistingOutput = TExistingOutput::Replace;
        batch.SameInput = false;
        batch.OutputFolder = QString(in + u"/out"_s).toStdString();
        for (const QString& name : {u"/d1/x.avi"_s, u"/d2/x.avi"_s}) {
            QVERIFY(QDir().mkpath(QFileInfo(in + name).path()));
            QVERIFY(WriteFile(in + name, "input"));
            batch.Files.push_back(QString(in + name).toStdString());
        }
        const QString output = in + u"/out/x.wav"_s;
        const QString journal = in + u"/batch.journal"_s;
        {
            TBatchJournal killed; // the first file converted, then the program was killed
            QVERIFY(killed.Begin(journal.toStdString(), batch));
            killed.Starting(0, output.toStdString());
            QVERIFY(WriteFile(output, "first"));
            killed.Ended(0);
        }
        const TRun resumed = RunCli({u"--machine"_s, u"--resume"_s, journal});
        QCOMPARE(resumed.exitCode, 1);
        QVERIFY2(resumed.out.contains("was written by this batch already"), resumed.out.constData());
        QCOMPARE(ReadFile(output), QByteArray("first"));
    }

    // A journal that cannot grow (a full disk, here a file size limit) is said once; every file still
    // converts.
    void journalThatCannotGrowIsSaidOnce() {
        const QString in = Path(u"full"_s);
        QVERIFY(QDir().mkpath(in));
        QStringList inputs;
        for (const QString& name : {u"a.avi"_s, u"b.avi"_s, u"c.avi"_s}) {
            QVERIFY(WriteFile(in + u'/' + name, "input"));
            inputs << in + u'/' + name;
        }
        const QString journal = in + u"/batch.journal"_s;
        const QString profile = u"ffmpeg -i %1 --time 00:00:01.00 %1.wav"_s;
        const QStringList args = QStringList{u"--ffmpeg"_s,  QStringLiteral(FAKE_ENCODER_PATH),
                                             u"--journal"_s, journal,
                                             u"-p"_s,        profile,
                                             u"--"_s} +
                                 inputs;
        // Room for the journal's head, as the program writes it, and less than a line more; the
        // encoder's outputs here are empty.
        TJournalBatch batch;
        batch.Job.OutputExt = ".wav";
        batch.Job.FFmpegParams = "--time 00:00:01.00 ";
        batch.Job.FFmpegPath = FAKE_ENCODER_PATH;
        batch.Job.NotUseAnotherFFmpeg = false;
        batch.Job.ExistingOutput = TExistingOutput::Skip;
        batch.Profile = profile.toStdString();
        for (const QString& input : inputs)
            batch.Files.push_back(input.toStdString());
        {
            TBatchJournal head;
            QVERIFY(head.Begin(Path(u"head.journal"_s).toStdString(), batch));
        }
        const rlim_t limit = rlim_t(QFileInfo(Path(u"head.journal"_s)).size()) + 30;
        const TRun run = RunCli(args, 60000, {}, {}, [limit] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit size{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &size);
        });
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.err.count(
                     "could not be written (File too large): this batch cannot be resumed after a crash."),
                 1);
        for (const QString& name : {u"a.wav"_s, u"b.wav"_s, u"c.wav"_s})
            QVERIFY2(QFile::exists(in + u'/' + name), qPrintable(name));
        QVERIFY(!QFile::exists(journal));
    }

    // However the program ends, its encoder (and what a wrapper started) ends with it.
    void encoderDiesWithTheProgram_data() {
        QTest::addColumn<int>("signal"); // 0: the reader of the output goes away
        QTest::addColumn<bool>("wrapper");
        QTest::addColumn<int>("exitCode"); // -1: killed
        QTest::addColumn<bool>("blocked"); // the launcher left the ending signals blocked
        QTest::newRow("SIGTERM, a wrapper's child too") << int(SIGTERM) << true << 130 << false;
        QTest::newRow("SIGHUP: the terminal closed, a wrapper's child too")
            << int(SIGHUP) << true << 130 << false;
        QTest::newRow("the --machine reader went away") << 0 << false << 130 << false;
        QTest::newRow("SIGKILL of the program") << int(SIGKILL) << false << -1 << false;
        QTest::newRow("SIGTERM that the launcher had blocked") << int(SIGTERM) << false << 130 << true;
    }
    void encoderDiesWithTheProgram() {
        QFETCH(int, signal);
        QFETCH(bool, wrapper);
        QFETCH(int, exitCode);
        QFETCH(bool, blocked);
        QProcess process;
        process.setProgram(QStringLiteral(CLIPVANE_CLI_PATH));
        const QString script = wrapper ? QStringLiteral("--spawn --hang") : QStringLiteral("--hang");
        process.setArguments({QStringLiteral("--machine"), QStringLiteral("--ffmpeg"),
                              QStringLiteral(FAKE_ENCODER_PATH), QStringLiteral("-p"),
                              QStringLiteral("ffmpeg -i %1 ") + script + QStringLiteral(" %1.wav"),
                              QStringLiteral("-o"), Path(QStringLiteral("dies")), m_clip});
        int output[2] = {-1, -1}; // the reader that goes away: our end of the program's output
        if (signal == 0) {
            QCOMPARE(::pipe2(output, O_CLOEXEC), 0);
            process.setChildProcessModifier([writeEnd = output[1]] { ::dup2(writeEnd, STDOUT_FILENO); });
        } else if (blocked) {
            process.setChildProcessModifier([] {
                sigset_t ending;
                sigemptyset(&ending);
                for (const int s : {SIGTERM, SIGINT, SIGHUP})
                    sigaddset(&ending, s);
                ::sigprocmask(SIG_BLOCK, &ending, nullptr);
            });
        }
        process.start();
        QVERIFY(process.waitForStarted());
        if (signal == 0)
            ::close(output[1]);
        QList<qint64> encoder, wrapped;
        QTRY_VERIFY_WITH_TIMEOUT(!(encoder = ChildrenOf(process.processId())).isEmpty(), 10000);
        if (wrapper)
            QTRY_VERIFY_WITH_TIMEOUT(!(wrapped = ChildrenOf(encoder.first())).isEmpty(), 10000);
        if (signal == 0)
            ::close(output[0]);
        else
            ::kill(static_cast<pid_t>(process.processId()), signal);
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, exitCode);
        QTRY_VERIFY_WITH_TIMEOUT(!ProcessAlive(encoder.first()), 5000);
        for (const qint64 pid : wrapped)
            QTRY_VERIFY_WITH_TIMEOUT(!ProcessAlive(pid), 5000);
        for (const qint64 pid : encoder + wrapped) // ours now, as the subreaper
            ::waitpid(static_cast<pid_t>(pid), nullptr, WNOHANG);
    }

    // A killed run leaves its work file. The next run removes it only when it can prove it the dead
    // run's own: a user's file of such a name, a restored copy and a file whose lock a writer
    // elsewhere still holds all stay.
    void leftoversOfAKilledRun_data() {
        QTest::addColumn<QString>("then"); // what becomes of the leftover before the next run
        QTest::addColumn<bool>("removed");
        QTest::newRow("left as it was: removed") << u"plain"_s << true;
        QTest::newRow("backed up and restored with its attributes (cp -a): kept") << u"copy"_s << false;
        QTest::newRow("its lock held by a writer elsewhere: kept") << u"lock"_s << false;
        QTest::newRow("a user's file named like an older work file: kept") << u"user"_s << false;
    }
    void leftoversOfAKilledRun() {
        QFETCH(QString, then);
        QFETCH(bool, removed);
        const QString folder = Path(u"leftover-"_s + then);
        QVERIFY(QDir().mkpath(folder));
        const auto lockHeld = [](const QString& path) {
            platform::Handle lock = platform::kNoHandle;
            const bool free = platform::TryLockFile(path.toStdString(), lock);
            platform::CloseHandle(lock);
            return !free;
        };
        QString leftover = folder + u"/.clip.clipvane-0011223344556677.wav"_s;
        if (then == u"user"_s) {
            QVERIFY(WriteFile(leftover, "mine"));
        } else {
            QProcess killed;
            killed.setProgram(QStringLiteral(CLIPVANE_CLI_PATH));
            killed.setArguments({u"--ffmpeg"_s, QStringLiteral(FAKE_ENCODER_PATH), u"-p"_s,
                                 u"ffmpeg -i %1 --write-args --ticks 100000 20 %1.wav"_s, u"-o"_s, folder,
                                 m_clip});
            killed.start();
            QVERIFY(killed.waitForStarted());
            QList<qint64> encoder;
            QTRY_VERIFY_WITH_TIMEOUT(!(encoder = ChildrenOf(killed.processId())).isEmpty(), 10000);
            // The run holds the lock once its encoder has created the file.
            QTRY_VERIFY_WITH_TIMEOUT(
                [&] {
                    const QStringList work =
                        QDir(folder).entryList({u".clip.clipvane-*"_s}, QDir::Files | QDir::Hidden);
                    return work.size() == 1 && lockHeld(leftover = folder + u'/' + work.first());
                }(),
                20000);
            killed.kill();
            QVERIFY(killed.waitForFinished(10000));
            QTRY_VERIFY_WITH_TIMEOUT(!ProcessAlive(encoder.first()), 5000);
            ::waitpid(static_cast<pid_t>(encoder.first()), nullptr, WNOHANG);
        }
        if (then == u"copy"_s) {
            QCOMPARE(QProcess::execute(u"cp"_s, {u"-a"_s, leftover, leftover + u".bak"_s}), 0);
            QVERIFY(QFile::remove(leftover));
            QVERIFY(QFile::rename(leftover + u".bak"_s, leftover));
            platform::Handle lock = platform::kNoHandle;
            std::string mark;
            QVERIFY(platform::TryLockFile(leftover.toStdString(), lock));
            QVERIFY(platform::ReadOwnerMark(lock, leftover.toStdString(), mark)); // it came along
            platform::CloseHandle(lock);
        }
        platform::Handle held = platform::kNoHandle;
        if (then == u"lock"_s)
            QVERIFY(platform::TryLockFile(leftover.toStdString(), held));
        const TRun run = RunCli({u"--ffmpeg"_s, QStringLiteral(FAKE_ENCODER_PATH), u"-p"_s,
                                 u"ffmpeg -i %1 --time 00:00:01.00 %1.wav"_s, u"-o"_s, folder, m_clip});
        platform::CloseHandle(held);
        QCOMPARE(run.exitCode, 0);
        QVERIFY(QFile::exists(folder + u"/clip.wav"_s));
        QCOMPARE(QFile::exists(leftover), !removed);
    }

    // Up to N encoders at once, failures named in the list's order whatever order they end in, and
    // an interrupt that leaves none of them running.
    void parallelJobs() {
        const QString in = Path(QStringLiteral("jobs-in"));
        QVERIFY(QDir().mkpath(in));
        const QStringList names{u"a-bad"_s, u"b-late"_s, u"c"_s, u"d"_s, u"e"_s, u"f"_s, u"g"_s};
        QStringList files;
        for (const QString& name : names) {
            files << in + u'/' + name + u".wav"_s;
            QVERIFY(WriteFile(files.last(), "input"));
        }
        const QString log = Path(QStringLiteral("jobs.log"));
        // "b-late" fails at once, "a-bad" only after its work: they end in the other order.
        const QString script = u"ffmpeg -i %1 --fail-on late --log "_s + log +
                               u" start --sleep 300 --log "_s + log +
                               u" end --fail-on bad --time 00:00:01.00 --write-args %1.mp3"_s;
        const TRun run =
            RunCli(QStringList{u"--jobs"_s, u"3"_s, u"--ffmpeg"_s, QStringLiteral(FAKE_ENCODER_PATH), u"-p"_s,
                               script, u"-o"_s, Path(QStringLiteral("jobs-out"))} +
                   files);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.endsWith("a-bad.wav, b-late.wav, file conversion failed.\n"), run.err.constData());
        QList<QPair<qint64, int>> events; // time, +1 start / -1 end
        for (const QByteArray& line : ReadFile(log).split('\n'))
            if (const QList<QByteArray> words = line.split(' '); words.size() == 2)
                events.append({words[1].toLongLong(), words[0] == "start" ? 1 : -1});
        QCOMPARE(events.size(), 2 * (names.size() - 1));
        std::sort(events.begin(), events.end());
        int alive = 0, most = 0;
        for (const auto& event : events)
            most = std::max(most, alive += event.second);
        QVERIFY2(most == 3, qPrintable(u"at most %1 encoders ran at once"_s.arg(most)));
        QCOMPARE(QDir(Path(QStringLiteral("jobs-out"))).entryList(QDir::Files).size(), names.size() - 2);
    }
    // More jobs than the open-file limit leaves room for: as many run as fit, and every file converts.
    void jobsWithinTheDescriptorLimit() {
        const QString in = Path(QStringLiteral("limit-in"));
        QVERIFY(QDir().mkpath(in));
        QStringList files;
        for (int i = 0; i < 40; ++i) {
            files << in + u"/f%1.wav"_s.arg(i);
            QVERIFY(WriteFile(files.last(), "input"));
        }
        const TRun run =
            RunCli(QStringList{u"--jobs"_s, u"999"_s, u"--ffmpeg"_s, QStringLiteral(FAKE_ENCODER_PATH),
                               u"-p"_s, u"ffmpeg -i %1 --time 00:00:01.00 %1.mp3"_s, u"-o"_s,
                               Path(QStringLiteral("limit-out"))} +
                       files,
                   60000, {}, {}, [] {
                       const rlimit limit{64, 64};
                       ::setrlimit(RLIMIT_NOFILE, &limit);
                   });
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QVERIFY2(run.err.contains("files at once, the most this machine allows"), run.err.constData());
        QCOMPARE(QDir(Path(QStringLiteral("limit-out"))).entryList(QDir::Files).size(), files.size());
    }
    void parallelJobsInterrupted() {
        QStringList files;
        for (const QString& name : {u"p"_s, u"q"_s, u"r"_s, u"s"_s}) {
            files << Path(name + u".avi"_s);
            QVERIFY(WriteFile(files.last(), "input"));
        }
        QProcess process;
        process.setProgram(QStringLiteral(CLIPVANE_CLI_PATH));
        process.setArguments(
            QStringList{u"--jobs"_s, u"3"_s, u"--ffmpeg"_s, QStringLiteral(FAKE_ENCODER_PATH), u"-p"_s,
                        u"ffmpeg -i %1 --hang %1.wav"_s, u"-o"_s, Path(QStringLiteral("jobs-int"))} +
            files);
        process.start();
        QVERIFY(process.waitForStarted());
        QList<qint64> encoders;
        QTRY_VERIFY_WITH_TIMEOUT((encoders = ChildrenOf(process.processId())).size() == 3, 10000);
        ::kill(static_cast<pid_t>(process.processId()), SIGINT);
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 130);
        for (const qint64 pid : encoders)
            QTRY_VERIFY_WITH_TIMEOUT(!ProcessAlive(pid), 5000);
        QVERIFY(QDir(Path(QStringLiteral("jobs-int"))).entryList(QDir::Files).isEmpty());
    }

    // An interrupt while the program waits for the user's answer ends it there and then.
    void interruptAtTheOverwriteQuestion_data() {
        QTest::addColumn<int>("signal");
        QTest::addColumn<bool>("stopFirst"); // Ctrl+Z and fg before
        QTest::newRow("Ctrl+C") << int(SIGINT) << false;
        QTest::newRow("SIGTERM") << int(SIGTERM) << false;
        QTest::newRow("Ctrl+Z and fg ask the question again, then Ctrl+C") << int(SIGINT) << true;
    }
    void interruptAtTheOverwriteQuestion() {
        QFETCH(int, signal);
        QFETCH(bool, stopFirst);
        const QString out = Path(QStringLiteral("ask"));
        QVERIFY(QDir().mkpath(out));
        QVERIFY(WriteFile(out + QStringLiteral("/clip.wav"), "mine"));
        QProcess process;
        process.setProgram(QStringLiteral(CLIPVANE_CLI_PATH));
        process.setArguments({QStringLiteral("--overwrite"), QStringLiteral("ask"),
                              QStringLiteral("--ffmpeg"), QStringLiteral(FAKE_ENCODER_PATH),
                              QStringLiteral("-p"), QStringLiteral("ffmpeg -i %1 --hang %1.wav"),
                              QStringLiteral("-o"), out, m_clip, m_clip});
        // A job of its own, as a shell with job control makes it: the group is not orphaned, so a stop stops.
        process.setChildProcessModifier([] { ::setpgid(0, 0); });
        process.start(); // its input stays open: nobody answers
        QVERIFY(process.waitForStarted());
        QByteArray err;
        QTRY_VERIFY_WITH_TIMEOUT((err += process.readAllStandardError()).contains("overite it? [y/N] "),
                                 10000);
        if (stopFirst) {
            const auto cli = static_cast<pid_t>(process.processId());
            ::kill(-cli, SIGTSTP);
            QTRY_VERIFY_WITH_TIMEOUT(ProcessHeld(cli), 5000);
            ::kill(-cli, SIGCONT);
            QTRY_VERIFY_WITH_TIMEOUT((err += process.readAllStandardError()).count("overite it? [y/N] ") == 2,
                                     10000);
        }
        QElapsedTimer timer;
        timer.start();
        ::kill(static_cast<pid_t>(process.processId()), signal);
        QVERIFY(process.waitForFinished(10000));
        QVERIFY2(timer.elapsed() < 2000, QByteArray::number(timer.elapsed()).constData());
        QCOMPARE(process.exitCode(), 130);
        // No encoder was started for either file: nothing but the older output is in the folder.
        QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("clip.wav")});
        QCOMPARE(ReadFile(out + QStringLiteral("/clip.wav")), QByteArray("mine"));
    }

    // The output takes its source's date when asked; a date that cannot be kept costs the file nothing.
    void keepDates_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("script"); // empty: the real encoder
        QTest::addColumn<bool>("sameDate");
        QTest::addColumn<QByteArray>("warning");
        QTest::newRow("without the option: dated when written")
            << QStringList() << u"--time 00:00:01.00"_s << false << QByteArray();
        QTest::newRow("--keep-dates: the source's date")
            << QStringList{u"--keep-dates"_s} << u"--time 00:00:01.00"_s << true << QByteArray();
        QTest::newRow("--keep-dates, real encoder")
            << QStringList{u"--keep-dates"_s} << QString() << true << QByteArray();
        QTest::newRow("--keep-dates, the source gone by the end: converted, with a warning")
            << QStringList{u"--keep-dates"_s} << u"--time 00:00:01.00 --remove-input"_s << false
            << QByteArray("warning: The source's date could not be kept on ");
    }
    void keepDates() {
        QFETCH(QStringList, options);
        QFETCH(QString, script);
        QFETCH(bool, sameDate);
        QFETCH(QByteArray, warning);
        const QString folder =
            Path(u"dates-"_s + QString::number(qHash(QByteArray(QTest::currentDataTag()))));
        QVERIFY(QDir().mkpath(folder));
        const QString input = folder + u"/old.avi"_s;
        QVERIFY(QFile::copy(m_clip, input));
        const QDateTime old(QDate(2001, 2, 3), QTime(4, 5, 6, 789), Qt::UTC);
        {
            QFile file(input);
            QVERIFY(file.open(QIODevice::ReadWrite) &&
                    file.setFileTime(old, QFileDevice::FileModificationTime));
        }
        QStringList args = options;
        if (!script.isEmpty())
            args << u"--ffmpeg"_s << QStringLiteral(FAKE_ENCODER_PATH) << u"-p"_s
                 << u"ffmpeg -i %1 "_s + script + u" %1.wav"_s;
        else
            args << u"-p"_s << u"WAV - Waveform Audio"_s;
        const TRun run = RunCli(args + QStringList{u"-o"_s, folder + u"/out"_s, input});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        const QFileInfo output(folder + u"/out/old.wav"_s);
        QVERIFY(output.exists());
        QCOMPARE(output.lastModified() == old, sameDate);
        QCOMPARE(run.err.contains("warning:"), !warning.isEmpty());
        if (!warning.isEmpty())
            QVERIFY2(run.err.contains(warning) && run.err.contains("No such file or directory"),
                     run.err.constData());
    }

    // Ctrl+Z holds every encoder along with the program, and fg lets them all go on.
    void terminalStopHoldsTheEncoders() {
        QStringList files;
        for (const QString& name : {u"z1"_s, u"z2"_s}) {
            files << Path(name + u".avi"_s);
            QVERIFY(WriteFile(files.last(), "input"));
        }
        QProcess process;
        process.setProgram(QStringLiteral(CLIPVANE_CLI_PATH));
        // A job of its own, as a shell with job control makes it: the group is not orphaned, so a stop stops.
        process.setChildProcessModifier([] { ::setpgid(0, 0); });
        process.setArguments(QStringList{u"--jobs"_s, u"2"_s, u"--ffmpeg"_s,
                                         QStringLiteral(FAKE_ENCODER_PATH), u"-p"_s,
                                         u"ffmpeg -i %1 --hang %1.wav"_s, u"-o"_s, Path(u"held"_s)} +
                             files);
        process.start();
        QVERIFY(process.waitForStarted());
        const auto cli = static_cast<pid_t>(process.processId());
        QList<qint64> encoders;
        QTRY_VERIFY_WITH_TIMEOUT((encoders = ChildrenOf(cli)).size() == 2, 10000);
        ::kill(-cli, SIGTSTP); // what the terminal sends its foreground job
        QTRY_VERIFY_WITH_TIMEOUT(ProcessHeld(cli), 5000);
        for (const qint64 pid : encoders)
            QTRY_VERIFY_WITH_TIMEOUT(ProcessHeld(pid), 5000);
        ::kill(-cli, SIGCONT); // fg
        for (const qint64 pid : encoders)
            QTRY_VERIFY_WITH_TIMEOUT(!ProcessHeld(pid) && ProcessAlive(pid), 5000);
        QVERIFY(!ProcessHeld(cli));
        ::kill(cli, SIGINT);
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 130);
        for (const qint64 pid : encoders)
            QTRY_VERIFY_WITH_TIMEOUT(!ProcessAlive(pid), 5000);
    }

    void interruptStopsTheEncoderAndLeavesNoChild() {
        QProcess process;
        process.setProgram(QStringLiteral(CLIPVANE_CLI_PATH));
        process.setArguments({QStringLiteral("--ffmpeg"), QStringLiteral(FAKE_ENCODER_PATH),
                              QStringLiteral("-p"), QStringLiteral("ffmpeg -i %1 --hang %1.wav"),
                              QStringLiteral("-o"), Path(QStringLiteral("int")), m_clip, m_clip});
        process.start();
        QVERIFY(process.waitForStarted());
        QList<qint64> children;
        QTRY_VERIFY_WITH_TIMEOUT(!(children = ChildrenOf(process.processId())).isEmpty(), 10000);
        QCOMPARE(children.size(), 1);
        ::kill(static_cast<pid_t>(process.processId()), SIGINT);
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitCode(), 130);
        // Killed and reaped by the program itself, not left for init to collect.
        QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(QStringLiteral("/proc/%1").arg(children.first())), 5000);
    }
};

QTEST_GUILESS_MAIN(tst_ClipvaneCli)
#include "tst_ClipvaneCli.moc"
