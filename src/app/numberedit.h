#pragma once

#include <QLineEdit>

#include <functional>

namespace tervano::app {

// The whole-number entry box. Typed characters pass the keystroke filter; a paste and
// leaving the box turn the text into its normal form. The text is the only state.
//
// "Entered" runs when the focus arrives from another control of the window (or at the
// window's first activation), "exited" when the focus leaves for another control of the
// window. Losing the focus to another window or application normalises the text but
// raises neither, and coming back raises nothing.
class NumberEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit NumberEdit(QWidget* parent = nullptr);

    // Sees every character that passed the filter (Enter is "\r"); setting it to NUL
    // swallows it.
    using KeyPressHandler = std::function<void(QChar& key)>;
    void setKeyPressHandler(KeyPressHandler handler) { m_keyPress = std::move(handler); }

    // Gives the box the focus from code; when the focus was elsewhere the entry handler
    // has run before this returns, even while the window is not active.
    void enterFromCode();

    // Between "entered" and "exited".
    bool isEntered() const { return m_entered; }

    // Paste, then the normal form of the whole text at once.
    void pasteNormalized();

signals:
    void entered();
    void exited();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void applyNormalForm();
    bool typeCharacter(QChar typed); // false when the character was dropped or swallowed
    void markEntered();

    KeyPressHandler m_keyPress;
    bool m_entered = false;
};

} // namespace tervano::app
