#pragma once

// Resource identifiers shared by the resource script and the code.
#define VELTROP_ICON 1
