#pragma once

#include "displaytexts/texts/Messages.h"

#include <functional>

class QDialog;
class QDialogButtonBox;
class QHBoxLayout;
class QLabel;
class QString;
class QWidget;

namespace tekstor {

class CExtEdit;

// The pieces the text dialogs are built from alike.

// The caption, the 24-character text line and its counter in one row; text and counter
// receive the two new widgets.
QHBoxLayout* countedTextRow(QWidget* parent, const QString& caption, CExtEdit*& text, QLabel*& counter);

// The counter as "cursor/length"; with a selection the cursor counts as at its start.
void showCursor(QLabel* counter, const CExtEdit* text);

// "OK", "Abbrechen"/"Cancel" and "Hilfe..."/"Help...", wired to the dialog's accept(),
// reject() and help.
QDialogButtonBox* okCancelHelpButtons(QDialog* dialog, Language language, std::function<void()> help);

} // namespace tekstor
