#include "gui/controls/Announcement.h"

#include <QAbstractButton>
#include <QAccessibleObject>
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <memory>

namespace clipvane {

namespace {

const char kName[] = "announcement";

class TAnnouncementAccessible final : public QAccessibleObject {
public:
    explicit TAnnouncementAccessible(TAnnouncement* announcement)
        : QAccessibleObject(announcement) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<const TAnnouncement*>(object())->Text() : QString();
    }
};

// Waits for its window to become active, says its words, and goes.
class TPendingAnnouncement final : public QObject {
public:
    TPendingAnnouncement(QWidget& window, QString text)
        : QObject(&window)
        , m_text(std::move(text)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate) {
            // After the window's own activation has reached the reader.
            QMetaObject::invokeMethod(
                this,
                [this, window = QPointer<QWidget>(static_cast<QWidget*>(watched))] {
                    if (window)
                        Announce(*window, m_text);
                    deleteLater();
                },
                Qt::QueuedConnection);
            watched->removeEventFilter(this);
        }
        return false;
    }

private:
    QString m_text;
};

} // namespace

TAnnouncement::TAnnouncement(QString text)
    : m_text(std::move(text)) {
    setObjectName(QLatin1String(kName));
}

void Announce(QWidget& window, const QString& text) {
    // A new object each time: the reader keeps what it has read of an object, its name among it.
    for (TAnnouncement* earlier : window.findChildren<TAnnouncement*>(QString(), Qt::FindDirectChildrenOnly))
        earlier->deleteLater();
    // Given its window once whole, so that the window's ChildAdded sees what it says.
    auto* announcement = new TAnnouncement(text);
    announcement->setParent(&window);
    QAccessibleEvent shown(announcement, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void AnnounceWhenActive(QWidget& window, const QString& text) {
    // Asked once the event that ends the other window (its hiding among it) is over.
    QMetaObject::invokeMethod(
        &window,
        [&window, text] {
            if (window.isActiveWindow())
                Announce(window, text);
            else
                new TPendingAnnouncement(window, text);
        },
        Qt::QueuedConnection);
}

void AnnounceRenameOnClick(QAbstractButton& button) {
    const auto name = [&button] {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&button);
        return iface ? iface->text(QAccessible::Name) : button.text();
    };
    auto said = std::make_shared<QString>(name());
    QObject::connect(&button, &QAbstractButton::clicked, &button, [&button, name, said] {
        // Queued: the slot that renames the button may be connected after this one.
        QMetaObject::invokeMethod(
            &button,
            [&button, name, said] {
                const QString now = name();
                if (now == *said)
                    return;
                *said = now;
                Announce(*button.window(), now);
            },
            Qt::QueuedConnection);
    });
}

QAccessibleInterface* AnnouncementAccessible(QObject* object) {
    auto* announcement = qobject_cast<TAnnouncement*>(object);
    return announcement ? new TAnnouncementAccessible(announcement) : nullptr;
}

} // namespace clipvane
