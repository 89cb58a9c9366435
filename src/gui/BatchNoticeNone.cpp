// Systems without a notification service the program knows: only the taskbar alert remains.
#include "gui/BatchNotice.h"

namespace clipvane {

namespace {

class TNoNotifier final : public TNotifier {
public:
    void Notify(const QString&, const QString&) override {}
};

} // namespace

std::unique_ptr<TNotifier> MakeDesktopNotifier(QWidget*) {
    return std::make_unique<TNoNotifier>();
}

} // namespace clipvane
