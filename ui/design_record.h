#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The calculator window's design: every control, caption, font, position
// and tooltip, as plain data that each toolkit front end builds from.
namespace veltrop::design {

enum class ControlKind { PushButton, TextBox, Label };
enum class Alignment { Left, Center };

struct FontRecord {
    std::u16string_view face;
    int weight;       // 400 normal, 700 bold
    int centiPoints;  // 825 = 8.25 pt
    int charset;      // 0 = ANSI
};

struct ControlRecord {
    std::string_view name;
    ControlKind kind;
    std::u16string_view caption;
    int left;  // all positions and sizes in twips
    int top;
    int width;
    int height;
    int tabIndex;
    Alignment alignment;
    FontRecord font;
    std::u16string_view toolTip;  // empty: none at design time
    int maxLength;                // 0: unlimited
};

struct WindowRecord {
    std::string_view name;
    std::u16string_view caption;
    int clientWidth;  // twips
    int clientHeight;
    int designLeft;  // first position on the screen, twips
    int designTop;
    FontRecord font;
};

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kTwipsPerPixelAt96Dpi = 15;

inline constexpr FontRecord kWindowFont{u"Arial", 700, 825, 0};
inline constexpr FontRecord kLargeFont{u"Arial", 700, 975, 0};
inline constexpr FontRecord kNoticeFont{u"Arial", 400, 825, 0};

inline constexpr WindowRecord kWindow{"frmVeltrop", u"Veltrop", 3630,       2310,
                                      5670,         4245,       kWindowFont};

// In the order the design lists them.
inline constexpr std::array<ControlRecord, 11> kControls{{
    {"cmdExit", ControlKind::PushButton, u"Exit", 1680, 1680, 1695, 375, 3, Alignment::Center,
     kWindowFont, u"", 0},
    {"cmdClear", ControlKind::PushButton, u"Clear", 2640, 1080, 735, 375, 2, Alignment::Center,
     kWindowFont, u" Clear values to enter another number ", 0},
    {"cmdEnter", ControlKind::PushButton, u"Enter", 1680, 1080, 735, 375, 1, Alignment::Center,
     kWindowFont, u" Calculate the CV values ", 0},
    {"txtInput", ControlKind::TextBox, u"0000", 2640, 480, 735, 375, 0, Alignment::Center,
     kLargeFont, u" Enter a number between 1 and 9999 ", 4},
    {"lblTitle", ControlKind::Label, u"Extended Address CV Calculator", 240, 120, 3135, 375, 10,
     Alignment::Center, kLargeFont, u"", 0},
    {"lblCopyRight", ControlKind::Label, u"Version Info", 120, 2040, 3405, 255, 9,
     Alignment::Center, kNoticeFont, u"", 0},
    {"lblCV18", ControlKind::Label, u"000", 840, 1320, 495, 255, 8, Alignment::Center, kWindowFont,
     u" Enter this value into CV 18 ", 0},
    {"lblCV17", ControlKind::Label, u"000", 840, 1035, 495, 255, 7, Alignment::Center, kWindowFont,
     u" Enter this value into CV 17 ", 0},
    {"lblCVb", ControlKind::Label, u"CV 18 =", 240, 1320, 615, 255, 6, Alignment::Left, kWindowFont,
     u"", 0},
    {"lblCVa", ControlKind::Label, u"CV 17 =", 240, 1035, 615, 255, 5, Alignment::Left, kWindowFont,
     u"", 0},
    {"lblInput", ControlKind::Label, u"Enter Locomotive Number:", 240, 560, 2295, 255, 4,
     Alignment::Left, kWindowFont, u"", 0},
}};

// The index of a control in kControls; kControls.size() when there is none.
constexpr std::size_t IndexOf(std::string_view name) {
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        if (kControls[i].name == name) {
            return i;
        }
    }
    return kControls.size();
}

// Throws at compile time (in a constant expression) for an unknown name.
constexpr const ControlRecord& Control(std::string_view name) {
    return kControls.at(IndexOf(name));
}

// A control's name, checked against the design when the program is built:
// a misspelt name is a compile error, not a control that is never found.
class ControlName {
public:
    // Implicit, so that front ends name controls with plain literals.
    consteval ControlName(const char* name) : index_(IndexOf(name)) {  // NOLINT
        if (index_ >= kControls.size()) {
            throw "no control of this name in the design";
        }
    }

    constexpr std::size_t Index() const { return index_; }
    constexpr const ControlRecord& Record() const { return kControls[index_]; }

private:
    std::size_t index_;
};

// The indexes of the controls in the order of their tab indexes.
constexpr std::array<std::size_t, kControls.size()> TabOrder() {
    std::array<std::size_t, kControls.size()> order{};
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        order.at(static_cast<std::size_t>(kControls[i].tabIndex)) = i;
    }
    return order;
}

// Twips to pixels at a given dots-per-inch, rounded to nearest like MulDiv.
constexpr int TwipsToPixels(int twips, int dpi) {
    const long long scaled = static_cast<long long>(twips) * dpi;
    const long long half = kTwipsPerInch / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kTwipsPerInch
                                        : -((-scaled + half) / kTwipsPerInch));
}

// A font's height in pixels at a given dots-per-inch (8.25 pt -> 11 px at 96).
constexpr int FontPixelSize(const FontRecord& font, int dpi) {
    const long long scaled = static_cast<long long>(font.centiPoints) * dpi;
    constexpr long long kCentiPointsPerInch = 7200;
    return static_cast<int>((scaled + kCentiPointsPerInch / 2) / kCentiPointsPerInch);
}

}  // namespace veltrop::design
