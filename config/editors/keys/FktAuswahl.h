#pragma once

#include "config/editors/keys/FunctionEditors.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace quarn {

// The function wizard ("Prog.-Assistent..."): the user picks a function code and its editor
// fills in the parameters. It edits only the caller's word, never the register image.
class FktAuswahl : public QDialog {
    Q_OBJECT
public:
    // word: the function word of the calling dialog, changed only when the wizard closes with OK.
    FktAuswahl(QWidget* parent, QString& word, FunctionMode mode);

    QListWidget* list() const { return m_list; }
    // The list position of a word's function code: 0-9 as they are, "B" 10, anything else 0.
    static int positionOf(const QString& word);

private:
    void onOk();

    QString& m_word;
    FunctionMode m_mode;
    QListWidget* m_list;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

} // namespace quarn
