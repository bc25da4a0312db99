#include "cli/ConsoleProgress.h"

#include <QFileInfo>

namespace cli {

bool ConsoleProgress::stderrIsTerminal()
{
    // Standard error's file: a terminal device (/dev/pts/N, /dev/ttyN) or not.
    const QString target = QFileInfo(QStringLiteral("/proc/self/fd/2")).canonicalFilePath();
    return target.startsWith(QLatin1String("/dev/pts/")) || target.startsWith(QLatin1String("/dev/tty"));
}

void ConsoleProgress::setLabel(const QString& label)
{
    finish();
    m_label = label;
}

void ConsoleProgress::setRange(int maximum)
{
    m_maximum = maximum;
    m_position = 0;
    m_shownPercent = -1;
}

void ConsoleProgress::setPosition(int position)
{
    m_position = position;
    if (position == 0)
        finish();
    else
        draw();
}

void ConsoleProgress::step()
{
    ++m_position;
    draw();
}

void ConsoleProgress::draw()
{
    if (!m_enabled || m_maximum <= 0)
        return;
    const int percent = qBound(0, m_position * 100 / m_maximum, 100);
    if (percent == m_shownPercent)
        return;
    m_shownPercent = percent;
    const int filled = percent * 40 / 100;
    m_err << '\r' << m_label.leftJustified(8) << " [" << QString(filled, QLatin1Char('#'))
          << QString(40 - filled, QLatin1Char(' ')) << "] " << qMin(m_position, m_maximum) << '/' << m_maximum
          << Qt::flush;
    m_drawn = true;
}

void ConsoleProgress::finish()
{
    if (m_drawn)
        m_err << '\n' << Qt::flush;
    m_drawn = false;
    m_shownPercent = -1;
}

} // namespace cli
