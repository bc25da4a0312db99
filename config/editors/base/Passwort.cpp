#include "config/editors/base/Passwort.h"

#include "config/editors/frame/CHexEdit.h"
#include "config/editors/frame/NamedRadio.h"
#include "config/register/Messages.h"
#include "platform/UserDialogs.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace quarn {

namespace {
QString exactlyFiveDigits()
{
    return Passwort::tr("Die Passwörter müssen aus genau 5 hexadezimalen Zahlen bestehen (0-9,A-F).");
}
} // namespace

QString Passwort::warningText()
{
    return tr("Bitte beachten Sie, dass Sie nach Inkrafttreten des neuen User-Passworts nur noch "
              "Einstellungen "
              "des Quarns verändern können, wenn sie dieses oder das Master-Passwort kennen. Dies gilt "
              "sowohl für "
              "das Programmieren über die Tasten des Quarns als auch für das Verbinden mit der "
              "Programmiersoftware.") +
           QStringLiteral("\n\n") +
           tr("Das Master-Passwort kann nur direkt über die Quarn-Tastatur im EEPROM-Register 097 gesetzt "
              "bzw. "
              "geändert werden.") +
           QStringLiteral("\n\n") + exactlyFiveDigits();
}

Passwort::Passwort(Register* image, QWidget* parent) : SettingsDialog(image, parent, tr("User-Passwort"))
{
    // A password the user did not type in full would lock the user out: five digits or nothing.
    CHexEdit* password =
        bind().tones("password", ToneSlot::exact(99, 0, 5).refusingShortWith(exactlyFiveDigits()));
    password->setAlignment(Qt::AlignCenter);

    // No password is the whole register "FFFFFFFF"; opening takes "FFFFF" in digits 0-4 for it.
    auto* noPassword = named(new QCheckBox(tr("kein Passwort setzen"), this), "noPassword");
    bind().custom(
        {{99, 0, 8}}, {noPassword}, {},
        [noPassword](DigitSource& s) {
            if (noPassword->isChecked())
                s.setCharacters(99, 0, QStringLiteral("FFFFFFFF"));
        },
        [this, noPassword] { noPassword->setChecked(digits().text(99).startsWith(QLatin1String("FFFFF"))); });

    auto* label = new QLabel(tr("Passwort (5-stellig):"), this);
    content()->addLayout(row({label, password}));
    content()->addWidget(noPassword);

    bind().enableWhile({label, password}, {noPassword}, [noPassword] { return !noPassword->isChecked(); });
    setHelp(tr("Hilfe: Passwort"), warningText());
}

void Passwort::showEvent(QShowEvent* event)
{
    SettingsDialog::showEvent(event);
    if (m_warned)
        return;
    m_warned = true;
    platform::showMessage(this, msg::captionWarning(), warningText(), platform::MessageIcon::Exclamation);
}

} // namespace quarn
