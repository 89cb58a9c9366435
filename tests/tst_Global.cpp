#include "core/Global.h"

#include <QTest>

using namespace clipvane;

class tst_Global final : public QObject {
    Q_OBJECT

private slots:
    void twoDigits_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0 << QStringLiteral("00");
        QTest::newRow("nine gets a zero") << 9 << QStringLiteral("09");
        QTest::newRow("ten stays") << 10 << QStringLiteral("10");
        QTest::newRow("three digits") << 166 << QStringLiteral("166");
        QTest::newRow("negative is below ten") << -3 << QStringLiteral("0-3");
    }
    void twoDigits() {
        QFETCH(int, n);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(TwoDigits(n)), text);
    }

    void timeToSeconds_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("seconds");
        QTest::newRow("full") << QStringLiteral("01:02:03") << 3723;
        QTest::newRow("zero") << QStringLiteral("00:00:00") << 0;
        QTest::newRow("first field is hours, then seconds") << QStringLiteral("02:03") << 7203;
        QTest::newRow("seconds only, two digits") << QStringLiteral("12") << 12;
        QTest::newRow("seconds only, one digit") << QStringLiteral("5") << 0;
        QTest::newRow("seconds only, three digits") << QStringLiteral("123") << 0;
        QTest::newRow("100 hours: every digit") << QStringLiteral("100:00:10") << 360010;
        QTest::newRow("short hour field") << QStringLiteral("1:00:10") << 3610;
        QTest::newRow("hours past 32-bit seconds are held there")
            << QStringLiteral("99999999999:00:00") << 2147483647;
        QTest::newRow("non-numeric hours") << QStringLiteral("ab:01:02") << 62;
        QTest::newRow("non-numeric seconds") << QStringLiteral("00:01:xx") << 60;
        QTest::newRow("N/A") << QStringLiteral("N/A") << 0;
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("negative position") << QStringLiteral("-00:00:05") << 5;
        QTest::newRow("three separators") << QStringLiteral("01:02:03:04") << 3720;
    }
    void timeToSeconds() {
        QFETCH(QString, text);
        QFETCH(int, seconds);
        QCOMPARE(TimeToSeconds(text.toStdString(), ":"), seconds);
    }

    void numberBefore_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("pos");
        QTest::addColumn<int>("value");
        QTest::newRow("two digits") << QStringLiteral("00:12:") << 5 << 12;
        QTest::newRow("at the start") << QStringLiteral(":5") << 0 << 0;
        QTest::newRow("one char in front takes the separator") << QStringLiteral("5:") << 1 << 0;
        QTest::newRow("blank and digit") << QStringLiteral(" 7:") << 2 << 7;
        QTest::newRow("letters") << QStringLiteral("ab:") << 2 << 0;
    }
    void numberBefore() {
        QFETCH(QString, text);
        QFETCH(int, pos);
        QFETCH(int, value);
        QCOMPARE(NumberBefore(text.toStdString(), static_cast<std::size_t>(pos)), value);
    }

    void parseInteger_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<qint64>("value");
        QTest::newRow("decimal") << QStringLiteral("2") << true << qint64(2);
        QTest::newRow("dollar hex") << QStringLiteral("$1F") << true << qint64(31);
        QTest::newRow("0x zero") << QStringLiteral("0x0") << true << qint64(0);
        QTest::newRow("0X hex") << QStringLiteral("0X10") << true << qint64(16);
        QTest::newRow("bare 0x") << QStringLiteral("0x") << false << qint64(0);
        QTest::newRow("word") << QStringLiteral("yes") << false << qint64(0);
        QTest::newRow("empty") << QString() << false << qint64(0);
        QTest::newRow("negative") << QStringLiteral("-1") << true << qint64(-1);
        QTest::newRow("trailing blank") << QStringLiteral("1 ") << false << qint64(0);
        QTest::newRow("leading blank") << QStringLiteral(" 1") << true << qint64(1);
        QTest::newRow("overflow") << QStringLiteral("99999999999999999999") << false << qint64(0);
    }
    void parseInteger() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(qint64, value);
        std::int64_t v = 0;
        QCOMPARE(ParseInteger(text.toStdString(), v), ok);
        if (ok)
            QCOMPARE(v, value);
    }

    void secondsToText_data() {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << QStringLiteral("00:00");
        QTest::newRow("minutes not wrapped") << qint64(4000) << QStringLiteral("66:40");
        QTest::newRow("ten minutes") << qint64(600) << QStringLiteral("10:00");
        QTest::newRow("over 100 minutes") << qint64(6001) << QStringLiteral("100:01");
    }
    void secondsToText() {
        QFETCH(qint64, seconds);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(SecondsToText(seconds)), text);
    }

    void errorDisplayText_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("OS code gets a period") << QStringLiteral("Error while creating convert process!2")
                                               << QStringLiteral("Error while creating convert process!2.");
        QTest::newRow("exclamation mark sorts before")
            << QStringLiteral("Failed!") << QStringLiteral("Failed!");
        QTest::newRow("already a period") << QStringLiteral("Done.") << QStringLiteral("Done.");
        QTest::newRow("blank sorts before") << QStringLiteral("a ") << QStringLiteral("a ");
        QTest::newRow("slash sorts after") << QStringLiteral("a/") << QStringLiteral("a/.");
        QTest::newRow("empty") << QString() << QString();
    }
    void errorDisplayText() {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(QString::fromStdString(ErrorDisplayText(message.toStdString())), shown);
    }
};

QTEST_GUILESS_MAIN(tst_Global)
#include "tst_Global.moc"
