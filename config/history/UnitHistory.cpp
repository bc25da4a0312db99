#include "config/history/UnitHistory.h"

#include "config/link/ShortDialFile.h"
#include "config/register/Register.h"
#include "config/register/SettingsFile.h"

namespace quarn {

QString UnitHistory::modelOf(bool model7k)
{
    return model7k ? QStringLiteral("Quarn7k") : QStringLiteral("Quarn8k");
}

QString UnitHistory::keepImage(const Register& image, HistoryStore store)
{
    const QString kind = image.telephoneInterface ? HistoryStore::KindTelephone : HistoryStore::KindBase;
    return store.keep(modelOf(image.model7k), kind, QStringLiteral("rq7k8k"), [&image](const QString& path) {
        return saveSettingsFile(image, path) == SaveOutcome::Saved;
    });
}

QString UnitHistory::keepShortDial(const QString& cleaned, HistoryStore store)
{
    return store.keep(QStringLiteral("Quarn"), HistoryStore::KindShortDial, QStringLiteral("txt"),
                      [&cleaned](const QString& path) { return link::ShortDialFile::save(path, cleaned); });
}

} // namespace quarn
