#pragma once
// Words for a screen reader alone: a notification that appears to the reader and shows nothing.

#include <QObject>
#include <QString>

class QAbstractButton;
class QAccessibleInterface;
class QWidget;

namespace clipvane {

// One thing said; the latest one stays in its window until the next, so that the reader can still
// read it after hearing of it.
class TAnnouncement final : public QObject {
    Q_OBJECT

public:
    explicit TAnnouncement(QString text);
    const QString& Text() const { return m_text; }

private:
    QString m_text;
};

// Has a screen reader say `text`, as the notification of `window`. Nothing is shown.
void Announce(QWidget& window, const QString& text);

// As Announce, once `window` is the active window again: said while another window still has the
// focus, the words would be cut off by the reader reading the window that comes back.
void AnnounceWhenActive(QWidget& window, const QString& text);

// Has a screen reader say the new name of `button` when a click renames it, as Qt's message box does
// with "Show Details...". Qt 6.4 tells AT-SPI of a new name by sending the object where the name
// belongs, which Orca cannot speak.
void AnnounceRenameOnClick(QAbstractButton& button);

// The interface of an announcement (a notification named by its text); nullptr for other objects.
QAccessibleInterface* AnnouncementAccessible(QObject* object);

} // namespace clipvane
