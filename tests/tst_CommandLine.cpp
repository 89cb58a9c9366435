#include "core/CommandLine.h"

#include <QStringList>
#include <QTest>

using namespace clipvane;

namespace {
QStringList L(std::initializer_list<const char*> items) {
    QStringList list;
    for (const char* item : items)
        list << QString::fromUtf8(item);
    return list;
}

// The bare encoder name the child is started with: Windows finds the program only by its full file name.
#ifdef _WIN32
constexpr const char* kBare = "ffmpeg.exe";
#else
constexpr const char* kBare = "ffmpeg";
#endif

QStringList ToList(const std::vector<std::string>& items) {
    QStringList list;
    for (const std::string& item : items)
        list << QString::fromStdString(item);
    return list;
}
} // namespace

class tst_CommandLine final : public QObject {
    Q_OBJECT

private slots:
    void composeCommandLine_data() {
        QTest::addColumn<bool>("bareName");
        QTest::addColumn<QString>("ffmpegPath");
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("params");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("line");

        const QString audio = QStringLiteral("-vn -acodec libmp3lame -ab 128k -ac 2 -ar 44100 ");
        QTest::newRow("bare name ignores the path, no -y without a question")
            << true << QStringLiteral("/opt/other/ffmpeg") << false << QStringLiteral("/in/a b.wav") << audio
            << QStringLiteral("/out/a b.mp3")
            << QStringLiteral("ffmpeg -i \"/in/a b.wav\" -vn -acodec libmp3lame -ab 128k -ac 2 -ar 44100 "
                              "\"/out/a b.mp3\"");
        QTest::newRow("chosen encoder is quoted")
            << false << QStringLiteral("/opt/my tools/ffmpeg") << false << QStringLiteral("/in/x.avi")
            << audio << QStringLiteral("/o/x.mp3")
            << QStringLiteral("\"/opt/my tools/ffmpeg\" -i \"/in/x.avi\" -vn -acodec "
                              "libmp3lame -ab 128k -ac 2 -ar 44100 \"/o/x.mp3\"");
        QTest::newRow("confirmed overwrite puts -y right after the bare name")
            << true << QString() << true << QStringLiteral("/i.avi") << QStringLiteral("-f mp4 ")
            << QStringLiteral("/o.mp4") << QStringLiteral("ffmpeg -y -i \"/i.avi\" -f mp4 \"/o.mp4\"");
        QTest::newRow("confirmed overwrite puts -y right after the quoted path")
            << false << QStringLiteral("/e/ff") << true << QStringLiteral("/i.avi")
            << QStringLiteral("-f mp4 ") << QStringLiteral("/o.mp4")
            << QStringLiteral("\"/e/ff\" -y -i \"/i.avi\" -f mp4 \"/o.mp4\"");
        QTest::newRow("argument string verbatim, doubled blanks kept")
            << true << QString() << false << QStringLiteral("/i")
            << QStringLiteral("-vcodec  mpeg4   -b:v 1800k  ") << QStringLiteral("/o")
            << QStringLiteral("ffmpeg -i \"/i\" -vcodec  mpeg4   -b:v 1800k  \"/o\"");
        QTest::newRow("empty argument string")
            << true << QString() << false << QStringLiteral("/i") << QString() << QStringLiteral("/o")
            << QStringLiteral("ffmpeg -i \"/i\" \"/o\"");
        QTest::newRow("nothing inserted before the output")
            << true << QString() << false << QStringLiteral("/i") << QStringLiteral("-ac 2")
            << QStringLiteral("/o") << QStringLiteral("ffmpeg -i \"/i\" -ac 2\"/o\"");
        QTest::newRow("paths are not escaped")
            << true << QString() << false << QStringLiteral("/in/say \"hi\".avi") << QString()
            << QStringLiteral("/o/-x.mp3")
            << QStringLiteral("ffmpeg -i \"/in/say \"hi\".avi\" \"/o/-x.mp3\"");
    }
    void composeCommandLine() {
        QFETCH(bool, bareName);
        QFETCH(QString, ffmpegPath);
        QFETCH(bool, overwrite);
        QFETCH(QString, input);
        QFETCH(QString, params);
        QFETCH(QString, output);
        QFETCH(QString, line);
        QCOMPARE(QString::fromStdString(ComposeCommandLine(bareName, ffmpegPath.toStdString(), overwrite,
                                                           input.toStdString(), params.toStdString(),
                                                           output.toStdString())),
                 line);
    }

