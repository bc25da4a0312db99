#include "config/editors/keys/TELRufnummer.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quarn {

TELRufnummer::TELRufnummer(QWidget* parent, QString& word)
    : FunctionEditor(parent, word, 7, tr("Funktion 7: Rufnummerneingabe"), "7000    ")
{
    QComboBox* sub = subFunction(
        {tr("Eingabe löschen"), tr("Eingabe Rufziffer"), tr("Eingabe Formatzeichen"), tr("Rufwiederholung")});
    QButtonGroup* clear =
        radios(DigitSlot::hex(0, 2), {tr("Nummer komplett löschen"), tr("letzte Eingabe löschen")}, "clear");
    const QList<QRadioButton*> clearButtons = buttonsOf(clear);
    // The two buttons have no heading of their own; a screen reader (and the report) names them.
    auto* clearChoice = new QWidget(this);
    clearChoice->setAccessibleName(tr("Eingabe löschen"));
    auto* clearLayout = new QVBoxLayout(clearChoice);
    clearLayout->setContentsMargins(0, 0, 0, 0);
    for (QRadioButton* b : clearButtons)
        clearLayout->addWidget(b);
    form()->addRow(clearChoice);
    QComboBox* digit =
        choice(DigitSlot::hex(0, 2),
               {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"),
                QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("A"), QStringLiteral("B"),
                QStringLiteral("C"), QStringLiteral("D"), QStringLiteral("*"), QStringLiteral("#")},
               "dialDigit");
    auto* digitLabel = new QLabel(tr("Rufziffer"), this);
    form()->addRow(digitLabel, digit);
    // The first entry stands for a blank.
    QComboBox* format = choice(DigitSlot::hex(0, 2),
                               {tr("<sp>"), QStringLiteral("/"), QStringLiteral("-"), QStringLiteral("_"),
                                QStringLiteral(","), QStringLiteral(".")},
                               "formatCharacter");
    auto* formatLabel = new QLabel(tr("Formatzeichen"), this);
    form()->addRow(formatLabel, format);

    bind().enableWhile({clearButtons.at(0), clearButtons.at(1)}, [sub] { return sub->currentIndex() == 0; });
    bind().enableWhile({digitLabel, digit}, [sub] { return sub->currentIndex() == 1; });
    bind().enableWhile({formatLabel, format}, [sub] { return sub->currentIndex() == 2; });
    bindingsDone();
}

} // namespace quarn
