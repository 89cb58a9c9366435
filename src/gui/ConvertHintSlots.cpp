#include "gui/ConvertHintSlots.h"

#include "core/Global.h"
#include "core/ProcessInfoEvent.h"
#include "gui/BatchSpoken.h"
#include "gui/Paced.h"

#include <QLabel>
#include <QProgressBar>
#include <QScopeGuard>
#include <QStringList>
#include <QTimer>
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
    // Until the encoder says how long a file is, its size says how much of the batch it is.
    m_progress->ReadSizes(batch.FileList());
    m_paced = new TPaced(m_view.Window, kBatchShowEveryMs, [this] { ShowNames(true); });
    for (std::size_t slot = 1; slot < m_runners.size(); ++slot) {
        m_receivers.push_back(std::make_unique<TSlotReceiver>(deliver, slot));
        batch.SetSlotNotifyWindow(slot, m_receivers.back().get());
    }
}

void TConvertSlots::Begin() {
    for (std::size_t slot = 0; slot < m_runners.size(); ++slot)
        m_waiting.push_back(slot);
    StartWaiting();
}

// One slot after another: a question keeps the others waiting until it has been answered. A few per
// turn of the event loop, so that the window paints, Stop works and finished files end in between.
void TConvertSlots::StartWaiting() {
    for (std::size_t started = 0; m_busy == 0 && !m_waiting.empty(); ++started) {
        if (started == kStartsPerTurn) {
            if (!m_turnPending) {
                m_turnPending = true;
                QTimer::singleShot(0, m_view.Window, [this] {
                    m_turnPending = false;
                    StartWaiting();
                });
            }
            return;
        }
        const std::size_t slot = m_waiting.front();
        m_waiting.pop_front();
        if (m_batch->Stopped() || m_batch->SlotIndex(slot) >= m_batch->Count())
            continue;
        ++m_busy;
        const auto done = qScopeGuard([this] { --m_busy; });
        try {
            m_running[slot] = m_batch->StartCurrent(slot);
            if (m_running[slot] && m_view.Started)
                m_view.Started();
        } catch (...) {
            m_running[slot] = false;
            m_view.ReportError();
            // The encoder cannot be started: the batch has ended, and its summary says why.
            if (m_batch->Stopped()) {
                m_waiting.clear();
                Show();
                m_view.Close();
                return;
            }
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
        m_guessedAt = Elapsed();
        ShowProgress();
        return;
    }
    const auto showFailure = [this](const std::string& text) {
        if (!m_view.ShowFailure)
            return;
        ++m_busy;
        const auto done = qScopeGuard([this] { --m_busy; });
        m_view.ShowFailure(text);
    };
    // Idle or not, the slots that waited while a failure message was up start now.
    const auto goOn = [this] {
        StartWaiting();
        Show();
    };
    m_batch->FollowEnd(info, showFailure,
                       {.Ended =
                            [this, slot](std::size_t ended, TFileOutcome) {
                                m_progress->Ended(ended);
                                m_guessedAt = Elapsed();
                                m_running[slot] = false;
                                ++m_ended;
                            },
                        .StartNext =
                            [this, slot, goOn] {
                                m_waiting.push_back(slot);
                                goOn();
                            },
                        .Idle = goOn,
                        .Close =
                            [this] {
                                Show();
                                m_view.Close();
                            }},
                       slot);
}

void TConvertSlots::Show() {
    std::vector<std::pair<std::size_t, QString>> running;
    for (std::size_t slot = 0; slot < m_runners.size(); ++slot)
        if (m_running[slot])
            running.emplace_back(m_batch->SlotIndex(slot),
                                 PathText(ExtractFileName(m_runners[slot]->OutputFile)));
    std::sort(running.begin(), running.end());
    QStringList names;
    for (const auto& entry : running)
        names << entry.second;
    m_names = names.join(QStringLiteral(", "));
    m_title = BatchTitle(m_ended + running.size(), m_batch->Count());
    m_namesPending = true;
    ShowProgress();
    if (m_paced->Due()) {
        m_paced->Done();
        ShowNames(true);
    } else {
        m_paced->Later();
    }
}

void TConvertSlots::ShowNames(bool tell) {
    if (!m_namesPending)
        return;
    m_namesPending = false;
    m_view.Name->setText(
        m_view.Name->fontMetrics().elidedText(m_names, Qt::ElideRight, m_view.Name->width()));
    m_view.Name->setToolTip(m_names);
    m_view.Window->setWindowTitle(m_title);
    if (tell)
        TellBatchFiles(*m_view.Window, m_names);
}

void TConvertSlots::ShowNamesNow() {
    ShowNames(false);
}

void TConvertSlots::ShowProgress() {
    if (!m_progress)
        return;
    m_view.Bar->setValue(m_progress->Percent());
    const std::int64_t elapsed = Elapsed();
    m_view.Elapsed->setText(QString::fromStdString(SecondsToText(elapsed)));
    // Estimated when the batch last moved: between reports the clock alone would only inflate it.
    // It never reads less than the time already spent.
    const std::int64_t estimated = std::max(m_progress->EstimatedSeconds(m_guessedAt), elapsed);
    m_view.Estimated->setText(QString::fromStdString(SecondsToText(estimated)));
}

QString BatchTitle(std::size_t number, std::size_t count) {
    return QStringLiteral("%1 (%2/%3)").arg(QString::fromUtf8(kProductName)).arg(number).arg(count);
}

std::int64_t TConvertSlots::Elapsed() const {
    return m_view.ElapsedSeconds ? m_view.ElapsedSeconds() : 0;
}

} // namespace clipvane
