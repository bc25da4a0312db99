#include "config/editors/keys/STATUS.h"

#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/frame/NamedRadio.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>

namespace quarn {

namespace {
bool isDecimal(const QString& word, int k)
{
    return k < word.size() && word.at(k) >= u'0' && word.at(k) <= u'9';
}
} // namespace

STATUS::STATUS(QWidget* parent, QString& word)
    : FunctionEditor(parent, word, 8, tr("Funktion 8: Statuseingabe"), "8000    ")
{
    QComboBox* sub = subFunction({tr("Status löschen"), tr("Status setzen")});

    QFormLayout* status = nullptr;
    QGroupBox* statusBox = group(tr("Status setzen"), &status);
    auto* kind = new QButtonGroup(this);
    const QStringList texts = {tr("neuer Status (0-99):"), tr("Eingabe durch Benutzer")};
    for (int i = 0; i < texts.size(); ++i) {
        auto* b = namedRadio(texts.at(i), QStringLiteral("statusKind%1").arg(i), this);
        kind->addButton(b, i);
    }
    // Digits 2-3: the status as two decimal digits, or "FF" for entry by the user.
    bind().custom(
        {{0, 2, 2}}, {kind->button(0), kind->button(1)}, {},
        [kind](DigitSource& s) {
            if (kind->checkedId() == 1) {
                s.setDigit(0, 2, 15);
                s.setDigit(0, 3, 15);
            }
        },
        [this, kind] {
            const QString w = digits().text(0);
            kind->button(isDecimal(w, 2) && isDecimal(w, 3) ? 0 : 1)->setChecked(true);
        });
    IntegerEdit* value = numberOr(DigitSlot::weighted(0, 2, 2, 1), 0, 99, 0, "status");
    status->addRow(kind->button(0), value);
    status->addRow(kind->button(1));

    bind().enableWhile({statusBox}, [sub] { return sub->currentIndex() == 1; });
    bind().enableWhile({value}, {kind}, [kind] { return kind->checkedId() == 0; });
    bindingsDone();
}

} // namespace quarn
