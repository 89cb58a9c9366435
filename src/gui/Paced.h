#pragma once
// Window work done at most once a period: at once when the last time is a period ago, else once at
// the period's end however often it was asked for meanwhile. A batch of small files changes its
// window more often than a screen shows frames or anyone can read.

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

namespace clipvane {

// A batch of small files starts more files a second than a screen shows frames: its window paints,
// and names the files it converts, twenty times a second at most, which leaves the cores to the
// encoders.
constexpr int kBatchShowEveryMs = 50;

class TPaced final : public QObject {
public:
    TPaced(QObject* parent, int periodMs, std::function<void()> later);

    // The last time is a period ago (or there was none): the work may be done now.
    bool Due() const { return !m_last.isValid() || m_last.elapsed() >= m_periodMs; }
    // The caller did the work now.
    void Done() { m_last.start(); }
    // Has `later` run once when the period ends (and marks that time as done).
    void Later();

private:
    int m_periodMs = 0;
    std::function<void()> m_later;
    QElapsedTimer m_last;
    QTimer m_timer;
};

} // namespace clipvane
