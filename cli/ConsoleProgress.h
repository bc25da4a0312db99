#pragma once

#include <QString>
#include <QTextStream>

#include "platform/Progress.h"

namespace cli {

// Progress on standard error, in one of two forms: a bar redrawn in place, silent unless
// enabled (standard error is a terminal and --quiet was not given); or, with a label, a log
// line "label: position/maximum" per tenth, which stays readable in a log file.
class ConsoleProgress final : public platform::Progress {
public:
    ConsoleProgress(QTextStream& err, bool enabled) : m_err(err), m_enabled(enabled) {}
    ConsoleProgress(QTextStream& err, QString label) : m_err(err), m_enabled(true), m_label(std::move(label))
    {}
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
    QString m_label; // empty: the bar
    bool m_drawn = false;
    int m_maximum = 0;
    int m_position = 0;
    int m_shownPercent = -1;
};

} // namespace cli
