#include "core/BatchJournal.h"

#include "core/Global.h"
#include "core/platform/AppendFile.h"
#include "core/platform/Files.h"
#include "core/platform/Ownership.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <map>
#include <random>
#include <system_error>

namespace clipvane {

namespace {

constexpr const char* kMagic = "clipvane-journal 1";

std::uint32_t Crc32(const std::string& text) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const unsigned char c : text)
        crc = table[(crc ^ c) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

// A name may hold any byte but "/" on Linux, line breaks included.
std::string Escape(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string Unescape(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

std::string Line(const std::string& payload) {
    char crc[9];
    std::snprintf(crc, sizeof crc, "%08x", static_cast<unsigned>(Crc32(payload)));
    return std::string(crc) + ' ' + payload + '\n';
}

// The payload of a whole, unharmed line; false for a torn or altered one.
bool Payload(const std::string& line, std::string& payload) {
    if (line.size() < 9 || line[8] != ' ')
        return false;
    payload = line.substr(9);
    char crc[9];
    std::snprintf(crc, sizeof crc, "%08x", static_cast<unsigned>(Crc32(payload)));
    return line.compare(0, 8, crc) == 0;
}

// The output as it is now: which file it is, "-" when there is none.
std::string Identity(const std::string& path) {
    std::uint64_t volume = 0, index = 0;
    if (!platform::FileId(path, volume, index))
        return "-";
    return std::to_string(volume) + ':' + std::to_string(index);
}

std::string Word(std::string& rest) {
    const std::size_t blank = rest.find(' ');
    std::string word = rest.substr(0, blank);
    rest = blank == std::string::npos ? std::string() : rest.substr(blank + 1);
    return word;
}

bool Index(const std::string& text, std::size_t count, std::size_t& index) {
    if (text.empty() || text.size() > 12 || text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    index = static_cast<std::size_t>(std::stoull(text));
    return index < count;
}

const char* ExistingName(TExistingOutput mode) {
    return mode == TExistingOutput::Replace ? "replace" : mode == TExistingOutput::Skip ? "skip" : "ask";
}

std::string BatchId() {
    std::random_device random;
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    return std::to_string(platform::OwnProcessId()) + '-' + std::to_string(now) + '-' +
           std::to_string(random());
}

std::string Head(const TJournalBatch& batch) {
    std::string head = Line(kMagic);
    head += Line("id " + BatchId());
    head += Line("profile " + Escape(batch.Profile));
    head += Line("ext " + Escape(batch.Job.OutputExt));
    head += Line("params " + Escape(batch.Job.FFmpegParams));
    head += Line(std::string("encoder ") + (batch.Job.NotUseAnotherFFmpeg ? "1 " : "0 ") +
                 Escape(batch.Job.FFmpegPath));
    head += Line(std::string("output ") + (batch.SameInput ? "1 " : "0 ") + Escape(batch.OutputFolder));
    head += Line(std::string("existing ") + ExistingName(batch.Job.ExistingOutput));
    head += Line(std::string("dates ") + (batch.Job.KeepDates ? "1" : "0"));
    for (const std::string& output : batch.Job.WrittenBefore)
        head += Line("written " + Escape(output));
    for (const std::string& file : batch.Files)
        head += Line("file " + Escape(file));
    head += Line("files " + std::to_string(batch.Files.size()));
    return head;
}

} // namespace

TJournalRead ReadJournal(const std::string& path, TJournalBatch& batch,
                         std::vector<std::string>& unfinished) {
    batch = {};
    unfinished.clear();
    // Its first line is looked at first: a video named by mistake is not read whole.
    const std::string magic = Line(kMagic);
    std::string text;
    if (!platform::ReadFileStart(path, magic.size(), text) ||
        (text == magic && !platform::ReadWholeFile(path, text)))
        return platform::GetPathType(path) == platform::PathType::None ? TJournalRead::Missing
                                                                       : TJournalRead::NotAJournal;
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find('\n', at);
        lines.push_back(text.substr(at, end == std::string::npos ? std::string::npos : end - at));
        at = end == std::string::npos ? text.size() : end + 1;
    }
    std::string payload;
    if (lines.empty() || !Payload(lines[0], payload) || payload != kMagic)
        return TJournalRead::NotAJournal;
    // The head was written whole: every line of it must be sound, up to "files N".
    std::size_t i = 1;
    bool headEnded = false;
    for (; i < lines.size() && !headEnded; ++i) {
        if (!Payload(lines[i], payload))
            return TJournalRead::NotAJournal;
        std::string rest = payload;
        const std::string key = Word(rest);
        if (key == "profile")
            batch.Profile = Unescape(rest);
        else if (key == "ext")
            batch.Job.OutputExt = Unescape(rest);
        else if (key == "params")
            batch.Job.FFmpegParams = Unescape(rest);
        else if (key == "encoder") {
            batch.Job.NotUseAnotherFFmpeg = Word(rest) == "1";
            batch.Job.FFmpegPath = Unescape(rest);
        } else if (key == "output") {
            batch.SameInput = Word(rest) == "1";
            batch.OutputFolder = Unescape(rest);
        } else if (key == "existing")
            batch.Job.ExistingOutput = rest == "replace" ? TExistingOutput::Replace
                                       : rest == "skip"  ? TExistingOutput::Skip
                                                         : TExistingOutput::Ask;
        else if (key == "dates")
            batch.Job.KeepDates = rest == "1";
        else if (key == "written")
            batch.Job.WrittenBefore.push_back(Unescape(rest));
        else if (key == "file")
            batch.Files.push_back(Unescape(rest));
        else if (key == "files")
            headEnded = rest == std::to_string(batch.Files.size());
    }
    if (!headEnded || batch.Job.OutputExt.empty())
        return TJournalRead::NotAJournal;
    const std::size_t count = batch.Files.size();
    std::vector<bool> ended(count, false);
    std::map<std::size_t, std::pair<std::string, std::string>> started; // identity, output
    for (; i < lines.size(); ++i) {
        if (!Payload(lines[i], payload))
            continue; // cut short by the crash
        std::string rest = payload;
        const std::string key = Word(rest);
        std::size_t index = 0;
        if (!Index(Word(rest), count, index))
            continue;
        if (key == "done") {
            ended[index] = true;
        } else if (key == "start") {
            std::string identity = Word(rest);
            started[index] = {std::move(identity), Unescape(rest)};
        }
    }
    for (std::size_t index = 0; index < count; ++index) {
        bool tookItsName = false;
        if (const auto it = started.find(index); it != started.end()) {
            const std::string now = Identity(it->second.second);
            tookItsName = now != "-" && now != it->second.first;
            if (tookItsName)
                batch.Job.WrittenBefore.push_back(it->second.second);
        }
        if (!ended[index] && !tookItsName)
            unfinished.push_back(batch.Files[index]);
    }
    return TJournalRead::Read;
}

TBatchJournal::~TBatchJournal() {
    Close();
}

void TBatchJournal::Close() {
    StopFlusher();
    platform::CloseHandle(m_file);
    platform::CloseHandle(m_lock);
}

bool TBatchJournal::Begin(const std::string& path, const TJournalBatch& batch) {
    Close();
    m_path = path;
    m_error = 0;
    m_flushError = 0;
    m_inUse = false;
    // Another run holds the journal there: its batch is not ours to replace.
    platform::Handle probe = platform::kNoHandle;
    if (platform::GetPathType(path) == platform::PathType::File && !platform::TryLockFile(path, probe)) {
        std::string unused;
        m_inUse = platform::ReadWholeFile(path, unused);
        if (!m_inUse)
            m_error = platform::LastError();
        return false;
    }
    platform::CloseHandle(probe);
    const std::string head = Head(batch);
    std::string written;
    if (!platform::WriteFileAtomically(path, head)) {
        NoteError();
        // What the file held is this batch's to replace (the batch taken up again, or one already
        // offered): left there, it would be offered again once this batch has converted its files.
        platform::RemoveFile(path);
        return false;
    }
    if (!platform::TryLockFile(path, m_lock) || !platform::OpenForAppend(path, m_file)) {
        NoteError();
        if (m_lock != platform::kNoHandle)
            platform::RemoveLockedFile(m_lock, path);
        Close();
        return false;
    }
    // Another run may have put its own journal there between our write and our lock.
    if (!platform::ReadWholeFile(path, written) || written != head) {
        m_inUse = true;
        Close();
        return false;
    }
    return true;
}

void TBatchJournal::Starting(std::size_t index, const std::string& output) {
    Append("start " + std::to_string(index) + ' ' + Identity(output) + ' ' + Escape(output), false);
    FlushBeside();
}

void TBatchJournal::FlushBeside() {
    if (!Active())
        return;
    if (!m_flusher.joinable()) {
        try {
            m_quit = false;
            if (!platform::OpenFlushHandle(m_file, m_flushFile))
                m_flushFile = platform::kNoHandle;
            m_flusher = std::thread([this] { Flusher(); });
        } catch (const std::system_error&) {
            platform::CloseHandle(m_flushFile);
            // No thread to spare: the line is flushed here and now, as it was before.
            if (!platform::AppendAndFlush(m_file, {}))
                Fail();
            return;
        }
    }
    std::lock_guard lock(m_mutex);
    ++m_asked;
    m_changed.notify_all();
}

void TBatchJournal::Flusher() {
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_quit || m_asked != m_flushed; });
        // What was asked for is flushed even when quitting: a journal left behind must hold it.
        if (m_asked == m_flushed)
            return;
        const std::uint64_t asked = m_asked;
        lock.unlock();
        const bool flushed =
            platform::AppendAndFlush(m_flushFile != platform::kNoHandle ? m_flushFile : m_file, {});
        const int error = flushed ? 0 : platform::LastError();
        lock.lock();
        if (!flushed && m_flushError == 0)
            m_flushError = error != 0 ? error : 1;
        m_flushed = asked;
        m_changed.notify_all();
    }
}

