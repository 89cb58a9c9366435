#include "gui/Global.h"

#include "core/Path.h"
#include "core/platform/Files.h"
#include "gui/Dialogs.h"

#include <QDir>

namespace clipvane {

bool BrowseForFolder(QWidget* owner, const QString& title, QString& folder) {
    const QString initial = platform::DirectoryExists(PathBytes(folder)) ? folder : QString();
    const QString chosen = TDialogs::Instance().ExistingDirectory(owner, title, initial);
    if (chosen.isEmpty())
        return false;
    folder = QDir::toNativeSeparators(chosen);
    return true;
}

} // namespace clipvane
