#include "ui/win32/program_version.h"

#include <cstddef>
#include <cstdint>
#include <vector>

#include "res/version.h"

namespace veltrop {
namespace {

std::wstring ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::int16_t ToInt16(WORD value) {
    return static_cast<std::int16_t>(value);
}

}  // namespace

std::optional<VersionNumbers> ReadFileVersion(const std::wstring& path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) {
        return std::nullopt;
    }
    std::vector<std::byte> record(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, record.data())) {
        return std::nullopt;
    }
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(record.data(), L"\\", &value, &length) ||
        length < sizeof(VS_FIXEDFILEINFO)) {
        return std::nullopt;
    }
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    if (fixed->dwSignature != VS_FFI_SIGNATURE) {
        return std::nullopt;
    }
    return VersionNumbers{ToInt16(HIWORD(fixed->dwFileVersionMS)),
                          ToInt16(LOWORD(fixed->dwFileVersionMS)),
                          ToInt16(LOWORD(fixed->dwFileVersionLS))};
}

VersionNumbers ReadProgramVersion() {
    if (const auto version = ReadFileVersion(ProgramPath())) {
        return *version;
    }
    return VersionNumbers{static_cast<std::int16_t>(version::kMajor),
                          static_cast<std::int16_t>(version::kMinor),
                          static_cast<std::int16_t>(version::kRevision)};
}

}  // namespace veltrop
