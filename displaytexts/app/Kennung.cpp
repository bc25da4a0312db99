#include "displaytexts/app/Kennung.h"

#include "displaytexts/app/HelpTexts.h"

namespace tekstor {

namespace {
const NumberedTextDialog::Captions IdCaptions{
    {"Kennung bearbeiten", "Edit ID texts"}, {"Kennung:", "ID text:"}, IdHelpCaption, IdHelp};
}

Kennung::Kennung(QWidget* parent, Language language, Register& store, QList<int> ids)
    : NumberedTextDialog(parent, language, store, TextKind::Ids, std::move(ids), IdCaptions)
{
    setObjectName(QStringLiteral("Kennung"));
}

void Kennung::digitsToRetainChosen(int digits)
{
    if (digits == 1 || digits == 2)
        setStartPosition(22);
    else if (digits == 3)
        setStartPosition(21);
}

} // namespace tekstor
