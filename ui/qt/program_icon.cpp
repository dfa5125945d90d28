#include "ui/qt/program_icon.h"

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QResource>
#include <QString>

namespace veltrop {
namespace {

// Made by scripts/make-icons.sh as res/icons/window/NxN.rgba.
constexpr int kWindowIconSizes[] = {16, 32, 48};
constexpr int kBytesPerPixel = 4;

}  // namespace

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : kWindowIconSizes) {
        const QByteArray pixels =
            QResource(QStringLiteral(":/icons/%1x%1.rgba").arg(size)).uncompressedData();
        const int bytesPerLine = size * kBytesPerPixel;
        if (pixels.size() != static_cast<qsizetype>(bytesPerLine) * size) {
            continue;
        }
        const QImage image(reinterpret_cast<const uchar*>(pixels.constData()), size, size,
                           bytesPerLine, QImage::Format_RGBA8888);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace veltrop
