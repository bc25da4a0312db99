#pragma once

#include <QString>
#include <QTextStream>

#include "platform/Progress.h"

namespace cli {

// Progress on standard error: a bar redrawn in place that says what it measures
// ("Lesen [#####     ] 120/600"), drawn only when enabled (standard error is a terminal and
// --quiet was not given). An exchange's setPosition(0) ends the line; a bar that never
// moved is not drawn.
class ConsoleProgress final : public platform::Progress {
public:
    ConsoleProgress(QTextStream& err, bool enabled) : m_err(err), m_enabled(enabled) {}
    ~ConsoleProgress() override { finish(); }

    // What the next bar measures; ends the current one.
    void setLabel(const QString& label);
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
    QString m_label;
    bool m_drawn = false;
    int m_maximum = 0;
    int m_position = 0;
    int m_shownPercent = -1;
};

} // namespace cli
