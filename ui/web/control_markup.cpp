#include "ui/web/control_markup.h"

namespace veltrop::web {
namespace {

// CSS pixels are pixels at 96 dots per inch at any zoom; the browser
// scales them to the screen.
constexpr int kCssDpi = 96;

std::string Pixels(int twips) {
    return std::to_string(design::TwipsToPixels(twips, kCssDpi)) + "px";
}

std::string Ascii(std::u16string_view text) {
    std::string out;
    for (const char16_t c : text) {
        // Face names are ASCII; anything else cannot be a CSS name here.
        out += c < 0x80 && c != u'"' && c != u'\\' ? static_cast<char>(c) : '?';
    }
    return out;
}

std::u16string Wide(std::string_view text) {
    return {text.begin(), text.end()};
}

const design::Prompt* PromptOf(std::size_t prompt) {
    for (const design::Prompt& entry : design::kPrompts) {
        if (entry.prompt.Index() == prompt) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace

std::string FontStyle(const design::FontRecord& font) {
    return "font:" + std::to_string(font.weight) + " " +
           std::to_string(design::FontPixelSize(font, kCssDpi)) + "px \"" + Ascii(font.face) +
           "\",\"Liberation Sans\",Arimo,sans-serif";
}

std::string WindowStyle() {
    return "width:" + Pixels(design::kWindow.clientWidth) +
           ";height:" + Pixels(design::kWindow.clientHeight) + ";" +
           FontStyle(design::kWindow.font);
}

ControlMarkup MarkupFor(design::ControlName name) {
    const design::ControlRecord& record = name.Record();
    ControlMarkup markup{
        record.name, "div", "", std::u16string(record.caption), std::u16string(record.toolTip), {}};
    markup.style = "left:" + Pixels(record.left) + ";top:" + Pixels(record.top) +
                   ";width:" + Pixels(record.width) + ";height:" + Pixels(record.height) + ";" +
                   FontStyle(record.font) + ";text-align:" +
                   (record.alignment == design::Alignment::Center ? "center" : "left");

    switch (record.kind) {
        case design::ControlKind::PushButton:
            markup.tag = "button";
            markup.attributes.push_back({"type", u"button"});
            break;
        case design::ControlKind::TextBox:
            markup.tag = "input";
            markup.attributes.push_back({"type", u"text"});
            // A phone's number keypad, and nothing that rewrites the text.
            markup.attributes.push_back({"inputmode", u"numeric"});
            markup.attributes.push_back({"autocomplete", u"off"});
            markup.attributes.push_back({"autocorrect", u"off"});
            markup.attributes.push_back({"autocapitalize", u"off"});
            markup.attributes.push_back({"spellcheck", u"false"});
            if (record.maxLength > 0) {
                markup.attributes.push_back({"maxlength", Wide(std::to_string(record.maxLength))});
            }
            break;
        case design::ControlKind::Label:
            if (const design::Prompt* prompt = PromptOf(name.Index())) {
                // A prompt names its control for assistive technology.
                markup.tag = "label";
                markup.attributes.push_back({"for", Wide(prompt->control.Record().name)});
            } else if (const design::Prompt* naming = design::PromptFor(name)) {
                // A result the program writes, named by its prompt and its
                // value ("CV 17 = 195"), as the desktop windows name it.
                markup.tag = "output";
                markup.attributes.push_back({"aria-labelledby", Wide(naming->prompt.Record().name) +
                                                                    u' ' + Wide(record.name)});
            }
            break;
    }
    // Controls with windows of their own lie above the labels, so a button
    // owns the row where it overlaps a label.
    if (record.kind != design::ControlKind::Label) {
        markup.style += ";z-index:1";
    }
    return markup;
}

std::string_view MessageBoxIcon(int style) {
    // The icon is the style's second hexadecimal digit.
    switch (style & 0x70) {
        case 0x10:
            return "stop";
        case 0x20:
            return "question";
        case 0x30:
            return "exclamation";
        case 0x40:
            return "information";
        default:
            return "";
    }
}

std::vector<ControlMarkup> WindowMarkup() {
    std::vector<ControlMarkup> markup;
    markup.reserve(design::kReadingOrder.size());
    for (const design::ControlName& name : design::kReadingOrder) {
        markup.push_back(MarkupFor(name));
    }
    return markup;
}

}  // namespace veltrop::web
