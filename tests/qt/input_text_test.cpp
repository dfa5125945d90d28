// What text the input box takes, and that the results always belong to the
// text it shows, whichever way that text came in. Runs on a real X display
// (the middle-button paste needs the X selection).
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleEditableTextInterface>
#include <QClipboard>
#include <QMenu>
#include <QtTest>
#include <utility>

#include "input_text_cases.h"
#include "window_fixture.h"

using namespace veltrop::testing;

namespace {

enum class Paste { None, Keys, ShiftInsert, ContextMenu, MiddleButton };

// How a click reaches Enter without the box's focus loss being read.
enum class Arrival {
    ScreenReaderPress,     // an accessibility Press: the focus stays in the box
    FocusedWhileInactive,  // the focus moved to Enter while the window was inactive
};

QString Text(std::u16string_view text) {
    return QStringView(text).toString();
}
QByteArray Keys(std::u16string_view text) {
    return QStringView(text).toLatin1();
}

}  // namespace

Q_DECLARE_METATYPE(Paste)
Q_DECLARE_METATYPE(Arrival)
Q_DECLARE_METATYPE(const KeptTextCase*)
Q_DECLARE_METATYPE(const ShownNumberCase*)

class InputTextTest : public WindowFixture {
    Q_OBJECT

private:
    void ComputeTen() {
        Type(*window_, "10");
        Click(Button("cmdEnter"));
        QCOMPARE(Caption("lblCV18"), QStringLiteral(" 10"));
        QCOMPARE(FocusName(), QStringLiteral("cmdEnter"));
    }

private slots:
    // Every way of pasting goes through the same rules.
    void boxKeepsItsText_data() {
        QTest::addColumn<const KeptTextCase*>("rule");
        QTest::addColumn<Paste>("how");
        const std::pair<Paste, const char*> ways[] = {{Paste::Keys, "Ctrl+V"},
                                                      {Paste::ShiftInsert, "Shift+Insert"},
                                                      {Paste::ContextMenu, "context menu"},
                                                      {Paste::MiddleButton, "middle button"}};
        for (const KeptTextCase& rule : kKeptTextCases) {
            const int length = int(rule.name.size());
            if (rule.pasted.empty()) {
                QTest::addRow("%.*s", length, rule.name.data()) << &rule << Paste::None;
                continue;
            }
            for (const auto& [how, way] : ways) {
                QTest::addRow("%.*s by %s", length, rule.name.data(), way) << &rule << how;
            }
        }
    }
    void boxKeepsItsText() {
        QFETCH(const KeptTextCase*, rule);
        QFETCH(Paste, how);
        Type(*window_, Keys(rule->typed).constData());
        const QString pasted = Text(rule->pasted);
        QClipboard& clipboard = *QGuiApplication::clipboard();
        // The middle button pastes where it is pressed: past the text's end.
        const QRect box = Input().rect();
        const QPoint inBox =
            Input().mapTo(window_.get(), QPoint(box.right() - 2, box.center().y()));
        switch (how) {
            case Paste::None:
                break;
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
        QTRY_COMPARE(Input().text(), Text(rule->kept));
    }

    void enterComputesFromTheTextShown_data() {
        QTest::addColumn<const ShownNumberCase*>("entry");
        for (const ShownNumberCase& entry : kShownNumberCases) {
            QTest::addRow("%.*s", int(entry.name.size()), entry.name.data()) << &entry;
        }
    }
    void enterComputesFromTheTextShown() {
        QFETCH(const ShownNumberCase*, entry);
        if (entry->earlier.empty()) {
            Type(*window_, Keys(entry->typed).constData());
        } else {
            Type(*window_, Keys(entry->earlier).constData());
            Click(Button("cmdEnter"));
            QCOMPARE(FocusName(), QStringLiteral("cmdEnter"));
            Retype(Keys(entry->typed).constData());
        }
        if (!entry->pasted.empty()) {
            QGuiApplication::clipboard()->setText(Text(entry->pasted));
            Press(*window_, Qt::Key_V, Qt::ControlModifier);
        }
        const QString shown = Text(entry->typed) + Text(entry->pasted);
        QTRY_COMPARE(Input().text(), shown);
        Click(Button("cmdEnter"));
        QCOMPARE(Caption("lblCV17"), Text(entry->cv17));
        QCOMPARE(Caption("lblCV18"), Text(entry->cv18));
        // The input keeps its text and the focus stays on the button.
        QCOMPARE(Input().text(), shown);
        QCOMPARE(FocusName(), QStringLiteral("cmdEnter"));
    }

    // The drop would change the text without the focus entering or leaving
    // the box, so the number would never be read again.
    void dropIsRefused() {
        ComputeTen();
        QVERIFY(!DropText(*window_, Input().mapTo(window_.get(), Input().rect().center()),
                          QStringLiteral("5")));
        QCOMPARE(Input().text(), QStringLiteral("10"));
        Click(Button("cmdEnter"));
        QCOMPARE(Caption("lblCV17"), QStringLiteral(" 192"));
        QCOMPARE(Caption("lblCV18"), QStringLiteral(" 10"));
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
        auto* enter = &Button("cmdEnter");
        Type(*window_, "1000");
        Click(*enter);
        QCOMPARE(Caption("lblCV17"), QStringLiteral(" 195"));
        if (cleared) {
            Click(Button("cmdClear"));
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
        Click(Button("cmdEnter"));
        QCOMPARE(Caption("lblCV18"), QStringLiteral(" 105"));
    }
};

QTEST_MAIN(InputTextTest)
#include "input_text_test.moc"
