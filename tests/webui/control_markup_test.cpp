#include "ui/web/control_markup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

namespace veltrop::web {
namespace {

std::optional<std::u16string> AttributeOf(const ControlMarkup& markup, std::string_view name) {
    for (const MarkupAttribute& attribute : markup.attributes) {
        if (attribute.name == name) {
            return attribute.value;
        }
    }
    return std::nullopt;
}

bool Has(const std::string& style, std::string_view part) {
    return style.find(part) != std::string::npos;
}

TEST(ControlMarkup, EachControlWhereAndHowTheDesignHasIt) {
    const struct {
        design::ControlName name;
        std::string_view tag;
        std::string_view geometry;
        std::string_view font;
        std::string_view align;
    } cases[] = {
        {"txtInput", "input", "left:176px;top:32px;width:49px;height:25px", "font:700 13px",
         "text-align:center"},
        {"cmdExit", "button", "left:112px;top:112px;width:113px;height:25px", "font:700 11px",
         "text-align:center"},
        {"lblTitle", "div", "left:16px;top:8px;width:209px;height:25px", "font:700 13px",
         "text-align:center"},
        {"lblCopyRight", "div", "left:8px;top:136px;width:227px;height:17px", "font:400 11px",
         "text-align:center"},
        {"lblInput", "label", "left:16px;top:37px;width:153px;height:17px", "font:700 11px",
         "text-align:left"},
        {"lblCV17", "output", "left:56px;top:69px;width:33px;height:17px", "font:700 11px",
         "text-align:center"},
    };
    for (const auto& c : cases) {
        const ControlMarkup markup = MarkupFor(c.name);
        EXPECT_EQ(markup.id, c.name.Record().name);
        EXPECT_EQ(markup.tag, c.tag) << markup.id;
        EXPECT_TRUE(Has(markup.style, c.geometry)) << markup.id << ": " << markup.style;
        EXPECT_TRUE(Has(markup.style, c.font)) << markup.id << ": " << markup.style;
        EXPECT_TRUE(Has(markup.style, c.align)) << markup.id << ": " << markup.style;
        EXPECT_EQ(markup.text, c.name.Record().caption) << markup.id;
        EXPECT_EQ(markup.toolTip, c.name.Record().toolTip) << markup.id;
    }
}

TEST(ControlMarkup, ArialFirstThenFacesWithItsMetrics) {
    EXPECT_EQ(FontStyle(design::kWindowFont),
              "font:700 11px \"Arial\",\"Liberation Sans\",Arimo,sans-serif");
    EXPECT_EQ(
        WindowStyle(),
        "width:242px;height:154px;font:700 11px \"Arial\",\"Liberation Sans\",Arimo,sans-serif");
    // A face name cannot break out of its quotes.
    EXPECT_EQ(FontStyle({u"A\"b\\c\u00e9", 400, 825, 0}),
              "font:400 11px \"A?b?c?\",\"Liberation Sans\",Arimo,sans-serif");
}

TEST(ControlMarkup, PromptsNameTheirControls) {
    const struct {
        design::ControlName control;
        std::string_view attribute;
        std::u16string_view value;
    } cases[] = {
        {"lblInput", "for", u"txtInput"},
        {"lblCVa", "for", u"lblCV17"},
        {"lblCVb", "for", u"lblCV18"},
        {"lblCV17", "aria-labelledby", u"lblCVa lblCV17"},
        {"lblCV18", "aria-labelledby", u"lblCVb lblCV18"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AttributeOf(MarkupFor(c.control), c.attribute), std::u16string(c.value))
            << c.control.Record().name;
    }
    EXPECT_EQ(AttributeOf(MarkupFor("lblTitle"), "for"), std::nullopt);
    EXPECT_EQ(AttributeOf(MarkupFor("lblCopyRight"), "aria-labelledby"), std::nullopt);
}

TEST(ControlMarkup, TheBoxTakesDigitsWithoutRewritingThem) {
    const ControlMarkup box = MarkupFor("txtInput");
    EXPECT_EQ(AttributeOf(box, "maxlength"), u"4");
    EXPECT_EQ(AttributeOf(box, "inputmode"), u"numeric");
    for (const std::string_view off : {"autocomplete", "autocorrect", "autocapitalize"}) {
        EXPECT_EQ(AttributeOf(box, off), u"off") << off;
    }
    EXPECT_EQ(AttributeOf(box, "spellcheck"), u"false");
    // No button submits anything: Return in the box clicks none of them.
    const design::ControlName buttons[] = {"cmdEnter", "cmdClear", "cmdExit"};
    for (const design::ControlName button : buttons) {
        EXPECT_EQ(AttributeOf(MarkupFor(button), "type"), u"button");
    }
}

TEST(ControlMarkup, PageOrderIsReadingOrderAndKeepsTheTabOrder) {
    const std::vector<ControlMarkup> window = WindowMarkup();
    ASSERT_EQ(window.size(), design::kControls.size());
    std::vector<int> tabIndexes;
    for (const ControlMarkup& markup : window) {
        const design::ControlRecord& record = design::Control(markup.id);
        if (record.kind != design::ControlKind::Label) {
            tabIndexes.push_back(record.tabIndex);
            // Above the labels, where one overlaps a label.
            EXPECT_TRUE(Has(markup.style, "z-index:1")) << markup.id;
        }
    }
    // The page has no tab indexes: its order is the focus order.
    EXPECT_EQ(tabIndexes, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(window.front().id, "lblTitle");
    EXPECT_EQ(window.back().id, "lblCopyRight");
}

TEST(ControlMarkup, MessageBoxIconsByStyle) {
    const std::pair<int, std::string_view> cases[] = {
        {48, "exclamation"}, {0, ""},
        {16, "stop"},        {32, "question"},
        {64, "information"}, {48 + 1, "exclamation"},
        {0x70, ""},          {4096 + 48, "exclamation"},
    };
    for (const auto& [style, icon] : cases) {
        EXPECT_EQ(MessageBoxIcon(style), icon) << style;
    }
}

}  // namespace
}  // namespace veltrop::web
