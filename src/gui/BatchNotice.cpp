#include "gui/BatchNotice.h"

#include "core/Global.h"

#include <QApplication>
#include <QWidget>

#ifdef CLIPVANE_HAS_DBUS
#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>
#endif
#ifdef Q_OS_WIN
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>
#endif

namespace clipvane {

namespace {

#ifdef CLIPVANE_HAS_DBUS
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
#endif

#ifdef Q_OS_WIN
class TTrayNotifier final : public TNotifier {
public:
    explicit TTrayNotifier(QWidget* window)
        : m_window(window) {}
    void Notify(const QString& title, const QString& text) override {
        if (!QSystemTrayIcon::isSystemTrayAvailable())
            return;
        // Shown for the balloon only: the program keeps no tray icon of its own.
        auto* icon = new QSystemTrayIcon(m_window ? m_window->windowIcon() : QIcon(), m_window);
        icon->show();
        icon->showMessage(title, text, QSystemTrayIcon::Information, 10000);
        QTimer::singleShot(15000, icon, [icon] {
            icon->hide();
            icon->deleteLater();
        });
    }

private:
    QPointer<QWidget> m_window;
};
#endif

class TNoNotifier final : public TNotifier {
public:
    void Notify(const QString&, const QString&) override {}
};

// The main window itself or a window it owns (the batch window, a message box over it).
bool IsOwnWindow(const QWidget& mainWindow, const QWidget* window) {
    for (; window; window = window->parentWidget())
        if (window == &mainWindow)
            return true;
    return false;
}

} // namespace

std::unique_ptr<TNotifier> MakeDesktopNotifier([[maybe_unused]] QWidget* window) {
#if defined(CLIPVANE_HAS_DBUS)
    return std::make_unique<TDBusNotifier>();
#elif defined(Q_OS_WIN)
    return std::make_unique<TTrayNotifier>(window);
#else
    return std::make_unique<TNoNotifier>();
#endif
}

QString BatchEndText(std::size_t converted, std::size_t failed) {
    const QString files = converted == 1 ? QStringLiteral("file") : QStringLiteral("files");
    return QStringLiteral("%1 %2 converted, %3 failed.").arg(converted).arg(files).arg(failed);
}

bool TellBatchEnd(QWidget& mainWindow, qint64 tookMs, std::size_t converted, std::size_t failed,
                  TNotifier& notifier) {
    if (tookMs < kBatchNoticeAfterMs || IsOwnWindow(mainWindow, QApplication::activeWindow()))
        return false;
    QApplication::alert(&mainWindow);
    notifier.Notify(QString::fromUtf8(kProductName), BatchEndText(converted, failed));
    return true;
}

} // namespace clipvane
