#include "DialogChecks.h"
#include "ScriptedDialogs.h"
#include "TestFiles.h"
#include "gui/ConvertHint.h"
#include "gui/Main.h"
#include "gui/controls/TFlatPanelUnit.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

using namespace clipvane;
using namespace Qt::StringLiterals;

namespace {

// The fake encoder reports one second of progress and records its arguments in the output.
const QString kProfile = u"ffmpeg -i %1 --write-args --duration 00:00:01.00 --time 00:00:01.00 %1.txt"_s;

struct TDropSetup {
    QTemporaryDir dir;
    TScriptedDialogs dialogs;

    TDropSetup() {
        for (const char* folder : {"clips/sub", "out"})
            QDir(dir.path()).mkpath(QLatin1String(folder));
        for (const char* file : {"a.avi", "b.avi", ".e.avi", "clips/c2.avi", "clips/C1.avi",
                                 "clips/.hidden.avi", "clips/sub/d.avi"})
            WriteFile(dir.filePath(QLatin1String(file)), "input");
    }
    QString T(QString text) const { return text.replace(u"%T"_s, dir.path()); }
    // "%T/..." names a local path, anything else is taken as a web address.
    std::unique_ptr<QMimeData> Mime(const QStringList& items, const QString& text = {}) const {
        auto data = std::make_unique<QMimeData>();
        QList<QUrl> urls;
        for (const QString& item : items)
            urls << (item.startsWith(u"%T"_s) ? QUrl::fromLocalFile(T(item)) : QUrl(item));
        if (!urls.isEmpty())
            data->setUrls(urls);
        if (!text.isEmpty())
            data->setText(text);
        return data;
    }
};

// Drags `data` over `window` and drops it; true when the window took it with a copy.
bool Drop(QWidget& window, const QMimeData& data, Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction) {
    const QPoint at(200, 100);
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&window, &enter);
    const bool entered = enter.isAccepted() && enter.dropAction() == Qt::CopyAction;
    QDragMoveEvent move(at, actions, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&window, &move);
    QDropEvent drop(at, actions, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&window, &drop);
    return entered && move.isAccepted() && drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
}

} // namespace

class tst_MainDrop final : public QObject {
    Q_OBJECT

private slots:
    void droppedFiles_data() {
        QTest::addColumn<QStringList>("dropped");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("files in the order dropped")
            << QStringList{u"%T/b.avi"_s, u"%T/a.avi"_s} << QStringList{u"%T/b.avi"_s, u"%T/a.avi"_s};
        QTest::newRow("a folder: its visible files by name, no subfolder")
            << QStringList{u"%T/clips"_s} << QStringList{u"%T/clips/C1.avi"_s, u"%T/clips/c2.avi"_s};
        QTest::newRow("a folder keeps its place among files")
            << QStringList{u"%T/a.avi"_s, u"%T/clips/"_s, u"%T/b.avi"_s}
            << QStringList{u"%T/a.avi"_s, u"%T/clips/C1.avi"_s, u"%T/clips/c2.avi"_s, u"%T/b.avi"_s};
        QTest::newRow("web address and missing path left out")
            << QStringList{u"https://clipvane.example/a.avi"_s, u"%T/gone.avi"_s, u"%T/a.avi"_s}
            << QStringList{u"%T/a.avi"_s};
        QTest::newRow("a hidden file dropped by name is taken")
            << QStringList{u"%T/.e.avi"_s} << QStringList{u"%T/.e.avi"_s};
        QTest::newRow("a file dropped with its folder is listed once")
            << QStringList{u"%T/clips/c2.avi"_s, u"%T/clips"_s}
            << QStringList{u"%T/clips/c2.avi"_s, u"%T/clips/C1.avi"_s};
    }
    void droppedFiles() {
        QFETCH(QStringList, dropped);
        QFETCH(QStringList, files);
        TDropSetup setup;
        QCOMPARE(DroppedFiles(*setup.Mime(dropped, u"plain text"_s)),
                 files.replaceInStrings(u"%T"_s, setup.dir.path()));
    }

    // The drop runs the whole Convert command, the batch included, and no drop lands meanwhile.
    void dropReachesTheBatch() {
        TDropSetup setup;
        TfrmMain window([&setup] { return setup.dir.path().toStdString() + '/'; });
        Child<QLineEdit>(window, "eOutputFolder")->setText(setup.T(u"%T/out"_s));
        Child<TFlatPanel>(window, "fpType")->SetCaption(kProfile);
        window.AnotherFFmpeg = FAKE_ENCODER_PATH;
        window.NotUseAnotherFFmpeg = false;
        QVERIFY(Drop(window, *setup.Mime({u"%T/a.avi"_s, u"%T/clips"_s, u"%T/b.avi"_s})));
        QStringList batched;
        bool refused = false;
        QTimer::singleShot(0, &window, [&] {
            if (auto* batch = qobject_cast<TfrmConvert*>(QApplication::activeModalWidget())) {
                for (const std::string& file : batch->Batch().FileList())
                    batched << QString::fromStdString(file).replace(
                        QDir::toNativeSeparators(setup.dir.path()), u"%T"_s);
                refused = !Drop(window, *setup.Mime({u"%T/a.avi"_s}));
            }
        });
        QTRY_VERIFY(!batched.isEmpty());
        // With the system's own separators, as the folder box shows a folder.
        const auto native = [](const QString& path) { return QDir::toNativeSeparators(path); };
        QCOMPARE(batched, (QStringList{native(u"%T/a.avi"_s), native(u"%T/clips/C1.avi"_s),
                                       native(u"%T/clips/c2.avi"_s), native(u"%T/b.avi"_s)}));
        QVERIFY(refused);
        QTRY_VERIFY(!QApplication::activeModalWidget()); // the batch ends by itself
        QCOMPARE(setup.dialogs.messages.size(), 0);      // nothing failed
        QCOMPARE(setup.dialogs.filePickers.size(), 0);
        for (const QString& name : {u"a"_s, u"C1"_s, u"c2"_s, u"b"_s})
            QVERIFY2(ReadFile(setup.T(u"%T/out/"_s + name + u".txt"_s)).contains("arg:-i"), qPrintable(name));
        QCOMPARE(QString::fromStdString(window.LastInputFolder), native(setup.T(u"%T/"_s)));
        QVERIFY(Drop(window, *setup.Mime({u"%T/b.avi"_s}))); // taken again once the batch is over
        QTRY_VERIFY(QFile::exists(setup.T(u"%T/out/b.txt"_s)));
    }

