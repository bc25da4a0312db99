#pragma once

// Shared helpers of the editor tests: images to open dialogs on, and driving a dialog's
// controls the way a user would.
#include "config/register/Register.h"
#include "sim/FactoryTable.h"
#include "tests/support/WidgetHelpers.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTest>

namespace editortest {

// The simulated unit's factory values in every register it transfers.
inline void loadFactoryImage(quarn::Register& image, bool withTelephone = false)
{
    image.telephoneInterface = withTelephone;
    for (int n : quarn::Register::numbers(withTelephone))
        image.registerText(n) = QString::fromLatin1(sim::FactoryTable::value(n));
}

// Every base register (and with the telephone interface every register) eight random hex digits.
inline void loadRandomImage(quarn::Register& image, QRandomGenerator& random, bool withTelephone = false)
{
    static const char hex[] = "0123456789ABCDEF";
    for (int n : quarn::Register::numbers(withTelephone)) {
        QString text;
        for (int k = 0; k < 8; ++k)
            text += QLatin1Char(hex[random.bounded(16)]);
        image.registerText(n) = text;
    }
}

// Every register text in order, to compare an image before and after.
inline QStringList snapshot(const quarn::Register& image)
{
    QStringList out;
    for (int n = 0; n < quarn::Register::TableSize; ++n)
        out << image.registerText(n);
    return out;
}

using ::child; // a control by its object name

inline void click(QWidget* parent, const char* name)
{
    QTest::mouseClick(child<QAbstractButton>(parent, name), Qt::LeftButton);
}

// Clicks a check box or radio button on its indicator (a wide box is not hit in its middle).
inline void tick(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

inline void setText(QWidget* parent, const char* name, const QString& text)
{
    child<QLineEdit>(parent, name)->setText(text);
}

// Shows the dialog as the main window does, without a modal loop.
inline void open(QDialog* dialog)
{
    dialog->show();
    QCoreApplication::processEvents();
}

} // namespace editortest
