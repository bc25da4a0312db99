#include "config/editors/telephone/TELDECODERKONFIG.h"

#include "config/editors/frame/CHexEdit.h"
#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/frame/NamedRadio.h"
#include "config/editors/telephone/TELDecoder.h"
#include "config/register/RegisterCodecs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quarn {

namespace {
constexpr int MinTones = 3;
constexpr int MaxTones = 15;
constexpr int ShownForTooFewTones = 5;
} // namespace

ChoiceMap TELDECODERKONFIG::modeMap()
{
    QList<int> digits;
    for (const TELDecoder::ModeEntry& m : TELDecoder::modes())
        digits << m.digit;
    return ChoiceMap::of(digits);
}

TELDECODERKONFIG::TELDECODERKONFIG(Register* image, int decoder, QWidget* parent)
    : SettingsDialog(image, parent, tr("Decoder-Konfiguration")), m_decoder(decoder),
      m_config(TELDecoder::configRegister(decoder))
{
    m_storedMode = modeMap().positionOf(digits().digit(m_config, 1));

    // Unused trailing positions of the sequence are "F".
    CHexEdit* sequence = bind().tones(
        "sequence", ToneSlot::upTo(TELDecoder::sequenceRegister(decoder), 0, 8, QLatin1Char('F')));
    // Checked before every position, whose ranges it sets.
    m_toneCount = bind().number("toneCount", DigitSlot::hex(m_config, 0), MinTones, MaxTones);
    if (digits().digit(m_config, 0) < MinTones)
        m_toneCount->setValue(ShownForTooFewTones);

    m_mode = named(new QComboBox(this), "mode");
    for (const TELDecoder::ModeEntry& m : TELDecoder::modes())
        m_mode->addItem(TELDecoder::modeName(m.digit));
    m_mode->setCurrentIndex(m_storedMode);
    // A chosen mode rewrites the configuration from "00000000" before its own digits go in; a
    // mode the list does not know keeps digits 1-7 as they are.
    bind().custom({{m_config, 1, 7}}, {m_mode}, {}, [this](DigitSource& s) {
        if (const std::optional<int> mode = modeMap().digitOf(m_mode->currentIndex())) {
            s.setCharacters(m_config, 1, QStringLiteral("0000000"));
            s.setDigit(m_config, 1, *mode);
        }
    });

    auto* frame = new QGroupBox(tr("Decoder") + QStringLiteral(" %1").arg(decoder + 1), this);
    auto* layout = new QVBoxLayout(frame);
    auto* top = new QFormLayout;
    top->addRow(tr("Tonfolge"), sequence);
    top->addRow(tr("Anzahl auszuwertender Töne:"), m_toneCount);
    top->addRow(tr("Modus"), m_mode);
    layout->addLayout(top);
    auto* groups = new QGridLayout;
    QGroupBox* begin = beginGroup();
    QGroupBox* shortDial = shortDialGroup();
    QGroupBox* throughDial = throughDialGroup();
    QGroupBox* night = nightGroup();
    groups->addWidget(begin, 0, 0);
    groups->addWidget(shortDial, 1, 0);
    groups->addWidget(throughDial, 0, 1);
    groups->addWidget(night, 1, 1);
    layout->addLayout(groups);
    content()->addWidget(frame);

    // Only the chosen mode's fields are enabled, and so only they are checked and written.
    bind().enableWhile({begin}, {m_mode}, [this] { return m_mode->currentIndex() == Begin; });
    bind().enableWhile({shortDial}, {m_mode}, [this] { return m_mode->currentIndex() == ShortDial; });
    bind().enableWhile({throughDial}, {m_mode}, [this] { return m_mode->currentIndex() == ThroughDial; });
    bind().enableWhile({night}, {m_mode}, [this] { return m_mode->currentIndex() == NightSwitch; });
    connect(m_toneCount, &QLineEdit::textChanged, this, &TELDECODERKONFIG::refreshRanges);
    refreshRanges();
}

QButtonGroup* TELDECODERKONFIG::radioDigit(int k, const QStringList& texts, const char* namePrefix,
                                           bool storedCounts, int defaultPosition)
{
    auto* group = new QButtonGroup(this);
    QList<QWidget*> buttons;
    for (int i = 0; i < texts.size(); ++i) {
        auto* b = namedRadio(texts.at(i), QLatin1String(namePrefix) + QString::number(i), this);
        group->addButton(b, i);
        buttons << b;
    }
    const int stored = digits().digit(m_config, k);
    const int position = storedCounts ? stored : defaultPosition;
    if (QAbstractButton* b = group->button(position))
        b->setChecked(true);
    bind().custom({{m_config, k}}, buttons, {}, [this, group, k, stored](DigitSource& s) {
        s.setDigit(m_config, k, group->checkedId() >= 0 ? group->checkedId() : stored);
    });
    return group;
}

CHexEdit* TELDECODERKONFIG::characterDigit(int k, bool storedCounts, QChar defaultCharacter, const char* name)
{
    const QString text = digits().text(m_config);
    const QChar stored = k < text.size() ? text.at(k) : QChar();
    const QChar shown = storedCounts && isHexText(QString(stored)) ? stored : defaultCharacter;
    CHexEdit* edit = bind().tones(name, ToneSlot::upTo(m_config, k, 1, shown));
    edit->setText(shown);
    return edit;
}

