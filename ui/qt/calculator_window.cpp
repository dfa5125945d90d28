#include "ui/qt/calculator_window.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <array>

#include "res/version.h"
#include "runtime/text_as_seen.h"
#include "ui/design_record.h"
#include "ui/qt/design_to_qt.h"
#include "ui/qt/input_box.h"
#include "ui/qt/message_box_style.h"

namespace veltrop {
namespace {

QWidget* CreateControl(const design::ControlRecord& record, QWidget* parent) {
    const QString caption = ToQString(record.caption);
    QWidget* widget = nullptr;
    switch (record.kind) {
        case design::ControlKind::PushButton: {
            auto* button = new QPushButton(caption, parent);
            // Neither default nor auto-default: Return clicks no button.
            button->setAutoDefault(false);
            button->setDefault(false);
            // A mouse click must take the focus from txtInput before it
            // counts, so the number is read first (not every platform's
            // default policy does).
            button->setFocusPolicy(Qt::StrongFocus);
            widget = button;
            break;
        }
        case design::ControlKind::TextBox: {
            auto* edit = new InputBox(caption, parent);
            if (record.maxLength > 0) {
                // Also cuts text set by the program, which the design leaves
                // unlimited; the program only ever sets the empty text.
                edit->setMaxLength(record.maxLength);
            }
            edit->setAlignment(AlignmentFromRecord(record.alignment, record.kind));
            widget = edit;
            break;
        }
        case design::ControlKind::Label: {
            auto* label = new QLabel(caption, parent);
            label->setAlignment(AlignmentFromRecord(record.alignment, record.kind));
            label->setWordWrap(true);
            label->setTextFormat(Qt::PlainText);
            widget = label;
            break;
        }
    }
    widget->setObjectName(ToQString(record.name));
    widget->setGeometry(GeometryFromRecord(record));
    widget->setFont(FontFromRecord(record.font));
    widget->setToolTip(ToQString(record.toolTip));
    return widget;
}

QString ResultAccessibleName(const QLabel& prompt, const QString& value) {
    QString base = prompt.text();
    while (base.endsWith(u'=') || base.endsWith(u' ')) {
        base.chop(1);
    }
    const QString shown = value.trimmed();
    return shown.isEmpty() ? base + QStringLiteral(", no value")
                           : base + QStringLiteral(" = ") + shown;
}

}  // namespace

CalculatorWindow::CalculatorWindow(QWidget* parent) : QWidget(parent), controller_(*this) {
    setObjectName(ToQString(design::kWindow.name));
    setWindowTitle(ToQString(design::kWindow.caption));
    setFont(FontFromRecord(design::kWindow.font));
    setFixedSize(ClientSizeFromRecord(design::kWindow));

    BuildControls();
    events_.Loaded();
    ConnectEvents();
    // Without this the focus chain could start at another control.
    input_->setFocus(Qt::OtherFocusReason);
}

CalculatorWindow::~CalculatorWindow() {
    // Destroying a window whose txtInput has the focus moves the focus out
    // of it after this object's members are gone: stop listening first.
    tearingDown_ = true;
    input_->removeEventFilter(this);
    input_->disconnect(this);
    for (QPushButton* button : {enter_, clear_, exit_}) {
        button->removeEventFilter(this);
        button->disconnect(this);
    }
}

void CalculatorWindow::BuildControls() {
    for (std::size_t i = 0; i < design::kControls.size(); ++i) {
        controls_.at(i) = CreateControl(design::kControls[i], this);
    }
    input_ = Control<QLineEdit>("txtInput");
    enter_ = Control<QPushButton>("cmdEnter");
    clear_ = Control<QPushButton>("cmdClear");
    exit_ = Control<QPushButton>("cmdExit");
    copyRight_ = Control<QLabel>("lblCopyRight");

    // Native controls with windows of their own sit above the labels, so
    // the button owns the row where it overlaps the version label.
    for (std::size_t i = 0; i < design::kControls.size(); ++i) {
        if (design::kControls[i].kind != design::ControlKind::Label) {
            controls_.at(i)->raise();
        }
    }

    // Keyboard focus follows the tab indexes; labels never take it.
    const auto order = design::TabOrder();
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(controls_.at(order.at(i - 1)), controls_.at(order.at(i)));
    }

