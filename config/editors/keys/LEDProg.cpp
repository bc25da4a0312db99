#include "config/editors/keys/LEDProg.h"

#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/frame/NamedRadio.h"
#include "config/register/Messages.h"
#include "config/register/Register.h"
#include "config/register/RegisterCodecs.h"
#include "platform/UserDialogs.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>

namespace quarn {

LEDProg::LEDProg(Register* image, QWidget* parent)
    : SettingsDialog(image, parent, tr("Programmierung der LEDs"))
{
    m_led = named(new QComboBox(this), "led");
    m_led->addItems({tr("Funktion LED in F1"), tr("Funktion LED in F2"), tr("Funktion LED in F3"),
                     tr("Funktion LED in F4")});
    m_function = named(new QComboBox(this), "function");
    m_function->setAccessibleName(tr("Funktion")); // the LED list above it has the only text
    m_function->addItems({tr("keine Funktion"), tr("Anzeige Schaltausgangszustand"), tr("Anzeige Kanal"),
                          tr("Anzeige Telefonmode"), tr("Anzeige Decoderzustand")});
    content()->addWidget(m_led);
    content()->addWidget(m_function);

    auto radioPair = [this](const QString& a, const QString& b, const char* nameA, const char* nameB,
                            QRadioButton** first, QRadioButton** second) {
        *first = namedRadio(a, nameA, this);
        *second = namedRadio(b, nameB, this);
        auto* group = new QButtonGroup(this);
        group->addButton(*first);
        group->addButton(*second);
    };
    m_output = named(new IntegerEdit(1, 7, this), "output");
    radioPair(tr("aktiv low"), tr("aktiv high"), "activeLow", "activeHigh", &m_activeLow, &m_activeHigh);
    m_channel = named(new IntegerEdit(0, 99, this), "channel");
    m_decoder = named(new IntegerEdit(1, 10, this), "decoder");
    radioPair(tr("aus"), tr("aktiv"), "decoderOff", "decoderActive", &m_decoderOff, &m_decoderActive);

    auto* outputLabel = new QLabel(tr("Schaltausgang Nr. (1-7):"), this);
    auto* levelLabel = new QLabel(tr("LED ist an, wenn"), this);
    auto* channelLabel = new QLabel(tr("Anzeige von Kanal Nr.(0-99):"), this);
    auto* decoderLabel = new QLabel(tr("Decoder Nr. (1-10):"), this);
    auto* stateLabel = new QLabel(tr("LED ist an, wenn Decoder"), this);
    auto* form = new QFormLayout;
    form->addRow(outputLabel, m_output);
    form->addRow(levelLabel, row({m_activeLow, m_activeHigh}));
    form->addRow(channelLabel, m_channel);
    form->addRow(decoderLabel, m_decoder);
    form->addRow(stateLabel, row({m_decoderOff, m_decoderActive}));
    content()->addLayout(form);

    // Digit 0 is the function; a digit no entry stands for (5-F) opens without selection and
    // stays as it is, and then no parameter is written either.
    auto shown = [this](int first, int count) {
        return [this, first, count] { return Binder::Digits{{shownRegister(), first, count}}; };
    };
    bind().custom(shown(0, 1), {m_function}, {}, [this](DigitSource& s) {
        if (m_function->currentIndex() >= 0)
            s.setDigit(shownRegister(), 0, m_function->currentIndex());
    });
    bind().custom(
        shown(1, 2), {m_output}, [this] { return m_output->checkInput(); },
        [this](DigitSource& s) {
            s.setDigit(shownRegister(), 1, m_output->value());
            s.setDigit(shownRegister(), 2, m_activeHigh->isChecked() ? 1 : 0);
        });
    bind().custom(
        shown(1, 2), {m_channel}, [this] { return m_channel->checkInput(); },
        [this](DigitSource& s) {
            DigitSlot::weighted(shownRegister(), 1, 2, 1).write(s, m_channel->value());
        });
    bind().custom(
        shown(1, 2), {m_decoder}, [this] { return m_decoder->checkInput(); },
        [this](DigitSource& s) {
            s.setDigit(shownRegister(), 1, m_decoder->value());
            s.setDigit(shownRegister(), 2, m_decoderActive->isChecked() ? 1 : 0);
        });

    auto is = [this](Function f) { return [this, f] { return m_function->currentIndex() == f; }; };
    bind().enableWhile({outputLabel, m_output, levelLabel, m_activeLow, m_activeHigh}, {m_function},
                       is(Output));
    bind().enableWhile({channelLabel, m_channel}, {m_function}, is(Channel));
    bind().enableWhile({decoderLabel, m_decoder, stateLabel, m_decoderOff, m_decoderActive}, {m_function},
                       is(DecoderState));

    connect(m_led, &QComboBox::currentIndexChanged, this, &LEDProg::onLedChanged);
    connect(m_function, &QComboBox::currentIndexChanged, this, &LEDProg::resetParameters);
    load(0);
}

QList<SettingsDialog::Page> LEDProg::pages()
{
    QList<Page> out;
    for (int led = 0; led < m_led->count(); ++led) {
        out << Page{m_led->itemText(led), {{180 + led, 0, 3}}, {}, [this, led]() -> SettingsDialog* {
                        auto* shown = new LEDProg(&image());
                        shown->load(led);
                        return shown;
                    }};
    }
    return out;
}

void LEDProg::resetParameters()
{
    m_output->setValue(1);
    m_activeLow->setChecked(true);
    m_decoder->setValue(1);
    m_decoderOff->setChecked(true);
    m_channel->setValue(0);
}

void LEDProg::load(int led)
{
    m_shown = led;
    const Register& r = image();
    const int n = shownRegister();
    {
        const QSignalBlocker blocker(m_function);
        const int f = r.digit(n, 0);
        m_function->setCurrentIndex(f <= DecoderState ? f : -1);
    }
    resetParameters();
    switch (m_function->currentIndex()) {
    case Output:
        m_output->setValue(r.digit(n, 1));
        (r.digit(n, 2) ? m_activeHigh : m_activeLow)->setChecked(true);
        break;
    case Channel:
        m_channel->setValue(10 * r.digit(n, 1) + r.digit(n, 2));
        break;
    case DecoderState:
        m_decoder->setValue(r.digit(n, 1));
        (r.digit(n, 2) ? m_decoderActive : m_decoderOff)->setChecked(true);
        break;
    default:
        break;
    }
    bind().refreshRules();
}

void LEDProg::onLedChanged(int led)
{
    if (bind().commit())
        image().markModified();
    else
        platform::showMessage(this, msg::captionError(), tr("Einstellungen wurden nicht übernommen!"),
                              platform::MessageIcon::Stop);
    load(led);
}

} // namespace quarn
