#include "ScriptedDialogs.h"
#include "core/Global.h"
#include "gui/Application.h"
#include "gui/Dialogs.h"

#include <QMessageBox>
#include <QTest>

#include <stdexcept>

using namespace clipvane;

namespace {

enum class TThrow { Nothing, General, Abort, Standard, Foreign };

const QEvent::Type kThrowEvent = static_cast<QEvent::Type>(QEvent::User + 17);

// A receiver whose event handler throws what it is told to, like a window's handler would.
class TThrower final : public QObject {
public:
    TThrow kind = TThrow::Nothing;
    std::string message;
    int handled = 0;

    bool event(QEvent* event) override {
        if (event->type() != kThrowEvent)
            return QObject::event(event);
        ++handled;
        switch (kind) {
        case TThrow::Nothing:
            break;
        case TThrow::General:
            throw Exception(message);
        case TThrow::Abort:
            throw EAbort();
        case TThrow::Standard:
            throw std::runtime_error(message);
        case TThrow::Foreign:
            throw 42;
        }
        return true;
    }
};

} // namespace

class tst_Application final : public QObject {
    Q_OBJECT

private slots:
    void escapingErrorIsShown_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("text");
        QTest::newRow("OS code gets a final period")
            << int(TThrow::General) << QStringLiteral("Error while creating convert process!2") << true
            << QStringLiteral("Error while creating convert process!2.");
        QTest::newRow("text ending in a period is left alone")
            << int(TThrow::General) << QStringLiteral("Nothing to do.") << true
            << QStringLiteral("Nothing to do.");
        QTest::newRow("blank sorts before the period: no period")
            << int(TThrow::General) << QStringLiteral("Error on STDIN pipe creation : ") << true
            << QStringLiteral("Error on STDIN pipe creation : ");
        QTest::newRow("standard exception is shown the same way")
            << int(TThrow::Standard) << QStringLiteral("bad thing") << true << QStringLiteral("bad thing.");
        QTest::newRow("abort shows nothing") << int(TThrow::Abort) << QString() << false << QString();
        QTest::newRow("foreign exception still gets a box")
            << int(TThrow::Foreign) << QString() << true << QStringLiteral("Unknown error.");
        QTest::newRow("no exception, no box") << int(TThrow::Nothing) << QString() << false << QString();
    }
    // Sent events go through notify() too, so the handler's error never reaches the sender.
    void escapingErrorIsShown() {
        QFETCH(int, kind);
        QFETCH(QString, message);
        QFETCH(bool, shown);
        QFETCH(QString, text);
        TScriptedDialogs dialogs;
        TThrower thrower;
        thrower.kind = static_cast<TThrow>(kind);
        thrower.message = message.toStdString();
        QEvent event(kThrowEvent);
        QCoreApplication::sendEvent(&thrower, &event);
        QCOMPARE(thrower.handled, 1);
        QCOMPARE(dialogs.messages.size(), shown ? 1 : 0);
        if (!shown)
            return;
        QCOMPARE(dialogs.messages[0].icon, QMessageBox::Critical);
        QCOMPARE(dialogs.messages[0].caption, QStringLiteral("Tarvix Clipvane"));
        QCOMPARE(dialogs.messages[0].text, text);
        QCOMPARE(dialogs.messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    // A posted event whose handler throws must not end the event loop or lose later events.
    void eventLoopSurvivesAThrowingHandler() {
        TScriptedDialogs dialogs;
        TThrower thrower;
        thrower.kind = TThrow::General;
        thrower.message = "first";
        QCoreApplication::postEvent(&thrower, new QEvent(kThrowEvent));
        QCoreApplication::postEvent(&thrower, new QEvent(kThrowEvent));
        QTRY_COMPARE(thrower.handled, 2);
        QCOMPARE(dialogs.messages.size(), 2);
    }

    void handlerCatchBlockUsesTheSameDisplay() {
        TScriptedDialogs dialogs;
        try {
            throw Exception("Error reading STDOUT pipe : 9");
        } catch (...) {
            ShowCurrentException(nullptr);
        }
        try {
            throw EAbort();
        } catch (...) {
            ShowCurrentException(nullptr);
        }
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text, QStringLiteral("Error reading STDOUT pipe : 9."));
    }
};

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    tst_Application test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_Application.moc"
