#pragma once

#include <QApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QObject>
#include <QTest>
#include <QTimer>
#include <functional>

// The control of a window by its objectName; a test without it cannot go on.
template <class T = QWidget> T* child(const QObject* parent, const char* name)
{
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}
template <class T = QWidget> T* child(const QObject& parent, const char* name)
{
    return child<T>(&parent, name);
}

// Handles the next modal dialog from inside its event loop. Without a dialog there is
// nothing to handle; the test sees that by its effects.
inline void whenModal(std::function<void(QDialog*)> handle)
{
    QTimer::singleShot(0, [handle] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            handle(dialog);
    });
}

// Runs then on the next modal dialog, opened by the click that follows, from inside its event
// loop; a click that opens none fails the test.
inline void onNextModal(QObject* context, std::function<void(QDialog*)> then)
{
    QTimer::singleShot(0, context, [then] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        then(dialog);
    });
}

// A control losing the focus, as when the user tabs on.
inline void focusOut(QWidget* w)
{
    QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(w, &event);
}

// Presses a key (Escape to leave) on the modal dialog that is about to open.
inline void pressOnNextModal(Qt::Key key)
{
    whenModal([key](QDialog* dialog) { QTest::keyClick(dialog, key); });
}
