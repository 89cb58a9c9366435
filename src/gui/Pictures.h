#pragma once
// The program's own pictures, drawn in code so the program carries no third-party art. The
// program icon's design is also kept as data/icons/clipvane.svg for the desktop menu.

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace clipvane {

// The film strip with the green "convert" arrow on a blue tile, `size` pixels square.
QPixmap ProgramIcon(int size);
// The program icon in the sizes window managers and task bars ask for.
QIcon ProgramWindowIcon();
// The dark-blue title banner behind the white title texts.
QPixmap Banner(QSize size);
// The 16 x 16 picture left of the update link on the banner.
QPixmap UpdatePicture();
// The hover image's two 32 x 32 pictures: under the mouse (`focused`) and at rest.
QPixmap AdvancedPicture(bool focused);
// The batch window's 32 x 32 film frame with its arrow.
QPixmap ConvertPicture();

} // namespace clipvane
