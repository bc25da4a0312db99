#include "config/fleet/FieldInput.h"

#include "config/editors/frame/VolumeSelector.h"
#include "config/report/FieldText.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>

#include <functional>

namespace quarn::fleet {

namespace {

bool shows(const QList<QWidget*>& controls, const QWidget* dialog, const QString& value)
{
    return FieldText::of(controls, dialog).value.compare(value.trimmed(), Qt::CaseInsensitive) == 0;
}

// Tries the states one after another until the controls show value.
bool pick(int count, const std::function<void(int)>& set, const QList<QWidget*>& controls,
          const QWidget* dialog, const QString& value)
{
    for (int i = 0; i < count; ++i) {
        set(i);
        if (shows(controls, dialog, value))
            return true;
    }
    return false;
}

} // namespace

bool FieldInput::show(const QList<QWidget*>& controls, const QWidget* dialog, const QString& value)
{
    QWidget* first = controls.value(0);
    if (auto* volume = qobject_cast<VolumeSelector*>(first)) {
        QSlider* slider = volume->slider();
        const int positions = slider->maximum() - slider->minimum() + 1;
        return pick(
            2 * positions,
            [=](int i) {
                (i < positions ? volume->absoluteButton() : volume->offsetButton())->click();
                slider->setValue(slider->minimum() + i % positions);
            },
            controls, dialog, value);
    }
    if (controls.size() > 1 || qobject_cast<QRadioButton*>(first)) {
        return pick(
            int(controls.size()),
            [&](int i) {
                if (auto* b = qobject_cast<QAbstractButton*>(controls.at(i)))
                    b->click();
            },
            controls, dialog, value);
    }
    if (auto* box = qobject_cast<QCheckBox*>(first)) {
        // Clicked as by hand, so that what the dialog does on a click (its questions) happens.
        return pick(
            2, [box](int) { box->click(); }, controls, dialog, value);
    }
    if (auto* combo = qobject_cast<QComboBox*>(first))
        return pick(
            int(combo->count()), [combo](int i) { combo->setCurrentIndex(i); }, controls, dialog, value);
    if (auto* edit = qobject_cast<QLineEdit*>(first)) {
        edit->setText(value.trimmed());
        return true;
    }
    return false;
}

} // namespace quarn::fleet
