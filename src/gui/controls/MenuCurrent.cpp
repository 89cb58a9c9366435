#include "gui/controls/MenuCurrent.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMenu>

namespace clipvane {

namespace {

// Once the last menu has closed, tells the reader again where the focus is: it did not move, so Qt
// says nothing, and the reader, still on the menu item, would keep silent when the menu opens anew.
class TFocusBack final : public QObject {
public:
    explicit TFocusBack(QMenu& menu)
        : QObject(&menu) {
        setObjectName(QStringLiteral("focusBack"));
        menu.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide)
            QMetaObject::invokeMethod(
                this,
                [] {
                    QWidget* focus = QApplication::focusWidget();
                    if (!QApplication::activePopupWidget() && focus) {
                        QAccessibleEvent back(focus, QAccessible::Focus);
                        QAccessible::updateAccessibility(&back);
                    }
                },
                Qt::QueuedConnection);
        return false;
    }
};

} // namespace

void PopupWithCurrent(QMenu& menu, const QPoint& at, QAction* current) {
    // By name: the class has no meta-object of its own, so findChild<TFocusBack*> would take any child.
    if (!menu.findChild<QObject*>(QStringLiteral("focusBack"), Qt::FindDirectChildrenOnly))
        new TFocusBack(menu);
    menu.popup(at);
    QAction* top = nullptr;
    QMenu* submenu = nullptr;
    for (QAction* action : menu.actions()) {
        if (current && action == current) {
            top = action;
        } else if (current && action->menu() && action->menu()->actions().contains(current)) {
            top = action;
            submenu = action->menu();
        }
        if (top)
            break;
    }
    if (!top) {
        for (QAction* action : menu.actions())
            if (action->isVisible() && action->isEnabled() && !action->isSeparator()) {
                top = action;
                break;
            }
    }
    if (!top)
        return;
    // On a visible menu this also opens the item's submenu.
    menu.setActiveAction(top);
    if (submenu)
        submenu->setActiveAction(current);
}

} // namespace clipvane
