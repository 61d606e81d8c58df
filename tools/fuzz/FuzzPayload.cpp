// libFuzzer target: arbitrary bytes as a payload archive for the installer's walk (through the
// Linux stand-in of the file calls, into a throwaway folder) and as entry names for the
// classification and the name check.
#include "BlockAlloc.h"
#include "ClassifyEntry.h"
#include "EngineTexts.h"
#include "MappedFileOps.h"
#include "OptionBits.h"
#include "PayloadReader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <ftw.h>
#include <string>
#include <unistd.h>

namespace
{
// Larger blocks are refused: that keeps memory bounded and takes the engine through its
// allocation failure.
constexpr std::size_t FUZZ_BLOCK_LIMIT = 64u << 20;
// The target folder; drive C: is a fresh host folder.
const char g_szTarget[] = "C:\\t\\u";

class CCappedAlloc : public CBlockAlloc
{
public:
    void* Allocate(std::size_t nBytes) override
    {
        if (nBytes > FUZZ_BLOCK_LIMIT)
            return nullptr;
        void* pBlock = SystemBlockAlloc().Allocate(nBytes);
        if (pBlock != nullptr)
            ++m_nLive;
        return pBlock;
    }
    void Release(void* pBlock) override
    {
        --m_nLive;
        SystemBlockAlloc().Release(pBlock);
    }
    int m_nLive = 0;
};

int RemoveEntry(const char* pszPath, const struct stat*, int, struct FTW* pFtw)
{
    // The drive's own folder stays.
    return pFtw->level == 0 ? 0 : std::remove(pszPath);
}

void Fail(const char* pszWhat)
{
    std::fprintf(stderr, "fuzz_payload: %s\n", pszWhat);
    std::abort();
}

// The names in a host folder, "." and ".." left out.
std::string FolderNames(const std::string& strFolder)
{
    std::string strNames;
    if (DIR* pDir = opendir(strFolder.c_str()))
    {
        while (const dirent* pEntry = readdir(pDir))
            if (std::strcmp(pEntry->d_name, ".") != 0 && std::strcmp(pEntry->d_name, "..") != 0)
                strNames += std::string(strNames.empty() ? "" : "/") + pEntry->d_name;
        closedir(pDir);
    }
    return strNames;
}

class CScratchDrive
{
public:
    CScratchDrive()
    {
        const char* pszTemp = std::getenv("TMPDIR");
        std::string strTemplate = std::string(pszTemp ? pszTemp : "/tmp") + "/fuzz-payload-XXXXXX";
        if (mkdtemp(strTemplate.data()) == nullptr)
            Fail("cannot make a scratch folder");
        m_strHost = strTemplate;
        m_files.MapDrive('C', m_strHost);
    }
    ~CScratchDrive()
    {
        Clear();
        rmdir(m_strHost.c_str());
    }

    // Everything written stays in the target folder: drive C: holds at most "t", and "t" at
    // most "u" (the folders above the target may be made on the way).
    void CheckContained() const
    {
        const std::string strTop = FolderNames(m_strHost);
        const std::string strBelow = strTop.empty() ? "" : FolderNames(m_strHost + "/t");
        if ((!strTop.empty() && strTop != "t") || (!strBelow.empty() && strBelow != "u"))
            Fail(("written outside the target folder: " + strTop + " " + strBelow).c_str());
    }
    void Clear() const { nftw(m_strHost.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS); }

    CMappedFileOps m_files;

private:
    std::string m_strHost;
};

void CheckResult(const char* pszResult)
{
    if (pszResult == nullptr || pszResult == g_szMessage)
    {
        if (std::memchr(g_szMessage, '\0', sizeof g_szMessage) == nullptr)
            Fail("the message buffer lost its terminator");
        return;
    }
    for (const char* pszText : g_apszEngineText)
        if (pszResult == pszText)
            return;
    Fail("ExtractPayload returned a text that is neither an engine text nor the message");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    // The input as a name: its bytes up to the first NUL, at most a name field's worth.
    char szName[PAYLOAD_NAME_FIELD] = {};
    std::memcpy(szName, pData, nSize < sizeof szName - 1 ? nSize : sizeof szName - 1);
    const int nCategory = ClassifyEntry(szName);
    if (nCategory != INSTALL_EXAMPLES && nCategory != INSTALL_DRIVERS &&
        nCategory != INSTALL_MANUALS)
        Fail("ClassifyEntry returned no single category");
    if (std::strncmp(szName, "\\examples", 9) == 0 && nCategory != INSTALL_EXAMPLES)
        Fail("a name below \\examples is not an example");
    IsSafeEntryName(szName);

    // The input as an archive, once with every category and once with the examples alone
    // (the others are skipped unread).
    static CScratchDrive s_drive;
    for (const int nOptions : {PAYLOAD_MASK, INSTALL_EXAMPLES})
    {
        CCappedAlloc memory;
        CPayloadReader reader(s_drive.m_files, memory);
        CheckResult(reader.ExtractPayload(pData, nSize, nOptions, g_szTarget));
        if (memory.m_nLive != 0)
            Fail("ExtractPayload kept a decompression buffer");
        s_drive.CheckContained();
    }
    s_drive.Clear();
    return 0;
}
