#include "DECODERKONFIG.h"

#include "CHexEdit.h"
#include "DecoderTableText.h"
#include "IdModeList.h"
#include "ReactionSettings.h"
#include "Register.h"

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

    m_active = flagBox(tr("Decoder ist aktiv"), DigitSlot::oddFlag(t, 7));
    m_active->setObjectName(QStringLiteral("active"));
    m_mode = idModeBox(DigitSlot::hex(rb, 0), IdModeList::decoders());
    m_mode->setObjectName(QStringLiteral("idMode"));
    m_sequence = new CHexEdit(this);
    m_sequence->setObjectName(QStringLiteral("sequence"));
    m_reaction = new ReactionSettings(ReactionSettings::AllGroups, 6, this);
    m_reaction->read(*image, DecoderTableText::reactionARegister(decoder), rb);

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
    const int x = IdModeList::evaluatorXCount(image().digit(81, 5));
    return IdModeList::evaluatorToneCount(IdModeList::decoders().digitOfPosition(m_mode->currentIndex()), x);
}

void DECODERKONFIG::refreshSequence()
{
    // Refilled from the image: entries not yet confirmed are discarded.
    const int length = sequenceLength();
    m_sequence->setMaxLength(32767);
    m_sequence->setText(image().registerText(DecoderTableText::toneRegister(m_decoder)).left(length));
    m_sequence->setMaxLength(length);
}

void DECODERKONFIG::showEvent(QShowEvent* event)
{
    SettingsDialog::showEvent(event);
    refreshSequence();
}

bool DECODERKONFIG::save()
{
    const int length = sequenceLength();
    if (m_sequence->text().size() != length)
        return refuse(
            tr("Ihre Eingabe im Feld \"Tonfolge\" enthält weniger Ziffern als aufgrund Ihrer Auswahl "
               "nötig sind."),
            m_sequence);

    Register& r = image();
    writeBoundField(m_mode);
    writeBoundField(m_active);
    QString& tones = r.registerText(DecoderTableText::toneRegister(m_decoder));
    for (int k = 0; k < 7 && k < tones.size(); ++k)
        tones[k] = k < length ? m_sequence->text().at(k) : QLatin1Char('F');
    // Alarm type, the parsed duration, then the other reaction digits: a refused duration
    // keeps the dialog open with the rest already written.
    return m_reaction->write(r, DecoderTableText::reactionARegister(m_decoder),
                             DecoderTableText::reactionBRegister(m_decoder));
}

} // namespace quarn
