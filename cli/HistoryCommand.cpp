#include "cli/HistoryCommand.h"

#include "cli/Diagnostics.h"
#include "cli/ExitCode.h"
#include "cli/Invocation.h"
#include "config/history/HistoryStore.h"

#include <QDir>

namespace cli {

int HistoryCommand::run(Invocation& call) const
{
    const QList<quarn::HistoryEntry> entries = quarn::HistoryStore().entries();
    if (call.args.isEmpty()) {
        for (int i = 0; i < entries.size(); ++i) {
            const quarn::HistoryEntry& e = entries.at(i);
            call.out << (i + 1) << "  " << e.when.toString(QStringLiteral("yyyy-MM-dd  HH:mm:ss")) << "  "
                     << e.model << "  " << e.kind << '\n';
        }
        call.out.flush();
        return ExitOk;
    }
    if (call.args.constFirst() != QLatin1String("show"))
        return call.usageError(call.diag.pick("unbekannte Aktion %1 (show)", "unknown action %1 (show)")
                                   .arg(call.args.constFirst()));
    if (const int code = call.expectArguments(2); code != ExitOk)
        return code;
    bool ok = false;
    const int n = call.args.at(1).toInt(&ok);
    if (!ok || n < 1 || n > entries.size())
        return call.usageError(call.diag.pick("keinen Eintrag %1 im Verlauf", "no entry %1 in the history")
                                   .arg(call.args.at(1)));
    call.out << QDir::toNativeSeparators(entries.at(n - 1).path) << '\n';
    call.out.flush();
    return ExitOk;
}

} // namespace cli
