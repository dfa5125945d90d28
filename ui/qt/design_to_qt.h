#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <Qt>
#include <string_view>

#include "ui/design_record.h"

// Turns the toolkit-neutral design record into Qt values. Positions are in
// device-independent pixels at 96 dpi and fonts in pixels, so the layout
// keeps its proportions wherever the logical DPI differs; Qt's high-DPI
// scaling does the rest.
namespace veltrop {

inline constexpr int kDesignDpi = 96;

QString ToQString(std::u16string_view text);
QString ToQString(std::string_view ascii);

QFont FontFromRecord(const design::FontRecord& record);
QRect GeometryFromRecord(const design::ControlRecord& record);
QSize ClientSizeFromRecord(const design::WindowRecord& record);
// Captions sit at the top of their box, as native labels draw them.
Qt::Alignment AlignmentFromRecord(design::Alignment alignment, design::ControlKind kind);

}  // namespace veltrop
