#include "DialogChecks.h"
#include "ScriptedDialogs.h"
#include "TestFiles.h"
#include "core/platform/Files.h"
#include "gui/Useanother.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

using namespace clipvane;
using namespace Qt::StringLiterals;

namespace {
const QString kEncoder = QString::fromUtf8(platform::EncoderFileName());
void Click(QObject& dialog, const QString& names) {
    for (const QString& name : names.split(u' ', Qt::SkipEmptyParts))
        Child<QPushButton>(dialog, name.toLatin1().constData())->click();
}
} // namespace

class tst_Useanother final : public QObject {
    Q_OBJECT

private slots:
    // OK closes only for the default encoder or an existing file; only then do the values change.
    void okRule_data() {
        QTest::addColumn<QString>("path"); // @ = a scratch folder holding other.bin and program/
        QTest::addColumn<bool>("notUse");
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<QString>("stored"); // empty: refused, then cancelled
        QTest::newRow("Don't use it, empty path") << QString() << true << u"bOK"_s << u"="_s;
        QTest::newRow("Don't use it keeps a missing file") << u"@/gone"_s << true << u"bOK"_s << u"@/gone"_s;
        QTest::newRow("missing file refused") << u"@/gone"_s << false << u"bOK"_s << QString();
        QTest::newRow("folder refused") << u"@"_s << false << u"bOK"_s << QString();
        QTest::newRow("any existing file") << u"@/other.bin"_s << false << u"bOK"_s << u"@/other.bin"_s;
        QTest::newRow("Default, encoder beside the program")
            << u"+"_s << false << u"bDefault bOK"_s << u"@/program/"_s + kEncoder;
        QTest::newRow("Default, no encoder beside the program")
            << QString() << false << u"bDefault bOK"_s << QString();
    }
    void okRule() {
        QFETCH(QString, path);
        QFETCH(bool, notUse);
        QFETCH(QString, buttons);
        QFETCH(QString, stored);
        TScriptedDialogs dialogs;
        QTemporaryDir dir(ScriptsFolderTemplate());
        const QString program = dir.filePath(u"program/"_s);
        QVERIFY(QDir().mkpath(program) && WriteFile(dir.filePath(u"other.bin"_s), "x"));
        if (path == u"+") // the program folder is injected, so a test can put an encoder beside it
            QVERIFY(WriteFile(program + kEncoder, "x"));
        std::string another = "/old/ffmpeg";
        bool notUseAnother = true;
        QString shown;
        bool open = false;
        QTimer::singleShot(0, qApp, [&] {
            auto* dialog = qobject_cast<TfrmUseFFmpeg*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            shown = dialog->Path() + (dialog->NotUseAnother() ? u" [x]" : u" [ ]");
            dialog->ProgramFolder = [program] { return program.toStdString(); };
            dialog->SetChoice(path.replace(u'@', dir.path()), notUse);
            Click(*dialog, buttons);
            if ((open = dialog->isVisible()))
                Click(*dialog, u"bCancel"_s);
        });
        QCOMPARE(RunUseAnotherFFmpeg(nullptr, another, notUseAnother), !stored.isEmpty());
        QCOMPARE(shown, u"/old/ffmpeg [x]"_s);
        QCOMPARE(open, stored.isEmpty());
        QCOMPARE(dialogs.messages.size(), int(open));
        if (open)
            QCOMPARE(dialogs.messages[0].text, u"This FFmpeg.exe file does not exist."_s);
        QCOMPARE(QString::fromStdString(another), open             ? u"/old/ffmpeg"_s
                                                  : stored == u"=" ? path
                                                                   : stored.replace(u'@', dir.path()));
        QCOMPARE(notUseAnother, open || notUse);
    }

    void browsing() {
        TScriptedDialogs dialogs;
        dialogs.fileNames.enqueue({u"/opt/enc/ffmpeg"_s});
        TfrmUseFFmpeg dialog(nullptr);
        dialog.SetChoice(u"/usr/bin/ffmpeg"_s, false);
        Click(dialog, u"bBrowser bBrowser"_s); // the second is cancelled
        QCOMPARE(dialog.Path(), QDir::toNativeSeparators(u"/opt/enc/ffmpeg"_s));
        QCOMPARE(dialogs.filePickers.size(), 2);
        QCOMPARE(dialogs.filePickers[0].filter, u"%1 (%1)"_s.arg(kEncoder));
        QCOMPARE(dialogs.filePickers[1].folder, QString()); // not preset from the path box
    }

    void window_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("focus");
        QTest::newRow("path given: focus on it") << u"/usr/bin/ffmpeg"_s << u"Edit1"_s;
        QTest::newRow("no path: first in tab order") << QString() << u"bCancel"_s;
    }
    void window() {
        QFETCH(QString, path);
        QFETCH(QString, focus);
        QWidget owner;
        owner.setGeometry(200, 100, 640, 480);
        owner.show();
        TfrmUseFFmpeg dialog(&owner);
        dialog.SetChoice(path, true);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), u"Use another FFmpeg"_s);
        VerifyFixedAndCentred(dialog, owner, QSize(368, 139));
        QVERIFY(dialog.focusWidget());
        QCOMPARE(dialog.focusWidget()->objectName(), focus);
        QCOMPARE(TabOrder(Child<QWidget>(dialog, "bCancel")),
                 (QStringList{u"bCancel"_s, u"bDefault"_s, u"bOK"_s, u"Edit1"_s, u"bBrowser"_s,
                              u"cbNotUseAnother"_s}));
        VerifyNothingClipped(dialog);
    }
};

QTEST_MAIN(tst_Useanother)
#include "tst_Useanother.moc"
