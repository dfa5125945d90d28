#include <QDialog>
#include <QtTest>

#include "window_fixture.h"

using namespace veltrop::testing;

// The window's behaviour as a user meets it: typing, focus, keys, clicks
// and the input-error box, all through real events.
class CalculatorWindowTest : public WindowFixture {
    Q_OBJECT

private slots:
    void opensEmptyWithTheFocusInTheInput() {
        QCOMPARE(window_->objectName(), QStringLiteral("frmVeltrop"));
        QCOMPARE(window_->windowTitle(), QStringLiteral("Veltrop"));
        QVERIFY(qobject_cast<QDialog*>(window_.get()) == nullptr);
        QCOMPARE(FocusName(), QStringLiteral("txtInput"));
        QCOMPARE(Input().text(), QString());
        QCOMPARE(Caption("lblCV17"), QString());
        QCOMPARE(Caption("lblCV18"), QString());
        QCOMPARE(Caption("lblCopyRight"), QString());
        for (const char* name : {"cmdEnter", "cmdClear", "cmdExit"}) {
            QVERIFY(!Button(name).autoDefault());
            QVERIFY(!Button(name).isDefault());
        }
    }

    void tabCyclesThroughTheFocusableControlsOnly() {
        const QStringList forward{"cmdEnter", "cmdClear", "cmdExit", "txtInput", "cmdEnter"};
        for (const QString& expected : forward) {
            Press(*window_, Qt::Key_Tab);
            QCOMPARE(FocusName(), expected);
        }
        const QStringList backward{"txtInput", "cmdExit", "cmdClear", "cmdEnter", "txtInput"};
        for (const QString& expected : backward) {
            Press(*window_, Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(FocusName(), expected);
        }
    }

    // Return clicks the focused button, as on every desktop; there is no
    // default button, so Return in the box clicks nothing, and no cancel
    // button, so Escape clicks nothing anywhere.
    void returnClicksOnlyTheFocusedButton_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("clicked");  // the button clicked, if any
        const QStringList controls{"txtInput", "cmdEnter", "cmdClear", "cmdExit"};
        for (const QString& focus : controls) {
            const QString clicked = focus.startsWith(u"cmd") ? focus : QString();
            QTest::addRow("Return on %s", qPrintable(focus))
                << focus << int(Qt::Key_Return) << clicked;
            QTest::addRow("keypad Enter on %s", qPrintable(focus))
                << focus << int(Qt::Key_Enter) << clicked;
            QTest::addRow("Escape on %s", qPrintable(focus)) << focus << int(Qt::Key_Escape) << "";
        }
    }
    void returnClicksOnlyTheFocusedButton() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(QString, clicked);
        ModalAnswerer answerer;
        Type(*window_, "1000");
        while (FocusName() != focus) {
            Press(*window_, Qt::Key_Tab);
        }
        const Qt::KeyboardModifiers modifiers =
            key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        Press(*window_, static_cast<Qt::Key>(key), modifiers);
        QTest::qWait(50);

