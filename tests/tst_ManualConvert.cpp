#include "DialogChecks.h"
#include "ScriptedDialogs.h"
#include "core/profiles/ProfileCatalog.h"
#include "gui/ManualConvert.h"

#include <QPushButton>
#include <QTimer>

using namespace clipvane;
using namespace Qt::StringLiterals;

namespace {
const QString kArguments = u"-s 320x240 -r 14 -b 50k -ar 22050 -ab 56k -ac 1"_s;
const QString kLine = u"ffmpeg -i %1 -s 320x240 -r 14 -b 50k -ar 22050 -ab 56k -ac 1 %1.mov"_s;
QString Text(QObject& dialog, const char* name) {
    return Child<QLineEdit>(dialog, name)->text();
}
} // namespace

class tst_ManualConvert final : public QObject {
    Q_OBJECT

private slots:
    void opening_data() {
        QTest::addColumn<QString>("profileText");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("extension");
        QTest::newRow("catalog caption: design texts")
            << QString::fromUtf8(ProfileCatalog().front().Caption) << kArguments << u"mov"_s;
        QTest::newRow("default line reads back") << kLine << kArguments << u"mov"_s;
        QTest::newRow("prefix in any case") << u"FFmpeg -i %1 -vn %1.mp3"_s << u"-vn"_s << u"mp3"_s;
        QTest::newRow("non-ASCII") << u"ffmpeg -i %1 -metadata t=Größe %1.mkv"_s << u"-metadata t=Größe"_s
                                   << u"mkv"_s;
        QTest::newRow("trailing blanks kept") << u"ffmpeg -i %1 -vn   %1.ogg"_s << u"-vn  "_s << u"ogg"_s;
        QTest::newRow("extension with its dot") << u"ffmpeg -i %1 -vn %1..mov"_s << u"-vn"_s << u".mov"_s;
        QTest::newRow("arguments cut at their own mark")
            << u"ffmpeg -i %1 -metadata t=%1.x -vn %1.mp3"_s << u"-metadata t"_s << u"x -vn %1.mp3"_s;
        QTest::newRow("mark inside the front") << u"ffmpeg %1.mp3"_s << QString() << u"mp3"_s;
        // The conversion selects nothing for a line without the mark; nor is it read as one here.
        QTest::newRow("no output mark: design texts") << u"ffmpeg -i %1 -vn"_s << kArguments << u"mov"_s;
    }
    void opening() {
        QFETCH(QString, profileText);
        QFETCH(QString, arguments);
        QFETCH(QString, extension);
        TfrmManualConvert dialog(nullptr, profileText);
        dialog.show();
        QCOMPARE(Text(dialog, "eCommandLine"), arguments);
        QCOMPARE(Text(dialog, "eOutputFile"), extension);
        QCOMPARE(dialog.CommandLine(), u"ffmpeg -i %1 "_s + arguments + u" %1."_s + extension);
        // The conversion reads the same values from the line, with its blank and its dot.
        QCOMPARE(QString::fromStdString(GetFFmpegParams(dialog.CommandLine().toStdString())),
                 arguments + u' ');
        QCOMPARE(QString::fromStdString(GetOutputExt(dialog.CommandLine().toStdString())), u'.' + extension);
    }

    void closing_data() {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<int>("key"); // 0: Cancel, else a key pressed in the arguments
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("refused");
        QTest::newRow("Enter, blanks only pass") << u" "_s << u" "_s << int(Qt::Key_Return) << 1 << false;
        QTest::newRow("Enter, no arguments") << QString() << u"mp3"_s << int(Qt::Key_Return) << 0 << true;
        QTest::newRow("Enter, no extension") << u"-vn"_s << QString() << int(Qt::Key_Return) << 0 << true;
        QTest::newRow("Cancel") << u"-vn"_s << u"mp3"_s << 0 << 0 << false;
    }
    void closing() {
        QFETCH(QString, arguments);
        QFETCH(QString, extension);
        QFETCH(int, key);
        QFETCH(int, result);
        QFETCH(bool, refused);
        TScriptedDialogs dialogs;
        TfrmManualConvert dialog(nullptr, QString());
        bool openAfterRefusal = false;
        QTimer::singleShot(0, &dialog, [&] {
            Child<QLineEdit>(dialog, "eCommandLine")->setText(arguments);
            Child<QLineEdit>(dialog, "eOutputFile")->setText(extension);
            if (key)
                QTest::keyClick(Child<QLineEdit>(dialog, "eCommandLine"), Qt::Key(key));
            else
                Child<QPushButton>(dialog, "bCancel")->click();
            if ((openAfterRefusal = refused && dialog.isVisible()))
                dialog.reject();
        });
        QCOMPARE(dialog.exec(), result);
        QCOMPARE(openAfterRefusal, refused);
        QCOMPARE(dialogs.messages.size(), int(refused));
        if (refused) {
            QCOMPARE(dialogs.messages[0].text, u"Please check the insertion of parameters!"_s);
            QCOMPARE(dialogs.messages[0].icon, QMessageBox::Information);
            QCOMPARE(Text(dialog, "eCommandLine"), arguments); // left to be corrected
        }
    }

    void window() {
        QWidget owner;
        owner.setGeometry(150, 120, 700, 500);
        owner.show();
        TfrmManualConvert dialog(&owner, QString());
        dialog.show();
        QCOMPARE(dialog.windowTitle(), u"Manual conversion"_s);
        VerifyFixedAndCentred(dialog, owner, QSize(540, 363));
        QVERIFY(Child<QLineEdit>(dialog, "Edit1")->isReadOnly());
        QVERIFY(dialog.focusWidget());
        QCOMPARE(TabOrder(dialog.focusWidget()),
                 (QStringList{u"eCommandLine"_s, u"eOutputFile"_s, u"Edit1"_s, u"bOK"_s, u"bCancel"_s}));
        VerifyNothingClipped(dialog);
    }
};

QTEST_MAIN(tst_ManualConvert)
#include "tst_ManualConvert.moc"