void TBatchJournal::StopFlusher() {
    if (!m_flusher.joinable())
        return;
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
        m_changed.notify_all();
    }
    m_flusher.join();
    platform::CloseHandle(m_flushFile);
}

void TBatchJournal::Settle() {
    if (!Active() || !m_flusher.joinable())
        return;
    int error = 0;
    {
        std::unique_lock lock(m_mutex);
        const std::uint64_t asked = m_asked;
        m_changed.wait(lock, [this, asked] { return m_flushed >= asked; });
        error = m_flushError;
    }
    if (error != 0) {
        platform::SetLastError(error);
        Fail();
    }
}

// Not flushed on its own: the next start's flush takes it to the disk. A power cut before that loses
// only the line, and then the file's output, renamed since its start, still says it has ended; a file
// that failed or was skipped is tried again. Each flush costs a batch of small files as much as the
// encoder's own run.
void TBatchJournal::Ended(std::size_t index) {
    Append("done " + std::to_string(index), false);
}

void TBatchJournal::NoteError() {
    m_error = platform::LastError();
    if (m_error == 0)
        m_error = 1;
}

void TBatchJournal::Append(const std::string& payload, bool flush) {
    if (!Active())
        return;
    int flushError = 0;
    if (m_flusher.joinable()) {
        std::lock_guard lock(m_mutex);
        flushError = m_flushError;
    }
    if (flushError != 0)
        platform::SetLastError(flushError);
    else if (platform::AppendAndFlush(m_file, Line(payload), flush))
        return;
    Fail();
}

