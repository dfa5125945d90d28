#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "calc/calculator_view.h"

namespace veltrop {

// Major, minor and revision (the first, second and fourth numbers) of the
// fixed file version in a file's version record; empty without one.
std::optional<VersionNumbers> ReadFileVersion(const std::wstring& path);

// The running program's version numbers, from its own version record. The
// build writes that record from the same source as the compiled-in numbers,
// which stand in should the record be unreadable.
VersionNumbers ReadProgramVersion();

}  // namespace veltrop
