#include <QFontInfo>
#include <QFontMetrics>
#include <QtTest>

#include "ui/design_record.h"
#include "ui/qt/design_to_qt.h"
#include "window_fixture.h"

using veltrop::ToQString;
namespace design = veltrop::design;
using namespace veltrop::testing;

// The window as built from the design record. Run once at 96 dpi and once
// with QT_SCALE_FACTOR=2: the layout is in device-independent pixels, so
// everything but the device pixel ratio must come out the same.
class WindowLayoutTest : public WindowFixture {
    Q_OBJECT

private:
    static int Px(int twips) { return design::TwipsToPixels(twips, 96); }

    QWidget& Control(const design::ControlRecord& record) {
        return *Child(*window_, record.name.data());
    }

private slots:
    void scaleFactorIsApplied() {
        const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
        const qreal expected = scale.isEmpty() ? 1.0 : scale.toDouble();
        QCOMPARE(window_->devicePixelRatio(), expected);
        // The window's client area in device pixels follows the ratio.
        const QSize client(Px(design::kWindow.clientWidth), Px(design::kWindow.clientHeight));
        QCOMPARE(window_->size(), client);
        QCOMPARE(window_->grab().size(), client * expected);
    }

    void everyControlStandsWhereTheRecordPutsIt() {
        QCOMPARE(window_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(),
                 qsizetype(design::kControls.size()));
        for (const design::ControlRecord& record : design::kControls) {
            const QWidget& control = Control(record);
            QCOMPARE(control.geometry(),
                     QRect(Px(record.left), Px(record.top), Px(record.width), Px(record.height)));
            QVERIFY(control.isVisible());
            if (record.name != "lblCopyRight") {  // its tooltip is set at load
                QCOMPARE(control.toolTip(), ToQString(record.toolTip));
            }
        }
    }

    void fontsArePixelSizedArialOrItsStandIn() {
        for (const design::ControlRecord& record : design::kControls) {
            const QFontInfo info(Control(record).font());
            QVERIFY2(info.family() == "Arial" || info.family() == "Liberation Sans",
                     qPrintable(record.name.data() + (": " + info.family())));
            QCOMPARE(info.pixelSize(), record.font.centiPoints == 825 ? 11 : 13);
            QCOMPARE(info.bold(), record.font.weight == 700);
            QVERIFY(!info.italic());
        }
        QCOMPARE(QApplication::font(), window_->font());
    }

    void captionsFitTheirControls() {
        // A missing or wider font would clip the design captions.
        for (const design::ControlRecord& record : design::kControls) {
            const QWidget& control = Control(record);
            const QFontMetrics metrics(control.font());
            QVERIFY2(metrics.horizontalAdvance(ToQString(record.caption)) <= control.width(),
                     record.name.data());
            QVERIFY2(metrics.height() <= control.height(), record.name.data());
        }
    }

    // Where a label overlaps a framed control (the title and the input
    // box, the version strip and Exit), the framed control is on top, so its
    // frame shows. Two framed controls never overlap; labels may, at their
    // blank edges.
    void framedControlsLieOverTheLabelsTheyOverlap() {
        for (const design::ControlRecord& label : design::kControls) {
            for (const design::ControlRecord& framed : design::kControls) {
                const QRect overlap = Control(label).geometry() & Control(framed).geometry();
                if (&label == &framed || overlap.isEmpty() ||
                    framed.kind == design::ControlKind::Label) {
                    continue;
                }
                const QByteArray pair =
                    QByteArray(label.name.data()) + " and " + framed.name.data();
                QVERIFY2(label.kind == design::ControlKind::Label, pair.data());
                QCOMPARE(window_->childAt(overlap.center()), &Control(framed));
            }
        }
    }

    void versionStripLiesUnderExitWhereTheyOverlap() {
        const QWidget& strip = *Child(*window_, "lblCopyRight");
        const QWidget& exit = *Child(*window_, "cmdExit");
        const QRect overlap = strip.geometry() & exit.geometry();
        QCOMPARE(overlap.height(), 1);
        QCOMPARE(window_->childAt(overlap.center()), &exit);
        const QRect visible = strip.geometry().adjusted(0, overlap.height(), 0, 0);
        for (int x = visible.left(); x <= visible.right(); x += 8) {
            for (int y = visible.top(); y <= visible.bottom(); y += 4) {
                QCOMPARE(window_->childAt(x, y), &strip);
            }
        }
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
