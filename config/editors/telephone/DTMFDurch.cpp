#include "config/editors/telephone/DTMFDurch.h"

#include "config/editors/frame/CHexEdit.h"
#include "config/editors/frame/NamedRadio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace quarn {

namespace {
constexpr int NormalRegister = 361;
constexpr int NightRegister = 362;
constexpr int ModeRegister = 363;
constexpr int OptionDigit = 7;

void fit(CHexEdit* edit, int length)
{
    edit->setMaxLength(7);
    edit->setText(edit->text().leftJustified(length, QLatin1Char('0'), true));
    edit->setMaxLength(length);
}
} // namespace

DTMFDurch::DTMFDurch(Register* image, QWidget* parent)
    : SettingsDialog(image, parent, tr("DTMF: Durchwahl (Tel -> Funk)"))
{
    const QStringList modes = {tr("5-Tonfolge"), tr("Ruf -> Kennung"), tr("Kennung -> Ruf"), tr("6-Tonfolge"),
                               tr("7-Tonfolge")};
    // A mode digit above 4 opens without selection and is kept; its sequence takes five tones.
    m_normalMode = bind().choice("normalMode", DigitSlot::hex(ModeRegister, 0), modes);
    m_nightMode = bind().choice("nightMode", DigitSlot::hex(ModeRegister, 2), modes);

    // A sequence shorter than its mode is completed with "0" (digits up to 6); digit 7 holds options.
    m_normalSequence = bind().tones("normalSequence", [this] {
        return ToneSlot{NormalRegister,   0, 7, 0, sequenceLength(m_normalMode->currentIndex()),
                        QLatin1Char('0'), {}};
    });
    m_nightSequence = bind().tones("nightSequence", [this] {
        return ToneSlot{NightRegister,    0, 7, 0, sequenceLength(m_nightMode->currentIndex()),
                        QLatin1Char('0'), {}};
    });

    // An empty coupling tone is a pause: "F".
    CHexEdit* normalCoupling =
        bind().tones("normalCoupling", ToneSlot::upTo(ModeRegister, 1, 1, QLatin1Char('F')));
    CHexEdit* nightCoupling =
        bind().tones("nightCoupling", ToneSlot::upTo(ModeRegister, 3, 1, QLatin1Char('F')));

    QCheckBox* startWithEndKey = bind().flag("startWithEndKey", tr("Ruf mit Endetaste \"#\" starten"),
                                             DigitSlot::nonZeroFlag(NormalRegister, OptionDigit));

    // Register 362 digit 7: bit 0 night switching active at start, bit 1 set when the last
    // state is NOT kept; the other bits stay as they are.
    m_nightAtStart = named(new QCheckBox(tr("Nachtschaltung beim Starten aktiv"), this), "nightAtStart");
    m_keepNightState =
        named(new QCheckBox(tr("letzten Status Nachtschaltung speichern"), this), "keepNightState");
    bind().custom(
        {{NightRegister, OptionDigit}}, {m_nightAtStart, m_keepNightState}, {},
        [this](DigitSource& s) {
            const int kept = s.digit(NightRegister, OptionDigit) & 0xC;
            s.setDigit(NightRegister, OptionDigit,
                       kept | (m_nightAtStart->isChecked() ? 1 : 0) |
                           (m_keepNightState->isChecked() ? 0 : 2));
        },
        [this] {
            const int d = digits().digit(NightRegister, OptionDigit);
            m_nightAtStart->setChecked(d & 1);
            m_keepNightState->setChecked(!(d & 2));
        });

    auto* normal = new QGroupBox(tr("Normalbetrieb"), this);
    auto* normalGrid = new QGridLayout(normal);
    normalGrid->addWidget(new QLabel(tr("ID-Mode"), normal), 0, 0);
    normalGrid->addWidget(m_normalMode, 0, 1);
    normalGrid->addWidget(new QLabel(tr("Tonfolge"), normal), 1, 0);
    normalGrid->addWidget(m_normalSequence, 1, 1);
    normalGrid->addWidget(new QLabel(tr("Koppelton bei Doppelsequenz:"), normal), 2, 0);
    normalGrid->addWidget(normalCoupling, 2, 1);
    normalGrid->addWidget(startWithEndKey, 3, 0, 1, 2);
    content()->addWidget(normal);

    auto* night = new QGroupBox(tr("Nachtschaltung"), this);
    auto* nightGrid = new QGridLayout(night);
    nightGrid->addWidget(new QLabel(tr("ID-Mode"), night), 0, 0);
    nightGrid->addWidget(m_nightMode, 0, 1);
    nightGrid->addWidget(new QLabel(tr("Tonfolge"), night), 1, 0);
    nightGrid->addWidget(m_nightSequence, 1, 1);
    nightGrid->addWidget(new QLabel(tr("Koppelton bei Doppelsequenz:"), night), 2, 0);
    nightGrid->addWidget(nightCoupling, 2, 1);
    nightGrid->addWidget(m_nightAtStart, 3, 0, 1, 2);
    nightGrid->addWidget(m_keepNightState, 4, 0, 1, 2);
    content()->addWidget(night);

    connect(m_normalMode, &QComboBox::currentIndexChanged, this, &DTMFDurch::fitSequences);
    connect(m_nightMode, &QComboBox::currentIndexChanged, this, &DTMFDurch::fitSequences);
    fitSequences();
}

int DTMFDurch::sequenceLength(int modePosition)
{
    switch (modePosition) {
    case 3:
        return 6;
    case 4:
        return 7;
    default:
        return 5;
    }
}

void DTMFDurch::fitSequences()
{
    fit(m_normalSequence, sequenceLength(m_normalMode->currentIndex()));
    fit(m_nightSequence, sequenceLength(m_nightMode->currentIndex()));
}

} // namespace quarn
