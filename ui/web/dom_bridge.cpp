#include "ui/web/dom_bridge.h"

#include <emscripten.h>

// Strings cross as UTF-8 (names, styles) or as UTF-16 pointer and length
// (texts the user sees or types); the page script decodes them.
// clang-format off
EM_JS(void, veltrop_dom_create_window, (const char* name, const char16_t* caption, int captionLength,
                                        const char* style), {
    VeltropPage.createWindow(UTF8ToString(name), VeltropPage.text(caption, captionLength), UTF8ToString(style));
});
EM_JS(void, veltrop_dom_create_control, (int index, const char* id, const char* tag, const char* style,
                                         const char16_t* text, int textLength,
                                         const char16_t* toolTip, int toolTipLength), {
    VeltropPage.createControl(index, UTF8ToString(id), UTF8ToString(tag), UTF8ToString(style),
                              VeltropPage.text(text, textLength), VeltropPage.text(toolTip, toolTipLength));
});
EM_JS(void, veltrop_dom_set_attribute, (const char* id, const char* name, const char16_t* value, int valueLength), {
    document.getElementById(UTF8ToString(id)).setAttribute(UTF8ToString(name), VeltropPage.text(value, valueLength));
});
EM_JS(int, veltrop_dom_value_length, (const char* id), {
    return VeltropPage.stash(document.getElementById(UTF8ToString(id)).value);
});
EM_JS(int, veltrop_dom_paste_length, (), {
    return VeltropPage.stash(VeltropPage.pendingPaste);
});
EM_JS(void, veltrop_dom_read_stash, (char16_t* buffer, int length), {
    VeltropPage.unstash(buffer, length);
});
EM_JS(void, veltrop_dom_set_value, (const char* id, const char16_t* value, int valueLength), {
    document.getElementById(UTF8ToString(id)).value = VeltropPage.text(value, valueLength);
});
EM_JS(int, veltrop_dom_selection, (const char* id, int end), {
    const box = document.getElementById(UTF8ToString(id));
    return (end ? box.selectionEnd : box.selectionStart) || 0;
});
EM_JS(void, veltrop_dom_set_caret, (const char* id, int caret), {
    const box = document.getElementById(UTF8ToString(id));
    if (document.activeElement === box) box.setSelectionRange(caret, caret);
});
EM_JS(void, veltrop_dom_set_text, (const char* id, const char16_t* text, int textLength), {
    document.getElementById(UTF8ToString(id)).textContent = VeltropPage.text(text, textLength);
});
EM_JS(void, veltrop_dom_set_tooltip, (const char* id, const char16_t* text, int textLength), {
    VeltropPage.setToolTip(UTF8ToString(id), VeltropPage.text(text, textLength));
});
EM_JS(void, veltrop_dom_focus, (const char* id), {
    // The box is in view whenever the program moves the focus to it.
    document.getElementById(UTF8ToString(id)).focus({preventScroll: true});
});
EM_ASYNC_JS(void, veltrop_dom_message_box, (const char16_t* text, int textLength, const char16_t* title,
                                            int titleLength, const char* icon), {
    await VeltropPage.messageBox(VeltropPage.text(text, textLength), VeltropPage.text(title, titleLength),
                                 UTF8ToString(icon));
});
EM_JS(void, veltrop_dom_close_window, (), { VeltropPage.closeWindow(); });
EM_JS(void, veltrop_dom_end_program, (), { VeltropPage.endProgram(); });
EM_JS(void, veltrop_dom_ready, (), { VeltropPage.ready(); });
// clang-format on

namespace veltrop::web::dom {
namespace {

int Length(std::u16string_view text) {
    return static_cast<int>(text.size());
}

// Reads the string the last *_length call left in the page's stash.
std::u16string ReadStash(int length) {
    std::u16string text(static_cast<std::size_t>(length), u'\0');
    veltrop_dom_read_stash(text.data(), length);
    return text;
}

// The names come from the design record as string_views of literals, which
// end in a terminating zero.
std::string Name(std::string_view id) {
    return std::string(id);
}

}  // namespace

void CreateWindow(std::string_view name, std::u16string_view caption, const std::string& style) {
    veltrop_dom_create_window(Name(name).c_str(), caption.data(), Length(caption), style.c_str());
}

void CreateControl(std::size_t designIndex, const ControlMarkup& markup) {
    const std::string id = Name(markup.id);
    const std::string tag = Name(markup.tag);
    veltrop_dom_create_control(static_cast<int>(designIndex), id.c_str(), tag.c_str(),
                               markup.style.c_str(), markup.text.data(), Length(markup.text),
                               markup.toolTip.data(), Length(markup.toolTip));
    for (const MarkupAttribute& attribute : markup.attributes) {
        const std::string name = Name(attribute.name);
        veltrop_dom_set_attribute(id.c_str(), name.c_str(), attribute.value.data(),
                                  Length(attribute.value));
    }
}

std::u16string Value(std::string_view id) {
    return ReadStash(veltrop_dom_value_length(Name(id).c_str()));
}

void SetValue(std::string_view id, std::u16string_view value) {
    veltrop_dom_set_value(Name(id).c_str(), value.data(), Length(value));
}

std::size_t Caret(std::string_view id) {
    return SelectionEnd(id);
}

void SetCaret(std::string_view id, std::size_t caret) {
    veltrop_dom_set_caret(Name(id).c_str(), static_cast<int>(caret));
}

std::size_t SelectionStart(std::string_view id) {
    return static_cast<std::size_t>(veltrop_dom_selection(Name(id).c_str(), 0));
}

std::size_t SelectionEnd(std::string_view id) {
    return static_cast<std::size_t>(veltrop_dom_selection(Name(id).c_str(), 1));
}

std::u16string PendingPaste() {
    return ReadStash(veltrop_dom_paste_length());
}

void SetText(std::string_view id, std::u16string_view text) {
    veltrop_dom_set_text(Name(id).c_str(), text.data(), Length(text));
}

void SetToolTip(std::string_view id, std::u16string_view toolTip) {
    veltrop_dom_set_tooltip(Name(id).c_str(), toolTip.data(), Length(toolTip));
}

void Focus(std::string_view id) {
    veltrop_dom_focus(Name(id).c_str());
}

void ShowMessageBox(std::u16string_view text, std::u16string_view title, std::string_view icon) {
    veltrop_dom_message_box(text.data(), Length(text), title.data(), Length(title),
                            Name(icon).c_str());
}

void CloseWindow() {
    veltrop_dom_close_window();
}

void EndProgram() {
    veltrop_dom_end_program();
}

void Ready() {
    veltrop_dom_ready();
}

}  // namespace veltrop::web::dom
