// What text the input box takes, and that the results always belong to the
// text it shows, whichever way that text came in. Runs on a real X display
// (the middle-button paste needs the X selection).
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleEditableTextInterface>
#include <QClipboard>
#include <QMenu>
#include <QtTest>
#include <memory>

#include "ui/qt/application_setup.h"
#include "ui/qt/calculator_window.h"
#include "window_driver.h"

using veltrop::CalculatorWindow;
using namespace veltrop::testing;

namespace {

enum class Paste { Keys, ShiftInsert, ContextMenu, MiddleButton };

// How a click reaches Enter without the box's focus loss being read.
enum class Arrival {
    ScreenReaderPress,     // an accessibility Press: the focus stays in the box
    FocusedWhileInactive,  // the focus moved to Enter while the window was inactive
};

}  // namespace

Q_DECLARE_METATYPE(Paste)
Q_DECLARE_METATYPE(Arrival)

class InputTextTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CalculatorWindow> window_;

    QLineEdit& Input() { return *Child<QLineEdit>(*window_, "txtInput"); }
    QString Caption(const char* name) { return Child<QLabel>(*window_, name)->text(); }

    void ComputeTen() {
        Type(*window_, "10");
        Click(*Child<QPushButton>(*window_, "cmdEnter"));
        QCOMPARE(Caption("lblCV18"), QStringLiteral(" 10"));
        QCOMPARE(FocusName(), QStringLiteral("cmdEnter"));
    }

