#pragma once

#include <QWidget>
#include <array>
#include <string>
#include <string_view>

#include "calc/calculator_controller.h"
#include "calc/calculator_view.h"
#include "calc/window_events.h"
#include "ui/design_record.h"
#include "ui/qt/foreign_destroy_watch.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace veltrop {

// The calculator window frmVeltrop, built from the design record. It shows
// what its controller asks through CalculatorView and reports its native
// events to the event mapper (WindowEvents): load (at construction), the
// input's text changing and its focus loss, and clicks on cmdEnter, cmdClear
// and cmdExit.
//
// A plain QWidget rather than a QDialog, so Return and Escape click nothing.
class CalculatorWindow : public QWidget, public CalculatorView {
    Q_OBJECT

public:
    explicit CalculatorWindow(QWidget* parent = nullptr);
    ~CalculatorWindow() override;

    CalculatorWindow(const CalculatorWindow&) = delete;
    CalculatorWindow& operator=(const CalculatorWindow&) = delete;

    const CalculatorController& Controller() const { return controller_; }

    // CalculatorView
    std::u16string InputText() const override;
    void SetInputText(std::u16string_view text) override;
    void SetCV17Caption(std::u16string_view caption) override;
    void SetCV18Caption(std::u16string_view caption) override;
    void SetCopyRightCaption(std::u16string_view caption) override;
    void SetCopyRightToolTip(std::u16string_view toolTip) override;
    void FocusInput() override;
    void ShowMessageBox(std::u16string_view text, std::u16string_view title, int style) override;
    VersionNumbers ProgramVersion() const override;
    void CloseWindow() override;
    void EndProgram() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    // A control by its design name, which the compiler checks.
    template <typename T>
    T* Control(design::ControlName name) const {
        return qobject_cast<T*>(controls_.at(name.Index()));
    }
    void ConnectEvents();
    void SetResultCaption(design::ControlName name, std::u16string_view caption);

    // In the design's order.
    std::array<QWidget*, design::kControls.size()> controls_{};
    QLineEdit* input_ = nullptr;
    QLabel* copyRight_ = nullptr;
    QPushButton* enter_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* exit_ = nullptr;
    // Set once destruction begins: no event may reach the controller then.
    bool tearingDown_ = false;
    CalculatorController controller_;
    WindowEvents events_{controller_};
    ForeignDestroyWatch destroyWatch_{*this};
};

}  // namespace veltrop