    for (const design::Prompt& pair : design::kPrompts) {
        Control<QLabel>(pair.prompt)->setBuddy(controls_.at(pair.control.Index()));
    }
}

void CalculatorWindow::ConnectEvents() {
    input_->installEventFilter(this);
    for (QPushButton* button : {enter_, clear_, exit_}) {
        button->installEventFilter(this);
    }
    // Each native event goes to the event mapper as it comes; when the box
    // is read is the mapper's rule.
    connect(enter_, &QPushButton::clicked, this, [this] { events_.EnterClicked(); });
    connect(clear_, &QPushButton::clicked, this, [this] { events_.ClearClicked(); });
    connect(exit_, &QPushButton::clicked, this, [this] { events_.ExitClicked(); });
    connect(input_, &QLineEdit::textChanged, this, [this] { events_.InputTextChanged(); });
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (!tearingDown_ && event->type() == QEvent::KeyPress) {
        // Return clicks the focused button, as on every desktop; the window
        // still has no default button, so Return in the box clicks nothing.
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button != nullptr && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            button->click();
            return true;
        }
    }
    if (!tearingDown_ && watched == input_ && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool leftWithWindow =
            reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
        events_.InputFocusLost(leftWithWindow ? FocusMove::OutOfWindow
                                              : FocusMove::ToAnotherControl);
    }
    return QWidget::eventFilter(watched, event);
}

std::u16string CalculatorWindow::InputText() const {
    return runtime::TextAsSeen(input_->text().toStdU16String());
}

void CalculatorWindow::SetInputText(std::u16string_view text) {
    input_->setText(ToQString(text));
}

void CalculatorWindow::SetCV17Caption(std::u16string_view caption) {
    SetResultCaption("lblCV17", caption);
}

void CalculatorWindow::SetCV18Caption(std::u16string_view caption) {
    SetResultCaption("lblCV18", caption);
}

void CalculatorWindow::SetResultCaption(design::ControlName name, std::u16string_view caption) {
    const QString text = ToQString(caption);
    QLabel* result = Control<QLabel>(name);
    result->setText(text);
    if (const design::Prompt* pair = design::PromptFor(name)) {
        result->setAccessibleName(ResultAccessibleName(*Control<QLabel>(pair->prompt), text));
    }
}

void CalculatorWindow::SetCopyRightCaption(std::u16string_view caption) {
    copyRight_->setText(ToQString(caption));
}

void CalculatorWindow::SetCopyRightToolTip(std::u16string_view toolTip) {
    const QString text = ToQString(toolTip);
    copyRight_->setToolTip(text);
    // The blank label's only content is its tooltip; let a screen reader
    // speak it as the label's name.
    copyRight_->setAccessibleName(text.trimmed());
}

void CalculatorWindow::FocusInput() {
    input_->setFocus(Qt::OtherFocusReason);
}

void CalculatorWindow::ShowMessageBox(std::u16string_view text, std::u16string_view title,
                                      int style) {
    QMessageBox box(MessageBoxIconForStyle(style), ToQString(title), ToQString(text),
                    QMessageBox::Ok, this);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

VersionNumbers CalculatorWindow::ProgramVersion() const {
    return {static_cast<std::int16_t>(version::kMajor), static_cast<std::int16_t>(version::kMinor),
            static_cast<std::int16_t>(version::kRevision)};
}

void CalculatorWindow::CloseWindow() {
    // Hides the window but keeps it and the controller alive: the
    // controller still runs after this returns.
    close();
}

void CalculatorWindow::EndProgram() {
    // Leaves the event loop once the current event is done; the window is
    // destroyed by its owner after that.
    QCoreApplication::quit();
}

}  // namespace veltrop
