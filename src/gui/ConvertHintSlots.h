#pragma once
// The batch window's way of converting several files at once: the runners beyond the main window's
// one, the order in which slots start, and the window's labels showing the batch as a whole.

#include "core/BatchProgress.h"
#include "core/ConvertBatch.h"

#include <QObject>
#include <QString>

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QProgressBar;
class QWidget;

namespace clipvane {

class TPaced;

// The batch window's caption: the product name and which file of how many, "Tarvix Clipvane (2/5)".
QString BatchTitle(std::size_t number, std::size_t count);

// What the slots show and how they reach the window.
struct TSlotsView {
    QWidget* Window = nullptr;
    QLabel* Name = nullptr;
    QProgressBar* Bar = nullptr;
    QLabel* Elapsed = nullptr;
    QLabel* Estimated = nullptr;
    std::function<void(const std::string&)> ShowFailure; // a refused output, as one at a time
    std::function<void()> ReportError;                   // a start threw: ends the batch; in the catch
    std::function<void()> Close;                         // every file has ended
    std::function<std::int64_t()> ElapsedSeconds;        // since the batch began, by the clock
    std::function<void()> Started;                       // a slot's encoder has been started
};

class TConvertSlots final {
public:
    // Slot 0 converts with `runner`; `count` - 1 further runners of its own ask what `runner` asks.
    TConvertSlots(TConvertProcess& runner, std::size_t count);
    ~TConvertSlots();
    TConvertSlots(const TConvertSlots&) = delete;
    TConvertSlots& operator=(const TConvertSlots&) = delete;

    bool Several() const { return m_runners.size() > 1; }
    std::vector<TConvertProcess*> Runners() const { return m_runners; }

    // Called once the batch exists: the notices of slots beyond 0 go to `deliver`.
    void Attach(TConvertBatch& batch, TSlotsView view,
                const std::function<void(std::size_t, const TProcessInfo&)>& deliver);
    // Starts every slot's first file, one question at a time.
    void Begin();
    void OnNotice(std::size_t slot, const TProcessInfo& info);
    // The bar and the times, which move with the clock as well as with the reports.
    void ShowProgress();
    // Puts the files last shown in place at once, unsaid: the batch ends.
    void ShowNamesNow();

private:
    void StartWaiting();
    void Show();
    void ShowNames(bool tell);
    std::int64_t Elapsed() const;

    std::vector<std::unique_ptr<TConvertProcess>> m_own;
    std::vector<TConvertProcess*> m_runners;
    std::vector<std::unique_ptr<QObject>> m_receivers;
    TConvertBatch* m_batch = nullptr;
    TSlotsView m_view;
    std::unique_ptr<TBatchProgress> m_progress;
    std::int64_t m_guessedAt = 0; // seconds into the batch when the progress last changed
    std::vector<bool> m_running;  // per slot: its file has started and not ended
    std::size_t m_ended = 0;
    // A question or a failure message is up: slots that want to start wait their turn.
    int m_busy = 0;
    std::deque<std::size_t> m_waiting;
    // Starts per turn of the event loop: a start forks and asks the file system a few things.
    static constexpr std::size_t kStartsPerTurn = 4;
    bool m_turnPending = false;
    // The files running, as the window names them every so often.
    TPaced* m_paced = nullptr;
    QString m_names;
    QString m_title;
    bool m_namesPending = false;
};

} // namespace clipvane
