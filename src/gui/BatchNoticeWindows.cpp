// Windows: a balloon from a tray icon shown for it alone.
#include "gui/BatchNotice.h"

#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

namespace clipvane {

namespace {

class TTrayNotifier final : public TNotifier {
public:
    explicit TTrayNotifier(QWidget* window)
        : m_window(window) {}

    void Notify(const QString& title, const QString& text) override {
        if (!QSystemTrayIcon::isSystemTrayAvailable())
            return;
        // The program keeps no tray icon of its own: this one goes once the balloon has had its time.
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

} // namespace

std::unique_ptr<TNotifier> MakeDesktopNotifier(QWidget* window) {
    return std::make_unique<TTrayNotifier>(window);
}

} // namespace clipvane
