#include "IdleHint.h"

#include <QTimer>

IdleHint::IdleHint(std::function<qint64()> clock, QObject *parent)
    : QObject(parent)
    , m_clock(std::move(clock))
    , m_timer(new QTimer(this))
{
    if (!m_clock) {
        m_steady.start();
        m_clock = [this] { return m_steady.elapsed(); };
    }
    m_timer->setInterval(1000);
    connect(m_timer, &QTimer::timeout, this, &IdleHint::check);
}

void IdleHint::setWatching(bool watching)
{
    m_watching = watching;
    restart();
    if (watching)
        m_timer->start();
    else
        m_timer->stop();
}

void IdleHint::restart()
{
    m_since = m_clock();
    m_wait = FirstHintMs;
}

void IdleHint::check()
{
    if (!m_watching || m_clock() - m_since < m_wait)
        return;
    m_since = m_clock();
    m_wait = AgainHintMs;
    emit hint();
}
