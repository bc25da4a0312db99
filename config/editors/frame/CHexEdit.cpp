#include "config/editors/frame/CHexEdit.h"

#include "config/editors/frame/FieldEdit.h"
#include "platform/UserDialogs.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

namespace quarn {

namespace {

bool isHexLetterOrDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'F') || (u >= u'a' && u <= u'f');
}

// Like strtoul with saturation at the 32-bit limit; parses leading digits only.
quint32 leadingUnsigned(const QString& text, int base)
{
    quint64 v = 0;
    for (QChar c : text) {
        int d = -1;
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9')
            d = u - u'0';
        else if (base == 16 && u >= u'A' && u <= u'F')
            d = u - u'A' + 10;
        else if (base == 16 && u >= u'a' && u <= u'f')
            d = u - u'a' + 10;
        if (d < 0)
            break;
        v = v * base + d;
        if (v > 0xFFFFFFFFull)
            return 0xFFFFFFFFu;
    }
    return static_cast<quint32>(v);
}

} // namespace

CHexEdit::CHexEdit(QWidget* parent) : QLineEdit(parent)
{
    // Drops would bypass the typing filter.
    setAcceptDrops(false);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& t) {
        m_hexMode = t.startsWith(QLatin1String("0x"));
        for (QChar c : t) {
            if (c.unicode() >= u'A' && c.unicode() <= u'F')
                m_hexMode = true;
        }
    });
}

bool CHexEdit::passesCharacterCheck(const QString& text)
{
    qsizetype i = 0;
    if (text.size() >= 2 && text.at(0) == QLatin1Char('0') &&
        (text.at(1) == QLatin1Char('x') || text.at(1) == QLatin1Char('X')))
        i = 2;
    for (; i < text.size(); ++i) {
        if (!isHexLetterOrDigit(text.at(i)))
            return false;
    }
    return true;
}

bool CHexEdit::admits(const QString& text) const
{
    if (m_registerDigits && text.size() >= 2 &&
        (text.at(1) == QLatin1Char('x') || text.at(1) == QLatin1Char('X')))
        return false;
    return passesCharacterCheck(text);
}

QString CHexEdit::normalised(const QString& text)
{
    QString out = text.toUpper();
    out.replace(QLatin1Char('X'), QLatin1Char('x'));
    return out;
}

bool CHexEdit::hasPrefix() const
{
    return text().startsWith(QLatin1String("0x"));
}

bool CHexEdit::removalBreaksPrefix(int from, int to) const
{
    return hasPrefix() && from <= 1 && to > 1;
}

bool CHexEdit::selectionBreaksPrefix() const
{
    if (!hasSelectedText())
        return false;
    const int start = selectionStart();
    return removalBreaksPrefix(start, start + static_cast<int>(selectedText().size()));
}

QString CHexEdit::clipboardText() const
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->text() : QString();
}

bool CHexEdit::normaliseClipboard()
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) {
        platform::showMessage(this, FieldEdit::frameworkCaption(), QStringLiteral("Cannot open clipboard!"));
        return false;
    }
    const QString t = clipboard->text();
    const QString n = normalised(t);
    if (n != t)
        clipboard->setText(n);
    return true;
}

void CHexEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste)) {
        const QString clip = clipboardText();
        // The pasted text takes the field's case rules too, so the field never holds lower case.
        if (!clip.isEmpty() && admits(clip) && !selectionBreaksPrefix() && normaliseClipboard())
            paste();
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        if (!selectionBreaksPrefix())
            QLineEdit::keyPressEvent(event);
        return;
    }
    if (hasPrefix() &&
        (event->matches(QKeySequence::DeleteStartOfWord) || event->matches(QKeySequence::DeleteEndOfWord) ||
         event->matches(QKeySequence::DeleteCompleteLine) || event->matches(QKeySequence::DeleteEndOfLine)))
        return; // these would take the whole word "0x..." away
    if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) {
        if (hasSelectedText()) {
            if (selectionBreaksPrefix())
                return;
        } else {
            const int c = cursorPosition();
            const bool back = event->key() == Qt::Key_Backspace;
            if (back ? removalBreaksPrefix(c - 1, c) : removalBreaksPrefix(c, c + 1))
                return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }

    const QString typed = event->text();
    if (typed.isEmpty() || typed.at(0).unicode() < 0x20 || typed.at(0).unicode() == 0x7f) {
        QLineEdit::keyPressEvent(event); // navigation, control keys and shortcuts
        return;
    }
    if (typed.size() != 1 || selectionBreaksPrefix())
        return;
    const QChar c = typed.at(0);
    QString accepted;
    if (isHexLetterOrDigit(c)) {
        accepted = c.toUpper();
    } else if (!m_registerDigits && (c == QLatin1Char('x') || c == QLatin1Char('X')) &&
               cursorPosition() == 1 && text().startsWith(QLatin1Char('0')) && !hasPrefix() &&
               !hasSelectedText()) {
        accepted = QStringLiteral("x");
    } else {
        return;
    }
    QKeyEvent replaced(event->type(), event->key(), event->modifiers(), accepted, event->isAutoRepeat(),
                       static_cast<ushort>(event->count()));
    QLineEdit::keyPressEvent(&replaced);
}

QMenu* CHexEdit::createHexContextMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent ? parent : this);
    const bool readOnly = isReadOnly();
    const bool selected = hasSelectedText();
    const QString clip = clipboardText();

    QAction* undoAction = menu->addAction(tr("&Undo"), this, [this] {
        if (normaliseClipboard())
            undo();
    });
    undoAction->setEnabled(isUndoAvailable() && !readOnly);
    menu->addSeparator();
    QAction* cutAction = menu->addAction(tr("Cu&t"), this, [this] {
        if (normaliseClipboard())
            cut();
    });
    cutAction->setEnabled(selected && !readOnly && !selectionBreaksPrefix());
    QAction* copyAction = menu->addAction(tr("&Copy"), this, [this] {
        if (normaliseClipboard())
            copy();
    });
    copyAction->setEnabled(selected);
    QAction* pasteAction = menu->addAction(tr("&Paste"), this, [this] {
        if (normaliseClipboard())
            paste();
    });
    pasteAction->setEnabled(!clip.isEmpty() && !readOnly && admits(clip));
    QAction* deleteAction = menu->addAction(tr("&Delete"), this, [this] {
        if (normaliseClipboard())
            del();
    });
    deleteAction->setEnabled(selected && !readOnly && !selectionBreaksPrefix());
    menu->addSeparator();
    QAction* selectAllAction = menu->addAction(tr("Select &All"), this, &QLineEdit::selectAll);
    selectAllAction->setEnabled(!text().isEmpty() && selectedText() != text());
    if (m_registerDigits)
        return menu;
    menu->addSeparator();
    QAction* convertAction = menu->addAction(tr("Con&vert"), this, &CHexEdit::convert);
    convertAction->setEnabled(!text().isEmpty() && text() != QLatin1String("0x"));
    return menu;
}

void CHexEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createHexContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void CHexEdit::convert()
{
    if (m_registerDigits)
        return;
    const QString t = text();
    QString converted;
    if (m_hexMode) {
        const QString digits = hasPrefix() ? t.mid(2) : t;
        converted = QString::number(leadingUnsigned(digits, 16));
    } else {
        converted = QStringLiteral("0x") + QString::number(leadingUnsigned(t.trimmed(), 10), 16).toUpper();
    }
    // The whole result is shown; a field check refuses it later if it is too long for its digits.
    if (converted.size() > maxLength())
        setMaxLength(static_cast<int>(converted.size()));
    setText(converted);
}

} // namespace quarn