    // Files named on the command line or handed over by a later start convert as a drop does; those
    // that come while a batch runs are not lost: they make the next batch.
    void handedOverFilesWaitForTheBatch() {
        TDropSetup setup;
        TfrmMain window([&setup] { return setup.dir.path().toStdString() + '/'; });
        Child<QLineEdit>(window, "eOutputFolder")->setText(setup.T(u"%T/out"_s));
        Child<TFlatPanel>(window, "fpType")->SetCaption(kProfile);
        window.AnotherFFmpeg = FAKE_ENCODER_PATH;
        window.NotUseAnotherFFmpeg = false;
        QList<QStringList> batches;
        const auto listBatch = [&] {
            if (auto* batch = qobject_cast<TfrmConvert*>(QApplication::activeModalWidget())) {
                QStringList names;
                for (const std::string& file : batch->Batch().FileList())
                    names << QFileInfo(QString::fromStdString(file)).fileName();
                if (batches.isEmpty() || batches.back() != names)
                    batches << names;
                return true;
            }
            return false;
        };
        // Two more hand-overs come while the first batch runs, one naming a file twice.
        bool handed = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, &window, [&] {
            if (listBatch() && !handed) {
                handed = true;
                window.ConvertFiles({setup.T(u"%T/a.avi"_s)});
                window.ConvertFiles({setup.T(u"%T/b.avi"_s), setup.T(u"%T/a.avi"_s)});
            }
        });
        watch.start(5);
        window.ConvertFiles({setup.T(u"%T/clips"_s), setup.T(u"%T/gone.avi"_s)});
        QTRY_VERIFY(batches.size() == 2 && QFile::exists(setup.T(u"%T/out/b.txt"_s)) &&
                    !QApplication::activeModalWidget());
        QCOMPARE(batches,
                 (QList<QStringList>{{u"C1.avi"_s, u"c2.avi"_s, u"gone.avi"_s}, {u"a.avi"_s, u"b.avi"_s}}));
        for (const QString& name : {u"a"_s, u"C1"_s, u"c2"_s, u"b"_s})
            QVERIFY2(ReadFile(setup.T(u"%T/out/"_s + name + u".txt"_s)).contains("arg:-i"), qPrintable(name));
        // The name that is no file reaches the batch, whose encoder says why it fails (the fake one
        // converts anything), instead of being left out without a word.
        QCOMPARE(setup.dialogs.messages.size(), 0);
    }

    // A drop that offers no file does nothing at all: not even the missing folder's question.
    void refusedDrops_data() {
        QTest::addColumn<QStringList>("dropped");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("moveOnly");
        QTest::newRow("web address") << QStringList{u"https://clipvane.example/a.avi"_s} << QString()
                                     << false;
        QTest::newRow("text") << QStringList() << u"%T/a.avi"_s << false;
        QTest::newRow("folder with only a subfolder and a hidden file")
            << QStringList{u"%T/clips/sub"_s} << QString() << false;
        QTest::newRow("source that cannot copy") << QStringList{u"%T/a.avi"_s} << QString() << true;
    }
    void refusedDrops() {
        QFETCH(QStringList, dropped);
        QFETCH(QString, text);
        QFETCH(bool, moveOnly);
        TDropSetup setup;
        QVERIFY(QFile::remove(setup.T(u"%T/clips/sub/d.avi"_s)) &&
                QDir().mkpath(setup.T(u"%T/clips/sub/x"_s)));
        QVERIFY(WriteFile(setup.T(u"%T/clips/sub/.h"_s), "hidden"));
        TfrmMain window([&setup] { return setup.dir.path().toStdString() + '/'; });
        Child<QLineEdit>(window, "eOutputFolder")->setText(setup.T(u"%T/missing"_s));
        QVERIFY(
            !Drop(window, *setup.Mime(dropped, setup.T(text)), moveOnly ? Qt::MoveAction : Qt::CopyAction));
        QCoreApplication::processEvents();
        QCOMPARE(setup.dialogs.messages.size(), 0);
    }
};

QTEST_MAIN(tst_MainDrop)
#include "tst_MainDrop.moc"
