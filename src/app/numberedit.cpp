#include "app/numberedit.h"

#include "app/numberentry.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>

#include <memory>

namespace tervano::app {

NumberEdit::NumberEdit(QWidget* parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Until the box is first entered it shows the normal form of an empty entry.
    setText(QStringLiteral("0"));
}

void NumberEdit::applyNormalForm()
{
    const QString normal = numberentry::normalized(text());
    if (normal != text())
        setText(normal);
}

void NumberEdit::pasteNormalized()
{
    paste();
    applyNormalForm();
}

void NumberEdit::markEntered()
{
    if (m_entered)
        return;
    m_entered = true;
    emit entered();
}

void NumberEdit::enterFromCode()
{
    setFocus(Qt::OtherFocusReason);
    markEntered();
}

bool NumberEdit::typeCharacter(QChar typed)
{
    if (typed.unicode() >= 32) {
        const qsizetype caret = hasSelectedText() ? selectionStart() : cursorPosition();
        if (!numberentry::acceptsKeystroke(typed, text(), caret, selectedText().size()))
            return false;
    }
    if (m_keyPress) {
        QChar key = typed;
        m_keyPress(key);
        if (key.isNull())
            return false;
    }
    return true;
}

void NumberEdit::keyPressEvent(QKeyEvent* event)
{
    // Shortcuts (Ctrl+V, Ctrl+C, ...) are no typed characters: the edit control handles them.
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)
                          && !(event->modifiers() & Qt::AltModifier);
    const QString typed = shortcut && !(event->text().size() == 1 && event->text().front().unicode() < 32)
                              ? QString()
                              : event->text();
    if (typed.size() == 1) {
        if (!typeCharacter(typed.front())) {
            event->accept();
            return;
        }
    } else if (typed.size() > 1) {
        // Several characters from one key (dead keys, some layouts): judged one by one.
        for (QChar c : typed)
            if (typeCharacter(c) && c.unicode() >= 32)
                insert(QString(c));
        event->accept();
        return;
    }
    const bool pasting = event->matches(QKeySequence::Paste);
    QLineEdit::keyPressEvent(event);
    if (pasting)
        applyNormalForm();
}

void NumberEdit::inputMethodEvent(QInputMethodEvent* event)
{
    if (event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    for (QChar c : event->commitString())
        if (typeCharacter(c) && c.unicode() >= 32)
            insert(QString(c));
    event->accept();
}

void NumberEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // Coming back from a popup (the context menu) or another window is not an entry.
    if (event->reason() != Qt::PopupFocusReason)
        markEntered();
}

void NumberEdit::focusOutEvent(QFocusEvent* event)
{
    if (event->reason() == Qt::PopupFocusReason) {
        QLineEdit::focusOutEvent(event);
        return;
    }
    applyNormalForm();
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && m_entered) {
        m_entered = false;
        emit exited();
    }
}

void NumberEdit::contextMenuEvent(QContextMenuEvent* event)
{
    std::unique_ptr<QMenu> menu(createStandardContextMenu());
    // The toolkit's menu names its actions only by their (translated) texts.
    const QString pasteText = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        if (action->text().section(u'\t', 0, 0) == pasteText) {
            action->setObjectName(QStringLiteral("edit-paste"));
            connect(action, &QAction::triggered, this, &NumberEdit::applyNormalForm);
        }
    }
    menu->exec(event->globalPos());
}

void NumberEdit::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    // The X11 selection paste with the middle button is a paste like any other.
    if (event->button() == Qt::MiddleButton)
        applyNormalForm();
}

void NumberEdit::dropEvent(QDropEvent* event)
{
    QLineEdit::dropEvent(event);
    applyNormalForm();
}

} // namespace tervano::app
