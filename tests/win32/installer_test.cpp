// The Windows installer, as a user meets it: installed quietly it puts
// Veltrop.exe under Program Files with a Start-menu shortcut and an Apps
// and Features entry, the installed program works, and uninstalling
// takes all of them away again. What is asserted holds on Windows and
// under Wine alike; where Wine is known to differ, the test says so.
#include <windows.h>

#include <msi.h>
#include <msiquery.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <string>

#include "program_process.h"
#include "ui/win32/calculator_window.h"
#include "window_driver.h"

namespace veltrop::testing {
namespace {

std::wstring Widen(const std::string& text) {
    return {text.begin(), text.end()};
}

// The installer from the build, as Wine's drive Z: (the Linux root) sees it.
std::wstring InstallerPath() {
    std::wstring path = L"Z:" + Widen(VELTROP_MSI_PATH);
    for (auto& c : path) {
        c = c == L'/' ? L'\\' : c;
    }
    return path;
}

const std::wstring kProductCode = Widen(VELTROP_MSI_PRODUCT_CODE);
const std::wstring kUninstallKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\{" + kProductCode + L"}";

std::wstring Folder(int csidl) {
    wchar_t path[MAX_PATH]{};
    SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

// The package is 32-bit: on 64-bit Windows it lands in the 32-bit Program
// Files and registry view, which a 64-bit test program must ask for.
#ifdef _WIN64
constexpr int kProgramFiles = CSIDL_PROGRAM_FILESX86;
constexpr REGSAM kRegistryView = KEY_WOW64_32KEY;
#else
constexpr int kProgramFiles = CSIDL_PROGRAM_FILES;
constexpr REGSAM kRegistryView = 0;
#endif

const std::wstring kInstallFolder = Folder(kProgramFiles) + L"\\Veltrop";
const std::wstring kProgram = kInstallFolder + L"\\Veltrop.exe";

bool UnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

// With ALLUSERS=1 Windows Installer puts the shortcut in the all-users
// Programs folder; Wine keeps it in the user's own whatever ALLUSERS says.
std::wstring ExpectedShortcut() {
    const std::wstring common = Folder(CSIDL_COMMON_PROGRAMS) + L"\\Veltrop.lnk";
    const std::wstring user = Folder(CSIDL_PROGRAMS) + L"\\Veltrop.lnk";
    return UnderWine() && GetFileAttributesW(common.c_str()) == INVALID_FILE_ATTRIBUTES ? user
                                                                                        : common;
}

bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Runs msiexec with the given arguments, quietly; its exit code.
DWORD Msiexec(const std::wstring& arguments) {
    std::wstring command = L"msiexec.exe " + arguments + L" /qn";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return GetLastError();
    }
    DWORD exitCode = WAIT_TIMEOUT;
    if (WaitForSingleObject(process.hProcess, 120000) == WAIT_OBJECT_0) {
        GetExitCodeProcess(process.hProcess, &exitCode);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

bool UninstallEntryExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey.c_str(), 0, KEY_READ | kRegistryView,
                      &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

// A value of the uninstall entry as text (a number in decimal).
std::wstring UninstallValue(const wchar_t* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey.c_str(), 0, KEY_READ | kRegistryView,
                      &key) != ERROR_SUCCESS) {
        return L"";
    }
    BYTE data[1024]{};
    DWORD size = sizeof(data) - sizeof(wchar_t);
    DWORD type = 0;
    std::wstring value;
    if (RegQueryValueExW(key, name, nullptr, &type, data, &size) == ERROR_SUCCESS) {
        if (type == REG_DWORD) {
            value = std::to_wstring(*reinterpret_cast<const DWORD*>(data));
        } else if (type == REG_SZ || type == REG_EXPAND_SZ) {
            value = reinterpret_cast<const wchar_t*>(data);
        }
    }
    RegCloseKey(key);
    return value;
}

// A property as the package's own Property table holds it.
std::wstring PackageProperty(const wchar_t* name) {
    MSIHANDLE database = 0;
    std::wstring value;
    if (MsiOpenDatabaseW(InstallerPath().c_str(), MSIDBOPEN_READONLY, &database) != ERROR_SUCCESS) {
        return value;
    }
    const std::wstring query =
        std::wstring(L"SELECT `Value` FROM `Property` WHERE `Property` = '") + name + L"'";
    MSIHANDLE view = 0;
    MSIHANDLE record = 0;
    if (MsiDatabaseOpenViewW(database, query.c_str(), &view) == ERROR_SUCCESS &&
        MsiViewExecute(view, 0) == ERROR_SUCCESS && MsiViewFetch(view, &record) == ERROR_SUCCESS) {
        wchar_t text[256]{};
        DWORD length = 256;
        MsiRecordGetStringW(record, 1, text, &length);
        value = text;
    }
    for (const MSIHANDLE handle : {record, view, database}) {
        if (handle) {
            MsiCloseHandle(handle);
        }
    }
    return value;
}

std::wstring ProductInfo(const wchar_t* property) {
    wchar_t value[MAX_PATH]{};
    DWORD length = MAX_PATH;
    const std::wstring code = L"{" + kProductCode + L"}";
    MsiGetProductInfoW(code.c_str(), property, value, &length);
    return value;
}

std::string Narrow(const std::wstring& text) {
    return {text.begin(), text.end()};
}

struct Shortcut {
    std::wstring target;
    std::wstring folder;
    std::wstring icon;
};

Shortcut ReadShortcut(const std::wstring& path) {
    Shortcut shortcut;
    CoInitialize(nullptr);
    IShellLinkW* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            if (SUCCEEDED(file->Load(path.c_str(), STGM_READ))) {
                wchar_t text[MAX_PATH]{};
                link->GetPath(text, MAX_PATH, nullptr, 0);
                shortcut.target = text;
                text[0] = L'\0';
                link->GetWorkingDirectory(text, MAX_PATH);
                shortcut.folder = text;
                int index = 0;
                text[0] = L'\0';
                link->GetIconLocation(text, MAX_PATH, &index);
                shortcut.icon = text;
            }
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
    return shortcut;
}

// A control's text in another process: WM_GETTEXT is marshalled across.
std::wstring TextOf(HWND window, design::ControlName control) {
    wchar_t text[64]{};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(GetDlgItem(window, CalculatorWindow::ControlId(control)), WM_GETTEXT, 64,
                        reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &length);
    return text;
}

// Starts the installed program, types 1000 and clicks Enter; the two results
// it shows, then ends it with Exit.
std::pair<std::wstring, std::wstring> CalculateWithInstalledProgram() {
    const ProgramProcess program(kProgram);
    std::pair<std::wstring, std::wstring> results;
    if (const HWND window = program.Window()) {
        WindowDriver::Type(L"1000");
        WindowDriver::Click(GetDlgItem(window, CalculatorWindow::ControlId("cmdEnter")));
        for (int wait = 0; wait < 250 && TextOf(window, "lblCV17").empty(); ++wait) {
            Sleep(20);
        }
        results = {TextOf(window, "lblCV17"), TextOf(window, "lblCV18")};
        WindowDriver::Click(GetDlgItem(window, CalculatorWindow::ControlId("cmdExit")));
        program.ExitCodeWithin(5000);
    }
    return results;
}

bool SamePath(std::wstring a, std::wstring b) {
    for (auto* path : {&a, &b}) {
        while (!path->empty() && path->back() == L'\\') {
            path->pop_back();
        }
    }
    return lstrcmpiW(a.c_str(), b.c_str()) == 0;
}

class InstallerTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A run stopped half-way may have left it installed.
        Msiexec(L"/x {" + kProductCode + L"}");
        ASSERT_TRUE(Exists(InstallerPath())) << "no installer at " VELTROP_MSI_PATH;
        // The 64-bit build tests the 32-bit build's installer: both must
        // come from the same sources.
        ASSERT_EQ(PackageProperty(L"ProductCode"), L"{" + kProductCode + L"}")
            << VELTROP_MSI_PATH " is out of date: build the windows preset again";
        ASSERT_EQ(Msiexec(L"/i \"" + InstallerPath() + L"\""), 0U);
    }
    void TearDown() override { Msiexec(L"/x {" + kProductCode + L"}"); }
};

