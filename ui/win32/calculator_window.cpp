#include "ui/win32/calculator_window.h"

#include <commctrl.h>

#include <algorithm>
#include <cstddef>

#include "runtime/text_as_seen.h"
#include "ui/win32/dpi_scaling.h"
#include "ui/win32/program_version.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/whole_characters.h"
#include "ui/win32/wide_text.h"

namespace veltrop {
namespace {

constexpr wchar_t kClassName[] = L"VeltropCalculatorWindow";
// A fixed frame: the layout is absolute and never follows a resize.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
// Posted to itself once the window is on screen.
constexpr UINT kCreateToolTipsMessage = WM_APP + 1;

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

ControlClass ClassFor(const design::ControlRecord& record) {
    const bool centred = record.alignment == design::Alignment::Center;
    switch (record.kind) {
        case design::ControlKind::PushButton:
            // Never BS_DEFPUSHBUTTON: the window has no default button.
            return {WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON, 0};
        case design::ControlKind::TextBox:
            return {
                WC_EDITW,
                DWORD{WS_TABSTOP | ES_AUTOHSCROLL} | (centred ? DWORD{ES_CENTER} : DWORD{ES_LEFT}),
                WS_EX_CLIENTEDGE};
        case design::ControlKind::Label:
            // SS_NOTIFY makes the label answer mouse hit tests, so that its
            // tooltip shows over its whole rectangle even without a caption.
            return {WC_STATICW, DWORD{SS_NOTIFY} | (centred ? DWORD{SS_CENTER} : DWORD{SS_LEFT}),
                    0};
    }
    return {WC_STATICW, 0, 0};
}

RECT DesignPlaceOf(const design::ControlRecord& record, int dpi) {
    const int left = design::TwipsToPixels(record.left, dpi);
    const int top = design::TwipsToPixels(record.top, dpi);
    return {left, top, left + design::TwipsToPixels(record.width, dpi),
            top + design::TwipsToPixels(record.height, dpi)};
}

// Computed here rather than by IntersectRect, one import fewer.
constexpr bool Overlap(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Where the control at this z position goes. The title's bottom row lies on
// the input box's top one in the design, and a label above a framed control
// hides that frame (the box looked open at the top): such a label ends where
// the control begins. Labels carry no frame, so the row they lose is blank.
RECT PlaceOf(std::size_t zPosition, int dpi) {
    const design::ControlRecord& record = design::kReadingOrder[zPosition].Record();
    RECT place = DesignPlaceOf(record, dpi);
    if (record.kind != design::ControlKind::Label) {
        return place;
    }
    for (std::size_t below = zPosition + 1; below < design::kReadingOrder.size(); ++below) {
        const design::ControlRecord& other = design::kReadingOrder[below].Record();
        const RECT otherPlace = DesignPlaceOf(other, dpi);
        if (other.kind != design::ControlKind::Label && Overlap(place, otherPlace) &&
            otherPlace.top > place.top) {
            place.bottom = otherPlace.top;
        }
    }
    return place;
}

void FitDesignClientArea(HWND window, int dpi) {
    FitClientArea(window, design::TwipsToPixels(design::kWindow.clientWidth, dpi),
                  design::TwipsToPixels(design::kWindow.clientHeight, dpi));
}

bool RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(VELTROP_ICON));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(VELTROP_ICON),
                                                        IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), 0));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

CalculatorWindow::CalculatorWindow(HINSTANCE instance) : instance_(instance) {}

CalculatorWindow::~CalculatorWindow() {
    if (window_) {
        closing_ = true;
        DestroyWindow(window_);
    }
}

bool CalculatorWindow::Create(int showCommand) {
    INITCOMMONCONTROLSEX commonControls{sizeof(commonControls),
                                        ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&commonControls);
    if (!RegisterWindowClass(instance_, &CalculatorWindow::WindowProc)) {
        return false;
    }
    // A first guess at the size, made exact below for the DPI of the
    // monitor the window lands on.
    const int dpi = SystemDpi();
    RECT frame{0, 0, design::TwipsToPixels(design::kWindow.clientWidth, dpi),
               design::TwipsToPixels(design::kWindow.clientHeight, dpi)};
    AdjustWindowRectEx(&frame, kWindowStyle, FALSE, 0);
    const std::wstring caption = ToWide(design::kWindow.caption);
    CreateWindowExW(0, kClassName, caption.c_str(), kWindowStyle,
                    design::TwipsToPixels(design::kWindow.designLeft, dpi),
                    design::TwipsToPixels(design::kWindow.designTop, dpi), frame.right - frame.left,
                    frame.bottom - frame.top, nullptr, nullptr, instance_, this);
    if (!window_) {
        return false;
    }
    FitDesignClientArea(window_, WindowDpi(window_));
    // The design position suits a screen of the design's DPI; at a higher
    // one it can leave the window partly off the screen.
    MoveIntoWorkArea(window_);
    events_.Loaded();
    lastFocus_ = ControlHandle("txtInput");
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    // Nobody can rest the mouse on a control before it is on screen: the
    // tooltips wait for the first message after that, off the start-up path.
    PostMessageW(window_, kCreateToolTipsMessage, 0, 0);
    FocusInput();
    return true;
}

