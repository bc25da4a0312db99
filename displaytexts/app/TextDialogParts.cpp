#include "displaytexts/app/TextDialogParts.h"

#include "displaytexts/app/CExtEdit.h"
#include "displaytexts/texts/BilingualText.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace tekstor {

QHBoxLayout* countedTextRow(QWidget* parent, const QString& caption, CExtEdit*& text, QLabel*& counter)
{
    auto* label = new QLabel(caption, parent);
    text = new CExtEdit(parent);
    text->setObjectName(QStringLiteral("textEdit"));
    label->setBuddy(text);
    counter = new QLabel(QStringLiteral("0/24"), parent);
    counter->setObjectName(QStringLiteral("counter"));
    counter->setMinimumWidth(counter->fontMetrics().horizontalAdvance(QStringLiteral("24/24 ")));

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(text, 1);
    row->addWidget(counter);
    return row;
}

void showCursor(QLabel* counter, const CExtEdit* text)
{
    const int cursor = text->hasSelectedText() ? text->selectionStart() : text->cursorPosition();
    counter->setText(QStringLiteral("%1/%2").arg(cursor).arg(text->text().size()));
}

QDialogButtonBox* okCancelHelpButtons(QDialog* dialog, Language language, std::function<void()> help)
{
    auto* buttons = new QDialogButtonBox(dialog);
    auto* ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("okButton"));
    auto* cancel =
        buttons->addButton(BilingualText{"Abbrechen", "Cancel"}.in(language), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    auto* helpButton =
        buttons->addButton(BilingualText{"Hilfe...", "Help..."}.in(language), QDialogButtonBox::HelpRole);
    helpButton->setObjectName(QStringLiteral("helpButton"));

    // accept() is virtual: each dialog's own check runs.
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    QObject::connect(helpButton, &QPushButton::clicked, dialog, std::move(help));
    return buttons;
}

} // namespace tekstor
