// Setup.exe's application manifest at work: this program carries it as its own. Wine parses it
// and binds the version 6 common controls; the elevation request and the DPI awareness show
// only on Windows (Wine gives every process the administrator's full token and its own DPI
// handling), so for those the embedded text is checked.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace
{
std::string Lower(std::string str)
{
    std::transform(str.begin(), str.end(), str.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return str;
}

TEST(AppManifest, CommonControlsComeFromTheVersion6Assembly)
{
    HMODULE hControls = LoadLibraryA("comctl32.dll");
    ASSERT_NE(hControls, nullptr);
    char szPath[MAX_PATH] = {};
    GetModuleFileNameA(hControls, szPath, MAX_PATH);
    FreeLibrary(hControls);
    EXPECT_NE(
        Lower(szPath).find("\\winsxs\\x86_microsoft.windows.common-controls_6595b64144ccf1df_6."),
        std::string::npos)
        << szPath;
}

TEST(AppManifest, EmbeddedAsManifestResourceOneWithElevationSystemsAndDpiAwareness)
{
    HRSRC hInfo = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(hInfo, nullptr);
    const char* pText = static_cast<const char*>(LockResource(LoadResource(nullptr, hInfo)));
    const std::string strManifest(pText, SizeofResource(nullptr, hInfo));
    for (const char* pszEntry :
         {"<requestedExecutionLevel level=\"requireAdministrator\"",
          "<dpiAware "
          "xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true</dpiAware>",
          "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">system<"})
        EXPECT_NE(strManifest.find(pszEntry), std::string::npos) << pszEntry;
    // Vista, 7, 8, 8.1, 10 and 11.
    for (const char* pszId :
         {"{e2011457-1546-43c5-a5fe-008deee3d3f0}", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
          "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
          "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
        EXPECT_NE(strManifest.find(std::string("<supportedOS Id=\"") + pszId + "\"/>"),
                  std::string::npos)
            << pszId;
}
} // namespace
