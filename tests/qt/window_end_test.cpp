#include <QtTest>
#include <functional>

#include "window_fixture.h"

using namespace veltrop::testing;

// How the program ends: from cmdExit and from the window's close box, each
// leaving the event loop; and destroying the window with the focus in
// txtInput, which must not reach the controller once it is gone.
class WindowEndTest : public WindowFixture {
    Q_OBJECT

private:
    // Runs the event loop as main() does, does `act` from inside it and
    // returns exec()'s result: 0 when the program ended, 99 when it didn't.
    static int RunProgram(const std::function<void()>& act) {
        QTimer::singleShot(0, act);
        QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
        return QApplication::exec();
    }

private slots:
    void exitButtonEndsTheProgram_data() {
        QTest::addColumn<bool>("otherWindowOpen");
        QTest::newRow("alone") << false;
        // Then closing the last window can't be what ends it.
        QTest::newRow("another window open") << true;
    }
    void exitButtonEndsTheProgram() {
        QFETCH(bool, otherWindowOpen);
        QWidget other;
        if (otherWindowOpen) {
            other.show();
            QVERIFY(ShowActive(*window_));
        }
        Type(*window_, "12");
        const int result = RunProgram([&] { Click(Button("cmdExit")); });
        QCOMPARE(result, 0);
        QVERIFY(!window_->isVisible());
        // The number was read on the way out, like any move of the focus.
        QCOMPARE(window_->Controller().State().LocoNumber, 12);
    }

    void closeBoxEndsTheProgram() {
        // The window system's close request, as the close box sends it.
        const int result = RunProgram([&] { window_->windowHandle()->close(); });
        QCOMPARE(result, 0);
        QVERIFY(!window_->isVisible());
    }

    void destroyingTheWindowWithTheFocusInTheInput_data() {
        QTest::addColumn<bool>("closeFirst");
        QTest::newRow("destroyed while shown") << false;
        QTest::newRow("closed, then destroyed") << true;
    }
    void destroyingTheWindowWithTheFocusInTheInput() {
        QFETCH(bool, closeFirst);
        Type(*window_, "1000");
        QCOMPARE(FocusName(), QStringLiteral("txtInput"));
        if (closeFirst) {
            QVERIFY(window_->close());
        }
        window_.reset();  // the sanitizer build catches any late event
        QCOMPARE(QApplication::focusWidget(), nullptr);
    }
};

QTEST_MAIN(WindowEndTest)
#include "window_end_test.moc"
