#include "core/Global.h"
#include "core/IniFile.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

using namespace clipvane;

namespace {} // namespace

class tst_IniFile final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_path;
    int m_count = 0;
    TIniFile Ini() const { return TIniFile(m_path.toStdString()); }

private slots:
    void init() {
        // A folder of its own for each test and row.
        QVERIFY(m_dir.isValid());
        const QString folder = m_dir.filePath(QString::number(++m_count));
        QVERIFY(QDir().mkpath(folder));
        m_path = folder + QStringLiteral("/settings.ini");
    }

    void readString_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected"); // of key "K" in section "Options"
        const QString dflt = QStringLiteral("<default>");
        // clang-format off
        QTest::newRow("plain")                         << QByteArray("[Options]\r\nK=abc\r\n")     << "abc";
        QTest::newRow("missing key gives the default") << QByteArray("[Options]\r\nJ=1\r\n")       << dflt;
        QTest::newRow("present empty value is empty")  << QByteArray("[Options]\r\nK=\r\n")        << "";
        QTest::newRow("names in another case")         << QByteArray("[oPTIONS]\r\nk=x\r\n")       << "x";
        QTest::newRow("blanks around names, =, value") << QByteArray(" [ Options ] \n\tK \t=  a  b \t\n") << "a  b";
        QTest::newRow("double quotes dropped")         << QByteArray("[Options]\nK= \" a \" \n")  << " a ";
        QTest::newRow("single quotes dropped")         << QByteArray("[Options]\nK='a'\n")         << "a";
        QTest::newRow("only one pair dropped")         << QByteArray("[Options]\nK=\"\"a\"\"\n")   << "\"a\"";
        QTest::newRow("unmatched quote kept")          << QByteArray("[Options]\nK=\"a'\n")        << "\"a'";
        QTest::newRow("first = splits")                << QByteArray("[Options]\nK=-vf s=1:2\n")   << "-vf s=1:2";
        QTest::newRow("same key of other sections")    << QByteArray("[O]\nK=x\n[Options]\n[P]\nK=y\n") << dflt;
        QTest::newRow("key before any section")        << QByteArray("K=x\n[Options]\n")           << dflt;
        QTest::newRow("comment is no key")             << QByteArray("[Options]\n;K=x\n")          << dflt;
        QTest::newRow("line without = is no key")      << QByteArray("[Options]\nK\n")             << dflt;
        QTest::newRow("first of two keys")             << QByteArray("[Options]\nK=1\nK=2\n")      << "1";
        QTest::newRow("first of two sections")         << QByteArray("[Options]\n[Options]\nK=2\n") << dflt;
        QTest::newRow("BOM and CRLF")                  << QByteArray("\xEF\xBB\xBF[Options]\r\nK=v\r\n") << "v";
        QTest::newRow("non-ASCII")                     << QByteArray("[Options]\nK=Vid\xC3\xA9os/\xE5\x8B\x95\n")
                                                       << QStringLiteral(u"Vidéos/動");
#ifdef Q_OS_WIN
        QTest::newRow("a line an earlier build wrote in the ANSI code page")
                                                       << "[Options]\r\nK=" + AnsiCodePageName().toLocal8Bit() + "\r\n"
                                                       << AnsiCodePageName();