HWND CalculatorWindow::ControlHandleAt(std::size_t index) const {
    return index < controls_.size() ? controls_[index] : nullptr;
}

LRESULT CALLBACK CalculatorWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam) {
    CalculatorWindow* self = nullptr;
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        self = static_cast<CalculatorWindow*>(create->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<CalculatorWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    }
    if (!self) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->Destroy();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT CalculatorWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return CreateControls() ? 0 : -1;
        case WM_COMMAND:
            // Only notifications from controls; Return and Escape arrive as
            // IDOK and IDCANCEL without one and click nothing.
            if (lParam != 0 && !closing_) {
                OnCommand(LOWORD(wParam), HIWORD(wParam));
            }
            return 0;
        case WM_ACTIVATE:
            // Give the focus back to the control that had it, as a dialog
            // does (not while minimised).
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focus = GetFocus();
                if (focus && IsChild(window_, focus)) {
                    lastFocus_ = focus;
                }
            } else if (HIWORD(wParam) == 0 && lastFocus_ && IsWindow(lastFocus_) && !closing_) {
                SetFocus(lastFocus_);
                return 0;
            }
            break;
        case DM_GETDEFID:
            // The dialog manager asks for the default button when Return is
            // pressed: the focused button, as in a dialog; with the focus in
            // the input there is none, and Return clicks nothing.
            if (const int id = FocusedButtonId(); id != 0) {
                return MAKELRESULT(id, DC_HASDEFID);
            }
            return 0;
        case kDpiChangedMessage: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            ApplyLayout(LOWORD(wParam));
            return 0;
        }
        case kCreateToolTipsMessage:
            // Without tooltips the calculator still works; it only loses its hints.
            if (!closing_) {
                toolTips_.Create(window_, instance_);
            }
            return 0;
        case WM_CLOSE:
            // The frame's close box: the window goes without any controller
            // operation, and with it the program.
            closing_ = true;
            DestroyWindow(window_);
            return 0;
        case WM_DESTROY:
            closing_ = true;
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

bool CalculatorWindow::CreateControls() {
    // Each control is made in its place and font for the window's DPI: moving
    // it there afterwards costs Wine about a millisecond a control at start.
    // Made in reading order, each below the last: screen readers read the
    // children in z-order and name an edit box after the label just before
    // it, and the dialog manager's Tab walks the tab stops in it.
    const int dpi = WindowDpi(window_);
    fonts_ = FontSet(dpi);
    for (std::size_t zPosition = 0; zPosition < design::kReadingOrder.size(); ++zPosition) {
        const std::size_t index = design::kReadingOrder[zPosition].Index();
        const design::ControlRecord& record = design::kReadingOrder[zPosition].Record();
        const ControlClass controlClass = ClassFor(record);
        const std::wstring caption = ToWide(record.caption);
        const RECT place = PlaceOf(zPosition, dpi);
        const HWND control = CreateWindowExW(
            controlClass.exStyle, controlClass.name, caption.c_str(),
            kChildStyle | controlClass.style, place.left, place.top, place.right - place.left,
            place.bottom - place.top, window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdAt(index))), instance_, nullptr);
        if (!control) {
            return false;
        }
        controls_[index] = control;
        // The window is not shown yet: nothing to redraw.
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(record.font)), FALSE);
        if (record.maxLength > 0) {
            // Limits typing and pasting only; text set by the program is not cut.
            SendMessageW(control, EM_LIMITTEXT, static_cast<WPARAM>(record.maxLength), 0);
        }
        toolTips_.Add(control, record.toolTip);
    }
    return true;
}

