// The Windows installer, as a user meets it: installed quietly it puts
// Veltrop.exe under Program Files with a Start-menu shortcut and an Apps
// and Features entry, the installed program works, and uninstalling
// takes all of them away again.
#include <windows.h>

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

const std::wstring kInstallFolder = Folder(CSIDL_PROGRAM_FILES) + L"\\Veltrop";
const std::wstring kProgram = kInstallFolder + L"\\Veltrop.exe";
const std::wstring kShortcut = Folder(CSIDL_COMMON_PROGRAMS) + L"\\Veltrop.lnk";

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
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey.c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

std::wstring UninstallValue(const wchar_t* name) {
    wchar_t value[512]{};
    DWORD size = sizeof(value);
    RegGetValueW(HKEY_LOCAL_MACHINE, kUninstallKey.c_str(), name, RRF_RT_REG_SZ, nullptr, value,
                 &size);
    return value;
}

struct Shortcut {
    std::wstring target;
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

TEST(InstallerTest, InstallsARunningProgramAndUninstallsWithoutTrace) {
    // A run stopped half-way may have left it installed.
    Msiexec(L"/x {" + kProductCode + L"}");

    ASSERT_EQ(Msiexec(L"/i \"" + InstallerPath() + L"\""), 0U);
    EXPECT_TRUE(Exists(kProgram));
    EXPECT_TRUE(Exists(kInstallFolder + L"\\LICENSE.txt"));
    const Shortcut shortcut = ReadShortcut(kShortcut);
    EXPECT_EQ(lstrcmpiW(shortcut.target.c_str(), kProgram.c_str()), 0)
        << "the Start-menu shortcut points at '"
        << std::string(shortcut.target.begin(), shortcut.target.end()) << "'";
    EXPECT_TRUE(Exists(shortcut.icon)) << "the shortcut has no icon";

    struct Value {
        const wchar_t* name;
        const wchar_t* expected;
    };
    for (const auto& [name, expected] :
         {Value{L"DisplayName", L"" VELTROP_PRODUCT}, Value{L"DisplayVersion", L"" VELTROP_RELEASE},
          Value{L"Publisher", L"" VELTROP_PUBLISHER}}) {
        EXPECT_EQ(UninstallValue(name), expected) << std::string(name, name + wcslen(name));
    }
    EXPECT_TRUE(Exists(UninstallValue(L"DisplayIcon"))) << "the entry has no icon";

    const auto [cv17, cv18] = CalculateWithInstalledProgram();
    EXPECT_EQ(cv17, L" 195");
    EXPECT_EQ(cv18, L" 232");

    ASSERT_EQ(Msiexec(L"/x \"" + InstallerPath() + L"\""), 0U);
    EXPECT_FALSE(Exists(kProgram));
    EXPECT_FALSE(Exists(kShortcut));
    EXPECT_FALSE(UninstallEntryExists());
}

}  // namespace
}  // namespace veltrop::testing
