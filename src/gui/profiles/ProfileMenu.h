#pragma once
// The profile picker: the grouped popup menu built from the catalog, and the handlers that keep the
// profile box, its tooltip and the extension label in step with the chosen profile.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>

class QAction;
class QLabel;
class QMenu;
class QWidget;

namespace clipvane {

class TFlatPanel;

// The caption with its first "&" removed, as the menu's accelerators put one into it.
QString RemoveFirstAmpersand(const QString& caption);

// The caption with an "&" before its first letter or digit that none of its siblings uses yet
// (`usedKeys` holds theirs, in lower case, and receives the new one); unchanged when none is left.
QString WithAccelerator(const QString& caption, QString& usedKeys);

// Where the menu opens for a box at `box` (in client coordinates) of a window whose client area's
// top-left corner is at `clientTopLeft` on the screen: a fifth of the box's width into the box, and
// half-way down from the screen's top to the window. Integer divisions truncate toward zero.
QPoint ProfileMenuPoint(const QPoint& clientTopLeft, const QRect& box);

// The top-left corner of a menu `menuWidth` wide that is centred on `point`.
QPoint CentredMenuPosition(const QPoint& point, int menuWidth);

class TProfilePicker final : public QObject {
    Q_OBJECT

public:
    // `window` is the main window, `box` the profile box in its client area, `extName` the label.
    TProfilePicker(QWidget* window, TFlatPanel* box, QLabel* extName);
    ~TProfilePicker() override;

    QMenu* pmType() const { return m_menu; }
    // The menu's last item, "Manual conversion"; the window connects it.
    QAction* miManualConvert() const { return m_manualConvert; }

    // Opens the menu at ProfileMenuPoint, whatever the sender, on the box's profile.
    void fpTypeClick(QObject* sender);
    // A profile item was chosen: its caption (less the accelerator's "&") becomes the profile text.
    void TypeMenuClick(QObject* sender);
    // Makes every item of every group run TypeMenuClick; run at each showing of the window.
    void BindItems();
    // The profile text into the box and its tooltip. A text too wide for the box is narrowed, and
    // when even that is not enough its start is shown rather than its middle.
    void SetProfileText(const QString& text);
    // "(*" + the extension of the box's caption + ")".
    void RefreshExtName();
    // The screen point where fpTypeClick opens the menu now.
    QPoint PopupPoint() const;
    // The item of the profile in the box; nullptr when none has its caption.
    QAction* CurrentItem() const;

private:
    void ItemTriggered();

    QPointer<QWidget> m_window;
    QPointer<TFlatPanel> m_box;
    QPointer<QLabel> m_extName;
    QMenu* m_menu = nullptr;
    QAction* m_manualConvert = nullptr;
};

} // namespace clipvane
