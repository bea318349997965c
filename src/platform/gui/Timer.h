#pragma once

#include <QObject>
#include <functional>

class QTimer;

// A timer with the three modes the program uses: off, once (fires one time after the
// period, then turns itself off) and repeating.
class Timer : public QObject {
    Q_OBJECT
public:
    enum class Mode { Off, Once, Repeating };
    explicit Timer(Mode mode = Mode::Off, int periodMs = 1000);
    ~Timer() override;

    Mode mode() const { return m_mode; }
    void setMode(Mode mode); // (re)starts the period unless Off
    int period() const { return m_period; }
    void setPeriod(int ms);  // a running timer restarts with the new period
    void reset();            // restart the running period from now

    std::function<void()> onAction;

private:
    void fire();
    QTimer* m_timer;
    Mode m_mode;
    int m_period;
};
