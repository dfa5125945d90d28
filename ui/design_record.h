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

inline constexpr FontRecord kWindowFont{u"Arial", 700, 825, 0};
inline constexpr FontRecord kLargeFont{u"Arial", 700, 975, 0};
inline constexpr FontRecord kNoticeFont{u"Arial", 400, 825, 0};

// A control's settings; one not given is the default of its kind.
struct ControlRecord {
    std::string_view name;
    ControlKind kind = ControlKind::Label;
    std::u16string_view caption = {};
    int left = 0;  // all positions and sizes in twips
    int top = 0;
    int width = 0;
    int height = 0;
    int tabIndex = 0;
    Alignment alignment = Alignment::Left;
    FontRecord font = kWindowFont;
    std::u16string_view toolTip = {};  // empty: none at design time
    int maxLength = 0;                 // 0: unlimited
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

inline constexpr WindowRecord kWindow{"frmVeltrop", u"Veltrop", 3630,       2310,
                                      5670,         4245,       kWindowFont};

// In the order the design lists them; a control's row kept together.
// clang-format off
inline constexpr std::array<ControlRecord, 11> kControls{{
    {.name = "cmdExit", .kind = ControlKind::PushButton, .caption = u"Exit",
     .left = 1680, .top = 1680, .width = 1695, .height = 375, .tabIndex = 3,
     .alignment = Alignment::Center},
    {.name = "cmdClear", .kind = ControlKind::PushButton, .caption = u"Clear",
     .left = 2640, .top = 1080, .width = 735, .height = 375, .tabIndex = 2,
     .alignment = Alignment::Center, .toolTip = u" Clear values to enter another number "},
    {.name = "cmdEnter", .kind = ControlKind::PushButton, .caption = u"Enter",
     .left = 1680, .top = 1080, .width = 735, .height = 375, .tabIndex = 1,
     .alignment = Alignment::Center, .toolTip = u" Calculate the CV values "},
    {.name = "txtInput", .kind = ControlKind::TextBox, .caption = u"0000",
     .left = 2640, .top = 480, .width = 735, .height = 375, .tabIndex = 0,
     .alignment = Alignment::Center, .font = kLargeFont,
     .toolTip = u" Enter a number between 1 and 9999 ", .maxLength = 4},
    {.name = "lblTitle", .caption = u"Extended Address CV Calculator",
     .left = 240, .top = 120, .width = 3135, .height = 375, .tabIndex = 10,
     .alignment = Alignment::Center, .font = kLargeFont},
    {.name = "lblCopyRight", .caption = u"Version Info",
     .left = 120, .top = 2040, .width = 3405, .height = 255, .tabIndex = 9,
     .alignment = Alignment::Center, .font = kNoticeFont},
    {.name = "lblCV18", .caption = u"000",
     .left = 840, .top = 1320, .width = 495, .height = 255, .tabIndex = 8,
     .alignment = Alignment::Center, .toolTip = u" Enter this value into CV 18 "},
    {.name = "lblCV17", .caption = u"000",
     .left = 840, .top = 1035, .width = 495, .height = 255, .tabIndex = 7,
     .alignment = Alignment::Center, .toolTip = u" Enter this value into CV 17 "},
    {.name = "lblCVb", .caption = u"CV 18 =",
     .left = 240, .top = 1320, .width = 615, .height = 255, .tabIndex = 6},
    {.name = "lblCVa", .caption = u"CV 17 =",
     .left = 240, .top = 1035, .width = 615, .height = 255, .tabIndex = 5},
    {.name = "lblInput", .caption = u"Enter Locomotive Number:",
     .left = 240, .top = 560, .width = 2295, .height = 255, .tabIndex = 4},
}};
// clang-format on

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

// The controls as the window is read, top first: the order a screen reader
// walks them in, the order they are stacked in (the first on top; Exit lies
// above the version label, which it overlaps by a pixel), and the order of
// the elements where a toolkit builds them in sequence.
inline constexpr std::array<ControlName, kControls.size()> kReadingOrder{
    "lblTitle", "lblInput", "txtInput", "lblCVa",  "lblCV17",     "lblCVb",
    "lblCV18",  "cmdEnter", "cmdClear", "cmdExit", "lblCopyRight"};

// Which label names which control: the box and the two results are known
// to a screen reader by the prompt in front of them.
struct Prompt {
    ControlName prompt;
    ControlName control;
};
inline constexpr std::array<Prompt, 3> kPrompts{{
    {"lblInput", "txtInput"},
    {"lblCVa", "lblCV17"},
    {"lblCVb", "lblCV18"},
}};

// Every control once; the focusable ones in the order of their tab
// indexes, so that Tab follows reading; each prompt a label read just
// before the control it names (where a platform names a control after the
// label in front of it, that is the one).
constexpr bool ReadingOrderIsSound() {
    std::array<bool, kControls.size()> seen{};
    std::array<std::size_t, kControls.size()> position{};
    int lastTabIndex = -1;
    for (std::size_t at = 0; at < kReadingOrder.size(); ++at) {
        const std::size_t index = kReadingOrder[at].Index();
        if (seen[index]) {
            return false;
        }
        seen[index] = true;
        position[index] = at;
        const ControlRecord& record = kControls[index];
        if (record.kind != ControlKind::Label) {
            if (record.tabIndex <= lastTabIndex) {
                return false;
            }
            lastTabIndex = record.tabIndex;
        }
    }
    for (const Prompt& pair : kPrompts) {
        if (pair.prompt.Record().kind != ControlKind::Label ||
            position[pair.prompt.Index()] + 1 != position[pair.control.Index()]) {
            return false;
        }
    }
    return true;
}
static_assert(ReadingOrderIsSound(),
              "reading order: every control once, tab stops in tab order, prompts just before");

// The pair whose prompt names this control, or nullptr.
constexpr const Prompt* PromptFor(ControlName control) {
    for (const Prompt& pair : kPrompts) {
        if (pair.control.Index() == control.Index()) {
            return &pair;
        }
    }
    return nullptr;
}

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
