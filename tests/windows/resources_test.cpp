// The resources of the built program image, read back from the file: the string table, the
// four dialog templates, the version record, the icon, the logo and the payload archive.
#include "ResourceIds.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace
{
// The resource-complete image: the page viewer beside this test program.
std::string ImagePath()
{
    char szPath[MAX_PATH];
    GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string strPath = szPath;
    return strPath.substr(0, strPath.rfind('\\') + 1) + "win_page_viewer.exe";
}

class ResourceImage : public testing::Test
{
protected:
    void SetUp() override
    {
        m_hImage = LoadLibraryExA(ImagePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(m_hImage, nullptr) << ImagePath();
    }
    void TearDown() override
    {
        if (m_hImage != nullptr)
            FreeLibrary(m_hImage);
    }

    // The bytes of a resource, empty when there is none.
    std::string Resource(LPCSTR pszType, int nId, WORD nLanguage) const
    {
        HRSRC hInfo = FindResourceExA(m_hImage, pszType, MAKEINTRESOURCEA(nId), nLanguage);
        if (hInfo == nullptr)
            return std::string();
        const char* pData = static_cast<const char*>(LockResource(LoadResource(m_hImage, hInfo)));
        return std::string(pData, SizeofResource(m_hImage, hInfo));
    }

    std::string Text(UINT nId) const
    {
        char szText[4096];
        int nLength = LoadStringA(m_hImage, nId, szText, sizeof szText);
        return std::string(szText, nLength > 0 ? static_cast<std::size_t>(nLength) : 0);
    }

    HMODULE m_hImage = nullptr;
};

const WORD ENGLISH_US = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

struct StringCase
{
    UINT nId;
    const char* pszText;
};

const StringCase g_strings[] = {
    {IDS_AGREEMENT,
     "This software is provided freely to benefit customers of Larkhaven Corporation. There is no "
     "warranty, express or implied, for this software. By continuing with this installation, you "
     "are accepting all responsibility and liability for the use of this software.\r\n\r\nPlease "
     "note that the included application examples are NOT supported by Larkhaven. They are "
     "provided as an example of using the driver, but are subject to change in future "
     "versions.\r\n\r\nLarkhaven will provide customer support for the LabView drivers at its "
     "discretion."},
    {IDS_WELCOME_TEXT, "This program will setup LabView VISA drivers and examples for the KTR-7400 "
                       "GPIB Interface.\nThese Drivers are for LabView 6.1 and later.\n"},
    {IDS_ERR_INSTALL_DIR, "An error occurred while attempting to create the installation "
                          "directory. Check permissions and available disk space and try again."},
    {IDS_TITLE_ERROR, "Installation Error!!!"},
    {IDS_TITLE_WELCOME, "Welcome..."},
    {IDS_TITLE_COMPLETE, "Installation Complete..."},
    {IDS_ERR_NO_OPTION, "An option must be selected to continue the installation."},
    {IDS_CONFIRM_DIR, "The following LabView directory has been selected:\n\n<%s>\n\nSelect 'Next' "
                      "to confirm that you want to\nuse this directory, replacing any\nprevious "
                      "contents with this new installation."},
    {IDS_TITLE_ATTENTION, "Attention..."},
    {IDS_DIR_MISSING,
     "The directory selected for installation does not exist!\n\n<%s>\n\nSelect 'Next' to confirm "
     "you want the installation to begin in this directory anyway. It is highly recommended that "
     "this installation be completed in a valid LabView directory."},
};

TEST_F(ResourceImage, TheStringTableHoldsEveryTextByteForByte)
{
    for (const StringCase& c : g_strings)
        EXPECT_EQ(Text(c.nId), c.pszText) << "string " << c.nId;
    // No other ids in the table's range.
    for (UINT nId : {8u, 9u, 10u, 11u, 16u})
        EXPECT_EQ(Text(nId), "") << "string " << nId;
}

TEST_F(ResourceImage, TheSupportContactHasSevenLinesWithAFictionalTollFreeNumber)
{
    std::vector<std::string> lines;
    std::string strText = Text(IDS_SUPPORT_CONTACT);
    std::size_t nStart = 0;
    for (std::size_t nEnd; (nEnd = strText.find('\n', nStart)) != std::string::npos;
         nStart = nEnd + 1)
        lines.push_back(strText.substr(nStart, nEnd - nStart));
    lines.push_back(strText.substr(nStart));
    ASSERT_EQ(lines.size(), 7u) << strText;
    EXPECT_NE(lines[0].find("Technical Support"), std::string::npos);
    EXPECT_NE(lines[1].find("555"), std::string::npos);
    EXPECT_EQ(lines[2], "");
    EXPECT_NE(lines[4].find("Larkhaven"), std::string::npos);
    EXPECT_EQ(strText.find('\r'), std::string::npos);
}

// Reads a dialog template (the DIALOG form) field by field.
class CTemplateReader
{
public:
    explicit CTemplateReader(const std::string& strData) : m_strData(strData) {}
    WORD Word()
    {
        WORD n = 0;
        if (m_nPos + 2 <= m_strData.size())
            std::memcpy(&n, m_strData.data() + m_nPos, 2);
        m_nPos += 2;
        return n;
    }
    DWORD DWord()
    {
        DWORD nLow = Word();
        return nLow | (static_cast<DWORD>(Word()) << 16);
    }
    // A text in UTF-16 (ASCII here), or an ordinal after 0xFFFF, written as "#n".
    std::string TextOrOrdinal()
    {
        WORD n = Word();
        if (n == 0xFFFF)
            return "#" + std::to_string(Word());
        std::string str;
        for (; n != 0; n = Word())
            str += static_cast<char>(n);
        return str;
    }
    void AlignToDWord() { m_nPos = (m_nPos + 3) & ~static_cast<std::size_t>(3); }

private:
    const std::string& m_strData;
    std::size_t m_nPos = 0;
};

const char* const CLASS_BUTTON = "#128";
const char* const CLASS_EDIT = "#129";
const char* const CLASS_STATIC = "#130";
const char* const CLASS_LISTBOX = "#131";
const char* const CLASS_COMBOBOX = "#133";

struct ItemCase
{
    int nId;
    const char* pszClass;
    const char* pszText;
    short aRect[4];
    DWORD nStyle;
};

struct TemplateCase
{
    const char* pszName;
    int nId;
    const char* pszCaption;
    short nWidth;
    short nHeight;
    DWORD nStyle;
    std::vector<ItemCase> items;
};

// clang-format off
const TemplateCase g_templates[] = {
    {"IDD_MESSAGE", IDD_MESSAGE, "Installation Error !!!", 195, 93, WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT | WS_VISIBLE,
     {
         {IDC_MESSAGE_TEXT, CLASS_STATIC, "Static", {7, 7, 181, 63}, WS_CHILD | WS_VISIBLE | SS_CENTER | WS_GROUP},
         {IDOK, CLASS_BUTTON, "OK", {72, 72, 50, 14}, WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP},
         {IDCANCEL, CLASS_BUTTON, "Cancel", {27, 72, 50, 14}, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP},
     }},
    {"IDD_AGREEMENT", IDD_AGREEMENT, "License Agreement", 285, 185, WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT | WS_VISIBLE,
     {
         {IDOK, CLASS_BUTTON, "Yes", {217, 164, 37, 14}, WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP},
         {IDCANCEL, CLASS_BUTTON, "No", {31, 164, 37, 14}, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP},
         {IDC_MESSAGE_TEXT, CLASS_STATIC, "Do you accept all the conditions in the following license agreement?", {83, 7, 119, 17}, WS_CHILD | WS_VISIBLE | SS_CENTER | WS_GROUP},
         {IDC_AGREEMENT_TEXT, CLASS_EDIT, "", {7, 30, 271, 126}, WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
     }},
    {"IDD_FOLDER", IDD_FOLDER, "Select Installation Directory", 224, 178, WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT | WS_SYSMENU,
     {
         {IDC_PATH_EDIT, CLASS_EDIT, "", {7, 62, 210, 12}, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP},
         {IDC_FOLDER_PROMPT, CLASS_STATIC, "Select LabView Folder:", {7, 7, 144, 50}, WS_CHILD | WS_VISIBLE | SS_LEFT | WS_GROUP},
         {IDC_DIR_LIST, CLASS_LISTBOX, "", {7, 77, 210, 63}, WS_CHILD | WS_VISIBLE | LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT | LBS_DISABLENOSCROLL | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
         {IDC_STATIC, CLASS_STATIC, "Drives:", {7, 143, 92, 9}, WS_CHILD | WS_VISIBLE | SS_LEFT | WS_GROUP},
         {IDC_DRIVE_COMBO, CLASS_COMBOBOX, "", {7, 153, 143, 68}, WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | CBS_SORT | WS_VSCROLL | WS_BORDER | WS_TABSTOP},
         {IDOK, CLASS_BUTTON, "Next >>>", {167, 7, 50, 14}, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP},
         {IDCANCEL, CLASS_BUTTON, "<<< Back", {167, 24, 50, 14}, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP},
     }},
    {"IDD_OPTIONS", IDD_OPTIONS, "Select Option", 186, 95, WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT,
     {
         {IDC_OPT_DRIVERS, CLASS_BUTTON, "Install LabView GPIB Drivers for KTR-7400", {7, 7, 149, 10}, WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | WS_TABSTOP},
         {IDC_OPT_MANUALS, CLASS_BUTTON, "Copy Manuals in PDF format to Hard Drive", {7, 41, 149, 10}, WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | WS_TABSTOP},
         {IDC_OPT_ACROBAT, CLASS_BUTTON, "Install Acrobat Reader in order to view PDF files", {7, 59, 166, 10}, WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | WS_TABSTOP},
         {IDOK, CLASS_BUTTON, "Next >>>", {109, 74, 50, 14}, WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP},
         {IDCANCEL, CLASS_BUTTON, "<<< Back", {27, 74, 50, 14}, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | WS_TABSTOP},
         {IDC_OPT_EXAMPLES, CLASS_BUTTON, "Install Example Applications", {7, 24, 149, 10}, WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | WS_TABSTOP},
     }},

};
// clang-format on

TEST_F(ResourceImage, TheDialogTemplatesHoldEveryControlInTabOrder)
{
    for (const TemplateCase& t : g_templates)
    {
        SCOPED_TRACE(t.pszName);
        const std::string strData = Resource(RT_DIALOG, t.nId, ENGLISH_US);
        ASSERT_FALSE(strData.empty());
        CTemplateReader reader(strData);
        EXPECT_EQ(reader.DWord(), t.nStyle);
        EXPECT_EQ(reader.DWord(), 0u); // extended style
        const WORD nItems = reader.Word();
        EXPECT_EQ(static_cast<short>(reader.Word()), 0); // x
        EXPECT_EQ(static_cast<short>(reader.Word()), 0); // y
        EXPECT_EQ(static_cast<short>(reader.Word()), t.nWidth);
        EXPECT_EQ(static_cast<short>(reader.Word()), t.nHeight);
        EXPECT_EQ(reader.TextOrOrdinal(), ""); // no menu
        EXPECT_EQ(reader.TextOrOrdinal(), ""); // the platform's dialog class
        EXPECT_EQ(reader.TextOrOrdinal(), t.pszCaption);
        EXPECT_EQ(reader.Word(), 10); // point size
        EXPECT_EQ(reader.TextOrOrdinal(), "MS Sans Serif");
        ASSERT_EQ(nItems, t.items.size());
        for (const ItemCase& item : t.items)
        {
            SCOPED_TRACE(testing::Message() << "control " << item.nId);
            reader.AlignToDWord();
            EXPECT_EQ(reader.DWord(), item.nStyle);
            EXPECT_EQ(reader.DWord(), 0u);
            for (short nCoordinate : item.aRect)
                EXPECT_EQ(static_cast<short>(reader.Word()), nCoordinate);
            EXPECT_EQ(static_cast<short>(reader.Word()), item.nId);
            EXPECT_EQ(reader.TextOrOrdinal(), item.pszClass);
            EXPECT_EQ(reader.TextOrOrdinal(), item.pszText);
            EXPECT_EQ(reader.Word(), 0); // no creation data
        }
    }
}

TEST_F(ResourceImage, TheVersionRecordNamesTheSetupProgram)
{
    const std::string strPath = ImagePath();
    DWORD nHandle = 0;
    const DWORD nSize = GetFileVersionInfoSizeA(strPath.c_str(), &nHandle);
    ASSERT_GT(nSize, 0u);
    std::vector<char> info(nSize);
    ASSERT_TRUE(GetFileVersionInfoA(strPath.c_str(), 0, nSize, info.data()));

    VS_FIXEDFILEINFO* pFixed = nullptr;
    UINT nLength = 0;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&pFixed), &nLength));
    EXPECT_EQ(pFixed->dwFileVersionMS, 0x00010002u); // 1.2
    EXPECT_EQ(pFixed->dwFileVersionLS, 0x00010000u); // .1.0
    EXPECT_EQ(pFixed->dwProductVersionMS, 0x00010002u);
    EXPECT_EQ(pFixed->dwProductVersionLS, 0x00010000u);

    WORD* pTranslation = nullptr;
    ASSERT_TRUE(VerQueryValueA(info.data(), "\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&pTranslation), &nLength));
    ASSERT_GE(nLength, 4u);
    EXPECT_EQ(pTranslation[0], ENGLISH_US);
    char szBlock[64];
    std::snprintf(szBlock, sizeof szBlock, "\\StringFileInfo\\%04x%04x\\", pTranslation[0],
                  pTranslation[1]);
    auto value = [&](const char* pszName)
    {
        char* pszValue = nullptr;
        UINT nChars = 0;
        std::string strKey = std::string(szBlock) + pszName;
        if (!VerQueryValueA(info.data(), strKey.c_str(), reinterpret_cast<void**>(&pszValue),
                            &nChars) ||
            pszValue == nullptr)
            return std::string("(none)");
        return std::string(pszValue);
    };
    EXPECT_EQ(value("FileDescription"), "Setup");
    EXPECT_EQ(value("InternalName"), "Setup");
    EXPECT_EQ(value("OriginalFilename"), "Setup.EXE");
    EXPECT_EQ(value("ProductName"), "KTR7400 Driver Setup Application");
    EXPECT_NE(value("CompanyName").find("Larkhaven"), std::string::npos);
    EXPECT_NE(value("LegalCopyright").find("Larkhaven"), std::string::npos);
}

TEST_F(ResourceImage, TheIconAndTheLogoAreThere)
{
    const std::string strGroup = Resource(RT_GROUP_ICON, IDR_MAINFRAME, ENGLISH_US);
    ASSERT_GE(strGroup.size(), 6u + 14u);
    bool b32 = false;
    for (std::size_t nPos = 6; nPos + 14 <= strGroup.size(); nPos += 14)
        b32 = b32 || (strGroup[nPos] == 32 && strGroup[nPos + 1] == 32);
    EXPECT_TRUE(b32) << "a 32 x 32 image";

    const std::string strLogo = Resource(RT_BITMAP, IDB_BACKDROP, ENGLISH_US);
    ASSERT_GE(strLogo.size(), sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER header;
    std::memcpy(&header, strLogo.data(), sizeof header);
    EXPECT_EQ(header.biWidth, 500);
    EXPECT_EQ(header.biHeight, 500);
    EXPECT_EQ(header.biBitCount, 8);
    EXPECT_TRUE(header.biClrUsed == 0 || header.biClrUsed == 256);
    EXPECT_EQ(strLogo.size(), sizeof header + 256 * 4 + 500 * 500);
}

TEST_F(ResourceImage, ThePayloadIsTheArchiveWholeInEnglish)
{
    // The archive the build embedded, on Wine's drive Z:, which is the host's root.
    std::string strArchive = std::string("Z:") + SETUP_PAYLOAD_ARCHIVE;
    for (char& ch : strArchive)
        if (ch == '/')
            ch = '\\';
    std::string strExpected;
    if (FILE* pFile = std::fopen(strArchive.c_str(), "rb"))
    {
        char buffer[65536];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pFile)) > 0;)
            strExpected.append(buffer, n);
        std::fclose(pFile);
    }
    ASSERT_GE(strExpected.size(), 264u) << strArchive;
    const std::string strPayload = Resource(RT_RCDATA, IDR_PAYLOAD, ENGLISH_US);
    EXPECT_EQ(strPayload.size(), strExpected.size());
    EXPECT_TRUE(strPayload == strExpected);
}
} // namespace
