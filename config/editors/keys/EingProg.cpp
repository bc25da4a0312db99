#include "config/editors/keys/EingProg.h"

#include "config/editors/base/InOutputs.h"
#include "config/editors/frame/CHexEdit.h"
#include "config/editors/frame/NamedRadio.h"
#include "config/editors/keys/FktAuswahl.h"
#include "config/editors/keys/FunctionEditors.h"
#include "config/register/Register.h"
#include "config/register/RegisterCodecs.h"
#include "platform/UserDialogs.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalBlocker>

namespace quarn {

EingProg::EingProg(Register* image, QWidget* parent)
    : SettingsDialog(image, parent, tr("Programmierung der Eingänge"))
{
    QStringList inputs = {tr("PTT2")};
    for (int i = 1; i <= 7; ++i)
        inputs << tr("Eingang %1").arg(i);
    inputs << tr("TX") << tr("RX (Squelch)") << tr("DC");
    m_input = named(new QComboBox(this), "input");
    m_input->addItems(inputs);
    m_input->setCurrentIndex(m_shown);
    content()->addWidget(m_input);

    m_box = new QGroupBox(this);
    auto* form = new QFormLayout(m_box);
    m_rising =
        bind().tones("risingWord", [this] { return ToneSlot::upTo(registerOf(m_shown, 0), 0, 8, u'0'); });
    m_falling =
        bind().tones("fallingWord", [this] { return ToneSlot::upTo(registerOf(m_shown, 1), 0, 8, u'0'); });
    auto* risingWizard = named(new QPushButton(tr("Prog.-Assistent..."), m_box), "risingWizard");
    risingWizard->setAutoDefault(false);
    auto* fallingWizard = named(new QPushButton(tr("Prog.-Assistent..."), m_box), "fallingWizard");
    fallingWizard->setAutoDefault(false);
    form->addRow(tr("Funktion für passiv -> aktiv:"), row({m_rising, risingWizard}));
    form->addRow(tr("Funktion für aktiv -> passiv:"), row({m_falling, fallingWizard}));
    content()->addWidget(m_box);

    connect(m_input, &QComboBox::currentIndexChanged, this, &EingProg::onInputChanged);
    connect(risingWizard, &QPushButton::clicked, this, [this] { runWizard(m_rising); });
    connect(fallingWizard, &QPushButton::clicked, this, [this] { runWizard(m_falling); });
    showInput(m_shown);
}

QList<SettingsDialog::Page> EingProg::pages()
{
    QList<Page> out;
    for (int input = 0; input < InputCount; ++input) {
        for (int edge = 0; edge < 2; ++edge) {
            const QString label =
                (edge ? tr("%1: aktiv -> passiv") : tr("%1: passiv -> aktiv")).arg(m_input->itemText(input));
            out << FunctionEditors::page(label, registerOf(input, edge),
                                         image().registerText(registerOf(input, edge)), FunctionMode::Normal);
        }
    }
    return out;
}

bool EingProg::configuredAsInput(const Register& image, int input)
{
    if (input < 1 || input > 8)
        return true;
    const int d = image.digit(95 + (input - 1) / 5, (input - 1) % 5);
    return d >= 2 && d <= 8;
}

void EingProg::showInput(int input)
{
    m_shown = input;
    m_box->setTitle(m_input->itemText(input));
    bind().reload(m_rising);
    bind().reload(m_falling);
}

void EingProg::onInputChanged(int input)
{
    // The words shown go into the image before the next input is shown; a refused word keeps
    // its input selected.
    if (!bind().commit()) {
        const QSignalBlocker blocker(m_input);
        m_input->setCurrentIndex(m_shown);
        return;
    }
    image().markModified();
    checkPin(m_shown);
    showInput(input);
}

void EingProg::confirmed()
{
    checkPin(m_shown);
}

void EingProg::checkPin(int input)
{
    if (input < 1 || input > 8)
        return;
    if (image().digit(registerOf(input, 0), 0) == 0 && image().digit(registerOf(input, 1), 0) == 0)
        return;
    if (configuredAsInput(image(), input))
        return;
    const platform::Answer answer =
        platform::showMessage(this, tr("Eingangskonfiguration"),
                              tr("Sie haben einem Eingang eine Funktion zugewiesen, der noch nicht als "
                                 "Eingang konfiguriert ist und "
                                 "folglich nicht als solcher funktionieren wird.\n\nMöchten Sie die "
                                 "Konfiguration jetzt durchführen?"),
                              platform::MessageIcon::Exclamation, platform::MessageButtons::YesNo);
    if (answer == platform::Answer::Yes) {
        InOutputs configuration(&image(), this);
        configuration.exec();
    }
}

void EingProg::runWizard(CHexEdit* field)
{
    if (!bind().check())
        return;
    QString word = zeroPadRight(field->text().toUpper(), 8);
    FktAuswahl wizard(this, word, FunctionMode::Normal);
    wizard.exec();
    field->setText(word);
}

} // namespace quarn
