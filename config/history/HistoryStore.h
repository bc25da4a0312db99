#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <functional>

namespace quarn {

// One kept read: its file and what its name says of it.
struct HistoryEntry {
    QString path;
    QDateTime when;
    QString model; // "Quarn7k", "Quarn8k"
    QString kind;  // see HistoryStore::Kind*
    qint64 bytes = 0;
};

// How much the history keeps: the newest entries up to both limits, oldest removed first.
struct HistoryLimits {
    int maxEntries = 500;
    qint64 maxBytes = 50LL * 1024 * 1024;

    // The limits as stored in the configuration program's settings ("HistoryMaxEntries",
    // "HistoryMaxMegabytes"); the defaults where nothing usable is stored.
    static HistoryLimits stored();
};

// The unit history: one file per read from a unit, in the project's own file formats, named
// "2026-12-08_143012_Quarn8k-TI.rq7k8k" (date, time, model, kind). Keeping an entry never
// fails a transfer: a problem comes back as one warning line, and the read stands.
// Widget-free and free of every file format: the caller writes the file (through the codec of
// its format) into the path it is given.
class HistoryStore {
public:
    // The kinds of entry, as they appear in the file names.
    static inline const QString KindTelephone = QStringLiteral("TI"); // settings with telephone interface
    static inline const QString KindBase = QStringLiteral("Basis");   // settings without
    static inline const QString KindShortDial = QStringLiteral("Kurzwahl");
    static inline const QString KindIdTexts = QStringLiteral("Kennungstexte");
    static inline const QString KindChannelTexts = QStringLiteral("Kanaltexte");
    static inline const QString KindOwnTexts = QStringLiteral("Eigentexte");

    // The configuration program's application-data folder + "/history", the same for every
    // program of the family (quarnctl and Tekstor keep their reads beside the window's).
    static QString defaultRoot();

    explicit HistoryStore(QString root = defaultRoot(), HistoryLimits limits = HistoryLimits::stored());

    QString root() const { return m_root; }

    // Writes a new entry: write(path) puts the file there and says whether it succeeded. Then
    // removes the oldest entries beyond the limits. Empty on success, else the warning line.
    QString keep(const QString& model, const QString& kind, const QString& extension,
                 const std::function<bool(const QString& path)>& write,
                 const QDateTime& when = QDateTime::currentDateTime());

    // Every entry, oldest first.
    QList<HistoryEntry> entries() const;
    // The entry a name stands for, if the name is one of the history's.
    static bool parse(const QString& fileName, HistoryEntry& entry);

    // The warning line, naming the history's folder, in the configuration program's language
    // (Tekstor says the same in its own words).
    static QString warning(const QString& root);

private:
    void prune();

    QString m_root;
    HistoryLimits m_limits;
};

} // namespace quarn
