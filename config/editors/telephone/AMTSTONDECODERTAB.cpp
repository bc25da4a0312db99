#include "config/editors/telephone/AMTSTONDECODERTAB.h"

#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/frame/NamedRadio.h"
#include "config/register/Messages.h"
#include "config/register/Register.h"
#include "platform/UserDialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace quarn {

namespace {
constexpr int DefaultTone = 1000;
constexpr int DefaultPause = 4000;
// Durations: three weighted digits of 10 ms.
constexpr int MaxDuration = 16650;
} // namespace

AMTSTONDECODERTAB::AMTSTONDECODERTAB(Register* image, int entry, bool continuation, QWidget* parent)
    : SettingsDialog(image, parent, QString()), m_entry(entry)
{
    const int reg = registerOf(entry);
    m_type = named(new QComboBox(this), "lineType");
    m_type->addItems({tr("Fortsetzungszeile"), tr("Freizeichen"), tr("Besetztzeichen"), tr("unbenutzt")});

    // Range-checked: a duration the three digits cannot hold is refused, not dropped.
    m_tone = bind().number("toneDuration", DigitSlot::weighted(reg, 1, 3, 10), 0, MaxDuration);
    m_pause = bind().number("pauseDuration", DigitSlot::weighted(reg, 4, 3, 10), 0, MaxDuration);
    bind().custom(
        {{reg, 0}, {reg, 7}}, {m_type}, {}, [this](DigitSource& s) { writeEntry(s); },
        [this, reg, continuation] {
            const int type = digits().digit(reg, 0);
            // An unused register holds no cadence to show: the usual one instead.
            if (continuation || type == UnusedDigit) {
                m_tone->setValue(DefaultTone);
                m_pause->setValue(DefaultPause);
            }
            if (continuation)
                m_type->setCurrentIndex(Continuation);
            else
                m_type->setCurrentIndex(type <= Busy ? type : Unused); // 3-F: "unbenutzt"
        });

    m_toneLabel = new QLabel(tr("Dauer Ton (ms):"), this);
    m_pauseLabel = new QLabel(tr("Dauer Pause (ms):"), this);
    m_continue = named(new QPushButton(tr("->In nächster Zeile fortsetzen"), this), "continueButton");
    m_continue->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Amtstontyp:"), this), 0, 0);
    grid->addWidget(m_type, 0, 1);
    grid->addWidget(m_toneLabel, 1, 0);
    grid->addWidget(m_tone, 1, 1);
    grid->addWidget(m_pauseLabel, 2, 0);
    grid->addWidget(m_pause, 2, 1);
    grid->addWidget(m_continue, 3, 0, 1, 2);
    content()->addLayout(grid);

    const auto used = [this] { return m_type->currentIndex() != Unused; };
    bind().enableWhile({m_tone, m_pause, m_toneLabel, m_pauseLabel, m_continue}, {m_type}, used);
    connect(m_continue, &QPushButton::clicked, this, &AMTSTONDECODERTAB::continueInNextLine);
    refreshTitle();
}

void AMTSTONDECODERTAB::refreshTitle()
{
    setWindowTitle(tr("Tabelleneintrag Nr.%1 ändern:").arg(m_entry));
}

void AMTSTONDECODERTAB::writeEntry(DigitSource& s) const
{
    const int reg = registerOf(m_entry);
    if (m_type->currentIndex() == Unused) {
        freeCadence(s, m_entry);
        return;
    }
    // The durations are written by their own bindings; digit 7 is always "0".
    s.setDigit(reg, 0, m_type->currentIndex());
    s.setDigit(reg, 7, 0);
}

void AMTSTONDECODERTAB::freeCadence(DigitSource& s, int entry)
{
    s.setCharacters(registerOf(entry), 0, QStringLiteral("F0000000"));
    for (int k = entry + 1; k <= LastEntry && s.digit(registerOf(k), 0) == Continuation; ++k)
        s.setCharacters(registerOf(k), 0, QStringLiteral("F0000000"));
}

void AMTSTONDECODERTAB::continueInNextLine()
{
    if (m_type->currentIndex() == Unused)
        return;
    if (m_entry >= LastEntry || digits().digit(registerOf(m_entry + 1), 0) != UnusedDigit) {
        platform::showMessage(this, msg::captionError(),
                              tr("Die nächste Zeile ist nicht zur Benutzung verfügbar."),
                              platform::MessageIcon::Stop);
        return;
    }
    if (!bind().commit())
        return;
    digits().markModified();
    AMTSTONDECODERTAB next(&image(), m_entry + 1, true, this);
    next.exec();
    accept();
}

} // namespace quarn
