#include "gui/Dialogs.h"

#include "ScriptedDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QScopeGuard>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace clipvane;

class tst_Dialogs final : public QObject {
    Q_OBJECT

private slots:
    void overwriteQuestion_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes overwrites") << int(QMessageBox::Yes) << true;
        QTest::newRow("No keeps") << int(QMessageBox::No) << false;
        QTest::newRow("closed box keeps") << int(QMessageBox::Escape) << false;
    }
    void overwriteQuestion() {
        QFETCH(int, answer);
        QFETCH(bool, yes);
        TScriptedDialogs dialogs;
        dialogs.answers.enqueue(static_cast<QMessageBox::StandardButton>(answer));
        TMessageBoxQuestion question;
        QCOMPARE(question.AskYesNo("/out/clip.mp3 has existed,overite it?"), yes);
        QCOMPARE(dialogs.messages.size(), 1);
        const auto& asked = dialogs.messages.first();
        QCOMPARE(asked.caption, QStringLiteral("Tarvix Clipvane"));
        QCOMPARE(asked.text, QStringLiteral("/out/clip.mp3 has existed,overite it?"));
        QCOMPARE(asked.icon, QMessageBox::Information);
        QCOMPARE(asked.buttons, QMessageBox::Yes | QMessageBox::No);
    }

    // The Qt implementation shows a real box: answer it the way a user would.
    void realQuestionBoxIsAnswered() {
        QString seenText;
        QTimer::singleShot(0, this, [&] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* box = qobject_cast<QMessageBox*>(widget); box && box->isVisible()) {
                    seenText = box->windowTitle() + QLatin1Char('|') + box->text();
                    box->button(QMessageBox::Yes)->click();
                }
            }
        });
        TMessageBoxQuestion question;
        QVERIFY(question.AskYesNo("/a b/\xc3\xa9t\xc3\xa9.mp3 has existed,overite it?"));
        QCOMPARE(seenText, QStringLiteral("Tarvix Clipvane|/a b/\u00e9t\u00e9.mp3 has existed,overite it?"));
    }

    // The summary after a batch keeps its designed text while the box fits the screen; past that it
    // lists what fits and counts the rest, so that OK stays on the screen.
    void failureSummaryFitsTheScreen_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("whole");
        QTest::newRow("two names: the designed text") << 2 << true;
        QTest::newRow("120 long names: cut, the rest counted") << 120 << false;
    }
    void failureSummaryFitsTheScreen() {
        QFETCH(int, count);
        QFETCH(bool, whole);
        QStringList names;
        for (int i = 0; i < count; ++i)
            names << QStringLiteral("holiday recording number %1 from the beach.avi")
                         .arg(i, 3, 10, QLatin1Char('0'));
        const QString details = names.join(QStringLiteral(":\nreason\n\n"));
        const QString summary = FailureSummary(nullptr, names, details);
        QVERIFY(MessageBoxHeight(nullptr, summary, details) <= MessageBoxHeightLimit(nullptr));
        // Shown with its details opened, as the user opens them, the box keeps within the screen.
        QRect area, frame;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            const auto close = qScopeGuard([box] { box->button(QMessageBox::Ok)->click(); });
            const int collapsed = box->height();
            for (QAbstractButton* button : box->buttons())
                if (box->buttonRole(button) == QMessageBox::ActionRole)
                    button->click();
            QTRY_VERIFY(box->height() > collapsed);
            area = box->screen()->availableGeometry();
            frame = box->frameGeometry();
        });
        ShowMessage(nullptr, QMessageBox::Information, summary, QMessageBox::Ok, details);
        QVERIFY2(!frame.isEmpty() && area.contains(frame), qPrintable(QStringLiteral("%1,%2 %3x%4 on %5x%6")
                                                                          .arg(frame.x())
                                                                          .arg(frame.y())
                                                                          .arg(frame.width())
                                                                          .arg(frame.height())
                                                                          .arg(area.width())
                                                                          .arg(area.height())));
        if (whole) {
            QCOMPARE(summary, names.join(QStringLiteral(", ")) + QStringLiteral(", file conversion failed."));
            return;
        }
        const qsizetype shown = summary.count(QStringLiteral(".avi, "));
        QVERIFY2(shown > 0 && shown < count, qPrintable(summary));
        QVERIFY(summary.startsWith(names.mid(0, shown).join(QStringLiteral(", "))));
        QVERIFY(
            summary.endsWith(QStringLiteral(", and %1 more, file conversion failed.").arg(count - shown)));
        // One more name would not have fitted.
        QString more = names.mid(0, shown + 1).join(QStringLiteral(", "));
        more += QStringLiteral(", and %1 more, file conversion failed.").arg(count - shown - 1);
        QVERIFY(MessageBoxHeight(nullptr, more, details) > MessageBoxHeightLimit(nullptr));
    }
};

QTEST_MAIN(tst_Dialogs)
#include "tst_Dialogs.moc"
