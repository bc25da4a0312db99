#pragma once

#include <QDialog>

namespace quarn {

// "Info": the program's name and version and what units it serves.
class AboutBox final : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);

    static QString versionText() { return QStringLiteral("1.13"); }
};

} // namespace quarn
