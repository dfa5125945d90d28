// The window as built from the design record: classes, identifiers, styles,
// fonts and geometry, at the default DPI and after a DPI change.
#include <windows.h>

#include <commctrl.h>

#include <cstddef>
#include <string>

#include "calculator_window_fixture.h"
#include "ui/design_record.h"
#include "ui/win32/dpi_scaling.h"

namespace veltrop::testing {
namespace {

using design::ControlKind;

std::wstring ClassOf(HWND window) {
    wchar_t name[64]{};
    GetClassNameW(window, name, 64);
    return name;
}

int Scaled(int twips, int dpi) {
    return MulDiv(twips, dpi, design::kTwipsPerInch);
}

class LayoutTest : public CalculatorWindowTest {
protected:
    std::string NameOf(HWND control) const {
        for (const design::ControlRecord& record : design::kControls) {
            if (Control(record.name) == control) {
                return std::string(record.name);
            }
        }
        return "a control not in the design";
    }

    // Every control where the record puts it, and the client area its size.
    void ExpectGeometry(int dpi) {
        RECT client{};
        GetClientRect(window_.Handle(), &client);
        EXPECT_EQ(client.right, Scaled(design::kWindow.clientWidth, dpi));
        EXPECT_EQ(client.bottom, Scaled(design::kWindow.clientHeight, dpi));
        for (const design::ControlRecord& record : design::kControls) {
            SCOPED_TRACE(std::string(record.name) + " at " + std::to_string(dpi) + " dpi");
            const HWND control = Control(record.name);
            RECT rect{};
            GetWindowRect(control, &rect);
            MapWindowPoints(nullptr, window_.Handle(), reinterpret_cast<POINT*>(&rect), 2);
            EXPECT_EQ(rect.left, Scaled(record.left, dpi));
            EXPECT_EQ(rect.top, Scaled(record.top, dpi));
            EXPECT_EQ(rect.right - rect.left, Scaled(record.width, dpi));
            // A label may give up its bottom design pixel to a framed control
            // it would otherwise cover; the overlap test below says which.
            const int height = Scaled(record.height, dpi);
            EXPECT_LE(rect.bottom - rect.top, height);
            EXPECT_GE(rect.bottom - rect.top,
                      record.kind == ControlKind::Label
                          ? height - Scaled(design::kTwipsPerPixelAt96Dpi, dpi)
                          : height);

            const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
            LOGFONTW logFont{};
            ASSERT_NE(GetObjectW(font, sizeof(logFont), &logFont), 0);
            EXPECT_EQ(std::wstring(logFont.lfFaceName), L"Arial");
            EXPECT_EQ(logFont.lfWeight, record.font.weight);
            EXPECT_EQ(logFont.lfHeight, -design::FontPixelSize(record.font, dpi));
            EXPECT_EQ(logFont.lfCharSet, record.font.charset);
            EXPECT_FALSE(logFont.lfItalic || logFont.lfUnderline || logFont.lfStrikeOut);
        }
    }
};

TEST_F(LayoutTest, WindowCaptionAndGeometryAtDefaultDpi) {
    wchar_t caption[64]{};
    GetWindowTextW(window_.Handle(), caption, 64);
    EXPECT_EQ(std::wstring(caption), L"Veltrop");
    ExpectGeometry(kDefaultDpi);
}

TEST_F(LayoutTest, DpiChangeScalesGeometryAndFonts) {
    for (const int dpi : {144, 192, 96}) {
        RECT suggested{};
        GetWindowRect(window_.Handle(), &suggested);
        SendMessageW(window_.Handle(), kDpiChangedMessage, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        ExpectGeometry(dpi);
    }
}

// Where two controls overlap, the upper one in z-order paints the shared
// pixels. Nothing may lie over a framed control (button, input box), whose
// frame it would hide; only a label's blank edge may be covered.
TEST_F(LayoutTest, NoControlHidesAnother) {
    for (const int dpi : {96, 192}) {
        RECT suggested{};
        GetWindowRect(window_.Handle(), &suggested);
        SendMessageW(window_.Handle(), kDpiChangedMessage, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        for (HWND upper = GetWindow(window_.Handle(), GW_CHILD); upper;
             upper = GetWindow(upper, GW_HWNDNEXT)) {
            for (HWND lower = GetWindow(upper, GW_HWNDNEXT); lower;
                 lower = GetWindow(lower, GW_HWNDNEXT)) {
                RECT upperRect{};
                RECT lowerRect{};
                RECT overlap{};
                GetWindowRect(upper, &upperRect);
                GetWindowRect(lower, &lowerRect);
                if (!IsWindowVisible(upper) || !IsWindowVisible(lower) ||
                    !IntersectRect(&overlap, &upperRect, &lowerRect)) {
                    continue;
                }
                SCOPED_TRACE(NameOf(upper) + " over " + NameOf(lower) + " at " +
                             std::to_string(dpi) + " dpi");
                EXPECT_EQ(ClassOf(lower), L"Static");
            }
        }
    }
}

TEST_F(LayoutTest, ControlKindsStylesAndIdentifiers) {
    for (std::size_t index = 0; index < design::kControls.size(); ++index) {
        const design::ControlRecord& record = design::kControls[index];
        SCOPED_TRACE(std::string(record.name));
        const HWND control = Control(record.name);
        ASSERT_NE(control, nullptr);
        const int id = GetDlgCtrlID(control);
        // The dialog manager sends IDOK and IDCANCEL for Return and Escape.
        EXPECT_NE(id, IDOK);
        EXPECT_NE(id, IDCANCEL);
        EXPECT_EQ(GetDlgItem(window_.Handle(), id), control) << "identifier not unique";
        const LONG style = GetWindowLongW(control, GWL_STYLE);
        const bool centred = record.alignment == design::Alignment::Center;
        switch (record.kind) {
            case ControlKind::PushButton:
                EXPECT_EQ(ClassOf(control), L"Button");
                EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON) << "a default button";
                EXPECT_NE(style & WS_TABSTOP, 0);
                break;
            case ControlKind::TextBox:
                EXPECT_EQ(ClassOf(control), L"Edit");
                EXPECT_EQ((style & ES_CENTER) != 0, centred);
                EXPECT_EQ(style & ES_MULTILINE, 0);
                EXPECT_NE(style & WS_TABSTOP, 0);
                EXPECT_EQ(SendMessageW(control, EM_GETLIMITTEXT, 0, 0), record.maxLength);
                break;
            case ControlKind::Label:
                EXPECT_EQ(ClassOf(control), L"Static");
                EXPECT_EQ(style & SS_TYPEMASK, centred ? SS_CENTER : SS_LEFT);
                EXPECT_NE(style & SS_NOTIFY, 0) << "its tooltip would not show";
                EXPECT_EQ(style & WS_TABSTOP, 0);
                break;
        }
    }
}

TEST_F(LayoutTest, LoadEmptiesOnlyThePlaceholders) {
    for (const design::ControlRecord& record : design::kControls) {
        SCOPED_TRACE(std::string(record.name));
        const bool placeholder = record.name == "txtInput" || record.name == "lblCopyRight" ||
                                 record.name == "lblCV17" || record.name == "lblCV18";
        const std::u16string caption(record.caption);
        EXPECT_EQ(TextOf(record.name),
                  placeholder ? std::wstring() : std::wstring(caption.begin(), caption.end()));
    }
    EXPECT_TRUE(Focused("txtInput"));
    EXPECT_EQ(window_.State().LocoNumber, 0);
}

TEST_F(LayoutTest, DesignToolTipsAreRegistered) {
    const HWND tip = window_.ToolTipHandle();
    ASSERT_NE(tip, nullptr);
    for (const design::ControlRecord& record : design::kControls) {
        if (record.toolTip.empty()) {
            continue;
        }
        SCOPED_TRACE(std::string(record.name));
        wchar_t text[128]{};
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.hwnd = window_.Handle();
        tool.uId = reinterpret_cast<UINT_PTR>(Control(record.name));
        tool.lpszText = text;
        SendMessageW(tip, TTM_GETTEXTW, 128, reinterpret_cast<LPARAM>(&tool));
        const std::u16string expected(record.toolTip);
        EXPECT_EQ(std::wstring(text), std::wstring(expected.begin(), expected.end()));
    }
}

}  // namespace
}  // namespace veltrop::testing
