#pragma once

#include <QClipboard>
#include <QLineEdit>

namespace veltrop {

// txtInput: a one-line text box that takes text the way a native single-line
// box does. It accepts no drops, which would change its text without the
// focus ever entering or leaving it (and so without the number being read),
// and pasted text keeps only its first line before the length limit applies.
// The limit never leaves half a character. Typing is a plain QLineEdit's.
class InputBox : public QLineEdit {
    Q_OBJECT

public:
    explicit InputBox(const QString& text, QWidget* parent = nullptr);

    // The text up to its first line break (CR or LF).
    static QString FirstLine(const QString& text);

public slots:
    // Hides QLineEdit::paste: Qt 6.4's standard context menu reaches Paste
    // through the slot's name, which now finds this one.
    void paste();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void PasteFirstLine(QClipboard::Mode mode);
};

}  // namespace veltrop
