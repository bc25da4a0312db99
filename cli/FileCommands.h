#pragma once

#include <QStringList>
#include <QTextStream>

namespace cli {

// The commands on settings files that need no unit: show, get, set, diff. Each returns
// the process exit code.
class FileCommands {
public:
    FileCommands(QTextStream& out, QTextStream& err) : m_out(out), m_err(err) {}

    int show(const QString& path);
    int get(const QString& path, const QString& number);
    // The rules of the single-register editor: upper case, only hex digits, padded on the
    // right with "0" to 8, a register number the file has; the file is saved atomically.
    int set(const QString& path, const QString& number, const QString& digits);
    int diff(const QString& first, const QString& second);

private:
    QTextStream& m_out;
    QTextStream& m_err;
};

} // namespace cli
