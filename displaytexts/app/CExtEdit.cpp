#include "displaytexts/app/CExtEdit.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace tekstor {

CExtEdit::CExtEdit(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(MaxLength);
    // Room for 24 characters and the cursor, so a full text is seen at once.
    setMinimumWidth(fontMetrics().horizontalAdvance(QString(MaxLength + 2, QLatin1Char('W'))));
}

void CExtEdit::replaceBlanks()
{
    const QString current = text();
    if (!current.contains(QLatin1Char(' ')))
        return;
    const int cursor = cursorPosition();
    QString replaced = current;
    replaced.replace(QLatin1Char(' '), BulletChar);
    setText(replaced);
    setCursorPosition(cursor);
}

void CExtEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->text() == QLatin1String(" ")) {
        QKeyEvent bullet(event->type(), event->key(), event->modifiers(), QString(BulletChar),
                         event->isAutoRepeat(), static_cast<ushort>(event->count()));
        QLineEdit::keyPressEvent(&bullet);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CExtEdit::keyReleaseEvent(QKeyEvent* event)
{
    QLineEdit::keyReleaseEvent(event);
    switch (event->key()) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        emit cursorMayHaveMoved();
        break;
    default:
        break;
    }
}

void CExtEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        emit cursorMayHaveMoved();
}

} // namespace tekstor
