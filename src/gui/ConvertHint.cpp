#include "gui/ConvertHint.h"

#include "core/Global.h"
#include "core/ProcessInfoEvent.h"
#include "gui/Application.h"
#include "gui/BatchNotice.h"
#include "gui/BatchSpoken.h"
#include "gui/DialogLayout.h"
#include "gui/Dialogs.h"
#include "gui/Paced.h"
#include "gui/Pictures.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace clipvane {

namespace {
// "MM:SS", the minutes not wrapped into hours; 0 for anything else.
std::int64_t TextToSeconds(const std::string& text) {
    const QStringList fields = QString::fromStdString(text).split(u':');
    return fields.size() == 2 ? fields[0].toLongLong() * 60 + fields[1].toLongLong() : 0;
}
} // namespace

TfrmConvert::TfrmConvert(QWidget* owner, TConvertProcess& runner, std::vector<std::string> fileList,
                         std::size_t atOnce)
    : QDialog(owner)
    , m_slots(runner, atOnce)
    , m_batch(m_slots.Runners(), std::move(fileList))
    , m_clock(m_slots.Runners().size()) {
    setObjectName(QStringLiteral("frmConvert"));
    SetDesignFont(*this);
    setFixedSize(345, 144);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowTitle(QString::fromUtf8(kProductName));

    GroupBox2 = new QGroupBox(tr("Converting"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(8, 8, 239, 125);

    lConvertName = new QLabel(GroupBox2);
    lConvertName->setObjectName(QStringLiteral("lConvertName"));
    lConvertName->setGeometry(12, 20, 212, 13);

    suiProgressBar2 = new QProgressBar(GroupBox2);
    suiProgressBar2->setObjectName(QStringLiteral("suiProgressBar2"));
    suiProgressBar2->setGeometry(12, 42, 212, 18);
    suiProgressBar2->setRange(0, 100);
    suiProgressBar2->setValue(0);
    suiProgressBar2->setTextVisible(true);
    suiProgressBar2->setFormat(QStringLiteral("%p%"));
    suiProgressBar2->setAlignment(Qt::AlignCenter);

    // The value labels run to the group box's inner edge: minutes are not wrapped into hours.
    Label5 = MakeDesignLabel(GroupBox2, "Label5", tr("Time elapsed: "), 12, 72, 108);
    lTimeElapsed = MakeDesignLabel(GroupBox2, "lTimeElapsed", QStringLiteral("00:00"), 120, 72, 112);
    Label6 = MakeDesignLabel(GroupBox2, "Label6", tr("Time estimated: "), 12, 96, 108);
    lTimeEstimated = MakeDesignLabel(GroupBox2, "lTimeEstimated", QStringLiteral("00:00"), 120, 96, 112);

    // Read out as "Time elapsed: 00:00"; the bar is named for what it measures.
    Label5->setBuddy(lTimeElapsed);
    Label6->setBuddy(lTimeEstimated);
    suiProgressBar2->setAccessibleName(tr("Conversion progress"));

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(280, 32, 32, 32);
    Image2->setPixmap(ConvertPicture());

    // Above the picture, with the buttons below: a silent encoder, or that the batch is paused.
    lStall = new QLabel(this);
    lStall->setObjectName(QStringLiteral("lStall"));
    lStall->setGeometry(253, 0, 88, 32);
    lStall->setWordWrap(true);
    lStall->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    lStall->hide();

    // Made first, so that it keeps the first focus it always had and Space still stops; Pause, above
    // it on the screen, comes after it.
    bStop = new QPushButton(tr("Stop"), this);
    bStop->setObjectName(QStringLiteral("bStop"));
    bStop->setGeometry(257, 104, 80, 27);
    bStop->setAutoDefault(false);
    connect(bStop, &QPushButton::clicked, this, &TfrmConvert::bStopClick);

    bPause = new QPushButton(tr("Pause"), this);
    bPause->setObjectName(QStringLiteral("bPause"));
    bPause->setGeometry(257, 72, 80, 27);
    bPause->setAutoDefault(false);
    connect(bPause, &QPushButton::clicked, this, &TfrmConvert::bPauseClick);

    if (m_slots.Several())
        m_slots.Attach(m_batch,
                       {this, lConvertName, suiProgressBar2, lTimeElapsed, lTimeEstimated,
                        [this](const std::string& text) {
                            ShowMessage(this, QMessageBox::Critical, QString::fromStdString(text));
                        },
                        [this] { EndOnError(); }, [this] { done(QDialog::Rejected); },
                        [this] { return m_clock.ElapsedMs() / 1000; }, [this] { Tick(); }},
                       [this](std::size_t slot, const TProcessInfo& info) {
                           try {
                               WMProcessInfo(info, slot);
                           } catch (...) {
                               EndOnError();
                           }
                       });

    m_paced = new TPaced(this, kBatchShowEveryMs, [this] { PaintPaced(); });

    // Four times a second, so that a second shows when it has passed.
    m_tick = new QTimer(this);
    m_tick->setInterval(250);
    connect(m_tick, &QTimer::timeout, this, &TfrmConvert::Tick);
}

TfrmConvert::~TfrmConvert() {
    // Destroyed without being closed: the encoder must not outlive its window.
    if (!m_batch.Stopped())
        FormClose();
}

void TfrmConvert::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    // Queued, so that the window is on screen before Start asks about an existing output.
    QMetaObject::invokeMethod(this, &TfrmConvert::FormShow, Qt::QueuedConnection);
}

void TfrmConvert::FormShow() {
    m_batch.SameInput = SameInput;
    m_batch.OutputFolder = OutputFolder;
    m_batch.NotifyWindow = this;
    if (m_batch.Stopped())
        return;
    m_clock.SetNow(SteadyClock);
    m_clock.Start();
    m_tick->start();
    if (m_slots.Several()) {
        m_slots.Begin();
        return;
    }
    StartFiles(true);
}

void TfrmConvert::StartFiles(bool first) {
    try {
        if (first)
            m_batch.Begin();
        else
            m_batch.StartCurrent();
    } catch (...) {
        EndOnError();
        return;
    }
    ShowCurrentFile();
}

void TfrmConvert::EndOnError() {
    // A failed start has ended the batch already, with its own reasons. Anything else would leave
    // the window waiting for an end notice that never comes.
    if (!m_batch.Stopped())
        m_batch.EndOnError(CurrentExceptionText());
    ShowCurrentException(this);
    done(QDialog::Rejected);
}

void TfrmConvert::ShowCurrentFile() {
    m_namePending = true;
    m_shownName = PathText(ExtractFileName(m_batch.Runner().OutputFile));
    m_shownNumber = m_batch.CurrentIndex() + 1;
    if (m_paced->Due())
        ShowName();
    else
        m_paced->Later();
    suiProgressBar2->setValue(0);
    m_reportedSeconds = 0;
    Tick(); // the file's time runs from its start
}

void TfrmConvert::ShowName(bool tell) {
    m_namePending = false;
    lConvertName->setText(
        lConvertName->fontMetrics().elidedText(m_shownName, Qt::ElideMiddle, lConvertName->width()));
    lConvertName->setToolTip(m_shownName);
    setWindowTitle(BatchTitle(m_shownNumber, m_batch.Count()));
    if (tell)
        TellBatchFiles(*this, m_shownName);
}

void TfrmConvert::PaintPaced() {
    if (m_namePending)
        ShowName();
    QEvent update(QEvent::UpdateRequest);
    QDialog::event(&update);
}

// The report's time counts from the encoder's first line, the clock's from its start: the larger
// never makes the label step back.
void TfrmConvert::ShowFileElapsed() {
    if (!m_batch.Runner().EncoderRunning())
        return;
    const std::int64_t seconds = std::max(m_clock.EncoderMs(0) / 1000, m_reportedSeconds);
    lTimeElapsed->setText(QString::fromStdString(SecondsToText(seconds)));
}

void TfrmConvert::Tick() {
    for (std::size_t slot = 0; slot < m_batch.Slots(); ++slot) {
        const TConvertProcess& runner = m_batch.Runner(slot);
        m_clock.Observe(slot, runner.EncoderRunning(), runner.EncoderStarts(), runner.OutputReads());
    }
    if (m_slots.Several()) {
        m_slots.ShowProgress();
    } else {
        ShowFileElapsed();
    }
    const std::int64_t silent = m_clock.SilentMs();
    const bool paused = m_batch.Paused();
    const bool stalled = silent >= StallMs && !m_batch.Stopped() && !paused;
    if (paused)
        lStall->setText(tr("Paused"));
    else if (stalled)
        lStall->setText(
            tr("Encoder silent for %1").arg(QString::fromStdString(SecondsToText(silent / 1000))));
    lStall->setVisible(stalled || paused);
}

bool TfrmConvert::event(QEvent* event) {
    if (event->type() == QEvent::UpdateRequest) {
        // Held back, the request leaves Qt waiting for this paint: it asks for no other meanwhile,
        // and the paint at the period's end takes in whatever changed.
        if (!m_paced->Due()) {
            m_paced->Later();
            return true;
        }
        m_paced->Done();
    }
    if (event->type() != static_cast<QEvent::Type>(WM_PROCESSINFO))
        return QDialog::event(event);
    // Ours from here on, freed on every path.
    const std::unique_ptr<TProcessInfo> info = static_cast<TProcessInfoEvent*>(event)->Take();
    if (info) {
        try {
            WMProcessInfo(*info);
        } catch (...) {
            EndOnError();
        }
    }
    return true;
}

void TfrmConvert::WMProcessInfo(const TProcessInfo& info, std::size_t slot) {
    if (m_slots.Several()) {
        m_slots.OnNotice(slot, info);
        return;
    }
    if (!info.IsEndNotice()) {
        if (info.Status == 0)
            suiProgressBar2->setValue(info.Percent);
        lTimeElapsed->setText(QString::fromStdString(info.TimeElapsed));
        m_reportedSeconds = TextToSeconds(info.TimeElapsed);
        ShowFileElapsed();
        lTimeEstimated->setText(QString::fromStdString(info.TimeEstimated));
        return;
    }
    m_batch.FollowEnd(
        info,
        [this](const std::string& text) {
            ShowMessage(this, QMessageBox::Critical, QString::fromStdString(text));
        },
        {.StartNext = [this] { StartFiles(false); }, .Close = [this] { done(QDialog::Rejected); }});
}

void TfrmConvert::bStopClick() {
    m_batch.Stop();
    done(3); // abort
}

void TfrmConvert::bPauseClick() {
    if (m_batch.Stopped())
        return;
    const bool pause = !m_batch.Paused();
    // The times are read first: what the clock shows at the pause is what it shows throughout.
    Tick();
    m_batch.Pause(pause);
    pause ? m_clock.Pause() : m_clock.Resume();
    bPause->setText(pause ? tr("Resume") : tr("Pause"));
    Tick();
}

void TfrmConvert::FormClose() {
    m_tick->stop();
    m_batch.Stop();
}

void TfrmConvert::done(int result) {
    // Asked before the window hides: hiding the active window leaves none active.
    m_endedInView = UserLooksAt(*this);
    // The window ends naming the last files it started; a listener hears the end instead.
    if (m_namePending)
        ShowName(false);
    m_slots.ShowNamesNow();
    FormClose();
    TellBatchEndSpoken(*this, m_batch);
    QDialog::done(result);
}

} // namespace clipvane
