#include "config/fleet/UnitsTable.h"

#include <QStringDecoder>

namespace quarn::fleet {

namespace {

struct Record {
    int line = 0;
    QStringList cells;
};

// Splits the text into records; a quoted field may hold separators, doubled quotes and line
// breaks. A quote left open at the end is a problem of the line it was opened in.
QList<Record> records(const QString& text, QChar separator, QList<TableProblem>& problems)
{
    QList<Record> out;
    Record current{1, {}};
    QString field;
    bool quoted = false;
    bool wasQuoted = false;
    int line = 1;
    int quoteLine = 0;
    auto endField = [&] {
        current.cells << (wasQuoted ? field : field.trimmed());
        field.clear();
        wasQuoted = false;
    };
    auto endRecord = [&] {
        endField();
        // A line with nothing on it separates nothing.
        if (!(current.cells.size() == 1 && current.cells.first().isEmpty()))
            out << current;
        current = Record{line + 1, {}};
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"') && field.trimmed().isEmpty()) {
            field.clear();
            quoted = true;
            wasQuoted = true;
            quoteLine = line;
        } else if (c == separator) {
            endField();
        } else if (c == QLatin1Char('\n')) {
            endRecord();
            ++line;
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    if (quoted)
        problems << TableProblem{
            quoteLine, 0, {}, UnitsTable::tr("Ein Anführungszeichen wird nicht geschlossen.")};
    if (!field.isEmpty() || wasQuoted || !current.cells.isEmpty())
        endRecord();
    return out;
}

} // namespace

UnitsTable UnitsTable::parse(const QByteArray& bytes, QList<TableProblem>& problems)
{
    UnitsTable table;
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decode(bytes);
    if (decode.hasError()) {
        problems << TableProblem{0, 0, {}, tr("Die Tabelle ist nicht in UTF-8 geschrieben.")};
        return table;
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QString first = text.section(QLatin1Char('\n'), 0, 0);
    table.separator = first.contains(QLatin1Char(';')) || !first.contains(QLatin1Char(','))
                          ? QLatin1Char(';')
                          : QLatin1Char(',');
    QList<Record> all = records(text, table.separator, problems);
    if (all.isEmpty()) {
        problems << TableProblem{1, 0, {}, tr("Die Tabelle hat keine Kopfzeile.")};
        return table;
    }
    table.headers = all.takeFirst().cells;
    for (const Record& r : all) {
        if (r.cells.size() > table.headers.size()) {
            problems << TableProblem{r.line,
                                     int(table.headers.size()) + 1,
                                     {},
                                     tr("Die Zeile hat %1 Felder, die Kopfzeile %2.")
                                         .arg(r.cells.size())
                                         .arg(table.headers.size())};
        }
        Row row{r.line, r.cells};
        // Cells missing at the end are empty: their settings stay as the template has them.
        while (row.cells.size() < table.headers.size())
            row.cells << QString();
        table.rows << row;
    }
    return table;
}

} // namespace quarn::fleet
