#include "gui/Application.h"

#include "core/Global.h"
#include "gui/Dialogs.h"
#include "gui/controls/Accessibles.h"

#include <exception>

namespace clipvane {

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv) {
    InstallAccessibles();
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowCurrentException(nullptr);
        return false;
    }
}

std::string CurrentExceptionText() {
    try {
        throw;
    } catch (const std::exception& error) {
        return error.what();
    } catch (...) {
        return QCoreApplication::translate("TApplication", "Unknown error").toStdString();
    }
}

void ShowCurrentException(QWidget* parent) {
    if (!parent)
        parent = QApplication::activeWindow();
    try {
        throw;
    } catch (const EAbort&) {
    } catch (const std::exception& error) {
        ShowErrorMessage(parent, error.what());
    } catch (...) {
        ShowErrorMessage(parent, QCoreApplication::translate("TApplication", "Unknown error").toStdString());
    }
}

} // namespace clipvane
