#pragma once

#include <QStringList>
#include <QTextStream>

namespace cli {

// The settings report of a settings file (text, HTML or PDF) and the difference of two files by
// setting name. Both make the settings dialogs without showing them, so they need a GUI
// application (the offscreen platform is enough). Each returns the process exit code.
class ReportCommand {
public:
    ReportCommand(QTextStream& out, QTextStream& err) : m_out(out), m_err(err) {}

    // report FILE [--language de|en] [--format text|html|pdf] [-o OUT]
    int report(QStringList args);
    // diff --settings FILE1 FILE2 [--language de|en]
    int diffSettings(QStringList args);

    // Whether the command line asks for one of these (decided before the application exists).
    static bool needsWidgets(const QStringList& args);

private:
    int usage(const QString& problem);
    bool takeLanguage(QStringList& args);

    QTextStream& m_out;
    QTextStream& m_err;
};

} // namespace cli
