#include "core/Global.h"
#include "core/Settings.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace clipvane;

Q_DECLARE_METATYPE(clipvane::TSettings)

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

TSettings Make(std::string dir, std::string format, bool same, std::string another, bool notUse,
               std::int32_t atOnce = 1, bool keepDates = false, std::int32_t whenExists = 0) {
    return TSettings{std::move(dir), std::move(format), same,      std::move(another), notUse,
                     atOnce,         keepDates,         whenExists};
}

} // namespace

class tst_Settings final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::string m_folder; // a settings folder with a separator at the end
    QString File() const { return QString::fromStdString(m_folder) + QStringLiteral("settings.ini"); }
    std::string Sub(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)).toStdString(); }

    // What the program adds to the application data folder, with the system's own separators.
    static QString MakerFolder() { return QDir::toNativeSeparators(QStringLiteral("Tarvix/Clipvane/")); }

    static void Compare(const TSettings& actual, const TSettings& expected) {
        QCOMPARE(Q(actual.OutputDirectory), Q(expected.OutputDirectory));
        QCOMPARE(Q(actual.OutputFormat), Q(expected.OutputFormat));
        QCOMPARE(actual.SameInput, expected.SameInput);
        QCOMPARE(Q(actual.AnotherFFmpeg), Q(expected.AnotherFFmpeg));
        QCOMPARE(actual.NotUseAnotherFFmpeg, expected.NotUseAnotherFFmpeg);
        QCOMPARE(actual.ConvertAtOnce, expected.ConvertAtOnce);
        QCOMPARE(actual.KeepDates, expected.KeepDates);
        QCOMPARE(actual.WhenOutputExists, expected.WhenOutputExists);
    }

