// The faces GDI really draws the controls with: Arial's metrics, in the
// weight of the record's font. Asking for bold is not enough when the face
// found has no bold cut and GDI only thickens the normal one; and a face of
// other widths breaks the layout made for Arial.
#include <windows.h>

#include <array>
#include <string>

#include "calculator_window_fixture.h"
#include "ui/design_record.h"

namespace veltrop::testing {
namespace {

// Arial's em square, and the advance of each of its digits on it, in both
// weights; its metric twins share them.
constexpr int kArialEm = 2048;
constexpr int kArialDigitAdvance = 1139;

struct DrawnFace {
    int designedWeight = 0;  // the OS/2 table's weight class; 0 without one
    int digitAdvance = 0;    // of '0' on a 2048-unit em
};

DrawnFace FaceOf(HWND control, HFONT font) {
    DrawnFace drawn;
    const HDC dc = GetDC(control);
    if (!dc) {
        return drawn;
    }
    const HGDIOBJ previous = SelectObject(dc, font);
    constexpr DWORD kOs2Table = 'O' | ('S' << 8) | ('/' << 16) | ('2' << 24);
    std::array<unsigned char, 2> weight{};
    if (GetFontData(dc, kOs2Table, 4, weight.data(), weight.size()) == weight.size()) {
        drawn.designedWeight = (weight[0] << 8) | weight[1];
    }
    // The same font one em of 2048 pixels high: its widths are the face's
    // design units, free of hinting.
    LOGFONTW large{};
    GetObjectW(font, sizeof(large), &large);
    large.lfHeight = -kArialEm;
    const HFONT emFont = CreateFontIndirectW(&large);
    SelectObject(dc, emFont);
    INT advance = 0;
    if (GetCharWidth32W(dc, L'0', L'0', &advance)) {
        drawn.digitAdvance = advance;
    }
    SelectObject(dc, previous);
    DeleteObject(emFont);
    ReleaseDC(control, dc);
    return drawn;
}

using FontFaceTest = CalculatorWindowTest;

TEST_F(FontFaceTest, EveryControlDrawsWithArialMetricsInTheRecordsWeight) {
    for (const design::ControlRecord& record : design::kControls) {
        SCOPED_TRACE(std::string(record.name));
        const HWND control = Control(record.name);
        const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr);
        const DrawnFace drawn = FaceOf(control, font);
        EXPECT_EQ(drawn.designedWeight, record.font.weight);
        EXPECT_EQ(drawn.digitAdvance, kArialDigitAdvance);
    }
}

}  // namespace
}  // namespace veltrop::testing
