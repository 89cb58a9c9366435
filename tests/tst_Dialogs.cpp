#include "gui/Dialogs.h"

#include "ScriptedDialogs.h"

#include <QAbstractButton>
#include <QApplication>
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
};

QTEST_MAIN(tst_Dialogs)
#include "tst_Dialogs.moc"