private slots:
    // As the program sets it up at its start.
    void initTestCase() { veltrop::SetUpApplication(); }

    void init() {
        window_ = std::make_unique<CalculatorWindow>();
        QVERIFY(ShowActive(*window_));
    }

    void cleanup() { window_.reset(); }

    void pasteKeepsTheFirstLineThenTheLimit_data() {
        QTest::addColumn<Paste>("how");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Ctrl+V two lines") << Paste::Keys << ""
                                          << "12\n34"
                                          << "12";
        QTest::newRow("Shift+Insert CR LF") << Paste::ShiftInsert << ""
                                            << "7\r\n8"
                                            << "7";
        QTest::newRow("first line then limit") << Paste::Keys << "9"
                                               << "1234\n5"
                                               << "9123";
        QTest::newRow("empty first line") << Paste::Keys << "5"
                                          << "\n12"
                                          << "5";
        QTest::newRow("context menu") << Paste::ContextMenu << ""
                                      << "12\n34"
                                      << "12";
        QTest::newRow("middle button") << Paste::MiddleButton << ""
                                       << "12\n34"
                                       << "12";
        QTest::newRow("emoji past the limit") << Paste::Keys << "123"
                                              << "\U0001F682"
                                              << "123";
        QTest::newRow("emoji within the limit") << Paste::Keys << "12"
                                                << "\U0001F682"
                                                << "12\U0001F682";
    }
    void pasteKeepsTheFirstLineThenTheLimit() {
        QFETCH(Paste, how);
        QFETCH(QString, before);
        QFETCH(QString, pasted);
        QFETCH(QString, expected);
        Type(*window_, before.toLatin1().constData());
        QClipboard& clipboard = *QGuiApplication::clipboard();
        const QPoint inBox = Input().mapTo(window_.get(), Input().rect().center());
        switch (how) {
            case Paste::Keys:
                clipboard.setText(pasted);
                Press(*window_, Qt::Key_V, Qt::ControlModifier);
                break;
            case Paste::ShiftInsert:
                clipboard.setText(pasted);
                Press(*window_, Qt::Key_Insert, Qt::ShiftModifier);
                break;
            case Paste::ContextMenu: {
                clipboard.setText(pasted);
                QTest::mouseClick(window_->windowHandle(), Qt::RightButton, {}, inBox);
                QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr);
                QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_P);  // &Paste
                break;
            }
            case Paste::MiddleButton:
                QVERIFY(clipboard.supportsSelection());
                clipboard.setText(pasted, QClipboard::Selection);
                QTest::mouseClick(window_->windowHandle(), Qt::MiddleButton, {}, inBox);
                break;
        }
        QTRY_COMPARE(Input().text(), expected);
    }

    // The drop would change the text without the focus entering or leaving
    // the box, so the number would never be read again.
    void dropIsRefused() {
        ComputeTen();
        QVERIFY(!DropText(*window_, Input().mapTo(window_.get(), Input().rect().center()),
                          QStringLiteral("5")));
        QCOMPARE(Input().text(), QStringLiteral("10"));
        Click(*Child<QPushButton>(*window_, "cmdEnter"));
        QCOMPARE(Caption("lblCV17"), QStringLiteral(" 192"));
        QCOMPARE(Caption("lblCV18"), QStringLiteral(" 10"));
    }

    // Invisible characters take no part in the number; ones drawn as a blank
    // count as the blank they look like.
    void enterUsesTheNumberShown_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("cv18");
        QTest::newRow("zero-width space") << "1\u200B23"
                                          << " 123";
        QTest::newRow("right-to-left mark") << "\u200F123"
                                            << " 123";
        QTest::newRow("no-break space") << "1\u00A02"
                                        << " 12";
    }
    void enterUsesTheNumberShown() {
        QFETCH(QString, pasted);
        QFETCH(QString, cv18);
        QGuiApplication::clipboard()->setText(pasted);
        Press(*window_, Qt::Key_V, Qt::ControlModifier);
        QTRY_COMPARE(Input().text(), pasted);
        Click(*Child<QPushButton>(*window_, "cmdEnter"));
        QCOMPARE(Caption("lblCV17"), QStringLiteral(" 192"));
        QCOMPARE(Caption("lblCV18"), cv18);
    }

    // Whichever way the click arrives, it computes from the text shown.
    void clickWithoutLeavingTheBox_data() {
        QTest::addColumn<Arrival>("arrival");
        QTest::addColumn<bool>("cleared");  // Clear instead of typing 5
        QTest::newRow("Press") << Arrival::ScreenReaderPress << false;
        QTest::newRow("Press after Clear") << Arrival::ScreenReaderPress << true;
        QTest::newRow("focused while inactive") << Arrival::FocusedWhileInactive << false;
    }
    void clickWithoutLeavingTheBox() {
        QFETCH(Arrival, arrival);
        QFETCH(bool, cleared);
        auto* enter = Child<QPushButton>(*window_, "cmdEnter");
        Type(*window_, "1000");
        Click(*enter);
        QCOMPARE(Caption("lblCV17"), QStringLiteral(" 195"));
        if (cleared) {
            Click(*Child<QPushButton>(*window_, "cmdClear"));
        } else {
            Click(Input());
            Press(*window_, Qt::Key_A, Qt::ControlModifier);
            Type(*window_, "5");
        }
        QCOMPARE(FocusName(), QStringLiteral("txtInput"));

        ModalAnswerer answerer;
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(enter);
        QVERIFY(button != nullptr && button->actionInterface() != nullptr);
        if (arrival == Arrival::ScreenReaderPress) {
            button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
            QTRY_VERIFY(!enter->isDown());
        } else {
            QWidget other;
            QVERIFY(ShowActive(other));
            button->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
            QCOMPARE(window_->focusWidget(), enter);
            Click(*enter);
            Click(*enter);
        }
        if (cleared) {
            QTRY_COMPARE(answerer.Answered(), 1);
            QCOMPARE(Input().text(), QString());
            QCOMPARE(FocusName(), QStringLiteral("txtInput"));
        } else {
            QCOMPARE(answerer.Answered(), 0);
            QCOMPARE(Caption("lblCV17"), QStringLiteral(" 192"));
            QCOMPARE(Caption("lblCV18"), QStringLiteral(" 5"));
        }
    }

    // A screen reader can set the text while the focus is elsewhere; the next
    // click computes from what the box shows.
    void textSetByAScreenReaderIsRead() {
        ComputeTen();
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(&Input());
        QVERIFY(box != nullptr && box->editableTextInterface() != nullptr);
        box->editableTextInterface()->insertText(2, QStringLiteral("5"));
        QCOMPARE(Input().text(), QStringLiteral("105"));
        QCOMPARE(FocusName(), QStringLiteral("cmdEnter"));
        Click(*Child<QPushButton>(*window_, "cmdEnter"));
        QCOMPARE(Caption("lblCV18"), QStringLiteral(" 105"));
    }
};

QTEST_MAIN(InputTextTest)
#include "input_text_test.moc"
