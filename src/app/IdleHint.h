#pragma once

#include <QElapsedTimer>
#include <QObject>

#include <functional>

class QTimer;

// Help for a child who is stuck: when nothing is tapped for FirstHintMs in a
// game, hint() is emitted; after that at most every AgainHintMs while nothing
// is tapped. The clock is handed in, so a test can move time on itself.
class IdleHint : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 FirstHintMs = 8000;
    static constexpr qint64 AgainHintMs = 15000;

    // clock: milliseconds from any fixed moment; none: the steady clock.
    explicit IdleHint(std::function<qint64()> clock = {}, QObject *parent = nullptr);

    // Another clock from now on (a test's).
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }
    // Watching from now (a game page shown) or not (any other page).
    void setWatching(bool watching);
    bool watching() const { return m_watching; }
    // A tap or a key: the wait starts over, with the first hint's delay.
    void restart();
    // Emits hint() when one is due; a timer calls it every second.
    void check();

signals:
    void hint();

private:
    QElapsedTimer m_steady;
    std::function<qint64()> m_clock;
    QTimer *m_timer;
    bool m_watching = false;
    qint64 m_since = 0;
    qint64 m_wait = FirstHintMs;
};