#endif
        QTest::newRow("cut at 2047 characters")        << "[Options]\nK=" + QByteArray(3000, 'a') << QString(2047, u'a');
        QTest::newRow("cut counts characters, not bytes")
            << "[Options]\nK=" + QByteArray(2045, 'a') + "\xC3\xA9\xC3\xA9\xC3\xA9" << QString(2045, u'a') + QStringLiteral(u"éé");
        // clang-format on
    }
    void readString() {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        WriteBytes(m_path, content);
        QCOMPARE(QString::fromStdString(Ini().ReadString("Options", "K", "<default>")), expected);
    }

    void missingOrUnreadableFileReadsEmpty() {
        QCOMPARE(Ini().ReadString("Options", "K", "d"), std::string("d"));
        QVERIFY(!QFile::exists(m_path)); // reading creates nothing
        QVERIFY(QDir().mkdir(m_path));
        QCOMPARE(Ini().ReadString("Options", "K", "d"), std::string("d"));
        QCOMPARE(Ini().ReadBool("Options", "K", true), true);
    }

    void readInteger_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("expected");
        QTest::newRow("decimal") << QByteArray("K=12") << 12;
        QTest::newRow("dollar hex") << QByteArray("K=$1F") << 31;
        QTest::newRow("0x hex") << QByteArray("K=0x1f") << 31;
        QTest::newRow("0x zero") << QByteArray("K=0x0") << 0;
        QTest::newRow("hex wraps to 32 bits") << QByteArray("K=$FFFFFFFF") << -1;
        QTest::newRow("quoted number") << QByteArray("K=\"7\"") << 7;
        QTest::newRow("0x without digit") << QByteArray("K=0x") << 99;
        QTest::newRow("word") << QByteArray("K=yes") << 99;
        QTest::newRow("empty") << QByteArray("K=") << 99;
        QTest::newRow("decimal beyond 32 bits") << QByteArray("K=2147483648") << 99;
        QTest::newRow("hex beyond 32 bits") << QByteArray("K=$100000000") << 99;
        QTest::newRow("missing") << QByteArray("J=1") << 99;
    }
    void readInteger() {
        QFETCH(QByteArray, line);
        QFETCH(int, expected);
        WriteBytes(m_path, "[Options]\r\n" + line + "\r\n");
        QCOMPARE(Ini().ReadInteger("Options", "K", 99), expected);
        QCOMPARE(Ini().ReadBool("Options", "K", true), expected != 0);
        QCOMPARE(Ini().ReadBool("Options", "K", false), expected != 0 && expected != 99);
    }

    void writeString_data() {
        QTest::addColumn<QByteArray>("before"); // "<none>": no file
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("new file: CRLF") << QByteArray("<none>") << "v" << QByteArray("[Options]\r\nK=v\r\n");
        QTest::newRow("empty file") << QByteArray() << "v" << QByteArray("[Options]\r\nK=v\r\n");
        QTest::newRow("replaces only that line")
            << QByteArray(";c\r\n[O]\r\nK=o\r\n\r\n[Options]\r\n;n\r\nK=old\r\nJ=2\r\n[X]\r\nK=x\r\n")
            << "new"
            << QByteArray(";c\r\n[O]\r\nK=o\r\n\r\n[Options]\r\n;n\r\nK=new\r\nJ=2\r\n[X]\r\nK=x\r\n");
        QTest::newRow("replaces a key in another case, LF kept")
            << QByteArray("[options]\n k = \"old\" \n") << "new" << QByteArray("[options]\nK=new\n");
        QTest::newRow("new section after a blank line, LF kept")
            << QByteArray("[Other]\nA=1\n") << "v" << QByteArray("[Other]\nA=1\n\n[Options]\nK=v\n");
        QTest::newRow("no second blank line") << QByteArray("[Other]\r\nA=1\r\n\r\n") << "v"
                                              << QByteArray("[Other]\r\nA=1\r\n\r\n[Options]\r\nK=v\r\n");
        QTest::newRow("BOM kept") << QByteArray("\xEF\xBB\xBF[Options]\r\nA=1\r\n") << "v"
                                  << QByteArray("\xEF\xBB\xBF[Options]\r\nA=1\r\nK=v\r\n");
        QTest::newRow("new key after the section's last key")
            << QByteArray("[Options]\r\nA=1\r\n\r\n; about Other\r\n[Other]\r\nK=2\r\n") << "v"
            << QByteArray("[Options]\r\nA=1\r\nK=v\r\n\r\n; about Other\r\n[Other]\r\nK=2\r\n");
        QTest::newRow("new key in an empty section")
            << QByteArray("[Options]\r\n[Other]\r\n") << "v" << QByteArray("[Options]\r\nK=v\r\n[Other]\r\n");
        QTest::newRow("last line without break")
            << QByteArray("[Options]\nA=1") << "v" << QByteArray("[Options]\nA=1\nK=v\n");
        QTest::newRow("value stored raw") << QByteArray("<none>") << QStringLiteral(u"a=b; [c] \"d\" é")
                                          << QByteArray("[Options]\r\nK=a=b; [c] \"d\" \xC3\xA9\r\n");
        QTest::newRow("empty value") << QByteArray("[Options]\r\nK=x\r\n") << ""
                                     << QByteArray("[Options]\r\nK=\r\n");
        QTest::newRow("a CR that ends another value stays, in a file of LF lines")
            << QByteArray("[Options]\nA=x\r\r\n") << "v" << QByteArray("[Options]\nA=x\r\r\nK=v\n");
#ifdef Q_OS_WIN
        QTest::newRow("a line an earlier build wrote in the ANSI code page is written back as UTF-8")
            << "[Options]\r\nA=" + AnsiCodePageName().toLocal8Bit() + "\r\n"
            << "v"
            << "[Options]\r\nA=" + AnsiCodePageName().toUtf8() + "\r\nK=v\r\n";
#endif
    }
    void writeString() {
        QFETCH(QByteArray, before);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        if (before != "<none>")
            WriteBytes(m_path, before);
        Ini().WriteString("Options", "K", value.toStdString());
        QCOMPARE(ReadBytes(m_path), after);
        QCOMPARE(QDir(QFileInfo(m_path).path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("settings.ini")});
    }

    void existingPermissionsKept() {
#ifdef _WIN32
        QSKIP("Windows files have no POSIX permission bits (attributes: settings_check)");
#endif
        WriteBytes(m_path, "[Options]\n");
        QVERIFY(QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner));
        Ini().WriteString("Options", "K", "v");
        const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
        QCOMPARE(QFile::permissions(m_path) & others, QFile::Permissions());
        QVERIFY(QFile::permissions(m_path) & QFile::WriteOwner);
    }

    void refusedWriteChangesNothing_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("LF in value would add a line") << "Options"
                                                      << "K"
                                                      << "a\n[Other]";
        QTest::newRow("= in key") << "Options"
                                  << "K=J"
                                  << "v";
        QTest::newRow("] in section") << "Opt]ions"
                                      << "K"
                                      << "v";
    }
    void refusedWriteChangesNothing() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const QByteArray before("[Options]\r\nK=old\r\n");
        WriteBytes(m_path, before);
        QVERIFY_THROWS_EXCEPTION(
            Exception, Ini().WriteString(section.toStdString(), key.toStdString(), value.toStdString()));
        QCOMPARE(ReadBytes(m_path), before);
    }

    void failedWriteKeepsOldFile() {
#ifdef _WIN32
        QSKIP("needs a file size limit");
#else
        // A full disk in miniature: the new text cannot be written in full.
        const QByteArray before("[Options]\r\nK=old\r\n");
        WriteBytes(m_path, before);
        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit small = old;
        small.rlim_cur = 1024;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        std::string message;
        try {
            Ini().WriteString("Options", "K", std::string(4000, 'x'));
        } catch (const Exception& e) {
            message = e.what();
        }
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(QString::fromStdString(message), QStringLiteral("Unable to write to ") + m_path);
        QCOMPARE(ReadBytes(m_path), before);
        QCOMPARE(QDir(QFileInfo(m_path).path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("settings.ini")});
#endif
    }

    void folderInTheWay() {
        QVERIFY(QDir().mkdir(m_path));
        QVERIFY_THROWS_EXCEPTION(Exception, Ini().WriteString("Options", "K", "v"));
        QVERIFY(QFileInfo(m_path).isDir());
        QCOMPARE(QDir(QFileInfo(m_path).path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
};

QTEST_GUILESS_MAIN(tst_IniFile)
#include "tst_IniFile.moc"