void CalculatorWindow::ApplyLayout(int dpi) {
    FontSet fonts(dpi);
    for (std::size_t zPosition = 0; zPosition < design::kReadingOrder.size(); ++zPosition) {
        const std::size_t index = design::kReadingOrder[zPosition].Index();
        const design::ControlRecord& record = design::kReadingOrder[zPosition].Record();
        const RECT place = PlaceOf(zPosition, dpi);
        SetWindowPos(controls_[index], nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(controls_[index], WM_SETFONT, reinterpret_cast<WPARAM>(fonts.Get(record.font)),
                     TRUE);
    }
    // No control uses the previous DPI's fonts any more.
    fonts_ = std::move(fonts);
    FitDesignClientArea(window_, dpi);
}

void CalculatorWindow::OnCommand(int id, int code) {
    // A label with SS_NOTIFY sends STN_CLICKED, which has BN_CLICKED's code:
    // the identifier tells them apart.
    switch (id) {
        case ControlId("txtInput"):
            // When the number is read is the event mapper's rule; this only
            // reports what happened.
            if (code == EN_KILLFOCUS) {
                // The focus has moved already: to a control of this window,
                // or out of it (another window, a message box).
                const HWND to = GetFocus();
                events_.InputFocusLost(to && IsChild(window_, to) ? FocusMove::ToAnotherControl
                                                                  : FocusMove::OutOfWindow);
            } else if (code == EN_CHANGE) {
                DropSplitCharacters(ControlHandle("txtInput"));
                events_.InputTextChanged();
            } else if (code == EN_SETFOCUS) {
                ReleaseDefaultButton();
            }
            break;
        case ControlId("cmdEnter"):
            if (code == BN_CLICKED) {
                events_.EnterClicked();
            }
            break;
        case ControlId("cmdClear"):
            if (code == BN_CLICKED) {
                events_.ClearClicked();
            }
            break;
        case ControlId("cmdExit"):
            if (code == BN_CLICKED) {
                events_.ExitClicked();
            }
            break;
        default:
            break;
    }
}

int CalculatorWindow::FocusedButtonId() const {
    const HWND focus = GetFocus();
    for (std::size_t index = 0; index < controls_.size(); ++index) {
        if (focus && controls_[index] == focus &&
            design::kControls[index].kind == design::ControlKind::PushButton) {
            return GetDlgCtrlID(focus);
        }
    }
    return 0;
}

void CalculatorWindow::ReleaseDefaultButton() {
    // The dialog manager makes a button the default one (its frame drawn
    // thicker) while it has the focus, but does not undo that when the focus
    // goes to the input by a click or by the program.
    for (std::size_t index = 0; index < controls_.size(); ++index) {
        const HWND control = controls_[index];
        if (control && design::kControls[index].kind == design::ControlKind::PushButton &&
            (GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
            SendMessageW(control, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
        }
    }
}

void CalculatorWindow::Destroy() {
    window_ = nullptr;
    controls_.fill(nullptr);
    lastFocus_ = nullptr;
    toolTips_.Detach();
    fonts_ = FontSet{};
}

void CalculatorWindow::SetCaption(design::ControlName name, std::u16string_view text) {
    if (const HWND control = ControlHandle(name)) {
        const std::wstring wide = ToWide(text);
        SetWindowTextW(control, wide.c_str());
    }
}

std::u16string CalculatorWindow::InputText() const {
    const HWND input = ControlHandle("txtInput");
    if (!input) {
        return {};
    }
    const int length = GetWindowTextLengthW(input);
    std::wstring text(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
    const int copied = GetWindowTextW(input, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return runtime::TextAsSeen(FromWide(text));
}

void CalculatorWindow::SetInputText(std::u16string_view text) {
    SetCaption("txtInput", text);
    events_.InputTextChanged();
}

void CalculatorWindow::SetCV17Caption(std::u16string_view caption) {
    SetCaption("lblCV17", caption);
}

void CalculatorWindow::SetCV18Caption(std::u16string_view caption) {
    SetCaption("lblCV18", caption);
}

void CalculatorWindow::SetCopyRightCaption(std::u16string_view caption) {
    SetCaption("lblCopyRight", caption);
}

void CalculatorWindow::SetCopyRightToolTip(std::u16string_view toolTip) {
    if (const HWND label = ControlHandle("lblCopyRight")) {
        toolTips_.SetText(label, toolTip);
    }
}

void CalculatorWindow::FocusInput() {
    if (const HWND input = ControlHandle("txtInput")) {
        SetFocus(input);
    }
}

void CalculatorWindow::ShowMessageBox(std::u16string_view text, std::u16string_view title,
                                      int style) {
    const std::wstring wideText = ToWide(text);
    const std::wstring wideTitle = ToWide(title);
    MessageBoxW(window_, wideText.c_str(), wideTitle.c_str(), static_cast<UINT>(style));
}

VersionNumbers CalculatorWindow::ProgramVersion() const {
    return ReadProgramVersion();
}

void CalculatorWindow::CloseWindow() {
    // Destroys the window only: this object, and the controller running the
    // operation that asked, live on until the message loop has ended.
    if (window_) {
        closing_ = true;
        DestroyWindow(window_);
    }
}

void CalculatorWindow::EndProgram() {
    PostQuitMessage(0);
}

}  // namespace veltrop
