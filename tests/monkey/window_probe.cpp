#include "window_probe.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "calc/extended_address.h"
#include "runtime/text_as_seen.h"
#include "ui/design_record.h"
#include "ui/qt/calculator_window.h"
#include "window_invariants.h"

namespace veltrop::testing {
namespace {

QString Name(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

template <typename T>
T* Find(const QWidget& window, std::string_view name) {
    return window.findChild<T*>(Name(name), Qt::FindDirectChildrenOnly);
}

std::u16string Text(const QString& text) {
    return text.toStdU16String();
}

}  // namespace

WindowProbe::WindowProbe(CalculatorWindow& window)
    : window_(window),
      input_(Find<QLineEdit>(window, "txtInput")),
      cv17_(Find<QLabel>(window, "lblCV17")),
      cv18_(Find<QLabel>(window, "lblCV18")),
      copyRight_(Find<QLabel>(window, "lblCopyRight")) {
    // A button emits released right before clicked, with nothing between:
    // the text at released is the text the click finds. The window's own
    // handler of clicked runs before this one.
    const QAbstractButton* enter = Find<QAbstractButton>(window, "cmdEnter");
    released_ = QObject::connect(enter, &QAbstractButton::released,
                                 [this] { textAtClick_ = input_->text(); });
    clicked_ = QObject::connect(enter, &QAbstractButton::clicked, [this] {
        ++enterClicks_;
        CheckEnterClick();
    });
}

WindowProbe::~WindowProbe() {
    QObject::disconnect(released_);
    QObject::disconnect(clicked_);
}

void WindowProbe::CheckEnterClick() {
    // The click's operation never changes the number it works on.
    const std::int16_t read = window_.Controller().State().LocoNumber;
    const std::int16_t shown = ParseLocoNumber(runtime::TextAsSeen(Text(textAtClick_)));
    if (read != shown && enterFault_.isEmpty()) {
        enterFault_ = QStringLiteral("Enter clicked with the number %1 while the box holds '%2'")
                          .arg(read)
                          .arg(textAtClick_);
    }
}

WindowSnapshot WindowProbe::Take() const {
    WindowSnapshot shot;
    shot.input = input_->text();
    shot.cv17 = cv17_->text();
    shot.cv18 = cv18_->text();
    for (const design::ControlRecord& record : design::kControls) {
        if (record.name == "lblCV17" || record.name == "lblCV18" || record.name == "txtInput") {
            continue;
        }
        if (const auto* label = Find<QLabel>(window_, record.name)) {
            shot.otherCaptions << label->text();
        } else if (const auto* button = Find<QAbstractButton>(window_, record.name)) {
            shot.otherCaptions << button->text();
        }
    }
    shot.copyRightToolTip = copyRight_->toolTip();
    shot.title = window_.windowTitle();
    shot.inputHasFocus = window_.focusWidget() == input_;
    shot.visible = window_.isVisible();
    return shot;
}

QString WindowProbe::Check(const WindowSnapshot& before, const WindowSnapshot& after,
                           const EventOutcome& outcome) {
    const int capacity = design::Control("txtInput").maxLength;
    if (after.input.size() > capacity) {
        return QStringLiteral("the input holds more than %1 characters").arg(capacity);
    }
    if (!CaptionsConsistent(Text(after.cv17), Text(after.cv18))) {
        return QStringLiteral("the results '%1' and '%2' belong to no number from 1 to 9999")
            .arg(after.cv17, after.cv18);
    }
    if (after.otherCaptions != before.otherCaptions || after.title != before.title ||
        after.copyRightToolTip != before.copyRightToolTip) {
        return QStringLiteral("a caption, the title or the version tooltip changed");
    }
    if (!after.visible && !outcome.mayClose) {
        return QStringLiteral("the window closed");
    }
    if (outcome.errorBoxes > 1) {
        return QStringLiteral("%1 error boxes for one event").arg(outcome.errorBoxes);
    }
    if (outcome.errorBoxes == 1) {
        if (!after.input.isEmpty() || !after.inputHasFocus) {
            return QStringLiteral("after the error the input is not empty and focused");
        }
        if (after.cv17 != before.cv17 || after.cv18 != before.cv18) {
            return QStringLiteral("the error changed the results");
        }
    }
    if (after.cv17 != before.cv17 || after.cv18 != before.cv18) {
        if (after.cv17.isEmpty()) {
            if (!outcome.mayClear) {
                return QStringLiteral("the results were emptied without Clear");
            }
        } else if (NumberShownBy(Text(after.cv17), Text(after.cv18)) != outcome.acceptedNumber) {
            return QStringLiteral("the results show another number than %1")
                .arg(outcome.acceptedNumber);
        }
    }
    return {};
}

}  // namespace veltrop::testing
