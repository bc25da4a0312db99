#pragma once

#include <QComboBox>

namespace quarn {

// The port box: editable, so a typed device path is used as it stands; it tells when its
// list is about to open (the list is refreshed then) and when it has closed.
class PortComboBox final : public QComboBox {
    Q_OBJECT
public:
    explicit PortComboBox(QWidget* parent = nullptr);

    void showPopup() override;
    void hidePopup() override;

signals:
    void popupAboutToShow();
    void popupHidden();

private:
    bool m_popupShown = false;
};

} // namespace quarn
