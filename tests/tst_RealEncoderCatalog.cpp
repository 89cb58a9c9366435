// Every profile of the catalog through clipvane-cli and the real encoder, each output read back by
// ffprobe. Debian 12's ffmpeg (5.1) converts all 103, so no row expects a failure; a profile an
// encoder cannot do would be listed in kCannotDo with the encoder's reason.
#include "core/profiles/ProfileCatalog.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <map>
#include <vector>

using namespace clipvane;
using namespace Qt::StringLiterals;

namespace {

// Caption -> the encoder's reason, for a profile the encoder refuses.
const std::map<QString, QString> kCannotDo = {};

constexpr int kParallel = 2; // the machine's cores
constexpr int kTimeoutMs = 120000;

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// The codec ffprobe names for what an encoder option asks for.
QString CodecOf(const QString& encoder) {
    static const std::map<QString, QString> names = {
        {u"libx264"_s, u"h264"_s},      {u"libmp3lame"_s, u"mp3"_s}, {u"libxvid"_s, u"mpeg4"_s},
        {u"msmpeg4"_s, u"msmpeg4v3"_s}, {u"flv"_s, u"flv1"_s},       {u"libvorbis"_s, u"vorbis"_s}};
    const auto found = names.find(encoder);
    return found == names.end() ? encoder : found->second;
}

// The value after the first of `options` in the argument string, or empty.
QString OptionValue(const QStringList& words, const QStringList& options) {
    for (qsizetype i = 0; i + 1 < words.size(); ++i)
        if (options.contains(words[i]))
            return words[i + 1];
    return {};
}

struct TJob {
    const TProfile* Profile = nullptr;
    bool AudioOnlyInput = false;
    QString Output;
    int ExitCode = -1;
    QByteArray Out;
    QByteArray Err;
};

} // namespace

