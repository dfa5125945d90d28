#pragma once

#include <windows.h>

#include <vector>

#include "ui/design_record.h"
#include "ui/win32/dpi_scaling.h"

namespace veltrop {

// The GDI fonts of the design record at one DPI, created on first use and
// deleted with the set. Controls must stop using them first.
class FontSet {
public:
    FontSet() = default;
    explicit FontSet(int dpi) : dpi_(dpi) {}
    ~FontSet();
    FontSet(FontSet&& other) noexcept;
    FontSet& operator=(FontSet&& other) noexcept;
    FontSet(const FontSet&) = delete;
    FontSet& operator=(const FontSet&) = delete;

    // Null when GDI cannot make the font; the control then keeps the system's.
    HFONT Get(const design::FontRecord& record);

private:
    struct Entry {
        design::FontRecord record;
        HFONT font;
    };
    void Release();

    int dpi_ = kDefaultDpi;
    std::vector<Entry> entries_;
};

}  // namespace veltrop
