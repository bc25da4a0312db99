#include "config/editors/telephone/AmtstonAusw.h"

#include "config/editors/frame/DecimalFractionEdit.h"
#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/frame/NamedRadio.h"
#include "config/editors/frame/OverviewTable.h"
#include "config/editors/telephone/AMTSTONDECODERTAB.h"
#include "config/editors/telephone/FieldRows.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

namespace quarn {

namespace {
constexpr int DecoderRegister = 380;
constexpr int LevelRegister = 614;
constexpr int LeftRows = 10;
} // namespace

AmtstonAusw::AmtstonAusw(Register* image, QWidget* parent)
    : SettingsDialog(image, parent, tr("Amtstonauswerter"))
{
    // Tenths of a percent divided by 31 give the digit: every digit 0-15 comes back as it was shown.
    DecimalFormat tolerance{4, 2, 1, 31, 0, DecimalFormat::Range::OneDigit, 0, &AmtstonAusw::toleranceText,
                            {}};
    const QList<FieldRows::Row> fields = {
        {bind().fraction("tolerance", DigitSlot::hex(DecoderRegister, 0), tolerance),
         tr("%   Toleranz für Amtstondecoder")},
        {bind().number("continuousTone", DigitSlot::weighted(DecoderRegister, 1, 3, 10)),
         tr("ms  Tondauer für Dauertonauswertung")},
        {bind().number("noTone", DigitSlot::weighted(DecoderRegister, 4, 3, 10)),
         tr("ms  Pausendauer für Keintonauswertung")},
        {bind().number("onTime", DigitSlot::scaled(LevelRegister, 1, 10)),
         tr("ms lang auswerten bis Amtstonerkennung an")},
        {bind().number("offTime", DigitSlot::scaled(LevelRegister, 2, 10)),
         tr("ms   lang nicht auswerten bis Amtstonerk. aus")},
        {bind().number("minLevel", DigitSlot::weighted(LevelRegister, 3, 5, 1), 0, 32767),
         tr("Min. Pegel für Amtstonerkennung (0-32767)")},
    };
    QGridLayout* grid = FieldRows::make(this, fields);
    // Bit 1 of digit 7; the other bits stay as they are.
    QCheckBox* rs232 = bind().flag("rs232", tr("Ausgabe der erkannten Hörtonzeiten an RS232"),
                                   DigitSlot::bits(DecoderRegister, 7, 0b0010));
    grid->addWidget(rs232, static_cast<int>(fields.size()), 0, 1, 2);
    content()->addLayout(grid);

    // Entries 1-10 on the left, 11-19 on the right. The right table's buttons are named
    // "entryButton1" + 1..9, that is entryButton11 .. entryButton19.
    auto* table = new QGroupBox(tr("Amtstondecodertabelle (Frei- und Besetztzeichen)"), this);
    auto* columns = new QHBoxLayout(table);
    auto makeTable = [this, table](int firstEntry, int rows, const QString& buttonPrefix) {
        auto* t = new OverviewTable({rows, {70, 120}, 12, 20, buttonPrefix}, table);
        t->header = [](int column) { return column == 0 ? tr("Amtstontyp") : tr("Programmierung"); };
        t->cell = [this, firstEntry](int row, int column) {
            const int entry = firstEntry + row;
            return column == 0 ? typeText(digits(), entry) : programmingText(digits(), entry);
        };
        t->buttonText = [firstEntry](int row) { return QString::number(firstEntry + row); };
        t->edit = [this, firstEntry](int row) {
            AMTSTONDECODERTAB dialog(&this->image(), firstEntry + row, false, this);
            dialog.exec();
            // The entry dialog writes in the image at once and may free lines of the other half.
            refreshTable();
        };
        return t;
    };
    m_left = named(makeTable(1, LeftRows, QStringLiteral("entryButton")), "entries1to10");
    m_right = named(
        makeTable(LeftRows + 1, AMTSTONDECODERTAB::LastEntry - LeftRows, QStringLiteral("entryButton1")),
        "entries11to19");
    columns->addWidget(m_left);
    columns->addWidget(m_right, 0, Qt::AlignTop);
    content()->addWidget(table);
    refreshTable();
}

void AmtstonAusw::refreshTable()
{
    m_left->refresh();
    m_right->refresh();
}

QString AmtstonAusw::toleranceText(int digit)
{
    // d x 3125 without its last two digits, a comma before the last one, at least "0,0".
    const QString tenths = QString::number(digit * 3125 / 100).rightJustified(2, QLatin1Char('0'));
    return tenths.left(tenths.size() - 1) + QLatin1Char(',') + tenths.right(1);
}

QString AmtstonAusw::typeText(const DigitSource& digits, int entry)
{
    switch (digits.digit(AMTSTONDECODERTAB::registerOf(entry), 0)) {
    case AMTSTONDECODERTAB::Continuation:
        return QStringLiteral("  --->");
    case AMTSTONDECODERTAB::RingBack:
        return QStringLiteral("  ") + tr("Freizeichen");
    case AMTSTONDECODERTAB::Busy:
        return QStringLiteral("  ") + tr("Besetztzeichen");
    default:
        return QStringLiteral("  ") + tr("unbenutzt");
    }
}

QString AmtstonAusw::programmingText(const DigitSource& digits, int entry)
{
    const int reg = AMTSTONDECODERTAB::registerOf(entry);
    // An unused entry ("F0000000") shows nothing, and neither does the factory's "FFFFFFFF".
    if (digits.digit(reg, 0) == AMTSTONDECODERTAB::UnusedDigit ||
        digits.digit(reg, 1) == AMTSTONDECODERTAB::UnusedDigit)
        return QString();
    QString text = QStringLiteral("  ") + tr("%1ms Ton, %2ms Pause")
                                              .arg(DigitSlot::weighted(reg, 1, 3, 10).read(digits))
                                              .arg(DigitSlot::weighted(reg, 4, 3, 10).read(digits));
    if (entry < AMTSTONDECODERTAB::LastEntry &&
        digits.digit(AMTSTONDECODERTAB::registerOf(entry + 1), 0) == AMTSTONDECODERTAB::Continuation)
        text += QStringLiteral(" + --->");
    return text;
}

QList<SettingsDialog::Nested> AmtstonAusw::nestedDialogs()
{
    QList<Nested> out;
    for (int entry = 1; entry <= 19; ++entry)
        out.append(
            {tr("Tabelleneintrag %1").arg(entry), new AMTSTONDECODERTAB(&image(), entry, false, this)});
    return out;
}

} // namespace quarn
