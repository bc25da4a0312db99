#pragma once

#include <QApplication>
#include <QDialog>
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

// Presses a key (Escape to leave) on the modal dialog that is about to open.
inline void pressOnNextModal(Qt::Key key)
{
    whenModal([key](QDialog* dialog) { QTest::keyClick(dialog, key); });
}
