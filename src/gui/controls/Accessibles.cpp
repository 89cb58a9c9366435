#include "gui/controls/Accessibles.h"

#include "gui/controls/Announcement.h"
#include "gui/controls/ClickLabel.h"
#include "gui/controls/SUIURLLabel.h"
#include "gui/controls/TFlatPanelUnit.h"
#include "gui/controls/WlmShiftImage.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QLabel>

#include <functional>

namespace clipvane {

namespace {

// "&" marks the mnemonic and "&&" shows one "&".
QString WithoutMnemonic(const QString& text) {
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && ++i == text.size())
            break;
        plain += text[i];
    }
    return plain;
}

// The label anywhere in the window whose buddy is `widget`: Qt itself looks among the siblings only,
// and the profile box stands in another panel than its label.
QLabel* LabelOf(const QWidget& widget) {
    const QList<QLabel*> labels = widget.window()->findChildren<QLabel*>();
    for (QLabel* label : labels)
        if (label->buddy() == &widget)
            return label;
    return nullptr;
}

// The key that does from anywhere in the window what a click on `widget` does: the shortcut of an
// action the widget carries.
QString ShortcutOf(const QWidget& widget) {
    const QList<QAction*> actions = widget.actions();
    for (const QAction* action : actions)
        if (!action->shortcut().isEmpty())
            return action->shortcut().toString(QKeySequence::NativeText);
    return {};
}

// A control whose click a screen reader can run. The click runs after the request has returned, as
// a button's animated click does, so that a dialog it opens does not keep the reader waiting.
class TClickAccessible : public QAccessibleWidget {
public:
    TClickAccessible(QWidget* widget, QAccessible::Role role, QStringList clickActions,
                     std::function<void()> click)
        : QAccessibleWidget(widget, role)
        , m_clickActions(std::move(clickActions))
        , m_click(std::move(click)) {}

    QStringList actionNames() const override {
        QStringList names;
        if (widget()->isEnabled())
            names = m_clickActions;
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override {
        if (!m_clickActions.contains(actionName)) {
            QAccessibleWidget::doAction(actionName);
            return;
        }
        if (widget()->isEnabled())
            QMetaObject::invokeMethod(widget(), m_click, Qt::QueuedConnection);
    }

    // AT-SPI reads "mnemonic;path;accelerator": a window's shortcut is the accelerator, and Space
    // would be heard as the shortcut.
    QStringList keyBindingsForAction(const QString& actionName) const override {
        if (!m_clickActions.contains(actionName))
            return QAccessibleWidget::keyBindingsForAction(actionName);
        const QString shortcut = ShortcutOf(*widget());
        if (!shortcut.isEmpty())
            return {QString(), QString(), shortcut};
        if (widget()->focusPolicy() & Qt::TabFocus)
            return {QStringLiteral("Space")};
        return QAccessibleWidget::keyBindingsForAction(actionName);
    }

    // Where UI Automation looks for the key.
    QString text(QAccessible::Text t) const override {
        QString own = QAccessibleWidget::text(t);
        if (t == QAccessible::Accelerator && own.isEmpty())
            own = ShortcutOf(*widget());
        return own;
    }

private:
    QStringList m_clickActions;
    std::function<void()> m_click;
};

// A label that acts: its name is its text unless it has an accessible name of its own.
class TLinkAccessible final : public TClickAccessible {
public:
    TLinkAccessible(QLabel* label, std::function<void()> click)
        : TClickAccessible(label, QAccessible::Link, {pressAction()}, std::move(click)) {}

    QString text(QAccessible::Text t) const override {
        const QString own = TClickAccessible::text(t);
        if (t != QAccessible::Name || !own.isEmpty())
            return own;
        return WithoutMnemonic(static_cast<const QLabel*>(widget())->text());
    }
};

// The profile box, read as a combo box: its label and caption make its name, its caption is its
// value, and the menu it opens is its one child.
class TFlatPanelAccessible final : public TClickAccessible {
public:
    explicit TFlatPanelAccessible(TFlatPanel* panel)
        : TClickAccessible(panel, QAccessible::ComboBox, {showMenuAction(), pressAction()},
                           [panel] { panel->Click(); }) {}

