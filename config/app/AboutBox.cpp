#include "config/app/AboutBox.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quarn {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("aboutBox"));
    setWindowTitle(tr("Info"));

    auto* icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":/quarn7k8k/icon.png")).pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(tr("Programmiersoftware für Quarn 7k/8k, Version %1").arg(versionText()), this);
    name->setObjectName(QStringLiteral("aboutName"));
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);

    auto* units =
        new QLabel(tr("Diese Software ist für Quarn 7k/8k ab Gerätesoftware-Version 3.20 bestimmt.\n"
                      "Ältere Geräte können mit dieser Software nicht programmiert werden."),
                   this);
    auto* special =
        new QLabel(tr("Geräte mit Sondersoftware können über \"Einzelnes Register lesen/schreiben\" "
                      "angepasst werden."),
                   this);
    special->setWordWrap(true);
    special->setMinimumWidth(360);
    auto* maker = new QLabel(tr("Copyright (C) 2026 Quarn-Programmiersoftware"), this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("aboutOk"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(units);
    texts->addWidget(special);
    texts->addWidget(maker);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(texts, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace quarn
