#pragma once
// Tells the user that a long batch has ended while they were looking at another program: the
// taskbar entry asks for attention and the desktop shows a notification.

#include <QString>

#include <cstddef>
#include <memory>

class QWidget;

namespace clipvane {

// A batch shorter than this ends under the user's eyes, or nearly: nothing is said.
inline constexpr qint64 kBatchNoticeAfterMs = 10000;

// The desktop's notifications; a seam, so that tests can watch what is said.
class TNotifier {
public:
    virtual ~TNotifier() = default;
    virtual void Notify(const QString& title, const QString& text) = 0;
};

// The freedesktop notification service on the session bus (Linux), the tray balloon on Windows.
std::unique_ptr<TNotifier> MakeDesktopNotifier(QWidget* window);

// "3 files converted, 1 failed." and, when files were skipped, "3 files converted, 1 failed, 2 skipped."
QString BatchEndText(std::size_t converted, std::size_t failed, std::size_t skipped = 0);

// "2 files skipped: their outputs exist."
QString SkippedText(std::size_t skipped);

// Whether the active window is `window`, one of its owners or one it owns: the user is looking at it.
bool UserLooksAt(const QWidget& window);

// After a batch that took `tookMs` and ended while the user looked elsewhere (`looking` false):
// alerts `mainWindow` and notifies once. A short batch tells nothing. Returns whether it told.
bool TellBatchEnd(QWidget& mainWindow, bool looking, qint64 tookMs, std::size_t converted, std::size_t failed,
                  TNotifier& notifier, std::size_t skipped = 0);

} // namespace clipvane
