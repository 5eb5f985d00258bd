#include "ui/committee/RunProgress.h"

#include <QCoreApplication>

void RunProgress::setMaximum(int value)
{
    m_maximum = value;
    if (m_bar)
        m_bar->setMaximum(value);
}

void RunProgress::setValue(int value)
{
    m_value = value;
    if (m_bar)
        m_bar->setValue(value);
    if (m_running && m_clock.elapsed() - m_lastBreath >= BreathMs)
        breathe();
}

void RunProgress::begin()
{
    m_running = true;
    m_stopRequested = false;
    m_longestPause = 0;
    m_clock.start();
    m_lastBreath = 0;
}

void RunProgress::breathe()
{
    const qint64 now = m_clock.elapsed();
    if (now - m_lastBreath > m_longestPause)
        m_longestPause = now - m_lastBreath;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    m_lastBreath = m_clock.elapsed();
}
