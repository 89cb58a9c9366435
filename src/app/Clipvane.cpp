// The desktop program: one instance per user, the main window, the message loop.
#include "core/Path.h"
#include "core/ProcessInfo.h"
#include "core/Settings.h"
#include "core/Translations.h"
#include "core/platform/Console.h"
#include "core/platform/Files.h"
#include "core/platform/Handle.h"
#include "gui/Application.h"
#include "gui/Main.h"
#include "gui/Pictures.h"
#include "gui/SingleInstance.h"

#include <QFileInfo>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <memory>

using namespace clipvane;

namespace {

// $CLIPVANE_SETTINGS_DIR when set (tests and portable use), else the user's settings folder. Read as
// Unicode: on Windows the ANSI code page would turn a name it cannot spell into "?".
std::string ProgramSettingsFolder() {
    const QString folder = qEnvironmentVariable("CLIPVANE_SETTINGS_DIR");
    if (folder.isEmpty())
        return DefaultSettingsFolder();
    std::string path = WithSeparator(PathBytes(folder));
    platform::ForceDirectories(path);
    return path;
}

// The files named on the command line, against this start's own folder: a running instance that
// takes them over has another.
QStringList CommandLineFiles() {
    QStringList files;
    const QStringList arguments = QCoreApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i)
        if (!arguments[i].isEmpty())
            files << QFileInfo(arguments[i]).absoluteFilePath();
    return files;
}

} // namespace

int main(int argc, char* argv[]) {
    // Before the display's connection or a journal can take 1 or 2 and receive warnings.
    platform::CoverStandardStreams();
    // First, so that Qt takes its own options out of the arguments, and on Windows reads them whole
    // from the wide command line.
    TApplication app(argc, argv);
    const QStringList files = CommandLineFiles();
    TSingleInstance instance(InstanceFolder(), InstanceKey());
    switch (instance.Claim(5000, files)) {
    case TSingleInstance::TClaim::HandedOver:
        return 0;
    case TSingleInstance::TClaim::Unreachable:
        std::fputs("clipvane: another instance is running but does not answer.\n", stderr);
        return 1;
    case TSingleInstance::TClaim::Primary:
        break;
    }
    LoadTranslations(QLocale::system());
    TranslateCoreTexts();
    QApplication::setWindowIcon(ProgramWindowIcon());
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.tarvix.Clipvane"));
    // A logout, kill or Ctrl+C ends the program as its window's close would; one that comes before
    // the window is up is seen by the poll below.
    platform::InstallQuitHandler();
    instance.Listen();
    TfrmMain frmMain(&ProgramSettingsFolder);
    if (platform::TellsSettingsFallback())
        frmMain.SettingsNotice = [] {
            return qEnvironmentVariableIsEmpty("CLIPVANE_SETTINGS_DIR")
                       ? SettingsPlaceNotice(DefaultSettingsPlace())
                       : std::string();
        };
    QObject::connect(&instance, &TSingleInstance::showRequested, &frmMain, [&frmMain] {
        QCoreApplication::postEvent(&frmMain, new QEvent(static_cast<QEvent::Type>(WM_SHOWMAIN)));
    });
    QObject::connect(&instance, &TSingleInstance::filesHandedOver, &frmMain, &TfrmMain::ConvertFiles);
    // Queued: the request may come from inside a dialog's or the batch's own message loop.
    QObject::connect(&instance, &TSingleInstance::quitRequested, &frmMain, &TfrmMain::EndSession,
                     Qt::QueuedConnection);
    QTimer quitPoll;
    // Qt decides this fork: QSocketNotifier takes a descriptor, which Windows' console handler lacks
    // (its requests are polled below), and a Windows logoff reaches the program only as
    // commitDataRequest, which a Linux session manager sends too, where SIGTERM already ends it.
#ifndef Q_OS_WIN
    std::unique_ptr<QSocketNotifier> quitNotice;
    if (platform::QuitNoticeHandle() != platform::kNoHandle) {
        quitNotice = std::make_unique<QSocketNotifier>(platform::QuitNoticeHandle(), QSocketNotifier::Read);
        QObject::connect(quitNotice.get(), &QSocketNotifier::activated, &frmMain, [&frmMain] {
            // Read out, or the notifier fires again at once while a close-time
            // box runs its own event loop, and spins a core until it is answered.
            platform::DrainQuitNotice();
            frmMain.EndSession();
        });
    }
#else
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &frmMain,
                     [&frmMain] { frmMain.EndSession(); });
#endif
    QObject::connect(&quitPoll, &QTimer::timeout, &frmMain, [&frmMain] {
        if (platform::QuitRequested())
            frmMain.EndSession();
    });
    quitPoll.start(250);
    frmMain.show();
    // Once the window is up: a batch the last run did not finish is offered first.
    QTimer::singleShot(0, &frmMain, &TfrmMain::OfferResume);
    if (!files.isEmpty())
        frmMain.ConvertFiles(files);
    return app.exec();
}
