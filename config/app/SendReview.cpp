#include "config/app/SendReview.h"

#include "config/app/LanguageSettings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace quarn {

namespace {
const QString Key = QStringLiteral("ReviewBeforeSending");
} // namespace

bool SendReview::enabled()
{
    return QSettings(LanguageSettings::Organisation, LanguageSettings::Application).value(Key, true).toBool();
}

void SendReview::setEnabled(bool on)
{
    QSettings(LanguageSettings::Organisation, LanguageSettings::Application).setValue(Key, on);
}

SendReview::SendReview(const QStringList& changes, bool unitKnown, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("sendReview"));
    setWindowTitle(tr("Vor dem Senden prüfen"));
    auto* layout = new QVBoxLayout(this);

    QString text;
    if (!unitKnown)
        text = tr("Der Inhalt des Quarns ist nicht bekannt: Er wurde seit dem Programmstart nicht gelesen. "
                  "Zuerst lesen, um die Änderungen zu sehen? Die zu sendenden Daten bleiben erhalten.");
    else if (changes.isEmpty())
        text = tr("Die Daten stimmen mit dem zuletzt gelesenen Inhalt des Quarns überein.");
    else
        text = tr("Diese Einstellungen ändern sich im Quarn (bisher → neu):");
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("reviewText"));
    label->setWordWrap(true);
    layout->addWidget(label);

    if (unitKnown && !changes.isEmpty()) {
        auto* list = new QListWidget(this);
        list->setObjectName(QStringLiteral("reviewList"));
        list->addItems(changes);
        layout->addWidget(list, 1);
    }

    m_alwaysShow = new QCheckBox(tr("Vor dem Senden immer anzeigen"), this);
    m_alwaysShow->setObjectName(QStringLiteral("alwaysShowBox"));
    m_alwaysShow->setChecked(true);
    layout->addWidget(m_alwaysShow);

    auto* buttons = new QDialogButtonBox(this);
    if (!unitKnown) {
        QPushButton* read = buttons->addButton(tr("Zuerst lesen"), QDialogButtonBox::ActionRole);
        read->setObjectName(QStringLiteral("readFirstButton"));
        connect(read, &QPushButton::clicked, this, [this] { choose(Choice::ReadFirst); });
    }
    QPushButton* send = buttons->addButton(tr("Senden"), QDialogButtonBox::AcceptRole);
    send->setObjectName(QStringLiteral("reviewSendButton"));
    connect(send, &QPushButton::clicked, this, [this] { choose(Choice::Send); });
    QPushButton* back = buttons->addButton(tr("Zurück"), QDialogButtonBox::RejectRole);
    back->setObjectName(QStringLiteral("reviewBackButton"));
    connect(back, &QPushButton::clicked, this, [this] { choose(Choice::Back); });
    // Enter must not send: going back loses nothing.
    back->setDefault(true);
    layout->addWidget(buttons);
    resize(560, unitKnown && !changes.isEmpty() ? 420 : 180);
}

bool SendReview::alwaysShow() const
{
    return m_alwaysShow->isChecked();
}

void SendReview::choose(Choice choice)
{
    m_choice = choice;
    if (choice == Choice::Back)
        reject();
    else
        accept();
}

} // namespace quarn