        QCOMPARE(answerer.Answered(), 0);
        QCOMPARE(window_->isVisible(), clicked != u"cmdExit");
        QCOMPARE(Caption("lblCV17"), clicked == u"cmdEnter" ? QStringLiteral(" 195") : QString());
        QCOMPARE(Input().text(), clicked == u"cmdClear" ? QString() : QStringLiteral("1000"));
        if (clicked != u"cmdExit") {
            QCOMPARE(FocusName(), clicked == u"cmdClear" ? QStringLiteral("txtInput") : focus);
        }
    }

    void spaceClicksTheFocusedButton() {
        Type(*window_, "1000");
        Press(*window_, Qt::Key_Tab);
        Press(*window_, Qt::Key_Space);
        QCOMPARE(Caption("lblCV17"), QStringLiteral(" 195"));
        QCOMPARE(Caption("lblCV18"), QStringLiteral(" 232"));
        Press(*window_, Qt::Key_Tab);
        QCOMPARE(FocusName(), QStringLiteral("cmdClear"));
        Press(*window_, Qt::Key_Space);
        QCOMPARE(Input().text(), QString());
        QCOMPARE(Caption("lblCV17"), QString());
        QCOMPARE(Caption("lblCV18"), QString());
        QCOMPARE(FocusName(), QStringLiteral("txtInput"));
    }

    void refusedNumberShowsTheInputErrorBox_data() {
        QTest::addColumn<QString>("before");  // a number computed first, if any
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("clearFirst");
        QTest::addColumn<QString>("cv17");
        QTest::addColumn<QString>("cv18");
        QTest::newRow("nothing typed at start") << ""
                                                << "" << false << ""
                                                << "";
        QTest::newRow("minus five keeps results") << "1000"
                                                  << "-5" << false << " 195"
                                                  << " 232";
        QTest::newRow("zero") << "3"
                              << "0" << false << " 192"
                              << " 3";
        QTest::newRow("text") << ""
                              << "abc" << false << ""
                              << "";
        QTest::newRow("cleared before") << ""
                                        << "10" << true << ""
                                        << "";
    }
    void refusedNumberShowsTheInputErrorBox() {
        QFETCH(QString, before);
        QFETCH(QString, typed);
        QFETCH(bool, clearFirst);
        QFETCH(QString, cv17);
        QFETCH(QString, cv18);
        if (!before.isEmpty()) {
            Type(*window_, before.toLatin1().constData());
            Click(Button("cmdEnter"));
            Click(Input());
            Press(*window_, Qt::Key_A, Qt::ControlModifier);
            Press(*window_, Qt::Key_Delete);
        }
        Type(*window_, typed.toLatin1().constData());
        if (clearFirst) {
            Click(Button("cmdEnter"));
            QCOMPARE(Caption("lblCV17"), QStringLiteral(" 192"));
            Click(Button("cmdClear"));
        }

        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        qsizetype buttons = 0;
        QMessageBox::StandardButtons standard;
        Qt::WindowModality modality = Qt::NonModal;
        QString resultsWhileOpen;
        ModalAnswerer answerer([&](QMessageBox& box) {
            title = box.windowTitle();
            text = box.text();
            icon = box.icon();
            buttons = box.buttons().size();
            standard = box.standardButtons();
            modality = box.windowModality();
            // The window takes no input while the box is open.
            Click(Button("cmdClear"));
            resultsWhileOpen = Caption("lblCV17") + u'|' + Caption("lblCV18");
        });
        Click(Button("cmdEnter"));

        QCOMPARE(answerer.Answered(), 1);
        QCOMPARE(title, QStringLiteral("Input Error"));
        QCOMPARE(text, QStringLiteral("Enter a number between 1 and 9999."));
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(buttons, 1);
        QCOMPARE(standard, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(modality, Qt::ApplicationModal);
        QCOMPARE(resultsWhileOpen, cv17 + u'|' + cv18);
        QCOMPARE(Input().text(), QString());
        // The focus waits in the input for the window to be active again
        // (a window manager reactivates it; the offscreen platform doesn't).
        QCOMPARE(window_->focusWidget(), &Input());
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QCOMPARE(FocusName(), QStringLiteral("txtInput"));
        QCOMPARE(Caption("lblCV17"), cv17);
        QCOMPARE(Caption("lblCV18"), cv18);
    }

    void onlyAMoveToAnotherControlReadsTheNumber() {
        Type(*window_, "1000");
        // Another window taking the activation leaves the number unread...
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QCOMPARE(window_->Controller().State().LocoNumber, 0);
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QCOMPARE(FocusName(), QStringLiteral("txtInput"));
        // ...while Tab reads it.
        Press(*window_, Qt::Key_Tab);
        QCOMPARE(window_->Controller().State().LocoNumber, 1000);
    }

    void messageBoxUsesTheWindowsFont() {
        QFont boxFont;
        ModalAnswerer answerer([&](QMessageBox& box) { boxFont = box.font(); });
        Click(Button("cmdEnter"));
        QCOMPARE(answerer.Answered(), 1);
        QCOMPARE(boxFont, window_->font());
    }
};

QTEST_MAIN(CalculatorWindowTest)
#include "calculator_window_test.moc"
