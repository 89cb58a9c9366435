// The desktop program: one instance per user, the main window, the message loop.
#include "core/ProcessInfo.h"
#include "core/Settings.h"
#include "core/platform/Platform.h"
#include "gui/Application.h"
#include "gui/Main.h"
#include "gui/Pictures.h"
#include "gui/SingleInstance.h"

#include <QFile>

#include <cstdio>

using namespace clipvane;

namespace {

// $CLIPVANE_SETTINGS_DIR when set (tests and portable use), else the user's settings folder.
std::string ProgramSettingsFolder() {
    std::string folder = QFile::encodeName(qEnvironmentVariable("CLIPVANE_SETTINGS_DIR")).toStdString();
    if (folder.empty())
        return DefaultSettingsFolder();
    if (folder.back() != platform::PathSeparator() && folder.back() != '/')
        folder += platform::PathSeparator();
    platform::ForceDirectories(folder);
    return folder;
}

} // namespace

int main(int argc, char* argv[]) {
    TSingleInstance instance(InstanceFolder(), InstanceKey());
    switch (instance.Claim(5000)) {
    case TSingleInstance::TClaim::HandedOver:
        return 0;
    case TSingleInstance::TClaim::Unreachable:
        std::fputs("clipvane: another instance is running but does not answer.\n", stderr);
        return 1;
    case TSingleInstance::TClaim::Primary:
        break;
    }
    TApplication app(argc, argv);
    QApplication::setWindowIcon(ProgramWindowIcon());
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.tarvix.Clipvane"));
    instance.Listen();
    TfrmMain frmMain(&ProgramSettingsFolder);
    QObject::connect(&instance, &TSingleInstance::showRequested, &frmMain, [&frmMain] {
        QCoreApplication::postEvent(&frmMain, new QEvent(static_cast<QEvent::Type>(WM_SHOWMAIN)));
    });
    frmMain.show();
    return app.exec();
}