QGroupBox* TELDECODERKONFIG::beginGroup()
{
    auto* box = new QGroupBox(tr("Beginnruf"), this);
    auto* layout = new QVBoxLayout(box);
    QButtonGroup* action = radioDigit(2, {tr("nur Beginnruf"), tr("Schlussruf falls Gespräch besteht")},
                                      "beginAction", m_storedMode == Begin, 0);
    for (QAbstractButton* b : action->buttons())
        layout->addWidget(b);
    QCheckBox* confirm =
        bind().flag("confirmTone", tr("Bestätigungston senden"), DigitSlot::flag(m_config, 3));
    if (m_storedMode != Begin)
        confirm->setChecked(false);
    layout->addWidget(confirm);
    return box;
}

QGroupBox* TELDECODERKONFIG::shortDialGroup()
{
    auto* box = new QGroupBox(tr("Kurzwahl"), this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(tr("Stelle in Tonfolge"), box), 0, 1);
    grid->addWidget(new QLabel(tr("Defaultwerte"), box), 0, 2);
    const QStringList places = {tr("100er"), tr("10er"), tr("1er")};
    for (int j = 0; j < 3; ++j) {
        // Position 0: the digit is not in the sequence, its default value is dialled.
        IntegerEdit* position = bind().number(QStringLiteral("shortDialPosition%1").arg(j),
                                              DigitSlot::hex(m_config, 2 + j), 0, MaxTones);
        IntegerEdit* fallback =
            bind().number(QStringLiteral("shortDialDefault%1").arg(j), DigitSlot::hex(m_config, 5 + j), 0, 9);
        if (m_storedMode != ShortDial) {
            position->setValue(3 + j);
            fallback->setValue(0);
        }
        m_positions << position;
        m_positionMinimum << 0;
        bind().enableWhile({fallback}, {position}, [position] { return position->number() == 0; });
        grid->addWidget(new QLabel(places.at(j), box), j + 1, 0);
        grid->addWidget(position, j + 1, 1);
        grid->addWidget(fallback, j + 1, 2);
    }
    grid->setRowStretch(4, 1);
    return box;
}

QGroupBox* TELDECODERKONFIG::throughDialGroup()
{
    const bool stored = m_storedMode == ThroughDial;
    auto* box = new QGroupBox(tr("Durchwahl"), this);
    auto* form = new QFormLayout(box);
    IntegerEdit* first = bind().number("throughDialPosition", DigitSlot::hex(m_config, 2), 1, MaxTones);
    if (!stored)
        first->setValue(4);
    m_positions << first;
    m_positionMinimum << 1;
    form->addRow(tr("Stelle der ersten Durchwahlziffer:"), first);
    form->addRow(tr("Kleinster erlaubter Wert:"),
                 characterDigit(3, stored, QLatin1Char('0'), "throughDialMinimum"));
    form->addRow(tr("Größter erlaubter Wert:"),
                 characterDigit(4, stored, QLatin1Char('9'), "throughDialMaximum"));

    // Digit 5 counts the prefix characters in digits 6-7; an empty prefix stores none.
    auto* withPrefix = named(new QCheckBox(tr("Vorwahl zum Telefon (1-2 Ziffern)"), box), "withPrefix");
    CHexEdit* prefix = bind().tones("prefix", ToneSlot{m_config, 6, 2, 0, 2, QChar(), {}});
    const int storedLength = stored ? digits().digit(m_config, 5) : 0;
    withPrefix->setChecked(storedLength == 1 || storedLength == 2);
    prefix->setText(withPrefix->isChecked() ? digits().text(m_config).mid(6, storedLength)
                                            : QStringLiteral("00"));
    bind().custom({{m_config, 5}}, {prefix}, {}, [this, prefix](DigitSource& s) {
        s.setDigit(m_config, 5, static_cast<int>(prefix->text().size()));
    });
    bind().enableWhile({prefix}, {withPrefix}, [withPrefix] { return withPrefix->isChecked(); });
    form->addRow(withPrefix, prefix);
    return box;
}

QGroupBox* TELDECODERKONFIG::nightGroup()
{
    auto* box = new QGroupBox(tr("Nachtschaltung"), this);
    auto* layout = new QVBoxLayout(box);
    QButtonGroup* action = radioDigit(2, {tr("aus"), tr("ein"), tr("gemäß Wert in Tonfolge:"), tr("toggeln")},
                                      "nightAction", m_storedMode == NightSwitch, 0);
    for (QAbstractButton* b : action->buttons())
        layout->addWidget(b);

    IntegerEdit* position = bind().number("nightPosition", DigitSlot::hex(m_config, 3), 1, MaxTones);
    const bool byValue = m_storedMode == NightSwitch && digits().digit(m_config, 2) == 2;
    if (!byValue)
        position->setValue(5);
    m_positions << position;
    m_positionMinimum << 1;
    // The three values only count for the action "gemäß Wert in Tonfolge:".
    CHexEdit* on = characterDigit(4, byValue, QLatin1Char('1'), "nightOn");
    CHexEdit* off = characterDigit(5, byValue, QLatin1Char('0'), "nightOff");
    CHexEdit* toggle = characterDigit(6, byValue, QLatin1Char('2'), "nightToggle");
    auto* form = new QFormLayout;
    form->addRow(tr("Auszuwertende Stelle in Tonfolge:"), position);
    form->addRow(tr("ein:"), on);
    form->addRow(tr("aus:"), off);
    form->addRow(tr("toggeln:"), toggle);
    layout->addLayout(form);
    bind().enableWhile({position, on, off, toggle}, {action}, [action] { return action->checkedId() == 2; });
    return box;
}

void TELDECODERKONFIG::refreshRanges()
{
    const std::optional<int> n = m_toneCount->number();
    const int tones = n && *n >= MinTones && *n <= MaxTones ? *n : MaxTones;
    for (int i = 0; i < m_positions.size(); ++i)
        m_positions.at(i)->setRange(m_positionMinimum.at(i), tones);
}

} // namespace quarn
