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

// "3 files converted, 1 failed."
QString BatchEndText(std::size_t converted, std::size_t failed);

// After a batch that took `tookMs`: alerts `mainWindow` and notifies once, unless the batch was
// short or the active window is the main window or one of its own. Returns whether it told.
bool TellBatchEnd(QWidget& mainWindow, qint64 tookMs, std::size_t converted, std::size_t failed,
                  TNotifier& notifier);

} // namespace clipvane
