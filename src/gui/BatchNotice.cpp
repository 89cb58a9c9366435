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

QString BatchEndText(std::size_t converted, std::size_t failed, std::size_t skipped) {
    // A catalog gives each language its own plural forms; without one the English stays as designed.
    const int count = static_cast<int>(converted);
    if (skipped > 0) {
        const QString translated =
            QCoreApplication::translate("TNotifier", "%n file(s) converted, %1 failed, %2 skipped.", nullptr,
                                        count)
                .arg(failed)
                .arg(skipped);
        if (translated != QStringLiteral("%1 file(s) converted, %2 failed, %3 skipped.")
                              .arg(count)
                              .arg(failed)
                              .arg(skipped))
            return translated;
        return QStringLiteral("%1 %2 converted, %3 failed, %4 skipped.")
            .arg(converted)
            .arg(converted == 1 ? QStringLiteral("file") : QStringLiteral("files"))
            .arg(failed)
            .arg(skipped);
    }
    const QString translated =
        QCoreApplication::translate("TNotifier", "%n file(s) converted, %1 failed.", nullptr, count)
            .arg(failed);
    if (translated != QStringLiteral("%1 file(s) converted, %2 failed.").arg(count).arg(failed))
        return translated;
    const QString files = converted == 1 ? QStringLiteral("file") : QStringLiteral("files");
    return QStringLiteral("%1 %2 converted, %3 failed.").arg(converted).arg(files).arg(failed);
}

QString SkippedText(std::size_t skipped) {
    const int count = static_cast<int>(skipped);
    const QString translated =
        QCoreApplication::translate("TNotifier", "%n file(s) skipped: the output exists.", nullptr, count);
    if (translated != QStringLiteral("%1 file(s) skipped: the output exists.").arg(count))
        return translated;
    return skipped == 1 ? QStringLiteral("1 file skipped: its output exists.")
                        : QStringLiteral("%1 files skipped: their outputs exist.").arg(skipped);
}

bool TellBatchEnd(QWidget& mainWindow, bool looking, qint64 tookMs, std::size_t converted, std::size_t failed,
                  TNotifier& notifier, std::size_t skipped) {
    if (looking || tookMs < kBatchNoticeAfterMs)
        return false;
    QApplication::alert(&mainWindow);
    notifier.Notify(QString::fromUtf8(kProductName), BatchEndText(converted, failed, skipped));
    return true;
}

} // namespace clipvane
