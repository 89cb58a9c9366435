#pragma once
// Menus that open on an item, as a combo box's list does: a screen reader says nothing of a menu
// until an item in it is current.

class QAction;
class QMenu;
class QPoint;

namespace clipvane {

// Opens `menu` at `at` with `current` as its current item; an item of a submenu opens that submenu
// on it. Without `current`, or when the menu does not hold it, the first item is current.
void PopupWithCurrent(QMenu& menu, const QPoint& at, QAction* current = nullptr);

} // namespace clipvane
