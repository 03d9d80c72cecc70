// The Windows program file carries its icon and version resource: read back from the built file.
#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <qt_windows.h>

#include <string>
#include <vector>

namespace {

std::wstring programFile()
{
    const QString path = QFileInfo(QStringLiteral(KORVIA_PROGRAM_FILE)).absoluteFilePath();
    return QDir::toNativeSeparators(path).toStdWString();
}

BOOL CALLBACK takeFirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found)
{
    *reinterpret_cast<LPWSTR *>(found) = name;
    return FALSE;
}

} // namespace

TEST(WindowsResources, VersionIs1500InChinesePrc)
{
    const std::wstring path = programFile();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    ASSERT_GT(size, 0u) << "no version resource";
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, data.data()));

    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void **>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, DWORD(MAKELONG(5, 1)));
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, DWORD(MAKELONG(5, 1)));
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);

    struct Translation { WORD language; WORD codePage; } *translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void **>(&translation),
                               &length));
    EXPECT_EQ(translation->language, 0x0804) << "Chinese (PRC)";

    wchar_t *text = nullptr;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\StringFileInfo\\080404b0\\FileVersion",
                               reinterpret_cast<void **>(&text), &length));
    EXPECT_EQ(std::wstring(text), L"1.5.0.0");
}

TEST(WindowsResources, ApplicationIconIs64By64In32BitColour)
{
    HMODULE program = LoadLibraryExW(programFile().c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(program, nullptr);
    LPWSTR group = nullptr;
    EnumResourceNamesW(program, MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, takeFirstName,
                       reinterpret_cast<LONG_PTR>(&group));
    ASSERT_NE(group, nullptr) << "no icon";
    HRSRC groupResource = FindResourceW(program, group, MAKEINTRESOURCEW(14));
    auto *directory = static_cast<BYTE *>(LockResource(LoadResource(program, groupResource)));
    const int id = LookupIconIdFromDirectoryEx(directory, TRUE, 64, 64, LR_DEFAULTCOLOR);
    HRSRC iconResource = FindResourceW(program, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(3) /* RT_ICON */);
    ASSERT_NE(iconResource, nullptr);
    const auto *header = static_cast<const BITMAPINFOHEADER *>(LockResource(LoadResource(program, iconResource)));
    EXPECT_EQ(header->biWidth, 64);
    EXPECT_EQ(header->biHeight, 128) << "an icon's bitmap holds the picture and its mask";
    EXPECT_EQ(header->biBitCount, 32);
    FreeLibrary(program);
}
