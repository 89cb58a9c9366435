// Linux: the freedesktop notification service on the session bus.
#include "gui/BatchNotice.h"

#include "core/Global.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

namespace clipvane {

namespace {

class TDBusNotifier final : public TNotifier {
public:
    void Notify(const QString& title, const QString& text) override {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
        // app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout (-1: the
        // server's default).
        call << QString::fromUtf8(kProductName) << 0u << QString() << title << text << QStringList()
             << QVariantMap() << -1;
        // Not waited for: a desktop without the service must not hold up the window.
        QDBusConnection::sessionBus().send(call);
    }
};

} // namespace

std::unique_ptr<TNotifier> MakeDesktopNotifier(QWidget*) {
    return std::make_unique<TDBusNotifier>();
}

} // namespace clipvane