    void composeArguments_data() {
        QTest::addColumn<bool>("bareName");
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("params");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QStringList>("argv");

        QTest::newRow("bare name, no -y")
            << true << false << QStringLiteral("/i.wav") << QStringLiteral("-ac 2 ")
            << QStringLiteral("/o.mp3") << L({kBare, "-i", "/i.wav", "-ac", "2", "/o.mp3"});
        QTest::newRow("chosen path and -y")
            << false << true << QStringLiteral("/i") << QStringLiteral("-f mp4 ") << QStringLiteral("/o")
            << L({"/opt/my ff/ffmpeg", "-y", "-i", "/i", "-f", "mp4", "/o"});
        QTest::newRow("hostile file names stay single elements")
            << true << false << QStringLiteral("/in/-y \"x\" -f null -.avi") << QString()
            << QStringLiteral("/out/a\" -map 0 \"b.mp4")
            << L({kBare, "-i", "/in/-y \"x\" -f null -.avi", "/out/a\" -map 0 \"b.mp4"});
        QTest::newRow("doubled blanks give no empty element")
            << true << false << QStringLiteral("/i") << QStringLiteral("-vcodec  mpeg4  ")
            << QStringLiteral("/o") << L({kBare, "-i", "/i", "-vcodec", "mpeg4", "/o"});
        QTest::newRow("quoted group in the argument string")
            << true << false << QStringLiteral("/i") << QStringLiteral("-metadata title=\"My Film\" ")
            << QStringLiteral("/o") << L({kBare, "-i", "/i", "-metadata", "title=My Film", "/o"});
    }
    void composeArguments() {
        QFETCH(bool, bareName);
        QFETCH(bool, overwrite);
        QFETCH(QString, input);
        QFETCH(QString, params);
        QFETCH(QString, output);
        QFETCH(QStringList, argv);
        QCOMPARE(ToList(ComposeArguments(bareName, "/opt/my ff/ffmpeg", overwrite, input.toStdString(),
                                         params.toStdString(), output.toStdString())),
                 argv);
    }

    void splitArguments_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("args");

        QTest::newRow("blanks separate") << QStringLiteral("a b c") << L({"a", "b", "c"});
        QTest::newRow("runs of blanks and tabs, no empty elements")
            << QStringLiteral("  a \t\t b  ") << L({"a", "b"});
        QTest::newRow("empty") << QString() << L({});
        QTest::newRow("only blanks") << QStringLiteral(" \t ") << L({});
        QTest::newRow("quotes group") << QStringLiteral("\"a b c\" d e") << L({"a b c", "d", "e"});
        QTest::newRow("quotes inside a word") << QStringLiteral("a\"b c\"d") << L({"ab cd"});
        QTest::newRow("empty quotes are an empty element") << QStringLiteral("a \"\" b") << L({"a", "", "b"});
        QTest::newRow("odd backslashes escape the quote")
            << QStringLiteral("\"ab\\\"c\" \"\\\\\" d") << L({"ab\"c", "\\", "d"});
        QTest::newRow("backslashes without a quote are literal")
            << QStringLiteral("a\\\\\\b d\"e f\"g h") << L({"a\\\\\\b", "de fg", "h"});
        QTest::newRow("three backslashes and a quote")
            << QStringLiteral("a\\\\\\\"b c d") << L({"a\\\"b", "c", "d"});
        QTest::newRow("four backslashes and a quote")
            << QStringLiteral("a\\\\\\\\\"b c\" d e") << L({"a\\\\b c", "d", "e"});
        QTest::newRow("doubled quote inside quotes is a literal quote")
            << QStringLiteral("a\"b\"\" c d") << L({"ab\" c d"});
        QTest::newRow("trailing backslash of a folder")
            << QStringLiteral("C:\\dir\\ x") << L({"C:\\dir\\", "x"});
        QTest::newRow("unterminated quote runs to the end") << QStringLiteral("\"open b") << L({"open b"});
        QTest::newRow("catalog string")
            << QStringLiteral("-vcodec mpeg4 -c:a aac -b:v 1800k -ar 44100 ")
            << L({"-vcodec", "mpeg4", "-c:a", "aac", "-b:v", "1800k", "-ar", "44100"});
        QTest::newRow("non-ASCII bytes pass through")
            << QStringLiteral("-metadata title=\"Été à Köln\"") << L({"-metadata", "title=Été à Köln"});
    }
    void splitArguments() {
        QFETCH(QString, text);
        QFETCH(QStringList, args);
        QCOMPARE(ToList(SplitArguments(text.toStdString())), args);
    }
};

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_CommandLine.moc"
