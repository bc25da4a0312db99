#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace cli {

class PortSetup;
struct GlobalOptions;

// `quarnctl shortdial read [--ranges LIST] -o FILE` and `quarnctl shortdial write FILE`: the
// telephone interface's short-dial memory, read into or written from the file the
// configuration program saves (UTF-16LE, the unit's "WP" lines). Both start with the
// opening that ends the unit's PC mode and wake the telephone interface.
class ShortDialCommand {
public:
    struct Request {
        bool read = true;
        QString file;
        QList<int> ranges{0}; // as the dialog: only 000-099 unless told otherwise
    };

    static const char* const Usage;

    // Fills request from the arguments after "shortdial"; an error text when they do not fit.
    static QString parse(const QStringList& args, Request& request);

    ShortDialCommand(PortSetup& setup, const GlobalOptions& options, QTextStream& out, QTextStream& err);

    // The process exit code: 0 done; 1 no entry line arrived or a send failed; 3 the port
    // cannot be opened; 4 the file cannot be read or written.
    int run(const Request& request);

private:
    int openUnit();
    int read(const Request& request);
    int write(const Request& request);

    PortSetup& m_setup;
    const GlobalOptions& m_options;
    QTextStream& m_out;
    QTextStream& m_err;
};

} // namespace cli
