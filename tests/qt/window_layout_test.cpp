#include <QFontInfo>
#include <QFontMetrics>
#include <QtTest>
#include <memory>

#include "ui/design_record.h"
#include "ui/qt/calculator_window.h"
#include "ui/qt/design_to_qt.h"
#include "ui/qt/message_box_style.h"
#include "window_driver.h"

using veltrop::CalculatorWindow;
using veltrop::ToQString;
namespace design = veltrop::design;
using namespace veltrop::testing;

// The window as built from the design record. Run once at 96 dpi and once
// with QT_SCALE_FACTOR=2: the layout is in device-independent pixels, so
// everything but the device pixel ratio must come out the same.
class WindowLayoutTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CalculatorWindow> window_;

    static int Px(int twips) { return design::TwipsToPixels(twips, 96); }

    QWidget& Control(const design::ControlRecord& record) {
        return *Child(*window_, record.name.data());
    }

private slots:
    void initTestCase() {
        window_ = std::make_unique<CalculatorWindow>();
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    void cleanupTestCase() { window_.reset(); }

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

    void alignmentAndLimits() {
        const auto& input = *Child<QLineEdit>(*window_, "txtInput");
        QCOMPARE(input.maxLength(), 4);
        QCOMPARE(input.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        for (const char* name : {"lblTitle", "lblCopyRight", "lblCV17", "lblCV18"}) {
            QCOMPARE(Child<QLabel>(*window_, name)->alignment() & Qt::AlignHorizontal_Mask,
                     Qt::AlignHCenter);
        }
        for (const char* name : {"lblInput", "lblCVa", "lblCVb"}) {
            QCOMPARE(Child<QLabel>(*window_, name)->alignment() & Qt::AlignHorizontal_Mask,
                     Qt::AlignLeft);
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

    void messageBoxStyles_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("buttons");
        QTest::newRow("48 exclamation, OK")
            << 48 << int(QMessageBox::Warning) << int(QMessageBox::Ok);
        QTest::newRow("0 plain OK") << 0 << int(QMessageBox::NoIcon) << int(QMessageBox::Ok);
        QTest::newRow("16 critical") << 16 << int(QMessageBox::Critical) << int(QMessageBox::Ok);
        QTest::newRow("36 question, yes/no")
            << 36 << int(QMessageBox::Question) << int(QMessageBox::Yes | QMessageBox::No);
        QTest::newRow("65 information, OK/cancel")
            << 65 << int(QMessageBox::Information) << int(QMessageBox::Ok | QMessageBox::Cancel);
        QTest::newRow("modality bit ignored")
            << 48 + 4096 << int(QMessageBox::Warning) << int(QMessageBox::Ok);
    }
    void messageBoxStyles() {
        QFETCH(int, style);
        QFETCH(int, icon);
        QFETCH(int, buttons);
        const veltrop::MessageBoxLook look = veltrop::MessageBoxLookForStyle(style);
        QCOMPARE(int(look.icon), icon);
        QCOMPARE(int(look.buttons), buttons);
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