TEST_F(InstallerTest, InstallsWhereUsersLookAndUninstallsWithoutTrace) {
    EXPECT_EQ(PackageProperty(L"ALLUSERS"), L"1");
    EXPECT_TRUE(Exists(kProgram)) << Narrow(kProgram);
    EXPECT_TRUE(Exists(kInstallFolder + L"\\LICENSE.txt"));

    const std::wstring shortcutPath = ExpectedShortcut();
    const Shortcut shortcut = ReadShortcut(shortcutPath);
    EXPECT_TRUE(SamePath(shortcut.target, kProgram))
        << Narrow(shortcutPath) << " points at '" << Narrow(shortcut.target) << "'";
    EXPECT_TRUE(SamePath(shortcut.folder, kInstallFolder))
        << "the shortcut starts in '" << Narrow(shortcut.folder) << "'";
    EXPECT_TRUE(Exists(shortcut.icon)) << "the shortcut's icon '" << Narrow(shortcut.icon) << "'";

    // Apps and Features: its icon is the product's (ARPPRODUCTICON), read
    // through Windows Installer; the entry itself holds no DisplayIcon.
    const std::wstring icon = ProductInfo(INSTALLPROPERTY_PRODUCTICON);
    EXPECT_TRUE(Exists(icon)) << "the product's icon '" << Narrow(icon) << "'";
    struct Value {
        const wchar_t* name;
        std::wstring expected;
    };
    for (const auto& [name, expected] :
         {Value{L"DisplayName", L"" VELTROP_PRODUCT}, Value{L"DisplayVersion", L"" VELTROP_RELEASE},
          Value{L"Publisher", L"" VELTROP_PUBLISHER}, Value{L"NoModify", L"1"}}) {
        EXPECT_EQ(UninstallValue(name), expected) << Narrow(name);
    }
    EXPECT_TRUE(SamePath(UninstallValue(L"InstallLocation"), kInstallFolder))
        << "InstallLocation '" << Narrow(UninstallValue(L"InstallLocation")) << "'";

    ASSERT_EQ(Msiexec(L"/x \"" + InstallerPath() + L"\""), 0U);
    EXPECT_FALSE(Exists(kProgram));
    EXPECT_FALSE(Exists(shortcutPath));
    EXPECT_FALSE(UninstallEntryExists());
}

TEST_F(InstallerTest, InstalledProgramCalculates) {
#ifdef VELTROP_NO_32BIT_REASON
    // The installed program is the shipped 32-bit one.
    GTEST_SKIP() << VELTROP_NO_32BIT_REASON;
#endif
    const auto [cv17, cv18] = CalculateWithInstalledProgram();
    EXPECT_EQ(cv17, L" 195");
    EXPECT_EQ(cv18, L" 232");
}

}  // namespace
}  // namespace veltrop::testing
