#include "SettingsDialog.h"

#include "FieldEdit.h"
#include "IdModeList.h"
#include "IntegerEdit.h"
#include "Messages.h"
#include "Register.h"
#include "UserDialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quarn {

SettingsDialog::SettingsDialog(Register* image, QWidget* parent, const QString& caption)
    : QDialog(parent), m_image(image)
{
    setWindowTitle(caption);
    auto* outer = new QVBoxLayout(this);
    m_content = new QVBoxLayout;
    outer->addLayout(m_content);

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("Abbrechen"), this);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    m_help = new QPushButton(tr("Hilfe..."), this);
    m_help->setObjectName(QStringLiteral("helpButton"));
    m_help->setAutoDefault(false);
    m_help->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_help);
    outer->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &SettingsDialog::onOk);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, &SettingsDialog::showHelp);
}

void SettingsDialog::setHelp(const QString& caption, const QString& text)
{
    m_helpCaption = caption;
    m_helpText = text;
    m_help->show();
}

void SettingsDialog::useSingleCloseButton(const QString& text)
{
    m_ok->hide();
    m_cancel->setText(text);
}

void SettingsDialog::showHelp()
{
    platform::showMessage(this, m_helpCaption, m_helpText, platform::MessageIcon::Information);
}

void SettingsDialog::onOk()
{
    if (!checkFields())
        return;
    if (!save())
        return;
    if (marksModified())
        m_image->markModified();
    accept();
}

bool SettingsDialog::save()
{
    writeBoundFields();
    return true;
}

bool SettingsDialog::checkFields()
{
    // Disabled fields cannot be corrected by the user and are written as they were read.
    for (FieldEdit* field : findChildren<FieldEdit*>()) {
        if (field->isEnabled() && !field->checkInput())
            return false;
    }
    return true;
}

void SettingsDialog::writeBoundFields()
{
    for (const auto& w : m_writers)
        w.second(*m_image);
}

void SettingsDialog::writeBoundField(const QObject* control)
{
    for (const auto& w : m_writers) {
        if (w.first == control)
            w.second(*m_image);
    }
}

bool SettingsDialog::refuse(const QString& text, QWidget* focus)
{
    platform::showMessage(this, msg::captionError(), text, platform::MessageIcon::Exclamation);
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
    return false;
}

void SettingsDialog::bindWriter(const QObject* control, std::function<void(Register&)> writer)
{
    m_writers.append({control, std::move(writer)});
}

IntegerEdit* SettingsDialog::integerField(const DigitSlot& slot, int minimum, int maximum)
{
    auto* edit = new IntegerEdit(minimum, maximum, this);
    edit->setValue(slot.read(*m_image));
    bindWriter(edit, [edit, slot](Register& r) { slot.write(r, edit->value()); });
    return edit;
}

IntegerEdit* SettingsDialog::weightedField(int reg, int first, int count, int unit)
{
    const DigitSlot slot = DigitSlot::weighted(reg, first, count, unit);
    return integerField(slot, 0, slot.maximum());
}

QCheckBox* SettingsDialog::flagBox(const QString& text, const DigitSlot& slot)
{
    auto* box = new QCheckBox(text, this);
    box->setChecked(slot.read(*m_image) != 0);
    bindWriter(box, [box, slot](Register& r) { slot.write(r, box->isChecked() ? 1 : 0); });
    return box;
}

QComboBox* SettingsDialog::choiceBox(const DigitSlot& slot, const QStringList& texts,
                                     const QList<int>& digitOfPosition)
{
    auto* combo = new QComboBox(this);
    combo->addItems(texts);
    QList<int> map = digitOfPosition;
    if (map.isEmpty()) {
        for (int i = 0; i < texts.size(); ++i)
            map << i;
    }
    combo->setCurrentIndex(static_cast<int>(map.indexOf(slot.read(*m_image))));
    bindWriter(combo, [combo, slot, map](Register& r) {
        const int pos = combo->currentIndex();
        slot.write(r, pos >= 0 && pos < map.size() ? map.at(pos) : 15);
    });
    return combo;
}

QComboBox* SettingsDialog::idModeBox(const DigitSlot& slot, const IdModeList& modes)
{
    return choiceBox(slot, modes.texts(), modes.digits());
}

QButtonGroup* SettingsDialog::radioGroup(const DigitSlot& slot, const QList<QRadioButton*>& buttons)
{
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < buttons.size(); ++i)
        group->addButton(buttons.at(i), i);
    const int value = slot.read(*m_image);
    if (QAbstractButton* b = group->button(value))
        b->setChecked(true);
    bindWriter(group, [group, slot](Register& r) { slot.write(r, group->checkedId()); });
    return group;
}

void SettingsDialog::askBeforeUnchecking(QCheckBox* box, const QString& question,
                                         std::function<void()> afterwards)
{
    connect(box, &QCheckBox::clicked, this, [this, box, question, afterwards](bool checked) {
        if (!checked &&
            platform::showMessage(this, msg::captionWarning(), question, platform::MessageIcon::Exclamation,
                                  platform::MessageButtons::YesNo) == platform::Answer::No)
            box->setChecked(true);
        if (afterwards)
            afterwards();
    });
}

QHBoxLayout* SettingsDialog::row(std::initializer_list<QWidget*> widgets, bool stretchAtEnd)
{
    auto* layout = new QHBoxLayout;
    for (QWidget* w : widgets)
        layout->addWidget(w);
    if (stretchAtEnd)
        layout->addStretch(1);
    return layout;
}

} // namespace quarn
