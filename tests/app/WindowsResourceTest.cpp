// The Windows program file carries its icon and version resource: read back from the built file.
#include <QDir>
#include <QFileInfo>
#include <QStringList>

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

// A resource name is a number or a text that lives only during the enumeration: keep it as "#id" or
// as a copy of the text, the two forms FindResourceW takes.
BOOL CALLBACK takeFirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found)
{
    *reinterpret_cast<std::wstring *>(found) =
        IS_INTRESOURCE(name) ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name)) : std::wstring(name);
    return FALSE;
}

} // namespace

TEST(WindowsResources, VersionIsTheProjectVersionInChinesePrc)
{
    const QStringList parts = QStringLiteral(KORVIA_VERSION).split(u'.');
    ASSERT_EQ(parts.size(), 4);
    const auto part = [&](int i) { return WORD(parts[i].toUShort()); };

    const std::wstring path = programFile();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    ASSERT_GT(size, 0u) << "no version resource";
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, data.data()));

    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void **>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, DWORD(MAKELONG(part(1), part(0))));
    EXPECT_EQ(fixed->dwFileVersionLS, DWORD(MAKELONG(part(3), part(2))));
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);

    struct Translation { WORD language; WORD codePage; } *translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void **>(&translation),
                               &length));
    EXPECT_EQ(translation->language, 0x0804) << "Chinese (PRC)";

    wchar_t *text = nullptr;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\StringFileInfo\\080404b0\\FileVersion",
                               reinterpret_cast<void **>(&text), &length));
    EXPECT_EQ(QString::fromWCharArray(text), QStringLiteral(KORVIA_VERSION));
}

TEST(WindowsResources, ApplicationIconIs64By64In32BitColour)
{
    HMODULE program = LoadLibraryExW(programFile().c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(program, nullptr);
    std::wstring group;
    EnumResourceNamesW(program, MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */, takeFirstName,
                       reinterpret_cast<LONG_PTR>(&group));
    ASSERT_FALSE(group.empty()) << "no icon";
    HRSRC groupResource = FindResourceW(program, group.c_str(), MAKEINTRESOURCEW(14));
    ASSERT_NE(groupResource, nullptr);
    auto *directory = static_cast<BYTE *>(LockResource(LoadResource(program, groupResource)));
    // The group lists each picture as width, height, colours, reserved, planes, bits, size, id.
    const auto count = *reinterpret_cast<const WORD *>(directory + 4);
    int id = 0;
    for (int entry = 0; entry < count; ++entry) {
        const BYTE *fields = directory + 6 + 14 * entry;
        if (fields[0] == 64 && fields[1] == 64)
            id = *reinterpret_cast<const WORD *>(fields + 12);
    }
    ASSERT_NE(id, 0) << "no 64 x 64 picture in the icon";
    HRSRC iconResource = FindResourceW(program, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(3) /* RT_ICON */);
    ASSERT_NE(iconResource, nullptr);
    const auto *header = static_cast<const BITMAPINFOHEADER *>(LockResource(LoadResource(program, iconResource)));
    EXPECT_EQ(header->biWidth, 64);
    EXPECT_EQ(header->biHeight, 128) << "an icon's bitmap holds the picture and its mask";
    EXPECT_EQ(header->biBitCount, 32);
    FreeLibrary(program);
}
