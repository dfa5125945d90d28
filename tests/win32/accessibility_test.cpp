// The window as a screen reader finds it through Microsoft Active
// Accessibility (oleacc): each child's own object, in z-order, which is the
// order the reader reads them in.
#include <windows.h>

#include <oleacc.h>

#include <string>
#include <vector>

#include "calculator_window_fixture.h"

namespace veltrop::testing {
namespace {

// The accessible name of a child window, as its standard object gives it;
// "<no object>" where oleacc has none.
std::wstring AccessibleName(HWND control) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          IID_IAccessible,
                                          reinterpret_cast<void**>(&accessible))) ||
        !accessible) {
        return L"<no object>";
    }
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::wstring text;
    if (SUCCEEDED(accessible->get_accName(self, &name)) && name) {
        text = name;
    }
    SysFreeString(name);
    accessible->Release();
    return text;
}

class AccessibilityTest : public CalculatorWindowTest {
protected:
    void SetUp() override {
        CoInitialize(nullptr);
        CalculatorWindowTest::SetUp();
    }
    void TearDown() override { CoUninitialize(); }

    // The children's names, top of the z-order first.
    std::vector<std::wstring> ReadingOrder() const {
        std::vector<std::wstring> names;
        for (HWND child = GetWindow(window_.Handle(), GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            names.push_back(AccessibleName(child));
        }
        return names;
    }
};

std::string Narrow(const std::vector<std::wstring>& names) {
    std::string text;
    for (const std::wstring& name : names) {
        text += "[" + std::string(name.begin(), name.end()) + "] ";
    }
    return text;
}

// The edit box is named by the prompt before it, and each result follows
// its caption.
TEST_F(AccessibilityTest, ReadingOrderAfterACalculation) {
    WindowDriver::Type(L"1000");
    ASSERT_TRUE(driver_.PumpUntil([this] { return TextOf("txtInput") == L"1000"; }));
    WindowDriver::Click(Control("cmdEnter"));
    ASSERT_TRUE(driver_.PumpUntil([this] { return !TextOf("lblCV17").empty(); }));

    const std::vector<std::wstring> expected{L"Extended Address CV Calculator",
                                             L"Enter Locomotive Number:",
                                             L"Enter Locomotive Number:",
                                             L"CV 17 =",
                                             L" 195",
                                             L"CV 18 =",
                                             L" 232",
                                             L"Enter",
                                             L"Clear",
                                             L"Exit",
                                             L""};
    const std::vector<std::wstring> names = ReadingOrder();
    EXPECT_EQ(names, expected) << "read: " << Narrow(names);
    EXPECT_EQ(AccessibleName(Control("txtInput")), L"Enter Locomotive Number:");
}

}  // namespace
}  // namespace veltrop::testing
