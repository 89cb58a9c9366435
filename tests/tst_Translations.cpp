#include "DialogChecks.h"
#include "core/ConvertThread.h"
#include "core/Translations.h"
#include "core/profiles/ProfileCatalog.h"
#include "gui/About.h"
#include "gui/ConvertHint.h"
#include "gui/Main.h"
#include "gui/ManualConvert.h"
#include "gui/Useanother.h"

#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>

#include <functional>
#include <memory>

using namespace clipvane;
using namespace Qt::StringLiterals;

namespace {

using TMakeWindow = std::function<std::unique_ptr<QWidget>()>;

// The main window's title strip lays its banner under the icon and title on purpose, and the output
// folder's panel runs past its parent's edge; their texts are checked like any dialog's.
void VerifyMainWindow(QWidget& window) {
    VerifyNothingClipped(*Child<QWidget>(window, "pSingleMode"), {u"Panel1"_s});
    for (const char* name : {"lTitleHint", "lUpdate"}) {
        auto* label = Child<QLabel>(window, name);
        QVERIFY2(window.rect().contains(label->geometry()), name);
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                 name);
    }
    // The profile box and its arrow sit on the panel's "Profile:" line: the label must end before them.
    auto* profile = Child<QLabel>(window, "lConvertTo");
    auto* extName = Child<QLabel>(window, "lExtName");
    QVERIFY2(profile->x() + profile->fontMetrics().horizontalAdvance(profile->text()) < extName->x(),
             "lConvertTo runs into lExtName");
}

} // namespace

class tst_Translations final : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    TConvertProcess m_runner;

private slots:
    void cleanup() { LoadTranslations(QLocale(QLocale::English)); }

    // Every window in every language: the catalog is found, its texts show whole, and the profile
    // captions, which settings.ini stores, stay as the catalog has them.
    void windowsFit_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<TMakeWindow>("make");
        const std::pair<const char*, TMakeWindow> windows[] = {
            {"main",
             [this] {
                 return std::make_unique<TfrmMain>([this] { return m_dir.path().toStdString() + '/'; });
             }},
            {"batch",
             [this] {
                 // Converting, with the file's name and the times showing, until the window goes.
                 QFile input(m_dir.filePath(u"a.wav"_s));
                 input.open(QIODevice::WriteOnly);
                 auto window = std::make_unique<TfrmConvert>(
                     nullptr, m_runner, std::vector<std::string>{m_dir.filePath(u"a.wav"_s).toStdString()},
                     1);
                 window->Job().OutputExt = ".mp3";
                 window->Job().FFmpegParams = "--duration 00:01:00.00 --time 00:00:30.00 --hang";
                 window->Job().FFmpegPath = FAKE_ENCODER_PATH;
                 window->Job().NotUseAnotherFFmpeg = false;
                 return window;
             }},
            {"batch, encoder silent",
             [this] {
                 // Each reading of the clock an hour after the one before: the notice shows at once,
                 // with as many digits as a long silence gives.
                 QFile input(m_dir.filePath(u"a.wav"_s));
                 input.open(QIODevice::WriteOnly);
                 auto window = std::make_unique<TfrmConvert>(
                     nullptr, m_runner, std::vector<std::string>{m_dir.filePath(u"a.wav"_s).toStdString()},
                     1);
                 window->Job().OutputExt = ".mp3";
                 window->Job().FFmpegParams = "--hang";
                 window->Job().FFmpegPath = FAKE_ENCODER_PATH;
                 window->Job().NotUseAnotherFFmpeg = false;
                 window->SteadyClock = [hours = std::int64_t{0}]() mutable { return 3600000 * hours++; };
                 window->setProperty("waitFor", u"lStall"_s);
                 return window;
             }},
            {"batch, paused",
             [this] {
                 QFile input(m_dir.filePath(u"a.wav"_s));
                 input.open(QIODevice::WriteOnly);
                 auto window = std::make_unique<TfrmConvert>(
                     nullptr, m_runner, std::vector<std::string>{m_dir.filePath(u"a.wav"_s).toStdString()},
                     1);
                 window->Job().OutputExt = ".mp3";
                 window->Job().FFmpegParams = "--hang";
                 window->Job().FFmpegPath = FAKE_ENCODER_PATH;
                 window->Job().NotUseAnotherFFmpeg = false;
                 window->setProperty("click", u"bPause"_s);
                 window->setProperty("waitFor", u"lStall"_s);
                 return window;
             }},
            {"manual", [] { return std::make_unique<TfrmManualConvert>(nullptr, QString()); }},
            {"about", [] { return std::make_unique<TfrmAbout>(nullptr); }},
            {"ffmpeg", [] { return std::make_unique<TfrmUseFFmpeg>(nullptr); }},
        };
        QStringList languages{u"en"_s};
        for (const char* language : kCatalogLanguages)
            languages << QString::fromLatin1(language);
        for (const QString& language : languages)
            for (const auto& [name, make] : windows)
                QTest::addRow("%s %s", qPrintable(language), name) << language << make;
    }
    void windowsFit() {
        QFETCH(QString, language);
        QFETCH(TMakeWindow, make);
        const bool english = language == u"en"_s;
        QCOMPARE(LoadTranslations(QLocale(language), QStringLiteral(CLIPVANE_TRANSLATIONS_DIR)), !english);
        const std::unique_ptr<QWidget> window = make();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        if (auto* main = qobject_cast<TfrmMain*>(window.get())) {
            VerifyMainWindow(*main);
            QCOMPARE(Child<QPushButton>(*main, "bConvert")->text() == u"Convert..."_s, english);
            const auto groups = main->findChild<QMenu*>(u"pmType"_s)->actions();
            QCOMPARE(groups.first()->menu()->actions().first()->text().remove(u'&'),
                     QString::fromUtf8(ProfileCatalog().front().Caption));
        } else {
            if (const QString click = window->property("click").toString(); !click.isEmpty())
                window->findChild<QPushButton*>(click)->click();
            if (const QString waitFor = window->property("waitFor").toString(); !waitFor.isEmpty())
                QTRY_VERIFY(window->findChild<QWidget*>(waitFor)->isVisible());
            VerifyNothingClipped(*window);
        }
    }
};

QTEST_MAIN(tst_Translations)
#include "tst_Translations.moc"
