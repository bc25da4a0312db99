#include "config/report/ReportDocument.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace quarn {

ReportDocument::ReportDocument(Heading heading, QList<ReportLine> lines)
    : m_heading(std::move(heading)), m_lines(std::move(lines))
{}

QString ReportDocument::unitText(bool known, bool model7k, bool telephone)
{
    const QString model = !known    ? QStringLiteral("Quarn 7k/8k")
                          : model7k ? QStringLiteral("Quarn 7k")
                                    : QStringLiteral("Quarn 8k");
    return model + QLatin1Char(' ') + (telephone ? tr("mit Telefoninterface") : tr("ohne Telefoninterface"));
}

QString ReportDocument::unshownText() const
{
    bool telephone = false;
    for (const ReportLine& l : m_lines) {
        for (const Binder::DigitSpan& s : l.spans)
            telephone = telephone || s.reg >= 300;
    }
    QStringList numbers;
    for (int n : SettingsReport::unshownRegisters(m_lines, telephone))
        numbers << QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
    return tr("Register, die kein Dialog zeigt") + QStringLiteral(": ") +
           (numbers.isEmpty() ? tr("keine") : numbers.join(QStringLiteral(", ")));
}

QString ReportDocument::text() const
{
    QString out;
    out += tr("Einstellungen") + QStringLiteral(": ") + m_heading.fileName + QLatin1Char('\n');
    out += tr("Gerät") + QStringLiteral(": ") + m_heading.unit + QLatin1Char('\n');
    out += tr("Datum") + QStringLiteral(": ") + m_heading.date.toString(Qt::ISODate) + QLatin1Char('\n');
    QString item;
    for (const ReportLine& l : m_lines) {
        if (l.item != item) {
            item = l.item;
            out += QLatin1Char('\n') + item + QLatin1Char('\n');
        }
        out += QStringLiteral("  %1: %2  [%3]").arg(l.field, l.value, l.digitsText());
        if (!l.active)
            out += QStringLiteral("  (") + tr("inaktiv") + QLatin1Char(')');
        out += QLatin1Char('\n');
    }
    out += QLatin1Char('\n') + unshownText() + QLatin1Char('\n');
    return out;
}

QString ReportDocument::html() const
{
    QString out = QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head><body>")
                      .arg(tr("Einstellungen").toHtmlEscaped());
    out += QStringLiteral("<h2>%1</h2>")
               .arg((tr("Einstellungen") + QStringLiteral(": ") + m_heading.fileName).toHtmlEscaped());
    out += QStringLiteral("<p>%1: %2<br>%3: %4</p>")
               .arg(tr("Gerät").toHtmlEscaped(), m_heading.unit.toHtmlEscaped(), tr("Datum").toHtmlEscaped(),
                    m_heading.date.toString(Qt::ISODate));
    QString item;
    bool open = false;
    for (const ReportLine& l : m_lines) {
        if (l.item != item) {
            if (open)
                out += QStringLiteral("</table>");
            item = l.item;
            out += QStringLiteral(
                       "<h3>%1</h3><table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">")
                       .arg(item.toHtmlEscaped());
            out +=
                QStringLiteral(
                    "<tr><th align=\"left\">%1</th><th align=\"left\">%2</th><th align=\"left\">%3</th></tr>")
                    .arg(tr("Einstellung").toHtmlEscaped(), tr("Wert").toHtmlEscaped(),
                         tr("Register").toHtmlEscaped());
            open = true;
        }
        QString value = l.value.toHtmlEscaped();
        if (!l.active)
            value = QStringLiteral("<i>%1 (%2)</i>").arg(value, tr("inaktiv").toHtmlEscaped());
        out += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>")
                   .arg(l.field.toHtmlEscaped(), value, l.digitsText().toHtmlEscaped());
    }
    if (open)
        out += QStringLiteral("</table>");
    out += QStringLiteral("<p>%1</p>").arg(unshownText().toHtmlEscaped());
    out += QStringLiteral("</body></html>");
    return out;
}

bool ReportDocument::writePdf(const QString& path) const
{
    {
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly))
            return false;
    }
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(300);
    writer.setTitle(tr("Einstellungen") + QStringLiteral(": ") + m_heading.fileName);
    writer.setCreator(QStringLiteral("Quarn7k8k"));
    QTextDocument document;
    document.setHtml(html());
    // Laid out by print(), which numbers the pages at their foot.
    document.print(&writer);
    return QFile(path).size() > 0;
}

} // namespace quarn
