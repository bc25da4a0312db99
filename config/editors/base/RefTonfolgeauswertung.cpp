#include "config/editors/base/RefTonfolgeauswertung.h"

#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/frame/NamedRadio.h"
#include "platform/UserDialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quarn {

// Register 81 digit 5 (the X-tone count) belongs to the call encoder and is never written here.
RefTonfolgeauswertung::RefTonfolgeauswertung(Register* image, QWidget* parent)
    : SettingsDialog(image, parent, tr("Referenzwerte für Tonfolgeauswertung"))
{
    IntegerEdit* firstMax = bind().number("firstToneMax", DigitSlot::weighted(80, 0, 3, 5));
    IntegerEdit* furtherMax = bind().number("furtherTonesMax", DigitSlot::weighted(81, 0, 3, 5));
    IntegerEdit* allMin = bind().number("allTonesMin", DigitSlot::weighted(80, 3, 2, 5));
    DecimalFractionEdit* blocking =
        bind().fraction("blockingTime", DigitSlot::hex(81, 3), DecimalFormat::tenths(1));
    QComboBox* series = bind().choice("toneSeries", DigitSlot::hex(81, 4),
                                      {tr("ZVEI"), tr("CCIR"), tr("ZVEI2"), tr("EEA"), tr("ZVEI3")});
    IntegerEdit* bursts = bind().number("bursts", DigitSlot::hex(78, 0), 0, 15);
    IntegerEdit* burstMin = bind().number("burstMin", DigitSlot::weighted(78, 1, 2, 5));
    IntegerEdit* burstMax = bind().number("burstMax", DigitSlot::weighted(78, 3, 2, 5));
    IntegerEdit* sixthMax = bind().number("sixthToneMax", DigitSlot::weighted(79, 0, 3, 5));
    IntegerEdit* sixthMin = bind().number("sixthToneMin", DigitSlot::weighted(79, 3, 2, 5));

    auto* general = new QGridLayout;
    auto addRow = [this](QGridLayout* grid, const QString& label, QWidget* field, const QString& note) {
        const int r = grid->rowCount();
        grid->addWidget(new QLabel(label, this), r, 0);
        grid->addWidget(field, r, 1);
        grid->addWidget(new QLabel(note, this), r, 2);
    };
    addRow(general, tr("Maximale Tonlänge des 1. Tons"), firstMax, tr("(0-8325 ms)"));
    addRow(general, tr("Maximale Tonlänge der übrigen Töne"), furtherMax, tr("(0-8325 ms)"));
    addRow(general, tr("Minimale Tonlänge aller Töne"), allMin, tr("(0-825 ms)"));
    addRow(general, tr("Auswertersperrzeit nach Tonfolgesenden"), blocking, tr("(0,0 - 1,5 s)"));
    addRow(general, tr("Verwendete Tonreihe (Geber und Auswerter)"), series, QString());
    content()->addLayout(general);

    auto* zvei = new QGroupBox(tr("Konfiguration: Notruf ZVEI"), this);
    auto* zveiGrid = new QGridLayout(zvei);
    addRow(zveiGrid, tr("Anzahl auszuwertender Tonbursts (0-15)"), bursts, QString());
    addRow(zveiGrid, tr("minimale Burstlänge\n(0-825 ms)"), burstMin, QString());
    addRow(zveiGrid, tr("maximale Burstlänge (0-825 ms)"), burstMax, QString());
    content()->addWidget(zvei);
    auto* nl = new QGroupBox(tr("Konfiguration: 6. Ton Notruf NL"), this);
    auto* nlGrid = new QGridLayout(nl);
    addRow(nlGrid, tr("maximale Tonlänge\n6. Ton (0-8325 ms)"), sixthMax, QString());
    addRow(nlGrid, tr("minimale Tonlänge\n6. Ton (0-825 ms)"), sixthMin, QString());
    content()->addWidget(nl);

    auto* standards = named(new QPushButton(tr("Standards..."), this), "standardsButton");
    standards->setAutoDefault(false);
    content()->addLayout(row({standards}));
    connect(standards, &QPushButton::clicked, this, [this] {
        platform::showMessage(this, tr("Standardwerte für Tonfolgeauswertung"),
                              tr("Maximale Tonlänge des 1. Tons:\t90 ms\n"
                                 "Maximale Tonlänge der übrigen Töne:\t90 ms\n"
                                 "Minimale Tonlänge aller Töne:\t50 ms\n"
                                 "Auswertersperrzeit nach Tonfolgesenden:\t0,1 s\n"
                                 "Verwendete Tonreihe (Geber und Auswerter):\tZVEI\n\n"
                                 "Notruf ZVEI\n"
                                 "Anzahl auszuwertender Tonbursts:\t3\n"
                                 "maximale Burstlänge:\t150 ms\n"
                                 "minimale Burstlänge:\t50 ms\n\n"
                                 "6. Ton Notruf NL\n"
                                 "maximale Tonlänge:\t1200 ms\n"
                                 "minimale Tonlänge:\t50 ms"),
                              platform::MessageIcon::Information);
    });
}

} // namespace quarn