    QString text(QAccessible::Text t) const override {
        const QString caption = Panel()->Caption();
        if (t == QAccessible::Value)
            return caption;
        if (t != QAccessible::Name || !Panel()->accessibleName().isEmpty())
            return TClickAccessible::text(t);
        const QLabel* label = LabelOf(*Panel());
        const QString title = label ? WithoutMnemonic(label->text()) : QString();
        if (title.isEmpty() || caption.isEmpty())
            return title + caption;
        return title + u' ' + caption;
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        auto found = TClickAccessible::relations(match);
        QLabel* label = LabelOf(*Panel());
        if (!(match & QAccessible::Label) || !label || label->parentWidget() == Panel()->parentWidget())
            return found; // no label, or a sibling that Qt has found already
        if (QAccessibleInterface* labelInterface = QAccessible::queryAccessibleInterface(label))
            found.append({labelInterface, QAccessible::Label});
        return found;
    }

    // Read as "collapsed" or "expanded", as a combo box is.
    QAccessible::State state() const override {
        QAccessible::State state = TClickAccessible::state();
        const QWidget* menu = Panel()->PopupMenu();
        state.hasPopup = menu != nullptr;
        state.expandable = menu != nullptr;
        state.expanded = menu && menu->isVisible();
        state.collapsed = menu && !menu->isVisible();
        return state;
    }

    int childCount() const override { return Panel()->PopupMenu() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        QWidget* menu = Panel()->PopupMenu();
        return index == 0 && menu ? QAccessible::queryAccessibleInterface(menu) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        QWidget* menu = Panel()->PopupMenu();
        return child && menu && child->object() == menu ? 0 : -1;
    }

private:
    TFlatPanel* Panel() const { return static_cast<TFlatPanel*>(widget()); }
};

// A window opened from one the user drives by keys shows its focus at once, as that one does: the
// style draws the focus only once a key has moved it in that very window, and the batch window's Stop,
// which has the focus from the start, would otherwise show none.
class TKeyboardCues final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || !watched->isWidgetType())
            return false;
        auto* window = static_cast<QWidget*>(watched);
        if (!window->isWindow() || window->testAttribute(Qt::WA_KeyboardFocusChange))
            return false;
        QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
        for (QWidget* from : {QApplication::activeWindow(), owner})
            if (from && from != window && from->testAttribute(Qt::WA_KeyboardFocusChange))
                window->setAttribute(Qt::WA_KeyboardFocusChange);
        return false;
    }
};

bool g_installed = false;

} // namespace

QAccessibleInterface* AccessibleFor(const QString&, QObject* object) {
    if (QAccessibleInterface* announcement = AnnouncementAccessible(object))
        return announcement;
    if (auto* panel = qobject_cast<TFlatPanel*>(object))
        return new TFlatPanelAccessible(panel);
    if (auto* image = qobject_cast<TWlmShiftImage*>(object))
        return new TClickAccessible(image, QAccessible::Button, {QAccessibleActionInterface::pressAction()},
                                    [image] { image->Click(); });
    if (auto* label = qobject_cast<TClickLabel*>(object))
        return new TLinkAccessible(label, [label] { label->Click(); });
    if (auto* link = qobject_cast<TsuiURLLabel*>(object))
        return new TLinkAccessible(link, [link] { link->Click(); });
    // A window of ours made from a plain widget, as the main window is, reads as a window, not a
    // filler. Qt's own windows (menus among them) keep their interfaces.
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && widget->isWindow() && widget->metaObject()->superClass() == &QWidget::staticMetaObject &&
        QByteArrayView(widget->metaObject()->className()).startsWith("clipvane::"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

void InstallAccessibles() {
    if (g_installed)
        return;
    g_installed = true;
    QAccessible::installFactory(&AccessibleFor);
    auto* cues = new TKeyboardCues;
    cues->setParent(qApp);
    qApp->installEventFilter(cues);
}

} // namespace clipvane
