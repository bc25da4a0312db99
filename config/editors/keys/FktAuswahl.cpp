#include "config/editors/keys/FktAuswahl.h"

#include "config/editors/frame/NamedRadio.h"
#include "config/register/RegisterCodecs.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

namespace quarn {

FktAuswahl::FktAuswahl(QWidget* parent, QString& word, FunctionMode mode)
    : QDialog(parent), m_word(word), m_mode(mode)
{
    setWindowTitle(tr("Funktionsauswahl"));
    m_list = named(new QListWidget(this), "functionList");
    for (int code : FunctionEditors::offeredCodes())
        m_list->addItem(FunctionEditors::listText(code, mode));
    m_list->setCurrentRow(positionOf(word));
    m_list->setMinimumHeight(m_list->sizeHintForRow(0) * (m_list->count() + 1));

    m_ok = named(new QPushButton(tr("OK / Weiter"), this), "okButton");
    m_ok->setDefault(true);
    m_cancel = named(new QPushButton(tr("Abbrechen"), this), "cancelButton");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &FktAuswahl::onOk);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &FktAuswahl::onOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

int FktAuswahl::positionOf(const QString& word)
{
    const int code = word.isEmpty() || !isHexText(word.left(1)) ? 0 : hexValueOfCharacter(word.at(0));
    const int position = static_cast<int>(FunctionEditors::offeredCodes().indexOf(code));
    return position < 0 ? 0 : position;
}

void FktAuswahl::onOk()
{
    const int position = qMax(0, m_list->currentRow());
    const int code = FunctionEditors::offeredCodes().value(position);
    // The editors work on all eight digits of the word.
    QString word = zeroPadRight(m_word, 8).left(8);
    std::unique_ptr<QDialog> editor(FunctionEditors::create(code, m_mode, this, word));
    if (editor)
        editor->exec(); // changes word only on its "OK"
    else
        word = QStringLiteral("00000000");
    m_word = word;
    accept();
}

} // namespace quarn
