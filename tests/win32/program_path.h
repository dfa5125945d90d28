#pragma once

#include <string>

namespace veltrop::testing {

// The build's Veltrop.exe, as Wine's drive Z: (the Linux root) sees it.
inline std::wstring ProgramPath() {
    const std::string path = VELTROP_EXE_PATH;
    return L"Z:" + std::wstring(path.begin(), path.end());
}

}  // namespace veltrop::testing
