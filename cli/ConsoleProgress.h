#pragma once

#include <QTextStream>

#include "Progress.h"

namespace cli {

// A progress line on standard error, redrawn in place; silent unless enabled (standard
// error is a terminal and --quiet was not given).
class ConsoleProgress final : public platform::Progress {
public:
    ConsoleProgress(QTextStream& err, bool enabled) : m_err(err), m_enabled(enabled) {}
    ~ConsoleProgress() override { finish(); }

    void setRange(int maximum) override;
    void setPosition(int position) override;
    void step() override;
    // Ends the line if one is drawn.
    void finish();

    // Whether standard error is a terminal.
    static bool stderrIsTerminal();

private:
    void draw();

    QTextStream& m_err;
    bool m_enabled;
    bool m_drawn = false;
    int m_maximum = 0;
    int m_position = 0;
    int m_shownPercent = -1;
};

} // namespace cli
