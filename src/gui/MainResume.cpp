// The main window's side of the batch journal: a batch the program did not finish is offered once at
// the next start, and what cannot be journaled is said once.
#include "core/BatchJournal.h"
#include "core/Path.h"
#include "core/platform/Files.h"
#include "gui/Application.h"
#include "gui/Main.h"

#include <QScopeGuard>
#include <QTimer>

#include <utility>

namespace clipvane {

namespace {

QString ResumeQuestion(std::size_t count) {
    const int n = static_cast<int>(count);
    const QString translated =
        TfrmMain::tr("%n file(s) of the last batch were not converted. Convert them now?", nullptr, n);
    // A catalog gives each language its own plural forms; English has none.
    if (translated !=
        QStringLiteral("%1 file(s) of the last batch were not converted. Convert them now?").arg(n))
        return translated;
    return n == 1 ? QStringLiteral("1 file of the last batch was not converted. Convert it now?")
                  : QStringLiteral("%1 files of the last batch were not converted. Convert them now?").arg(n);
}

} // namespace

std::string TfrmMain::JournalPath() const {
    return m_settingsFolder() + kJournalFileName;
}

void TfrmMain::BeginJournal(TBatchJournal& journal, const TJournalBatch& batch) {
    if (!journal.Begin(JournalPath(), batch))
        TellJournalFailure(journal);
}

void TfrmMain::TellJournalFailure(const TBatchJournal& journal) {
    if ((journal.Error() == 0 && !journal.InUse()) || m_journalFailureTold)
        return;
    m_journalFailureTold = true;
    // The batch goes on without it: a crash is rare, a batch the user waits for is not.
    ShowMessage(this, QMessageBox::Information,
                QString::fromStdString(JournalFailureText(JournalPath(), journal)));
}

void TfrmMain::OfferResume() {
    if (m_resumeOffered || m_closed)
        return;
    const std::string path = JournalPath();
    // Held by a run that still converts it (clipvane-cli --journal): neither offered nor removed, and
    // looked at again before the next batch, by when that run may have left it.
    if (JournalInUse(path))
        return;
    m_resumeOffered = true;
    TJournalBatch batch;
    std::vector<std::string> unfinished;
    if (ReadJournal(path, batch, unfinished) != TJournalRead::Read)
        return;
    if (unfinished.empty()) {
        platform::RemoveFile(path); // every file had ended: killed just before it went
        return;
    }
    const bool yes = ShowMessage(this, QMessageBox::Information, ResumeQuestion(unfinished.size()),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    // A logout while the question was up answers nothing: it is asked again at the next start.
    if (m_closed)
        return;
    if (!yes) {
        platform::RemoveFile(path);
        return;
    }
    if (!batch.SameInput && !platform::ForceDirectories(batch.OutputFolder))
        ShowMessage(this, QMessageBox::Critical, tr("Cannot create %1").arg(PathText(batch.OutputFolder)));
    const bool wasConverting = std::exchange(m_converting, true);
    const auto done = qScopeGuard([this, wasConverting] {
        m_converting = wasConverting;
        if (!wasConverting && !m_waitingFiles.isEmpty())
            QTimer::singleShot(0, this, &TfrmMain::ConvertWaitingFiles);
    });
    try {
        RunBatch(
            std::move(unfinished), batch.Job, batch.Profile, [same = batch.SameInput] { return same; },
            [folder = batch.OutputFolder] { return folder; });
    } catch (...) {
        ShowCurrentException(this);
    }
}

} // namespace clipvane