private slots:
    void init() {
        QVERIFY(m_dir.isValid());
        const QString path = m_dir.filePath(QString::number(QRandomGenerator::global()->generate()));
        QVERIFY(QDir().mkpath(path));
        m_folder = path.toStdString() + "/";
    }

    void firstStart() {
        const std::string folder = SettingsFolder(Sub("appdata") + "/", Sub("program") + "/");
        QCOMPARE(Q(folder), Q(Sub("appdata/")) + MakerFolder());
        QVERIFY(QFileInfo(QString::fromStdString(folder)).isDir());
        Compare(LoadSettings(folder), Make(folder, "", false, "", true));
        QVERIFY(QDir(QString::fromStdString(folder)).isEmpty()); // loading creates no file
    }

    void settingsFolder_data() {
        QTest::addColumn<QString>("appData");
        QTest::addColumn<QString>("fileInTheWay"); // relative to the temporary folder; "-": none
        QTest::addColumn<QString>("fallback");     // a folder of the user's own; empty: none
        QTest::addColumn<QString>("expected");     // "program" for the last resort
        const QString sep = QDir::separator();
        const QString maker = MakerFolder();
        // clang-format off
        QTest::newRow("missing parents created") << "a/b/c/" << "-" << "" << QString(u"a/b/c/" + maker);
        QTest::newRow("no trailing separator")   << "d"      << "-" << "" << QString(u'd' + sep + maker);
        QTest::newRow("appData is a file")       << "f/"     << "f" << "" << "program";
        QTest::newRow("maker folder is a file")  << "g/"     << "g/Tarvix" << "" << "program";
        QTest::newRow("no appData at all")       << ""       << "-" << "" << "program";
        QTest::newRow("appData unusable: the user's own folder") << "h/" << "h" << "own/" << QString(u"own/" + maker);
        QTest::newRow("no appData: the user's own folder") << "" << "-" << "own/" << QString(u"own/" + maker);
        QTest::newRow("own folder unusable too") << "" << "own2" << "own2/" << "program";
        // clang-format on
    }
    void settingsFolder() {
        QFETCH(QString, appData);
        QFETCH(QString, fileInTheWay);
        QFETCH(QString, fallback);
        QFETCH(QString, expected);
        QDir dir(m_dir.path());
        if (fileInTheWay != u'-') {
            QVERIFY(dir.mkpath(QFileInfo(dir.filePath(fileInTheWay)).path()));
            WriteBytes(dir.filePath(fileInTheWay), "x");
        }
        const std::string program = m_folder;
        const QString appDataPath = appData.isEmpty() ? QString() : m_dir.path() + u'/' + appData;
        const QString fallbackPath = fallback.isEmpty() ? QString() : m_dir.path() + u'/' + fallback;
        const TSettingsPlace place =
            FindSettingsPlace(appDataPath.toStdString(), fallbackPath.toStdString(), program);
        if (fallback.isEmpty())
            QCOMPARE(Q(SettingsFolder(appDataPath.toStdString(), program)), Q(place.Folder));
        if (expected == QStringLiteral("program")) {
            QCOMPARE(Q(place.Folder), Q(program));
        } else {
            QCOMPARE(Q(place.Folder), m_dir.path() + u'/' + expected);
            QVERIFY(QFileInfo(QString::fromStdString(place.Folder)).isDir());
        }
        // Said at the save: where they could not go, and where they went.
        const QString notice = Q(SettingsPlaceNotice(place));
        const bool wanted = !appData.isEmpty() && expected.startsWith(appData.left(1));
        QCOMPARE(notice.isEmpty(), wanted);
        if (!wanted) {
            QVERIFY2(notice.contains(Q(place.Folder) + u"settings.ini"), qPrintable(notice));
            QVERIFY2(appData.isEmpty() || notice.contains(m_dir.path() + u'/' + appData + MakerFolder()),
                     qPrintable(notice));
        }
    }

    void fallbackFolderHoldsTheFile() {
        WriteBytes(m_dir.filePath(QStringLiteral("appdata-file")), "x");
        const std::string folder = SettingsFolder(Sub("appdata-file") + "/", m_folder);
        const TSettings saved = Make("/out/", "fmt", true, "/enc", false);
        SaveSettings(folder, saved);
        QVERIFY(QFile::exists(File()));
        Compare(LoadSettings(m_folder), saved);
    }

    void handEdited_data() {
        QTest::addColumn<QByteArray>("lines");
        QTest::addColumn<TSettings>("expected"); // OutputDirectory "<folder>": the settings folder
        const std::string f = "<folder>";
        // clang-format off
        QTest::newRow("SameInput yes is no integer")      << QByteArray("SameInput=yes")  << Make(f, "", false, "", true);
        QTest::newRow("SameInput 2 is true")              << QByteArray("SameInput=2")    << Make(f, "", true, "", true);
        QTest::newRow("SameInput $1F is true")            << QByteArray("SameInput=$1F")  << Make(f, "", true, "", true);
        QTest::newRow("NotUseAnotherFFmpeg 0x0 is false") << QByteArray("NotUseAnotherFFmpeg=0x0") << Make(f, "", false, "", false);
        QTest::newRow("NotUseAnotherFFmpeg empty: default") << QByteArray("NotUseAnotherFFmpeg=") << Make(f, "", false, "", true);
        QTest::newRow("NotUseAnotherFFmpeg missing is true") << QByteArray("AnotherFFmpeg=/ff") << Make(f, "", false, "/ff", true);
        QTest::newRow("empty OutputDirectory stays empty") << QByteArray("OutputDirectory=") << Make("", "", false, "", true);
        QTest::newRow("ConvertAtOnce 0: one per core") << QByteArray("ConvertAtOnce=0") << Make(f, "", false, "", true, 0);
        QTest::newRow("ConvertAtOnce 4")             << QByteArray("ConvertAtOnce=4") << Make(f, "", false, "", true, 4);
        QTest::newRow("ConvertAtOnce garbage is 1")  << QByteArray("ConvertAtOnce=two") << Make(f, "", false, "", true, 1);
        QTest::newRow("ConvertAtOnce below 0 is 1")  << QByteArray("ConvertAtOnce=-2") << Make(f, "", false, "", true, 1);
        QTest::newRow("ConvertAtOnce empty is 1")    << QByteArray("ConvertAtOnce=") << Make(f, "", false, "", true, 1);
        QTest::newRow("KeepDates 1")                 << QByteArray("KeepDates=1") << Make(f, "", false, "", true, 1, true);
        QTest::newRow("KeepDates yes is no integer") << QByteArray("KeepDates=yes") << Make(f, "", false, "", true, 1, false);
        QTest::newRow("WhenOutputExists 2: skip")    << QByteArray("WhenOutputExists=2") << Make(f, "", false, "", true, 1, false, 2);
        QTest::newRow("WhenOutputExists 3 asks")     << QByteArray("WhenOutputExists=3") << Make(f, "", false, "", true, 1, false, 0);
        QTest::newRow("WhenOutputExists garbage asks") << QByteArray("WhenOutputExists=skip") << Make(f, "", false, "", true, 1, false, 0);
        QTest::newRow("keys in another case")  << QByteArray("outputdirectory=/x/\nSAMEINPUT=1") << Make("/x/", "", true, "", true);
        QTest::newRow("blanks around =")       << QByteArray("  OutputFormat =  ffmpeg -i %1 -vn %1.wav  ")
                                               << Make(f, "ffmpeg -i %1 -vn %1.wav", false, "", true);
        // clang-format on
    }
    void handEdited() {
        QFETCH(QByteArray, lines);
        QFETCH(TSettings, expected);
        if (expected.OutputDirectory == "<folder>")
            expected.OutputDirectory = m_folder;
        WriteBytes(File(), "[Options]\n" + lines + "\n");
        Compare(LoadSettings(m_folder), expected);
    }

    void roundTrip_data() {
        QTest::addColumn<TSettings>("settings");
        QTest::newRow("defaults") << Make("", "", false, "", true);
        QTest::newRow("manual command line")
            << Make("/out/", "ffmpeg -i %1 -vn -ac 1 %1.wav", true, "/opt/ffmpeg", false);
        QTest::newRow("= ; [ ] in values") << Make("/a=b;c/[d]/", "x=1;[y]", false, "/e=[f];", true);
        QTest::newRow("non-ASCII") << Make("/home/zo\xC3\xAB/Vid\xC3\xA9os/", "\xE5\x8B\x95", true,
                                           "/opt/\xE2\x82\xAC/ffmpeg", false);
        QTest::newRow("several at once") << Make("/o/", "f", false, "", true, 3);
        QTest::newRow("one per core") << Make("/o/", "f", false, "", true, 0);
        QTest::newRow("keeping the source's dates") << Make("/o/", "f", false, "", true, 1, true);
        QTest::newRow("replace existing outputs") << Make("/o/", "f", false, "", true, 1, false, 1);
    }
    void roundTrip() {
        QFETCH(TSettings, settings);
        SaveSettings(m_folder, settings);
        Compare(LoadSettings(m_folder), settings);
        // Saving twice replaces the values rather than adding lines.
        const QByteArray once = ReadBytes(File());
        SaveSettings(m_folder, settings);
        QCOMPARE(ReadBytes(File()), once);
    }

    void newFileHoldsTheKeysInOrder() {
        SaveSettings(m_folder, Make("/o/", "f", true, "/a", false));
        QCOMPARE(
            ReadBytes(File()),
            QByteArray(
                "[Options]\r\nOutputDirectory=/o/\r\nOutputFormat=f\r\nSameInput=1\r\n"
                "AnotherFFmpeg=/"
                "a\r\nNotUseAnotherFFmpeg=0\r\nConvertAtOnce=1\r\nKeepDates=0\r\nWhenOutputExists=0\r\n"));
    }

    void windowsFileReadAndKept() {
        // As Windows leaves it after a hand edit in Notepad: BOM, CRLF, comments, another section.
        const QByteArray windows(
            "\xEF\xBB\xBF; Clipvane\r\n[Options]\r\nOutputDirectory=C:\\Users\\Zo\xC3\xAB\\Videos\\\r\n"
            "OutputFormat=MP4 (H.264)\r\nSameInput=1\r\nAnotherFFmpeg=\r\n"
            "NotUseAnotherFFmpeg=0\r\nWindowLeft=10\r\n\r\n[Recent]\r\nFile1=a.avi\r\n");
        WriteBytes(File(), windows);
        const TSettings loaded = LoadSettings(m_folder);
        Compare(loaded, Make("C:\\Users\\Zo\xC3\xAB\\Videos\\", "MP4 (H.264)", true, "", false));
        SaveSettings(m_folder, loaded);
        // The keys after the designed ones join the end of its section; everything else stays byte
        // for byte.
        QByteArray expected = windows;
        expected.replace("WindowLeft=10\r\n",
                         "WindowLeft=10\r\nConvertAtOnce=1\r\nKeepDates=0\r\nWhenOutputExists=0\r\n");
        QCOMPARE(ReadBytes(File()), expected);
    }

    void failedSave() {
        const std::string folder = Sub("gone") + "/";
        WriteBytes(QString::fromStdString(Sub("gone")), "a file where the folder was");
        try {
            SaveSettings(folder, Make("/o/", "", false, "", true));
            QFAIL("no exception");
        } catch (const Exception& e) {
            QCOMPARE(Q(e.what()), Q("Unable to write to " + folder + "settings.ini"));
        }
    }

    void runnersFor_data() {
        QTest::addColumn<int>("atOnce");
        QTest::addColumn<int>("files");
        QTest::addColumn<int>("allowed"); // encoders the machine's limits leave room for
        QTest::addColumn<int>("runners");
        // clang-format off
        QTest::newRow("one at a time")                  << 1 << 12 << 100 << 1;
        QTest::newRow("0: one per core")                << 0 << 12 << 100 << 4;
        QTest::newRow("N")                              << 3 << 12 << 100 << 3;
        QTest::newRow("never more than files")          << 0 << 2  << 100 << 2;
        QTest::newRow("hand-set above files")           << 50 << 6 << 100 << 6;
        QTest::newRow("1000 from settings.ini: four per core") << 1000 << 300 << 100 << 16;
        QTest::newRow("no more than the limits allow")  << 1000 << 300 << 9 << 9;
        QTest::newRow("limits leave none: still one")   << 3 << 12 << 0 << 1;
        // clang-format on
    }
    void runnersFor() {
        QFETCH(int, atOnce);
        QFETCH(int, files);
        QFETCH(int, allowed);
        QFETCH(int, runners);
        QCOMPARE(RunnersFor(atOnce, std::size_t(files), 4, std::size_t(allowed)), std::size_t(runners));
    }

    void chooseOutputDirectory_data() {
        QTest::addColumn<QString>("box"); // "<dir>" / "<file>": an existing folder / file
        QTest::addColumn<bool>("takesBox");
        QTest::newRow("existing folder") << "<dir>" << true;
        QTest::newRow("existing folder with separator") << "<dir>/" << true;
        QTest::newRow("missing folder") << "<dir>/missing" << false;
        QTest::newRow("a file") << "<file>" << false;
        QTest::newRow("empty box") << "" << false;
    }
    void chooseOutputDirectory() {
        QFETCH(QString, box);
        QFETCH(bool, takesBox);
        WriteBytes(m_dir.filePath(QStringLiteral("file")), "x");
        box.replace(QStringLiteral("<dir>"), m_dir.path())
            .replace(QStringLiteral("<file>"), m_dir.filePath(QStringLiteral("file")));
        const std::string expected = takesBox ? box.toStdString() : std::string("/remembered/");
        QCOMPARE(Q(ChooseOutputDirectory(box.toStdString(), "/remembered/")), Q(expected));
    }
};

QTEST_GUILESS_MAIN(tst_Settings)
#include "tst_Settings.moc"
