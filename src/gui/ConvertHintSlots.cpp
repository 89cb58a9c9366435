#include "gui/ConvertHintSlots.h"

#include "core/Global.h"
#include "core/ProcessInfoEvent.h"

#include <QLabel>
#include <QProgressBar>
#include <QScopeGuard>
#include <QStringList>
#include <QWidget>

#include <algorithm>

namespace clipvane {

namespace {

// Hands one runner's notices to the window, saying which slot they come from.
class TSlotReceiver final : public QObject {
public:
    TSlotReceiver(std::function<void(std::size_t, const TProcessInfo&)> deliver, std::size_t slot)
        : m_deliver(std::move(deliver))
        , m_slot(slot) {}

protected:
    bool event(QEvent* event) override {
        if (event->type() != static_cast<QEvent::Type>(WM_PROCESSINFO))
            return QObject::event(event);
        if (const std::unique_ptr<TProcessInfo> info = static_cast<TProcessInfoEvent*>(event)->Take())
            m_deliver(m_slot, *info);
        return true;
    }

private:
    std::function<void(std::size_t, const TProcessInfo&)> m_deliver;
    std::size_t m_slot;
};

} // namespace

TConvertSlots::TConvertSlots(TConvertProcess& runner, std::size_t count)
    : m_runners{&runner}
    , m_running(std::max<std::size_t>(count, 1), false) {
    for (std::size_t slot = 1; slot < count; ++slot) {
        auto own = std::make_unique<TConvertProcess>();
        own->Question = runner.Question;
        own->Clock = runner.Clock;
        own->ClockContext = runner.ClockContext;
        m_runners.push_back(own.get());
        m_own.push_back(std::move(own));
    }
}

TConvertSlots::~TConvertSlots() = default;

void TConvertSlots::Attach(TConvertBatch& batch, TSlotsView view,
                           const std::function<void(std::size_t, const TProcessInfo&)>& deliver) {
    m_batch = &batch;
    m_view = std::move(view);
    m_progress = std::make_unique<TBatchProgress>(batch.Count());
    for (std::size_t slot = 1; slot < m_runners.size(); ++slot) {
        m_receivers.push_back(std::make_unique<TSlotReceiver>(deliver, slot));
        batch.SetSlotNotifyWindow(slot, m_receivers.back().get());
    }
}

void TConvertSlots::Begin() {
    m_clock.start();
    for (std::size_t slot = 0; slot < m_runners.size(); ++slot)
        Start(slot);
}

void TConvertSlots::Start(std::size_t slot) {
    m_waiting.push_back(slot);
    if (m_busy == 0)
        StartWaiting();
}

// One slot after another: a question keeps the others waiting until it has been answered.
void TConvertSlots::StartWaiting() {
    while (m_busy == 0 && !m_waiting.empty()) {
        const std::size_t slot = m_waiting.front();
        m_waiting.pop_front();
        if (m_batch->Stopped() || m_batch->SlotIndex(slot) >= m_batch->Count())
            continue;
        ++m_busy;
        const auto done = qScopeGuard([this] { --m_busy; });
        try {
            m_batch->StartCurrent(slot);
            m_running[slot] = true;
        } catch (...) {
            // No end notice comes for this file: the window ends the batch.
            m_view.ReportError();
        }
        Show();
    }
}

void TConvertSlots::OnNotice(std::size_t slot, const TProcessInfo& info) {
    if (m_batch->Stopped())
        return;
    const std::size_t index = m_batch->SlotIndex(slot);
    if (index >= m_batch->Count())
        return;
    if (!info.IsEndNotice()) {
        if (info.Status == 0)
            m_progress->Report(index, info.Percent, m_runners[slot]->Parse.TotalSeconds);
        Show();
        return;
    }
    ++m_busy;
    const auto action = m_batch->OnEndNotice(info, m_view.ShowFailure, slot);
    --m_busy;
    if (action == TConvertBatch::TEndAction::Ignore)
        return;
    m_progress->Ended(index);
    m_running[slot] = false;
    ++m_ended;
    if (action == TConvertBatch::TEndAction::Close) {
        Show();
        m_view.Close();
        return;
    }
    if (action == TConvertBatch::TEndAction::StartNext)
        m_waiting.push_back(slot);
    // Also the slots that waited while a failure message was up.
    StartWaiting();
    Show();
}

void TConvertSlots::Show() {
    std::vector<std::pair<std::size_t, QString>> running;
    for (std::size_t slot = 0; slot < m_runners.size(); ++slot)
        if (m_running[slot])
            running.emplace_back(m_batch->SlotIndex(slot),
                                 QString::fromStdString(ExtractFileName(m_runners[slot]->OutputFile)));
    std::sort(running.begin(), running.end());
    QStringList names;
    for (const auto& entry : running)
        names << entry.second;
    const QString text = names.join(QStringLiteral(", "));
    m_view.Name->setText(m_view.Name->fontMetrics().elidedText(text, Qt::ElideRight, m_view.Name->width()));
    m_view.Name->setToolTip(text);
    m_view.Window->setWindowTitle(QStringLiteral("%1 (%2/%3)")
                                      .arg(QString::fromUtf8(kProductName))
                                      .arg(m_ended + running.size())
                                      .arg(m_batch->Count()));
    m_view.Bar->setValue(m_progress->Percent());
    const std::int64_t elapsed = m_clock.isValid() ? m_clock.elapsed() / 1000 : 0;
    m_view.Elapsed->setText(QString::fromStdString(SecondsToText(elapsed)));
    m_view.Estimated->setText(QString::fromStdString(SecondsToText(m_progress->EstimatedSeconds(elapsed))));
}

} // namespace clipvane