void TBatchJournal::Fail() {
    NoteError();
    StopFlusher();
    // A journal that lacks a start or an end would, after a crash, offer files this run has converted
    // since: it goes, as the user is told.
    platform::CloseHandle(m_file);
    platform::RemoveLockedFile(m_lock, m_path);
    Close();
    if (OnFailure)
        OnFailure(m_error);
}

void TBatchJournal::Finish() {
    if (!Active())
        return;
    StopFlusher();
    platform::CloseHandle(m_file);
    platform::RemoveLockedFile(m_lock, m_path);
    Close();
}

bool JournalInUse(const std::string& path) {
    platform::Handle probe = platform::kNoHandle;
    if (platform::GetPathType(path) != platform::PathType::File || platform::TryLockFile(path, probe)) {
        platform::CloseHandle(probe);
        return false;
    }
    std::string unused;
    return platform::ReadWholeFile(path, unused);
}

std::string JournalFailureText(const std::string& path, const TBatchJournal& journal) {
    if (journal.InUse())
        return Substitute(
            Tr("TBatchJournal", "%1 is in use by another run: this batch cannot be resumed after a crash."),
            {path});
    return Substitute(
        Tr("TBatchJournal", "%1 could not be written (%2): this batch cannot be resumed after a crash."),
        {path, platform::ErrorText(journal.Error())});
}

} // namespace clipvane
