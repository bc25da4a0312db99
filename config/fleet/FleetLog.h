#pragma once

#include <QDateTime>
#include <QSet>
#include <QString>

namespace quarn::fleet {

// The log of a job, one CSV line per unit programmed or failed:
//   time;port;row;model;version;result;sha256
// result is "ok" for a unit that holds its image, else why it failed. A job that starts again
// skips the rows the log shows as done. Lines are appended and flushed one by one, so a run
// that is cut off keeps every line it wrote.
class FleetLog {
public:
    struct Entry {
        QDateTime time;
        QString port;
        int row = 0;
        QString model;
        QString version;
        QString result; // "ok" or the failure
        QString sha256;
    };

    explicit FleetLog(QString path) : m_path(std::move(path)) {}

    // UNITS.csv -> UNITS.log.csv
    static QString defaultPath(const QString& tablePath);

    const QString& path() const { return m_path; }
    // The rows the log shows as done; empty when there is no log yet.
    QSet<int> doneRows() const;
    // False when the line cannot be written.
    bool append(const Entry& entry) const;
    // Whether lines can be appended (the file is created, empty, when missing): asked before
    // the first unit is touched, so that no unit is programmed without its line.
    bool writable() const;

private:
    QString m_path;
};

} // namespace quarn::fleet
