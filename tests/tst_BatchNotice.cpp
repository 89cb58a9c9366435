// Run under dbus-run-session: a private session bus with a fake notification server on it.
#include "gui/BatchNotice.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDialog>
#include <QTest>

using namespace clipvane;
using namespace Qt::StringLiterals;

namespace {

// What a desktop's notification service receives.
class TFakeNotifications final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    QStringList received; // "app|summary|body" per call

public slots:
    uint Notify(const QString& app, uint, const QString&, const QString& summary, const QString& body,
                const QStringList&, const QVariantMap&, int) {
        received << app + u'|' + summary + u'|' + body;
        return static_cast<uint>(received.size());
    }
};

// A call to the notification service, sent as the program sends it: not waited for.
void Notify(const QDBusConnection& bus, const QString& app) {
    QDBusMessage call = QDBusMessage::createMethodCall(u"org.freedesktop.Notifications"_s,
                                                       u"/org/freedesktop/Notifications"_s,
                                                       u"org.freedesktop.Notifications"_s, u"Notify"_s);
    call << app << 0u << QString() << QString() << QString() << QStringList() << QVariantMap() << -1;
    bus.send(call);
}

} // namespace

class tst_BatchNotice final : public QObject {
    Q_OBJECT

    TFakeNotifications m_server;

private slots:
    void initTestCase() {
        if (!QDBusConnection::sessionBus().isConnected())
            QSKIP("no session bus: run under dbus-run-session");
        // A connection of its own, as a separate server process would have.
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"fake-server"_s);
        QVERIFY(bus.registerService(u"org.freedesktop.Notifications"_s));
        QVERIFY(bus.registerObject(u"/org/freedesktop/Notifications"_s, &m_server,
                                   QDBusConnection::ExportAllSlots));
    }

    void toldOnlyWhenLookingElsewhere_data() {
        QTest::addColumn<int>("active"); // 0 none of ours, 1 the main window, 2 the batch window over it
        QTest::addColumn<qint64>("tookMs");
        QTest::addColumn<int>("converted");
        QTest::addColumn<int>("failed");
        QTest::addColumn<QString>("told"); // empty: nothing
        QTest::addColumn<int>("skipped");
        const QString head = u"Tarvix Clipvane|Tarvix Clipvane|"_s;
        // clang-format off
        QTest::newRow("long batch, user elsewhere") << 0 << qint64{12000} << 5 << 1 << head + u"5 files converted, 1 failed."_s << 0;
        QTest::newRow("one file converted")         << 0 << qint64{10000} << 1 << 0 << head + u"1 file converted, 0 failed."_s << 0;
        QTest::newRow("skipped said apart")         << 0 << qint64{10000} << 1 << 0 << head + u"1 file converted, 0 failed, 800 skipped."_s << 800;
        QTest::newRow("short batch")                << 0 << qint64{9999}  << 5 << 1 << QString() << 0;
        QTest::newRow("main window active")         << 1 << qint64{60000} << 5 << 1 << QString() << 0;
        QTest::newRow("batch window active")        << 2 << qint64{60000} << 5 << 1 << QString() << 0;
        // clang-format on
    }
    void toldOnlyWhenLookingElsewhere() {
        QFETCH(int, active);
        QFETCH(qint64, tookMs);
        QFETCH(int, converted);
        QFETCH(int, failed);
        QFETCH(QString, told);
        QFETCH(int, skipped);
        m_server.received.clear();
        QWidget main;
        QDialog batch(&main);
        QWidget other;
        QWidget& shown = active == 1 ? main : active == 2 ? static_cast<QWidget&>(batch) : other;
        if (active == 2)
            main.show();
        shown.show();
        shown.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&shown));
        const auto notifier = MakeDesktopNotifier(&main);
        // As the batch window asks when it ends.
        const bool looking = UserLooksAt(batch);
        QCOMPARE(TellBatchEnd(main, looking, tookMs, std::size_t(converted), std::size_t(failed), *notifier,
                              std::size_t(skipped)),
                 !told.isEmpty());
        // Whatever the notifier sent has arrived once a marker sent after it on the same connection has.
        Notify(QDBusConnection::sessionBus(), u"marker"_s);
        QTRY_VERIFY(m_server.received.contains(u"marker||"_s));
        const QStringList expected =
            told.isEmpty() ? QStringList{u"marker||"_s} : QStringList{told, u"marker||"_s};
        QCOMPARE(m_server.received, expected);
    }
};

QTEST_MAIN(tst_BatchNotice)
#include "tst_BatchNotice.moc"
