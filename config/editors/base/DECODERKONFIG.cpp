#include "config/editors/base/DECODERKONFIG.h"

#include "config/editors/base/DecoderTableText.h"
#include "config/editors/frame/CHexEdit.h"
#include "config/editors/frame/IdModeList.h"
#include "config/editors/frame/ReactionSettings.h"
#include "config/editors/frame/ToneCounts.h"
#include "config/register/Register.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace quarn {

DECODERKONFIG::DECODERKONFIG(Register* image, int decoder, QWidget* parent)
    : SettingsDialog(image, parent, tr("Decoder-Konfiguration")), m_decoder(decoder)
{
    const int t = DecoderTableText::toneRegister(decoder);
    const int rb = DecoderTableText::reactionBRegister(decoder);

    m_active = bind().flag("active", tr("Decoder ist aktiv"), DigitSlot::oddFlag(t, 7));
    m_mode = bind().choice("idMode", DigitSlot::hex(rb, 0), IdModeList::decoders().texts(),
                           IdModeList::decoders().map());
    // Unused positions of an evaluator's sequence are "F".
    m_sequence = bind().tones("sequence", [this, t] {
        const int length = sequenceLength();
        return ToneSlot{
            t,
            0,
            7,
            length,
            length,
            QLatin1Char('F'),
            tr("Ihre Eingabe im Feld \"Tonfolge\" enthält weniger Ziffern als aufgrund Ihrer Auswahl "
               "nötig sind.")};
    });
    m_reaction = new ReactionSettings(bind(), DecoderTableText::reactionARegister(decoder), rb,
                                      ReactionSettings::AllGroups, 6, this);

    auto* frame = new QGroupBox(tr("Decoder") + QStringLiteral(" %1").arg(decoder + 1), this);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_active);
    auto* sequenceBox = new QGroupBox(tr("Tonfolge"), frame);
    auto* form = new QFormLayout(sequenceBox);
    form->addRow(tr("ID-Mode"), m_mode);
    form->addRow(tr("Tonfolge"), m_sequence);
    frameLayout->addWidget(sequenceBox);
    frameLayout->addWidget(m_reaction);
    content()->addWidget(frame);

    setHelp(tr("Hilfe: Decoderkonfiguration"),
            tr("Jeder der zehn Decoder erkennt eine Tonfolge im eingestellten ID-Mode. Mit \"F\" wird eine "
               "Stelle codiert, an der jeder Ton erkannt wird.\n"
               "Wird die Tonfolge erkannt, kann der Quarn mit einem Weckton gewählter Dauer und Lautstärke, "
               "einer geänderten Anruflautstärke für eine bestimmte Zeit, dem Schalten eines Schaltausgangs "
               "(dauerhaft oder für eine Zeit), einer Quittung sowie dem Einschalten des Lautsprechers "
               "und/oder einer blinkenden LED reagieren.\n"
               "X-Tonfolgen können als Notruf behandelt werden; dann wird die eingestellte Anzahl Stellen "
               "von rechts angezeigt."));

    connect(m_mode, &QComboBox::currentIndexChanged, this, &DECODERKONFIG::refreshSequence);
    refreshSequence();
}

int DECODERKONFIG::sequenceLength() const
{
    return ToneCounts::evaluatorToneCount(IdModeList::decoders().digitOfPosition(m_mode->currentIndex()),
                                          ToneCounts::xCount(digits()));
}

void DECODERKONFIG::refreshSequence()
{
    // Refilled from the image: entries not yet confirmed are discarded.
    bind().reload(m_sequence);
}

} // namespace quarn
