#include "config/editors/base/Sammelrufauswerter.h"

#include "config/editors/frame/CHexEdit.h"
#include "config/editors/frame/DigitSource.h"
#include "config/editors/frame/NamedRadio.h"
#include "config/editors/frame/ReactionSettings.h"
#include "config/register/RegisterCodecs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quarn {

namespace {
constexpr int ToneRegister = 84;
constexpr int NotActive = 15; // "F" in digit 0
const DigitSlot SpecialCall = DigitSlot::bits(ToneRegister, 1, 0b1000);
} // namespace

Sammelrufauswerter::Sammelrufauswerter(Register* image, QWidget* parent)
    : SettingsDialog(image, parent, tr("Konfiguration für Sammelrufauswerter"))
{
    m_active = named(new QCheckBox(tr("Sammelrufauswerter ist aktiv"), this), "active");
    m_fromTable = namedRadio(tr("Ton aus Tontabelle (0-E):"), "toneFromTable", this);
    m_call1 = namedRadio(tr("Ruf 1"), "call1", this);
    m_call2 = namedRadio(tr("Ruf 2"), "call2", this);
    auto* group = new QButtonGroup(this);
    group->addButton(m_fromTable);
    group->addButton(m_call1);
    group->addButton(m_call2);
    m_tone = named(new CHexEdit(this), "tone");
    m_tone->setRegisterDigits(true);
    m_tone->setMaxLength(1);
    m_tone->setMaximumWidth(m_tone->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 16);
    bindGroupCallTone();
    // Output number in bits 0-2 of digit 1; bit 3 marks "Ruf 1"/"Ruf 2".
    auto* reaction =
        new ReactionSettings(bind(), 85, ToneRegister,
                             ReactionSettings::AlarmTone | ReactionSettings::CallVolume |
                                 ReactionSettings::SwitchOutput | ReactionSettings::Acknowledgement |
                                 ReactionSettings::SpeakerLed | ReactionSettings::OutputInLowBits,
                             5, this);

    bind().enableWhile({m_tone}, {m_active, group},
                       [this] { return m_active->isChecked() && m_fromTable->isChecked(); });

    auto* toneBox = new QGroupBox(tr("Sammelrufton"), this);
    auto* toneLayout = new QVBoxLayout(toneBox);
    toneLayout->addLayout(row({m_fromTable, m_tone}));
    toneLayout->addWidget(m_call1);
    toneLayout->addWidget(m_call2);
    content()->addWidget(m_active);
    content()->addWidget(toneBox);
    content()->addWidget(reaction);

    setHelp(tr("Hilfe: Sammelrufauswerter"),
            tr("Der gewählte Sammelrufton (bzw. Ruf1 oder Ruf2) muss mindestens eine Sekunde lang erkannt "
               "werden, um ausgewertet zu werden.\n"
               "Nach einer erfolgreichen Auswertung kann der Quarn mit einem Weckton gewählter Dauer und "
               "Lautstärke, einer neuen Lautstärke für eine bestimmte Zeit, dem dauerhaften oder zeitweisen "
               "Umschalten eines Schaltausgangs, einer Quittung sowie dem Einschalten des Lautsprechers "
               "reagieren."));
}

void Sammelrufauswerter::bindGroupCallTone()
{
    // "F" in digit 0 is "not active"; otherwise the tone, or 1/2 with bit 3 of digit 1 set for
    // "Ruf 1"/"Ruf 2". An inactive evaluator opens on the tone table with an empty field, so
    // that activating it asks for a tone.
    auto read = [this] {
        const int tone = digits().digit(ToneRegister, 0);
        const bool active = !digits().text(ToneRegister).startsWith(QLatin1Char('F'));
        const bool special = SpecialCall.read(digits()) != 0 && (tone == 1 || tone == 2);
        m_active->setChecked(active);
        (special ? (tone == 1 ? m_call1 : m_call2) : m_fromTable)->setChecked(true);
        m_tone->setText(active && !special ? QString(hexCharacterOfValue(tone)) : QString());
    };
    // "F" would switch the evaluator off: while active, the table tone must be 0-E.
    auto check = [this] {
        if (!m_active->isChecked() || !m_fromTable->isChecked())
            return true;
        const QString text = m_tone->text().toUpper();
        if (text.size() == 1 && isHexText(text) && text != QLatin1String("F"))
            return true;
        return refuse(tr("Bitte geben Sie im Feld \"Ton aus Tontabelle (0-E):\" einen Ton von 0 bis E ein."),
                      m_tone);
    };
    auto write = [this](DigitSource& s) {
        const bool special = m_call1->isChecked() || m_call2->isChecked();
        if (!m_active->isChecked())
            s.setDigit(ToneRegister, 0, NotActive);
        else if (special)
            s.setDigit(ToneRegister, 0, m_call1->isChecked() ? 1 : 2);
        else
            s.setCharacters(ToneRegister, 0, m_tone->text().toUpper());
        SpecialCall.write(s, special ? 1 : 0);
    };
    bind().custom({{ToneRegister, 0, 2}}, {m_active, m_fromTable, m_call1, m_call2, m_tone}, check, write,
                  read);
}

} // namespace quarn
