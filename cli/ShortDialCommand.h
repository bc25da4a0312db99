#pragma once

#include <QList>
#include <QString>

#include "cli/Command.h"

namespace cli {

class Diagnostics;
class PortSetup;

// `quarnctl shortdial read [--ranges LIST] -o FILE` and `quarnctl shortdial write FILE`: the
// telephone interface's short-dial memory, read into or written from the file the
// configuration program saves (UTF-16LE, the unit's "WP" lines). Both start with the
// opening that ends the unit's PC mode and wake the telephone interface.
class ShortDialCommand final : public Command {
public:
    QString name() const override { return QStringLiteral("shortdial"); }
    QString summary(Language language) const override
    {
        return pick(language, "der Kurzwahlspeicher des Telefoninterface",
                    "the short-dial memory of the telephone interface");
    }
    QString synopsis() const override { return QStringLiteral("shortdial read|write ..."); }
    QStringList usage() const override;
    QString details(Language language) const override;
    Section section() const override { return Section::Unit; }
    QList<QCommandLineOption> options(Language language) const override;
    // 0 done; 1 no entry line arrived or a send failed; 3 the port cannot be opened; 4 the
    // file cannot be read or written.
    int run(Invocation& call) const override;

private:
    static int openUnit(const Invocation& call, PortSetup& setup);
    static QString sendFailed(const Diagnostics& diag);
    static int read(const Invocation& call, PortSetup& setup, const QList<int>& ranges);
    static int write(const Invocation& call, PortSetup& setup);
};

} // namespace cli
