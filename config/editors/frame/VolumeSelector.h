#pragma once

#include <QWidget>

class QRadioButton;
class QSlider;

namespace quarn {

// A volume digit: "absolute Lautstärke (0...9)" stores the trackbar position 0-9,
// "Offset um X Stufen (+0...+5)" stores the position 0-5 plus 10 (A-F). Choosing one of
// the two sets the trackbar's range.
class VolumeSelector : public QWidget {
    Q_OBJECT
public:
    // namePrefix names the controls: <prefix>Absolute, <prefix>Offset, <prefix>Slider.
    explicit VolumeSelector(const QString& namePrefix, QWidget* parent = nullptr);

    void setDigit(int digit);
    int digit() const;

    QRadioButton* absoluteButton() const { return m_absolute; }
    QRadioButton* offsetButton() const { return m_offset; }
    QSlider* slider() const { return m_slider; }

private:
    void setOffsetMode(bool offset);

    QRadioButton* m_absolute;
    QRadioButton* m_offset;
    QSlider* m_slider;
};

} // namespace quarn
