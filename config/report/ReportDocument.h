#pragma once

#include "config/report/SettingsReport.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>

namespace quarn {

// The settings report as plain text, HTML or an A4 PDF with a heading (file, unit, date) and
// page numbers.
class ReportDocument {
    Q_DECLARE_TR_FUNCTIONS(ReportDocument)

public:
    struct Heading {
        QString fileName;
        QString unit; // e.g. "Quarn 8k mit Telefoninterface"
        QDate date;
    };

    ReportDocument(Heading heading, QList<ReportLine> lines);

    QString text() const;
    QString html() const;
    // false when the file cannot be written.
    bool writePdf(const QString& path) const;

    // "Quarn 7k", "Quarn 8k" or "Quarn 7k/8k" (unknown), with or without the telephone interface.
    static QString unitText(bool known, bool model7k, bool telephone);

private:
    // The closing list: the registers of the image that no line shows.
    QString unshownText() const;

    Heading m_heading;
    QList<ReportLine> m_lines;
};

} // namespace quarn
