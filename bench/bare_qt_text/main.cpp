// A second, informational yardstick: the bare window with one label in the
// calculator's window font, whose text is measured before the window is
// shown, as the calculator's text box lays out its text when it is created.
// What this costs beyond the bare window is what any window pays to show
// text: reading the font configuration, building the font database and
// loading the face. The calculator is still held to the bare window.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QString>
#include <QWidget>

#include "ui/design_record.h"

namespace {

QString FromUtf16(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

int main(int argc, char* argv[]) {
    namespace design = veltrop::design;
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("BareText"));
    constexpr int kDpi = 96;
    window.setFixedSize(design::TwipsToPixels(design::kWindow.clientWidth, kDpi),
                        design::TwipsToPixels(design::kWindow.clientHeight, kDpi));

    const design::ControlRecord& prompt = design::Control("lblInput");
    QFont font(FromUtf16(design::kWindowFont.face));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(design::FontPixelSize(design::kWindowFont, kDpi));
    font.setWeight(static_cast<QFont::Weight>(design::kWindowFont.weight));
    QLabel label(FromUtf16(prompt.caption), &window);
    label.setFont(font);
    label.move(design::TwipsToPixels(prompt.left, kDpi), design::TwipsToPixels(prompt.top, kDpi));
    label.adjustSize();  // measures the text now, before the first show

    window.show();
    return QApplication::exec();
}
