#pragma once

namespace veltrop {

// What the calculator sets for the whole application, once QApplication
// stands: its name, version and icon for the desktop, the fonts of its
// message box and tooltips, and how its window presents itself to screen
// readers.
void SetUpApplication();

}  // namespace veltrop
