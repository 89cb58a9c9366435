#include "core/FileEnd.h"

#include <QTest>

using namespace clipvane;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(clipvane::TFileOutcome)

class tst_FileEnd final : public QObject {
    Q_OBJECT

private slots:
    // One notice per row: "P" progress seen, "R" the encoder ran, "K" kept without asking, "sN" status N,
    // "xN" exit code N, "gN" ended by signal N.
    void classify_data() {
        QTest::addColumn<QStringList>("notice");
        QTest::addColumn<TFileOutcome>("outcome");
        QTest::addColumn<QString>("reason");  // the last line of it
        QTest::addColumn<QString>("message"); // said at once
        const auto converted = TFileOutcome::Converted;
        const auto failed = TFileOutcome::Failed;
        // clang-format off
        QTest::newRow("progress and a clean exit: converted") << QStringList{u"P"_s, u"R"_s} << converted << QString() << QString();
        QTest::newRow("progress then a crash: failed")        << QStringList{u"P"_s, u"R"_s, u"g9"_s} << failed << u"The encoder was ended by signal 9."_s << QString();
        QTest::newRow("progress then an error exit: failed")  << QStringList{u"P"_s, u"R"_s, u"x1"_s} << failed << u"The encoder ended with exit code 1."_s << QString();
        QTest::newRow("overwrite declined: failed")           << QStringList{} << failed << u"/o/a.mp3 exists and was not overwritten."_s << QString();
        QTest::newRow("kept without asking: skipped")         << QStringList{u"K"_s} << TFileOutcome::Skipped << QString() << QString();
        QTest::newRow("output in use: failed, said at once")  << QStringList{u"s2"_s} << failed << u"/o/a.mp3 may be used."_s << u"/o/a.mp3 may be used, convert process failed!"_s;
        QTest::newRow("refused after progress: failed")       << QStringList{u"P"_s, u"R"_s, u"s5"_s} << failed << u"/o/a.mp3 could not be replaced."_s << u"/o/a.mp3 could not be replaced, convert process failed!"_s;
        QTest::newRow("a status nobody posts: failed")        << QStringList{u"s9"_s} << failed << u"/o/a.mp3."_s << QString();
        // clang-format on
    }
    void classify() {
        QFETCH(QStringList, notice);
        QFETCH(TFileOutcome, outcome);
        QFETCH(QString, reason);
        QFETCH(QString, message);
        TProcessInfo info = TProcessInfo::EndNotice(TEndStatus::Finished, notice.contains(u"P"_s));
        info.Ran = notice.contains(u"R"_s);
        info.Skipped = notice.contains(u"K"_s);
        for (const QString& field : notice) {
            if (field.startsWith(u's'))
                info.Status = field.mid(1).toInt();
            else if (field.startsWith(u'x'))
                info.ExitCode = field.mid(1).toInt();
            else if (field.startsWith(u'g'))
                info.ExitSignal = field.mid(1).toInt();
        }
        const TFileEnd end = ClassifyEnd(info, "/o/a.mp3");
        QCOMPARE(end.Outcome, outcome);
        QCOMPARE(OutcomeOf(info), outcome);
        QCOMPARE(end.Reason.empty() ? QString() : QString::fromStdString(end.Reason.back()), reason);
        QCOMPARE(QString::fromStdString(end.Message), message);
    }
};

QTEST_GUILESS_MAIN(tst_FileEnd)
#include "tst_FileEnd.moc"
