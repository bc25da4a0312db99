#pragma once

#include "config/editors/frame/SettingsDialog.h"

#include <QList>
#include <QString>

#include <functional>

class QDialog;
class QWidget;

namespace quarn {

// Which function-key mode an entry serves.
enum class FunctionMode { Normal, Telephone };

// The functions a key or input can have, keyed by function code and mode: the text of the
// wizard's list and the editor that fills in the parameters. A code without a telephone entry
// serves both modes.
class FunctionEditors {
public:
    using Factory = std::function<QDialog*(QWidget* parent, QString& word)>;

    struct Entry {
        int code;
        FunctionMode mode;
        const char* listText; // untranslated, context "FktAuswahl"
        Factory create;       // empty for "keine Funktion"
    };

    // The codes the wizard offers, in list order: 0-9 and B.
    static const QList<int>& offeredCodes();
    // The entry of a code in a mode, or nullptr for a code not offered.
    static const Entry* find(int code, FunctionMode mode);
    // The translated list text.
    static QString listText(int code, FunctionMode mode);
    // The editor of code in mode on word, or nullptr for "keine Funktion" and codes not offered.
    static QDialog* create(int code, FunctionMode mode, QWidget* parent, QString& word);

    // A function word in register reg as a page of the settings report: the function's name and
    // its editor on a copy of the word. A word no editor knows is named by its eight digits.
    static SettingsDialog::Page page(const QString& label, int reg, const QString& word, FunctionMode mode);

private:
    static const QList<Entry>& entries();
};

} // namespace quarn
