#include "ui/win32/font_set.h"

#include <string>
#include <utility>

#include "ui/win32/wide_text.h"

namespace veltrop {
namespace {

bool SameFont(const design::FontRecord& a, const design::FontRecord& b) {
    return a.face == b.face && a.weight == b.weight && a.centiPoints == b.centiPoints &&
           a.charset == b.charset;
}

}  // namespace

FontSet::~FontSet() {
    Release();
}

FontSet::FontSet(FontSet&& other) noexcept
    : dpi_(other.dpi_), entries_(std::exchange(other.entries_, {})) {}

FontSet& FontSet::operator=(FontSet&& other) noexcept {
    if (this != &other) {
        Release();
        dpi_ = other.dpi_;
        entries_ = std::exchange(other.entries_, {});
    }
    return *this;
}

HFONT FontSet::Get(const design::FontRecord& record) {
    for (const Entry& entry : entries_) {
        if (SameFont(entry.record, record)) {
            return entry.font;
        }
    }
    const std::wstring face = ToWide(record.face);
    // A negative height asks for the character height, which is what a
    // point size means.
    const HFONT font =
        CreateFontW(-design::FontPixelSize(record, dpi_), 0, 0, 0, record.weight, FALSE, FALSE,
                    FALSE, static_cast<DWORD>(record.charset), OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face.c_str());
    if (font) {
        entries_.push_back({record, font});
    }
    return font;
}

void FontSet::Release() {
    for (const Entry& entry : entries_) {
        DeleteObject(entry.font);
    }
    entries_.clear();
}

}  // namespace veltrop
