#include "ui/design_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace veltrop::design {
namespace {

TEST(DesignRecord, NamesAreUniqueAndCarryTheirKindPrefix) {
    std::set<std::string_view> names{kWindow.name};
    for (const ControlRecord& control : kControls) {
        EXPECT_TRUE(names.insert(control.name).second) << control.name;
        const std::string_view prefix = control.kind == ControlKind::PushButton ? "cmd"
                                        : control.kind == ControlKind::TextBox  ? "txt"
                                                                                : "lbl";
        EXPECT_TRUE(control.name.starts_with(prefix)) << control.name;
        EXPECT_EQ(IndexOf(control.name), static_cast<std::size_t>(&control - kControls.data()));
    }
    EXPECT_EQ(IndexOf("nothing"), kControls.size());
}

TEST(DesignRecord, EveryControlLiesInsideTheClientArea) {
    for (const ControlRecord& control : kControls) {
        EXPECT_GE(control.left, 0) << control.name;
        EXPECT_GE(control.top, 0) << control.name;
        EXPECT_GT(control.width, 0) << control.name;
        EXPECT_GT(control.height, 0) << control.name;
        EXPECT_LE(control.left + control.width, kWindow.clientWidth) << control.name;
        EXPECT_LE(control.top + control.height, kWindow.clientHeight) << control.name;
    }
}

TEST(DesignRecord, TabIndexesArePermutationWithFocusableControlsFirst) {
    std::vector<int> indexes;
    for (const ControlRecord& control : kControls) {
        indexes.push_back(control.tabIndex);
        if (control.kind != ControlKind::Label) {
            EXPECT_LT(control.tabIndex, 4) << control.name;
        }
    }
    std::sort(indexes.begin(), indexes.end());
    for (std::size_t i = 0; i < indexes.size(); ++i) {
        EXPECT_EQ(indexes[i], static_cast<int>(i));
    }
    EXPECT_EQ(Control("txtInput").tabIndex, 0);
    EXPECT_EQ(Control("cmdExit").tabIndex, 3);
}

TEST(DesignRecord, TooltipsKeepTheirSurroundingSpaces) {
    for (const ControlRecord& control : kControls) {
        if (!control.toolTip.empty()) {
            EXPECT_EQ(control.toolTip.front(), u' ') << control.name;
            EXPECT_EQ(control.toolTip.back(), u' ') << control.name;
        }
    }
    EXPECT_EQ(Control("txtInput").maxLength, 4);
}

TEST(DesignRecord, PromptsNameTheBoxAndTheResultsOnly) {
    struct Case {
        ControlName control;
        const char* prompt;
    };
    const Case cases[] = {
        {"txtInput", "lblInput"}, {"lblCV17", "lblCVa"}, {"lblCV18", "lblCVb"},
        {"cmdEnter", nullptr},    {"lblCVa", nullptr},   {"lblCopyRight", nullptr},
    };
    for (const Case& c : cases) {
        const Prompt* pair = PromptFor(c.control);
        ASSERT_EQ(pair != nullptr, c.prompt != nullptr) << c.control.Record().name;
        if (pair != nullptr) {
            EXPECT_EQ(pair->prompt.Record().name, c.prompt);
        }
    }
}

TEST(DesignRecord, UnsetSettingsTakeTheirKindsDefaults) {
    EXPECT_EQ(Control("lblCVa").alignment, Alignment::Left);
    EXPECT_EQ(Control("lblCVa").font.centiPoints, kWindowFont.centiPoints);
    EXPECT_EQ(Control("lblCVa").font.weight, 700);
    EXPECT_TRUE(Control("cmdExit").toolTip.empty());
    EXPECT_EQ(Control("cmdEnter").maxLength, 0);
    EXPECT_EQ(Control("lblCopyRight").font.weight, 400);
}

TEST(DesignRecord, TwipsAndPointsScaleWithTheScreen) {
    const std::tuple<int, int, int> twips[] = {
        {3630, 96, 242},  {2310, 96, 154}, {15, 96, 1},      {7, 96, 0},    {8, 96, 1},
        {3630, 192, 484}, {375, 144, 38},  {2310, 120, 193}, {-15, 96, -1}, {0, 96, 0},
    };
    for (const auto& [value, dpi, pixels] : twips) {
        EXPECT_EQ(TwipsToPixels(value, dpi), pixels) << value << " at " << dpi;
    }
    EXPECT_EQ(FontPixelSize(kWindowFont, 96), 11);
    EXPECT_EQ(FontPixelSize(kLargeFont, 96), 13);
    EXPECT_EQ(FontPixelSize(kWindowFont, 192), 22);
}

}  // namespace
}  // namespace veltrop::design
