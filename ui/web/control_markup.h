#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/design_record.h"

namespace veltrop::web {

// One HTML attribute of a control's element.
struct MarkupAttribute {
    std::string_view name;
    std::u16string value;
};

// What the page makes of one control of the design: the element, its
// place, size and font in CSS pixels, its text and its attributes.
struct ControlMarkup {
    std::string_view id;  // the design name
    std::string_view tag;
    std::string style;
    std::u16string text;  // a caption; for the text box, its value
    std::u16string toolTip;
    std::vector<MarkupAttribute> attributes;
};

// The CSS font of a design font, with the faces that share Arial's metrics
// behind it where Arial itself is missing.
std::string FontStyle(const design::FontRecord& font);

// The window's client area: its size and font.
std::string WindowStyle();

ControlMarkup MarkupFor(design::ControlName name);

// The icon a message box style asks for ("exclamation", "information",
// "question", "stop"), or "" for none.
std::string_view MessageBoxIcon(int style);

// Every control's markup in reading order, which is also the order of the
// elements on the page.
std::vector<ControlMarkup> WindowMarkup();

}  // namespace veltrop::web
