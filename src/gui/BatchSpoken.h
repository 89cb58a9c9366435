#pragma once
// What a screen reader hears of the batch window beyond its controls: the files being converted with
// the times, when the window opens and when the files change, and how the batch ended.

#include <QString>

#include <cstddef>

class QWidget;

namespace clipvane {

class TConvertBatch;

// "2 files converted.", "2 files converted, 1 failed.", "2 files converted, 0 failed, 3 skipped." or,
// for a batch that did not reach its end, "Stopped: 2 of 5 files converted."
QString BatchEndSpokenText(std::size_t converted, std::size_t failed, std::size_t count,
                           std::size_t skipped = 0);

// The batch window `window` now converts `names`: they and the window's times become the window's
// description, read when it opens, and are said when they change.
void TellBatchFiles(QWidget& window, const QString& names);

// The batch in `window` has ended: its owner, once active again, says how. Said once per window.
void TellBatchEndSpoken(QWidget& window, const TConvertBatch& batch);

} // namespace clipvane
