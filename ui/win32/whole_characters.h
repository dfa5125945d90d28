#pragma once

#include <windows.h>

namespace veltrop {

// An edit control's limit counts UTF-16 units, so it can cut a character of
// two units in half (an emoji pasted where one unit is left). Takes such
// halves out of the control's text, the caret staying where it was.
void DropSplitCharacters(HWND edit);

}  // namespace veltrop
