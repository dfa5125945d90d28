#include "ui/qt/input_box.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include "ui/qt/whole_character_validator.h"

namespace veltrop {

InputBox::InputBox(const QString& text, QWidget* parent) : QLineEdit(text, parent) {
    setAcceptDrops(false);
    setValidator(new WholeCharacterValidator(this));
}

QString InputBox::FirstLine(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            return text.left(i);
        }
    }
    return text;
}

void InputBox::PasteFirstLine(QClipboard::Mode mode) {
    if (isReadOnly()) {
        return;
    }
    const QString line = FirstLine(QGuiApplication::clipboard()->text(mode));
    // As a plain paste: nothing to paste and nothing selected changes nothing.
    if (!line.isEmpty() || hasSelectedText()) {
        insert(line);  // replaces the selection; the length limit cuts the rest
    }
}

void InputBox::paste() {
    PasteFirstLine(QClipboard::Clipboard);
}

void InputBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        // Ctrl+Shift+Insert pastes the selection where the desktop has one.
        const bool selection = event->key() == Qt::Key_Insert &&
                               event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier) &&
                               QGuiApplication::clipboard()->supportsSelection();
        PasteFirstLine(selection ? QClipboard::Selection : QClipboard::Clipboard);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void InputBox::mouseReleaseEvent(QMouseEvent* event) {
    // The middle button pastes the desktop's selection (X11 and Wayland).
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        PasteFirstLine(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void InputBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Later Qt versions connect the menu's Paste to QLineEdit::paste itself.
    for (QAction* action : menu->actions()) {
        if (disconnect(action, &QAction::triggered, this, &QLineEdit::paste)) {
            connect(action, &QAction::triggered, this, &InputBox::paste);
        }
    }
    menu->popup(event->globalPos());
}

}  // namespace veltrop
