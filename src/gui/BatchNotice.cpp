#include "gui/BatchNotice.h"

#include "core/Global.h"

#include <QApplication>
#include <QWidget>

namespace clipvane {

namespace {

bool OwnedBy(const QWidget* window, const QWidget* owner) {
    for (; window; window = window->parentWidget())
        if (window == owner)
            return true;
    return false;
}

} // namespace

bool UserLooksAt(const QWidget& window) {
    const QWidget* active = QApplication::activeWindow();
    return active && (OwnedBy(active, &window) || OwnedBy(&window, active));
}

QString BatchEndText(std::size_t converted, std::size_t failed) {
    // A catalog gives each language its own plural forms; without one the English stays as designed.
    const int count = static_cast<int>(converted);
    const QString translated =
        QCoreApplication::translate("TNotifier", "%n file(s) converted, %1 failed.", nullptr, count)
            .arg(failed);
    if (translated != QStringLiteral("%1 file(s) converted, %2 failed.").arg(count).arg(failed))
        return translated;
    const QString files = converted == 1 ? QStringLiteral("file") : QStringLiteral("files");
    return QStringLiteral("%1 %2 converted, %3 failed.").arg(converted).arg(files).arg(failed);
}

bool TellBatchEnd(QWidget& mainWindow, bool looking, qint64 tookMs, std::size_t converted, std::size_t failed,
                  TNotifier& notifier) {
    if (looking || tookMs < kBatchNoticeAfterMs)
        return false;
    QApplication::alert(&mainWindow);
    notifier.Notify(QString::fromUtf8(kProductName), BatchEndText(converted, failed));
    return true;
}

} // namespace clipvane
