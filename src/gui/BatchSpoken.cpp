#include "gui/BatchSpoken.h"

#include "core/ConvertBatch.h"
#include "gui/BatchNotice.h"
#include "gui/controls/Announcement.h"

#include <QCoreApplication>
#include <QLabel>
#include <QStringList>
#include <QWidget>

namespace clipvane {

namespace {

const char kFilesSaid[] = "clipvaneFilesSaid";
const char kEndSaid[] = "clipvaneEndSaid";

// A catalog gives each language its own plural forms; without one (English), `one` or `many` is
// taken, with the count for "%1".
QString Counted(const QString& translated, const char* source, std::size_t n, const QString& one,
                const QString& many) {
    if (translated != QString::fromLatin1(source).replace(QLatin1String("%n"), QString::number(n)))
        return translated;
    return (n == 1 ? one : many).arg(n);
}

// "Time elapsed: 00:04, Time estimated: 00:16": each value label after the label it is read by.
QStringList Times(const QWidget& window) {
    QStringList times;
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (const auto* value = qobject_cast<const QLabel*>(label->buddy()))
            times << label->text().trimmed() + u' ' + value->text();
    return times;
}

} // namespace

QString BatchEndSpokenText(std::size_t converted, std::size_t failed, std::size_t count,
                           std::size_t skipped) {
    if (converted + failed + skipped < count) {
        const QString stopped = QCoreApplication::translate(
            "TBatchSpoken", "Stopped: %1 of %n file(s) converted.", nullptr, static_cast<int>(count));
        return Counted(stopped, "Stopped: %1 of %n file(s) converted.", count,
                       QStringLiteral("Stopped: %2 of %1 file converted."),
                       QStringLiteral("Stopped: %2 of %1 files converted."))
            .arg(converted);
    }
    if (failed > 0 || skipped > 0)
        return BatchEndText(converted, failed, skipped);
    const QString done = QCoreApplication::translate("TBatchSpoken", "%n file(s) converted.", nullptr,
                                                     static_cast<int>(converted));
    return Counted(done, "%n file(s) converted.", converted, QStringLiteral("%1 file converted."),
                   QStringLiteral("%1 files converted."));
}

void TellBatchFiles(QWidget& window, const QString& names) {
    const QString before = window.property(kFilesSaid).toString();
    if (names.isEmpty() || names == before)
        return;
    window.setProperty(kFilesSaid, names);
    const QString text = (QStringList{names} + Times(window)).join(QStringLiteral(", "));
    // The first files are read with the window as it opens.
    if (!before.isEmpty())
        Announce(window, text);
    window.setAccessibleDescription(text);
}

void TellBatchEndSpoken(QWidget& window, const TConvertBatch& batch) {
    QWidget* owner = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    if (!owner || window.property(kEndSaid).toBool())
        return;
    window.setProperty(kEndSaid, true);
    AnnounceWhenActive(*owner, BatchEndSpokenText(batch.Converted(), batch.Failures().size(), batch.Count(),
                                                  batch.Skipped()));
}

} // namespace clipvane
