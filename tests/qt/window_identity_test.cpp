#include <QAccessible>
#include <QToolTip>
#include <QtTest>

#include "calc/calculator_controller.h"
#include "res/version.h"
#include "ui/design_record.h"
#include "ui/qt/design_to_qt.h"
#include "ui/qt/program_icon.h"
#include "window_fixture.h"

using veltrop::ToQString;
using namespace veltrop::testing;

// What the window tells about itself: the version tooltip over the blank
// label, and what a screen reader gets from each control.
class WindowIdentityTest : public WindowFixture {
    Q_OBJECT

private:
    QAccessibleInterface& Accessible(const char* name) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(Child(*window_, name));
        Q_ASSERT(iface != nullptr);
        return *iface;
    }
    QString Name(const char* name) { return Accessible(name).text(QAccessible::Name); }

    static QString VersionToolTip() {
        return QStringLiteral(" Veltrop v%1.%2.%3   \u00A9 %4")
            .arg(veltrop::version::kMajor)
            .arg(veltrop::version::kMinor)
            .arg(veltrop::version::kRevision)
            .arg(ToQString(veltrop::kCopyrightNotice));
    }

private slots:
    void versionTooltipShowsAnywhereOnTheBlankStrip_data() {
        QTest::addColumn<QString>("where");
        QTest::newRow("left end") << "left";
        QTest::newRow("middle") << "middle";
        QTest::newRow("right end") << "right";
    }
    void versionTooltipShowsAnywhereOnTheBlankStrip() {
        QFETCH(QString, where);
        const QWidget& strip = *Child(*window_, "lblCopyRight");
        QCOMPARE(Child<QLabel>(*window_, "lblCopyRight")->text(), QString());
        // Inside the strip, below the row where cmdExit overlaps it.
        const int y = strip.height() - 3;
        const int x = where == "left"    ? 1
                      : where == "right" ? strip.width() - 2
                                         : strip.width() / 2;
        QTest::mouseMove(window_->windowHandle(), strip.mapTo(window_.get(), QPoint(x, y)));
        QTRY_VERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), VersionToolTip());
    }

    void tooltipsTakeTheWindowFontAtNormalWeight() {
        QTest::mouseMove(window_->windowHandle(), Child(*window_, "cmdEnter")->geometry().center());
        QTRY_VERIFY(QToolTip::isVisible());
        QWidget* tip = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && widget->windowType() == Qt::ToolTip) {
                tip = widget;
            }
        }
        QVERIFY(tip != nullptr);
        const QFont windowFont = window_->font();
        QCOMPARE(tip->font().family(), windowFont.family());
        QCOMPARE(tip->font().pixelSize(), windowFont.pixelSize());
        QCOMPARE(tip->font().weight(), QFont::Normal);
        QCOMPARE(windowFont.weight(), QFont::Bold);
    }

    // The window icon's raw pixels are made from the installed PNGs: a
    // missing, stale or misread image would show in the window manager only.
    void programIconShowsTheInstalledArtwork_data() {
        QTest::addColumn<int>("size");
        for (int size : {16, 32, 48}) {
            QTest::addRow("%dx%d", size, size) << size;
        }
    }
    void programIconShowsTheInstalledArtwork() {
        QFETCH(int, size);
        const QIcon icon = veltrop::ProgramIcon();
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        const QImage shown = icon.pixmap(QSize(size, size), 1.0)
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage installed =
            QImage(
                QStringLiteral(VELTROP_HICOLOR_DIR "/%1x%1/apps/" VELTROP_APP_ID ".png").arg(size))
                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(installed.size(), QSize(size, size));
        QCOMPARE(shown, installed);
    }

    void everyControlHasASpeakableName() {
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(window_.get());
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Veltrop"));
        for (const auto& record : veltrop::design::kControls) {
            const QString name = Name(record.name.data());
            QVERIFY2(!name.trimmed().isEmpty(), record.name.data());
        }
        QCOMPARE(Name("lblCopyRight"), VersionToolTip().trimmed());
        QCOMPARE(Name("cmdEnter"), QStringLiteral("Enter"));
    }

    void inputIsLabelledByThePrompt() {
        QAccessibleInterface& input = Accessible("txtInput");
        QCOMPARE(input.text(QAccessible::Name), QStringLiteral("Enter Locomotive Number:"));
        const auto labels = input.relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first().first->object(), Child(*window_, "lblInput"));
        QCOMPARE(input.text(QAccessible::Description),
                 QStringLiteral(" Enter a number between 1 and 9999 "));
    }

    void buttonsAreDescribedByTheirTooltips() {
        for (const char* name : {"cmdEnter", "cmdClear", "cmdExit"}) {
            QCOMPARE(Accessible(name).role(), QAccessible::Button);
            QCOMPARE(Accessible(name).text(QAccessible::Description),
                     ToQString(veltrop::design::Control(name).toolTip));
        }
    }

    void resultsCanBeHeard() {
        QCOMPARE(Name("lblCV17"), QStringLiteral("CV 17, no value"));
        QCOMPARE(Name("lblCV18"), QStringLiteral("CV 18, no value"));
        Type(*window_, "1000");
        Click(*Child(*window_, "cmdEnter"));
        QCOMPARE(Name("lblCV17"), QStringLiteral("CV 17 = 195"));
        QCOMPARE(Name("lblCV18"), QStringLiteral("CV 18 = 232"));
        Click(*Child(*window_, "cmdClear"));
        QCOMPARE(Name("lblCV17"), QStringLiteral("CV 17, no value"));
        QCOMPARE(Name("lblCV18"), QStringLiteral("CV 18, no value"));
    }
};

QTEST_MAIN(WindowIdentityTest)
#include "window_identity_test.moc"
