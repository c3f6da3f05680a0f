// The Windows resources as Explorer reads them from the executable file: the
// version information through the version API, the program icon's group, and
// the application manifest as the system applies it when the process starts.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

std::vector<char> OwnVersionInfo() {
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length == MAX_PATH) {
        return {};
    }
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    std::vector<char> block(size);
    if (size == 0 || !GetFileVersionInfoW(path, 0, size, block.data())) {
        return {};
    }
    return block;
}

// The text of a string field, or "<missing>" when the block has no such field.
std::wstring StringField(std::vector<char>& ABlock, const std::wstring& AName) {
    const std::wstring query = L"\\StringFileInfo\\040904E4\\" + AName;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(ABlock.data(), query.c_str(), &value, &length)) {
        return L"<missing>";
    }
    return length == 0 || value == nullptr ? std::wstring()
                                           : std::wstring(static_cast<wchar_t*>(value));
}

#pragma pack(push, 1)
struct TIconGroupHeader {
    WORD Reserved;
    WORD Type;
    WORD Count;
};
struct TIconGroupEntry {
    BYTE Width;
    BYTE Height;
    BYTE ColourCount;
    BYTE Reserved;
    WORD Planes;
    WORD BitCount;
    DWORD BytesInRes;
    WORD Id;
};
#pragma pack(pop)

} // namespace

TEST(VersionResource, ReadsBackThroughTheVersionApi) {
    std::vector<char> block = OwnVersionInfo();
    ASSERT_FALSE(block.empty()) << "no version information in the executable";

    EXPECT_EQ(StringField(block, L"CompanyName"), L"Varnholt");
    EXPECT_EQ(StringField(block, L"FileVersion"), L"1.0.1.18");
    EXPECT_EQ(StringField(block, L"ProductName"), L"Tolmir");
    EXPECT_EQ(StringField(block, L"ProductVersion"), L"1.0.0.0");
    EXPECT_EQ(StringField(block, L"OriginalFilename"), L"Tolmir.exe");
    EXPECT_EQ(StringField(block, L"FileDescription"), L"");
    EXPECT_EQ(StringField(block, L"LegalCopyright"), L"");

    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &value, &length));
    ASSERT_EQ(length, 4u);
    const auto* translation = static_cast<const WORD*>(value);
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 1252);

    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", &value, &length));
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(18, 1));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 1));
    EXPECT_EQ(fixed->dwProductVersionLS, MAKELONG(18, 1));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST(VersionResource, IconGroupHoldsThe32And48PixelImages) {
    HRSRC found = FindResourceW(nullptr, L"MAINICON", MAKEINTRESOURCEW(14)); // RT_GROUP_ICON
    ASSERT_NE(found, nullptr) << "no icon group MAINICON";
    const auto* data = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    ASSERT_NE(data, nullptr);
    const DWORD size = SizeofResource(nullptr, found);
    ASSERT_GE(size, sizeof(TIconGroupHeader));

    TIconGroupHeader header;
    std::memcpy(&header, data, sizeof header);
    EXPECT_EQ(header.Type, 1); // an icon, not a cursor
    ASSERT_EQ(size, sizeof header + header.Count * sizeof(TIconGroupEntry));

    std::set<int> sizes;
    for (WORD i = 0; i < header.Count; ++i) {
        TIconGroupEntry entry;
        std::memcpy(&entry, data + sizeof header + i * sizeof entry, sizeof entry);
        EXPECT_EQ(entry.Width, entry.Height);
        EXPECT_EQ(entry.BitCount, 8);
        sizes.insert(entry.Width);
        // Each image of the group is an icon resource of its own.
        HRSRC image = FindResourceW(nullptr, MAKEINTRESOURCEW(entry.Id), MAKEINTRESOURCEW(3));
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(SizeofResource(nullptr, image), entry.BytesInRes);
    }
    EXPECT_EQ(sizes, (std::set<int>{32, 48}));
}

TEST(VersionResource, TheManifestAsksForCommonControls6AndPerMonitorDpi) {
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)); // RT_MANIFEST
    ASSERT_NE(found, nullptr) << "no application manifest";
    const auto* data = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    ASSERT_NE(data, nullptr);
    const std::string manifest(data, SizeofResource(nullptr, found));
    for (const char* part : {
             R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")",
             R"(<requestedExecutionLevel level="asInvoker" uiAccess="false"/>)",
             "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", // Windows 7
             "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", // Windows 8
             "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", // Windows 8.1
             "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", // Windows 10 and 11
             ">true/pm</dpiAware>",
             ">PerMonitorV2</dpiAwareness>",
         })
        EXPECT_NE(manifest.find(part), std::string::npos) << part;

    // The system applied it as the process started.
    EXPECT_TRUE(IsProcessDPIAware());
}