class tst_RealEncoderCatalog final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_ffprobe;
    std::vector<TJob> m_jobs;

    QString Generate(const QString& name, const QStringList& sources) {
        const QString path = m_dir.filePath(name);
        QStringList args{u"-v"_s, u"error"_s, u"-y"_s};
        for (const QString& source : sources)
            args << u"-f"_s << u"lavfi"_s << u"-i"_s << source;
        args << u"-shortest"_s << path;
        return QProcess::execute(u"ffmpeg"_s, args) == 0 ? path : QString();
    }

    // Runs every job, kParallel at a time.
    void RunAll() {
        QEventLoop loop;
        std::size_t next = 0;
        int running = 0;
        std::function<void()> startMore = [&] {
            while (running < kParallel && next < m_jobs.size()) {
                const std::size_t index = next++;
                const TJob& job = m_jobs[index];
                const QString folder = m_dir.filePath(u"out/%1"_s.arg(index));
                auto* process = new QProcess(this);
                auto* timer = new QTimer(process);
                timer->setSingleShot(true);
                connect(timer, &QTimer::timeout, process, &QProcess::kill);
                const auto done = [&, process, folder, index](int code) {
                    TJob& job = m_jobs[index];
                    job.ExitCode = code;
                    job.Out = process->readAllStandardOutput();
                    job.Err = process->readAllStandardError();
                    job.Output = folder + u"/input"_s + Text(job.Profile->OutputExt);
                    process->deleteLater();
                    --running;
                    startMore();
                    if (running == 0)
                        loop.quit();
                };
                connect(process, &QProcess::finished, this,
                        [process, done](int code, QProcess::ExitStatus status) {
                            done(status == QProcess::NormalExit ? code : -1);
                        });
                connect(process, &QProcess::errorOccurred, this, [done](QProcess::ProcessError error) {
                    if (error == QProcess::FailedToStart)
                        done(-1);
                });
                const QString input =
                    m_dir.filePath(job.AudioOnlyInput ? u"audio/input.wav"_s : u"video/input.mkv"_s);
                process->start(QStringLiteral(CLIPVANE_CLI_PATH),
                               {u"--machine"_s, u"-p"_s, Text(job.Profile->Caption), u"-o"_s, folder, input});
                process->closeWriteChannel();
                timer->start(kTimeoutMs);
                ++running;
            }
        };
        startMore();
        if (running > 0)
            loop.exec();
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_ffprobe = QStandardPaths::findExecutable(u"ffprobe"_s);
        if (QStandardPaths::findExecutable(u"ffmpeg"_s).isEmpty() || m_ffprobe.isEmpty())
            QSKIP("the ffmpeg package is not installed");
        // Two seconds: the encoder's last "time=" then passes a whole second, which a report needs.
        QVERIFY(QDir().mkpath(m_dir.filePath(u"video"_s)) && QDir().mkpath(m_dir.filePath(u"audio"_s)));
        QVERIFY(!Generate(u"video/input.mkv"_s,
                          {u"testsrc=duration=2:size=160x120:rate=25"_s, u"sine=frequency=440:duration=2"_s})
                     .isEmpty());
        QVERIFY(!Generate(u"audio/input.wav"_s, {u"sine=frequency=440:duration=2"_s}).isEmpty());

        for (const TProfile& profile : ProfileCatalog()) {
            TJob job;
            job.Profile = &profile;
            m_jobs.push_back(job);
            if (profile.GroupCaption == "General Audio Format") {
                job.AudioOnlyInput = true;
                m_jobs.push_back(job);
            }
        }
        QElapsedTimer clock;
        clock.start();
        RunAll();
        qInfo("%zu conversions of %zu profiles, %d at a time: %.1f s", m_jobs.size(), ProfileCatalog().size(),
              kParallel, clock.elapsed() / 1000.0);
    }

    void profile_data() {
        QTest::addColumn<int>("job");
        for (std::size_t i = 0; i < m_jobs.size(); ++i)
            QTest::addRow("%s%s", m_jobs[i].Profile->Caption.data(),
                          m_jobs[i].AudioOnlyInput ? " (sound only)" : "")
                << int(i);
    }
    void profile() {
        QFETCH(int, job);
        const TJob& run = m_jobs[std::size_t(job)];
        const QString caption = Text(run.Profile->Caption);
        const QByteArray said = run.Out + run.Err;
        if (const auto cannot = kCannotDo.find(caption); cannot != kCannotDo.end()) {
            QCOMPARE(run.ExitCode, 1);
            QVERIFY2(said.contains(cannot->second.toUtf8()), said.constData());
            return;
        }
        QVERIFY2(run.ExitCode == 0, said.constData());
        QVERIFY2(run.Out.endsWith("end 0 some\n"), said.constData());
        static const QRegularExpression progress(u"^progress ([0-9]+) "_s,
                                                 QRegularExpression::MultilineOption);
        QVERIFY2(progress.match(QString::fromUtf8(run.Out)).hasMatch(), said.constData());

        QProcess probe;
        probe.start(m_ffprobe, {u"-v"_s, u"error"_s, u"-count_frames"_s, u"-show_entries"_s,
                                u"stream=codec_type,codec_name,width,height,nb_read_frames"_s, u"-of"_s,
                                u"json"_s, run.Output});
        QVERIFY(probe.waitForFinished(kTimeoutMs));
        const QByteArray errors = probe.readAllStandardError();
        QVERIFY2(probe.exitCode() == 0 && errors.isEmpty(), errors.constData());
        const QJsonArray streams =
            QJsonDocument::fromJson(probe.readAllStandardOutput())[u"streams"_s].toArray();

        const QStringList words = Text(run.Profile->FFmpegParams).split(u' ', Qt::SkipEmptyParts);
        const bool audioProfile = run.Profile->GroupCaption == "General Audio Format";
        const QString videoCodec = CodecOf(OptionValue(words, {u"-vcodec"_s, u"-c:v"_s}));
        const QString audioCodec = CodecOf(OptionValue(words, {u"-acodec"_s, u"-c:a"_s}));
        QString size = OptionValue(words, {u"-s"_s});
        if (size == u"vga"_s)
            size = u"640x480"_s;
        int video = 0, audio = 0;
        for (const QJsonValue& value : streams) {
            const QJsonObject stream = value.toObject();
            const QString type = stream[u"codec_type"_s].toString();
            const QString codec = stream[u"codec_name"_s].toString();
            if (type != u"video"_s && type != u"audio"_s)
                continue; // a DVD's navigation packets
            const QByteArray described = QJsonDocument(stream).toJson(QJsonDocument::Compact);
            // Read to its end: every stream decodes.
            QVERIFY2(stream[u"nb_read_frames"_s].toString().toInt() > 0, described.constData());
            if (type == u"video"_s) {
                ++video;
                QVERIFY2(videoCodec.isEmpty() || codec == videoCodec, described.constData());
                if (!size.isEmpty())
                    QCOMPARE(u"%1x%2"_s.arg(stream[u"width"_s].toInt()).arg(stream[u"height"_s].toInt()),
                             size);
            } else {
                ++audio;
                QVERIFY2(audioCodec.isEmpty() || codec == audioCodec, described.constData());
            }
        }
        QCOMPARE(audio, 1);
        QCOMPARE(video, audioProfile || run.AudioOnlyInput ? 0 : 1);
    }
};

QTEST_GUILESS_MAIN(tst_RealEncoderCatalog)
#include "tst_RealEncoderCatalog.moc"
