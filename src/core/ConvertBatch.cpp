#include "core/ConvertBatch.h"

#include "core/platform/Platform.h"

#include <QCoreApplication>

#include <filesystem>
#include <memory>
#include <system_error>

namespace clipvane {

namespace {
bool IsSeparator(char c) {
    return c == platform::PathSeparator() || c == '/';
}

std::size_t FileNameStart(const std::string& path) {
    for (std::size_t i = path.size(); i > 0; --i) {
        if (IsSeparator(path[i - 1]))
            return i;
    }
    return 0;
}
} // namespace

std::string ExtractFileName(const std::string& path) {
    return path.substr(FileNameStart(path));
}

std::string ChangeFileExt(const std::string& path, const std::string& ext) {
    const std::size_t nameStart = FileNameStart(path);
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < nameStart)
        return path + ext;
    return path.substr(0, dot) + ext;
}

std::string OutputPathFor(const std::string& input, bool sameInput, const std::string& outputFolder,
                          const std::string& outputExt) {
    if (sameInput)
        return ChangeFileExt(input, outputExt);
    std::string folder = outputFolder;
    if (folder.empty() || !IsSeparator(folder.back()))
        folder += platform::PathSeparator();
    return folder + ChangeFileExt(ExtractFileName(input), outputExt);
}

bool IsSameFile(const std::string& a, const std::string& b) {
    // UTF-8 bytes in, so the same names reach the file system on every OS.
    const std::filesystem::path pa(std::u8string(a.begin(), a.end()));
    const std::filesystem::path pb(std::u8string(b.begin(), b.end()));
    std::error_code error;
    const bool same = std::filesystem::equivalent(pa, pb, error);
    return !error && same;
}

std::string RefusalText(std::int32_t status) {
    switch (status) {
    case kStatusOutputInUse:
        return " may be used, convert process failed!";
    case kStatusOutputIsInput:
        return " is the input file itself, convert process failed!";
    case kStatusOutputIsFolder:
        return " is a folder, convert process failed!";
    case kStatusOutputNotReplaced:
        return " could not be replaced, convert process failed!";
    case kStatusOutputIsBatchFile:
        return " is a file of this batch, convert process failed!";
    case kStatusOutputWrittenByBatch:
        return " was written by this batch already, convert process failed!";
    default:
        return {};
    }
}

TConvertBatch::TConvertBatch(TConvertProcess& runner, std::vector<std::string> fileList)
    : m_runner(runner)
    , m_fileList(std::move(fileList)) {}

void TConvertBatch::Begin() {
    StartCurrent();
    FailedFiles.clear();
}

void TConvertBatch::StartCurrent() {
    if (m_stopped || m_currentIndex >= m_fileList.size())
        return;
    m_runner.Running = true;
    m_runner.InputFile = m_fileList[m_currentIndex];
    m_runner.OutputFile = OutputPathFor(m_runner.InputFile, SameInput(), OutputFolder(), Job.OutputExt);
    m_runner.NotifyWindow = NotifyWindow;
    m_runner.FFmpegParams = Job.FFmpegParams;
    m_runner.FFmpegPath = Job.FFmpegPath;
    m_runner.NotUseAnotherFFmpeg = Job.NotUseAnotherFFmpeg;
    // The encoder truncates its output before it reads its input: it would destroy the file. And no
    // "Yes" may make one file of the batch destroy another.
    if (const std::int32_t refusal = FileOfThisBatch(m_runner.OutputFile); refusal != 0) {
        Refuse(refusal);
        return;
    }
    m_runner.Start();
    // Stopped while Start asked about an existing output: Start went on regardless, and nobody
    // would ever stop that encoder.
    if (m_stopped) {
        m_runner.Running = true;
        m_runner.Stop(0);
    }
}

std::int32_t TConvertBatch::FileOfThisBatch(const std::string& output) const {
    if (IsSameFile(m_fileList[m_currentIndex], output))
        return kStatusOutputIsInput;
    for (const std::string& input : m_fileList)
        if (IsSameFile(input, output))
            return kStatusOutputIsBatchFile;
    for (const std::string& written : m_written)
        if (IsSameFile(written, output))
            return kStatusOutputWrittenByBatch;
    return 0;
}

void TConvertBatch::Refuse(std::int32_t status) {
    // Asked like any existing output, so No still means a quiet skip.
    const bool yes =
        m_runner.Question && m_runner.Question->AskYesNo(m_runner.OutputFile + " has existed,overite it?");
    auto info = std::make_unique<TProcessInfo>();
    info->Percent = kEndNoticePercent;
    info->Status = yes ? status : 0;
    if (NotifyWindow)
        QCoreApplication::postEvent(NotifyWindow, new TProcessInfoEvent(std::move(info)));
}

TConvertBatch::TEndAction
TConvertBatch::OnEndNotice(const TProcessInfo& info,
                           const std::function<void(const std::string&)>& showFailure) {
    if (m_stopped || m_currentIndex >= m_fileList.size())
        return TEndAction::Ignore;
    if (!info.Converted())
        FailedFiles += ExtractFileName(m_fileList[m_currentIndex]) + ", ";
    else
        m_written.push_back(m_runner.OutputFile);
    if (const std::string reason = RefusalText(info.Status); showFailure && !reason.empty())
        showFailure(m_runner.OutputFile + reason);
    // The user may have stopped the batch while the message was up.
    if (m_stopped)
        return TEndAction::Ignore;
    ++m_currentIndex;
    return m_currentIndex == m_fileList.size() ? TEndAction::Close : TEndAction::StartNext;
}

void TConvertBatch::Stop() {
    m_stopped = true;
    if (m_runner.Running)
        m_runner.Stop(0);
}

} // namespace clipvane
