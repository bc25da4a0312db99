#include "config/editors/base/EinzelnesRegister.h"

#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/frame/NamedRadio.h"
#include "config/register/Messages.h"
#include "config/register/Register.h"
#include "config/register/RegisterCodecs.h"

#include <QEvent>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace quarn {

EinzelnesRegister::EinzelnesRegister(Register* image, QWidget* parent)
    : SettingsDialog(image, parent, tr("Einzelnes Register lesen/schreiben"))
{
    m_content = image->registerText(0);

    m_numberEdit = named(new IntegerEdit(0, 999, this), "registerNumber");
    m_numberEdit->installEventFilter(this);
    m_contentEdit = named(new QLineEdit(this), "registerContent");
    m_contentEdit->setMaxLength(8);
    m_contentEdit->setMaximumWidth(
        m_contentEdit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 16);

    auto* read = named(new QPushButton(tr("Lesen"), this), "readButton");
    read->setAutoDefault(false);
    auto* write = named(new QPushButton(tr("Schreiben"), this), "writeButton");
    write->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->addRow(tr("Registernummer:"), row({m_numberEdit, read}));
    form->addRow(tr("Inhalt:"), row({m_contentEdit, write}));
    content()->addLayout(form);

    // No OK: every write happens on "Schreiben".
    useSingleCloseButton(tr("Zurück"));
    setHelp(tr("Hilfe: Einzelnes Register"),
            tr("Einzelnes Register Lesen/Schreiben:\n"
               "\n"
               "Hier kann gezielt ein EEPROM-Register im Quarn 7k/8k verändert\n"
               "werden. Diese Funktion ist hauptsächlich für Sondersoftware gedacht\n"
               "oder wenn eine aktuelle Softwareversion neue Funktionen enthält, die\n"
               "durch die Programmiersoftware noch nicht unterstützt werden.\n"
               "\n"
               "ACHTUNG: Ändern Sie nur Registerstellen, deren Funktion Sie genau\n"
               "kennen. Sonst können Fehlfunktionen des Quarn die Folge sein."));

    connect(read, &QPushButton::clicked, this, &EinzelnesRegister::readRegister);
    connect(write, &QPushButton::clicked, this, &EinzelnesRegister::writeRegister);
    showMembers();
}

bool EinzelnesRegister::eventFilter(QObject* watched, QEvent* event)
{
    // A message box taking the focus must not read the field a second time.
    if (watched == m_numberEdit && event->type() == QEvent::FocusOut && !m_busy && isVisible())
        readRegister();
    return SettingsDialog::eventFilter(watched, event);
}

bool EinzelnesRegister::numberIsValid(int n) const
{
    if (n >= 0 && n <= 199)
        return true;
    return image().telephoneInterface && Register::isValidNumber(n);
}

void EinzelnesRegister::refuseNumber()
{
    refuse(msg::invalidRegisterNumber(image().telephoneInterface));
}

void EinzelnesRegister::showMembers()
{
    m_numberEdit->setValue(m_number);
    m_contentEdit->setText(m_content);
}

void EinzelnesRegister::readRegister()
{
    m_busy = true;
    if (m_numberEdit->checkInput()) {
        m_number = m_numberEdit->value();
        m_content = m_contentEdit->text();
        if (numberIsValid(m_number)) {
            m_content = image().registerText(m_number);
            m_contentEdit->setText(m_content);
        } else {
            refuseNumber();
        }
    }
    m_busy = false;
}

void EinzelnesRegister::writeRegister()
{
    m_busy = true;
    if (m_numberEdit->checkInput()) {
        m_number = m_numberEdit->value();
        m_content = m_contentEdit->text().toUpper();
        if (isHexText(m_content)) {
            m_content = zeroPadRight(m_content, Register::DigitCount);
            if (numberIsValid(m_number)) {
                image().registerText(m_number) = m_content;
                image().markModified();
            } else {
                refuseNumber();
                m_number = 0;
            }
        } else {
            refuse(msg::onlyHexDigits());
            m_content = QStringLiteral("00000000");
        }
        showMembers();
    }
    m_busy = false;
}

} // namespace quarn
