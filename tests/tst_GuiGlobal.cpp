#include "ScriptedDialogs.h"
#include "TestFiles.h"
#include "gui/Global.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace clipvane;
using namespace Qt::StringLiterals;

class tst_GuiGlobal final : public QObject {
    Q_OBJECT

private slots:
    void browseForFolder_data() {
        QTest::addColumn<QString>("folder"); // @ = an existing scratch folder
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("initial");
        QTest::newRow("existing folder is the start") << u"@"_s << u"/picked"_s << u"@"_s;
        QTest::newRow("missing folder is not") << u"@/gone"_s << u"/picked"_s << QString();
        QTest::newRow("cancel keeps a missing one") << u"@/gone"_s << QString() << QString();
    }
    void browseForFolder() {
        QFETCH(QString, folder);
        QFETCH(QString, chosen);
        QFETCH(QString, initial);
        QTemporaryDir dir(ScriptsFolderTemplate());
        folder.replace(u'@', dir.path());
        const QString before = folder;
        TScriptedDialogs dialogs;
        dialogs.folders.enqueue(chosen);
        QCOMPARE(BrowseForFolder(nullptr, u"Pick"_s, folder), !chosen.isEmpty());
        QCOMPARE(folder, chosen.isEmpty() ? before : QDir::toNativeSeparators(chosen));
        QCOMPARE(dialogs.folderPickers.size(), 1);
        QCOMPARE(dialogs.folderPickers[0].folder, initial.replace(u'@', dir.path()));
    }

    // The real picker: folders only, opened on the folder, in the middle of the screen.
    void realPickerStartsAtTheFolder() {
        QTemporaryDir dir;
        QWidget owner; // in a corner, where the picker would open over it by default
        owner.setGeometry(0, 0, 300, 200);
        owner.show();
        QString shown;
        QPoint offset(-1000, -1000);
        QTimer::singleShot(0, this, [&] {
            auto* picker = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(picker);
            if (picker->fileMode() == QFileDialog::Directory && picker->testOption(QFileDialog::ShowDirsOnly))
                shown = picker->directory().absolutePath();
            offset = picker->geometry().center() - picker->screen()->availableGeometry().center();
            static_cast<QDialog*>(picker)->accept();
        });
        const QString chosen = TQtDialogs().ExistingDirectory(&owner, u"Pick"_s, dir.path());
        QCOMPARE(shown, dir.path());
        QVERIFY2(qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2, "not centred on the screen");
        QCOMPARE(QDir(chosen).absolutePath(), dir.path());
    }
};

QTEST_MAIN(tst_GuiGlobal)
#include "tst_GuiGlobal.moc"
