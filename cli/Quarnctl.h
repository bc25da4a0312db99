#pragma once

#include <QStringList>
#include <QTextStream>

namespace cli {

// quarnctl: parses the command line, sets up the port and runs one command. Returns the
// process exit code.
class Quarnctl {
public:
    Quarnctl(QTextStream& out, QTextStream& err) : m_out(out), m_err(err) {}

    int run(QStringList args);

    static QString usage();

private:
    int usageError(const QString& problem);
    int ports();

    QTextStream& m_out;
    QTextStream& m_err;
};

} // namespace cli
