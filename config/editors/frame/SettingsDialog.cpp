#include "config/editors/frame/SettingsDialog.h"

#include "config/editors/frame/NamedRadio.h"
#include "config/register/Messages.h"
#include "config/register/Register.h"
#include "platform/UserDialogs.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace quarn {

SettingsDialog::SettingsDialog(Register* image, QWidget* parent, const QString& caption)
    : QDialog(parent), m_image(image), m_imageDigits(std::make_unique<ImageDigits>(*image))
{
    m_binder = new Binder(*m_imageDigits, this);
    build(caption);
}

SettingsDialog::SettingsDialog(DigitSource& source, QWidget* parent, const QString& caption) : QDialog(parent)
{
    m_binder = new Binder(source, this);
    build(caption);
}

void SettingsDialog::build(const QString& caption)
{
    setWindowTitle(caption);
    auto* outer = new QVBoxLayout(this);
    m_content = new QVBoxLayout;
    outer->addLayout(m_content);

    m_ok = named(new QPushButton(tr("OK"), this), "okButton");
    m_ok->setDefault(true);
    m_cancel = named(new QPushButton(tr("Abbrechen"), this), "cancelButton");
    m_help = named(new QPushButton(tr("Hilfe..."), this), "helpButton");
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

Register& SettingsDialog::image() const
{
    Q_ASSERT(m_image);
    return *m_image;
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
    if (!m_binder->commit())
        return;
    if (marksModified())
        m_binder->source().markModified();
    confirmed();
    accept();
}

void SettingsDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_opened) {
        m_opened = true;
        m_binder->opened();
    }
}

bool SettingsDialog::refuse(const QString& text, QWidget* focus)
{
    platform::showMessage(this, msg::captionError(), text, platform::MessageIcon::Exclamation);
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
    return false;
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
