#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "ui/web/control_markup.h"

// The few calls the window makes on the page's document; the page script
// (window.js) does the DOM work behind each.
namespace veltrop::web::dom {

void CreateWindow(std::string_view name, std::u16string_view caption, const std::string& style);
void CreateControl(std::size_t designIndex, const ControlMarkup& markup);

std::u16string Value(std::string_view id);
void SetValue(std::string_view id, std::u16string_view value);
std::size_t Caret(std::string_view id);
void SetCaret(std::string_view id, std::size_t caret);
// The selection as UTF-16 indexes, start first.
std::size_t SelectionStart(std::string_view id);
std::size_t SelectionEnd(std::string_view id);
// The text of the paste the page is handing over.
std::u16string PendingPaste();

void SetText(std::string_view id, std::u16string_view text);
void SetToolTip(std::string_view id, std::u16string_view toolTip);
void Focus(std::string_view id);

// Opens the modal message box; returns once the user has closed it.
void ShowMessageBox(std::u16string_view text, std::u16string_view title, std::string_view icon);

void CloseWindow();
void EndProgram();
// The window is built and loaded: the page may take input.
void Ready();

}  // namespace veltrop::web::dom
