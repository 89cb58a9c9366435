#pragma once
// The windows' half of the shared routines: what needs a widget to ask the user.

#include <QString>

class QWidget;

namespace clipvane {

// Asks for a folder, starting at `folder` when such a folder exists (otherwise at the picker's
// default). True with `folder` set to the chosen path; false on cancel, with `folder` untouched.
bool BrowseForFolder(QWidget* owner, const QString& title, QString& folder);

} // namespace clipvane
