#include "config/editors/frame/VolumeSelector.h"

#include "config/editors/frame/NamedRadio.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

namespace quarn {

VolumeSelector::VolumeSelector(const QString& namePrefix, QWidget* parent) : QWidget(parent)
{
    m_absolute = namedRadio(tr("absolute Lautstärke (0...9)"), namePrefix + QStringLiteral("Absolute"), this);
    m_offset = namedRadio(tr("Offset um X Stufen (+0...+5)"), namePrefix + QStringLiteral("Offset"), this);
    auto* group = new QButtonGroup(this); // its own pair, apart from the dialog's other radios
    group->addButton(m_absolute);
    group->addButton(m_offset);
    m_slider = named(new QSlider(Qt::Horizontal, this), namePrefix + QStringLiteral("Slider"));
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setTickInterval(1);
    m_slider->setPageStep(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_absolute);
    layout->addWidget(m_offset);
    layout->addWidget(m_slider);

    connect(m_absolute, &QRadioButton::clicked, this, [this] { setOffsetMode(false); });
    connect(m_offset, &QRadioButton::clicked, this, [this] { setOffsetMode(true); });
    setDigit(0);
}

void VolumeSelector::setOffsetMode(bool offset)
{
    m_slider->setRange(0, offset ? 5 : 9);
}

void VolumeSelector::setDigit(int digit)
{
    const bool offset = digit >= 10;
    (offset ? m_offset : m_absolute)->setChecked(true);
    setOffsetMode(offset);
    m_slider->setValue(offset ? digit - 10 : digit);
}

int VolumeSelector::digit() const
{
    return m_offset->isChecked() ? m_slider->value() + 10 : m_slider->value();
}

} // namespace quarn
