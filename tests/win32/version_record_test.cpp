// Veltrop.exe's version record, read back the way Windows tools read it;
// and its manifest, by its effect.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/copyright_notice.h"
#include "program_path.h"
#include "res/version.h"
#include "ui/win32/program_version.h"

namespace veltrop::testing {
namespace {

const std::wstring kProgram = ProgramPath();

class VersionRecordTest : public ::testing::Test {
protected:
    void SetUp() override {
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(kProgram.c_str(), &ignored);
        ASSERT_NE(size, 0U) << "no version record in Veltrop.exe";
        record_.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(kProgram.c_str(), 0, size, record_.data()));
    }

    template <typename T>
    const T* Query(const std::wstring& path, UINT* length = nullptr) {
        void* value = nullptr;
        UINT size = 0;
        if (!VerQueryValueW(record_.data(), path.c_str(), &value, &size)) {
            return nullptr;
        }
        if (length) {
            *length = size;
        }
        return static_cast<const T*>(value);
    }

    std::vector<unsigned char> record_;
};

TEST_F(VersionRecordTest, FixedPart) {
    const auto* fixed = Query<VS_FIXEDFILEINFO>(L"\\");
    ASSERT_NE(fixed, nullptr);
    const DWORD high = MAKELONG(version::kMinor, version::kMajor);
    const DWORD low = MAKELONG(version::kRevision, version::kBuild);
    EXPECT_EQ(fixed->dwSignature, VS_FFI_SIGNATURE);
    EXPECT_EQ(fixed->dwFileVersionMS, high);
    EXPECT_EQ(fixed->dwFileVersionLS, low);
    EXPECT_EQ(fixed->dwProductVersionMS, high);
    EXPECT_EQ(fixed->dwProductVersionLS, low);
    EXPECT_EQ(fixed->dwFileFlags & fixed->dwFileFlagsMask, 0U);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST_F(VersionRecordTest, TranslationIsUsEnglishUnicode) {
    UINT length = 0;
    const auto* translation = Query<WORD>(L"\\VarFileInfo\\Translation", &length);
    ASSERT_NE(translation, nullptr);
    ASSERT_EQ(length, 4U);
    EXPECT_EQ(translation[0], 0x409);
    EXPECT_EQ(translation[1], 1200);
}

TEST_F(VersionRecordTest, Strings) {
    const std::wstring product(std::begin(version::kProductName),
                               std::end(version::kProductName) - 1);
    const std::wstring text(std::begin(version::kText), std::end(version::kText) - 1);
    const std::wstring company(std::begin(version::kCompany), std::end(version::kCompany) - 1);
    const std::wstring copyright =
        L"\u00A9 " + std::wstring(kCopyrightNotice.begin(), kCopyrightNotice.end());
    const struct {
        const wchar_t* key;
        std::wstring value;
    } expected[] = {{L"ProductName", product},
                    {L"FileVersion", text},
                    {L"ProductVersion", text},
                    {L"InternalName", product},
                    {L"OriginalFilename", product + L".exe"},
                    {L"CompanyName", company},
                    {L"FileDescription", product},
                    {L"LegalCopyright", copyright}};
    for (const auto& [key, value] : expected) {
        SCOPED_TRACE(std::string(key, key + wcslen(key)));
        const auto* found = Query<wchar_t>(L"\\StringFileInfo\\040904B0\\" + std::wstring(key));
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(std::wstring(found), value);
    }
}

TEST(ProgramVersionTest, ReadFromTheVersionRecord) {
    const auto read = ReadFileVersion(kProgram);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->Major, version::kMajor);
    EXPECT_EQ(read->Minor, version::kMinor);
    EXPECT_EQ(read->Revision, version::kRevision);
    // The test program carries the same record as its own.
    const VersionNumbers own = ReadProgramVersion();
    EXPECT_EQ(own.Major, read->Major);
    EXPECT_EQ(own.Minor, read->Minor);
    EXPECT_EQ(own.Revision, read->Revision);
    EXPECT_FALSE(ReadFileVersion(L"Z:\\nonexistent\\missing.exe").has_value());
}

// A manifest of another architecture than the program's is ignored without
// a word, and the window draws with the old common controls. The test
// program carries the program's manifest; only version 6's buttons answer
// BCM_GETIDEALSIZE.
TEST(ProgramManifestTest, CommonControlsSixAreLoaded) {
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    const HWND button = CreateWindowExW(0, L"BUTTON", L"Enter", WS_POPUP | BS_PUSHBUTTON, 0, 0, 80,
                                        24, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(button, nullptr);
    SIZE ideal{};
    EXPECT_TRUE(SendMessageW(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)));
    DestroyWindow(button);
}

}  // namespace
}  // namespace veltrop::testing
