#pragma once

#include "displaytexts/texts/Messages.h"
#include "displaytexts/texts/Register.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;

namespace tekstor {

class CExtEdit;

// "Texte bearbeiten": one own text and the configuration its type allows. The type
// itself comes with the text and is only shown.
class TexteBearbeiten : public QDialog {
    Q_OBJECT
public:
    static constexpr int OwnTextLength = 32;

    TexteBearbeiten(QWidget* parent, Language language, Register& store, int number);

    // The own text as OK would store it; empty when the display text is not 24 characters.
    QByteArray composeText() const;

    void accept() override;

private:
    void refreshAfterEdit();
    void showHelp();
    void selectFromConfiguration();
    void enableForType();

    Register& m_store;
    int m_number;
    Language m_language;
    // The stored own text, padded with "0" to 32 characters (short texts from a short file).
    QByteArray m_original;
    char m_type;

    CExtEdit* m_text = nullptr;
    QLabel* m_counter = nullptr;
    QLabel* m_typeName = nullptr;
    QComboBox* m_inputFrom = nullptr;
    QComboBox* m_secondInput = nullptr;
    QComboBox* m_inputUpTo = nullptr;
    QComboBox* m_digitsToPrint = nullptr;
    QComboBox* m_crlfCount = nullptr;
    QComboBox* m_displayLine = nullptr;
    QCheckBox* m_billFeed = nullptr;
};

} // namespace tekstor
