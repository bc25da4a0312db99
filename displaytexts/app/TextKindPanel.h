#pragma once

#include "displaytexts/texts/Messages.h"
#include "displaytexts/texts/Register.h"

#include <QGroupBox>

class QHBoxLayout;
class QProgressBar;
class QPushButton;

namespace tekstor {

class CaptionSet;
class TextTree;

// The main window's group of one kind of text: its read and write buttons, room for the
// kind's own choices beside them (ranges, read language), its progress bar, its tree and
// its "Ändern..." button. Captions and object names come from the kind table.
class TextKindPanel final : public QGroupBox {
    Q_OBJECT
public:
    TextKindPanel(TextKind kind, CaptionSet& captions, QWidget* parent = nullptr);

    TextKind kind() const { return m_kind; }
    QPushButton* readButton() const { return m_read; }
    QPushButton* writeButton() const { return m_write; }
    QPushButton* editButton() const { return m_edit; }
    QProgressBar* progress() const { return m_progress; }
    TextTree* tree() const { return m_tree; }
    // Where the kind's own choices go, right of the buttons.
    QHBoxLayout* choices() const { return m_choices; }

    // Rebuilds the tree: from the numbers read, or from the table when numbers is null.
    void showTexts(const Register& store, Language language, const QList<int>* numbers = nullptr);

private:
    TextKind m_kind;
    QPushButton* m_read = nullptr;
    QPushButton* m_write = nullptr;
    QPushButton* m_edit = nullptr;
    QProgressBar* m_progress = nullptr;
    TextTree* m_tree = nullptr;
    QHBoxLayout* m_choices = nullptr;
};

} // namespace tekstor
