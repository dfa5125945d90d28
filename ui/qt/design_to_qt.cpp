#include "ui/qt/design_to_qt.h"

namespace veltrop {
namespace {

int ToPixels(int twips) {
    return design::TwipsToPixels(twips, kDesignDpi);
}

}  // namespace

QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QString ToQString(std::string_view ascii) {
    return QString::fromLatin1(ascii.data(), static_cast<qsizetype>(ascii.size()));
}

QFont FontFromRecord(const design::FontRecord& record) {
    QFont font(ToQString(record.face));
    // Liberation Sans stands in for Arial where Arial itself is missing.
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(design::FontPixelSize(record, kDesignDpi));
    font.setWeight(static_cast<QFont::Weight>(record.weight));
    return font;
}

QRect GeometryFromRecord(const design::ControlRecord& record) {
    return {ToPixels(record.left), ToPixels(record.top), ToPixels(record.width),
            ToPixels(record.height)};
}

QSize ClientSizeFromRecord(const design::WindowRecord& record) {
    return {ToPixels(record.clientWidth), ToPixels(record.clientHeight)};
}

Qt::Alignment AlignmentFromRecord(design::Alignment alignment, design::ControlKind kind) {
    const Qt::Alignment horizontal =
        alignment == design::Alignment::Center ? Qt::AlignHCenter : Qt::AlignLeft;
    const Qt::Alignment vertical =
        kind == design::ControlKind::Label ? Qt::AlignTop : Qt::AlignVCenter;
    return horizontal | vertical;
}

}  // namespace veltrop
