#include "platform/gui/Timer.h"

#include <QTimer>

Timer::Timer(Mode mode, int periodMs) : m_timer(new QTimer(this)), m_mode(Mode::Off), m_period(periodMs)
{
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, [this] { fire(); });
    setMode(mode);
}

Timer::~Timer() = default;

void Timer::setMode(Mode mode)
{
    m_mode = mode;
    if (mode == Mode::Off) {
        m_timer->stop();
        return;
    }
    m_timer->setSingleShot(mode == Mode::Once);
    m_timer->start(std::max(0, m_period));
}

void Timer::setPeriod(int ms)
{
    m_period = ms;
    if (m_mode != Mode::Off)
        m_timer->start(std::max(0, m_period));
}

void Timer::reset()
{
    if (m_mode != Mode::Off)
        m_timer->start(std::max(0, m_period));
}

void Timer::fire()
{
    // A once-timer is off before its action runs, so the action may switch it on again.
    if (m_mode == Mode::Once)
        m_mode = Mode::Off;
    if (onAction)
        onAction();
}
