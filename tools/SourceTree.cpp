#include "SourceTree.h"

#include "DigitGroups.h"
#include "HostFiles.h"
#include "PayloadReader.h"

#include <algorithm>
#include <cstring>

namespace
{
// The archive's folders of the families, in the order the payload holds them.
const char* const g_apszFamilyFolders[] = {"instr.lib", "examples"};

unsigned char UpperByte(char ch)
{
    const unsigned char b = static_cast<unsigned char>(ch);
    return (b >= 'a' && b <= 'z') ? static_cast<unsigned char>(b - 'a' + 'A') : b;
}

void SortFolder(std::vector<CFolderEntry>& entries)
{
    std::sort(entries.begin(), entries.end(),
              [](const CFolderEntry& a, const CFolderEntry& b)
              { return PrecedesInFolder(a.m_strName, b.m_strName); });
}

class CTreeWalk
{
public:
    CTreeWalk(std::vector<CSourceFile>& files, std::string& strError)
        : m_files(files), m_strError(strError)
    {
    }

    // Adds the files below strHostFolder, whose archive name is strNamePrefix (ending in a
    // separator).
    bool Walk(const std::string& strHostFolder, const std::string& strNamePrefix)
    {
        std::vector<CFolderEntry> entries;
        std::string strListError;
        if (!ListFolder(strHostFolder, entries, strListError))
            return Refuse(strHostFolder, "cannot be read (" + strListError + ")");
        SortFolder(entries);
        for (const CFolderEntry& entry : entries)
        {
            const std::string strHost = JoinHostPath(strHostFolder, entry.m_strName);
            const std::string strName = strNamePrefix + entry.m_strName;
#ifndef _WIN32
            if (entry.m_strName.find('\\') != std::string::npos)
                return Refuse(strHost, "has a backslash in its name, which the archive "
                                       "takes for a folder separator");
#endif
            if (!entry.m_strProblem.empty())
                return Refuse(strHost, "cannot be read (" + entry.m_strProblem + ")");
            // A folder's name is checked with its files; an over-long one stops the walk
            // here already (a link that loops ends this way too).
            const std::string strRefusal = RefusalOfName(strName);
            if (!strRefusal.empty() && (!entry.m_bFolder || strName.size() > PAYLOAD_NAME_LIMIT))
                return Refuse(strHost, strRefusal);
            if (entry.m_bFolder)
            {
                if (!Walk(strHost, strName + "\\"))
                    return false;
                continue;
            }
            if (entry.m_nSize >= PAYLOAD_SIZE_LIMIT)
                return Refuse(strHost, "has " + GroupDigits(entry.m_nSize) +
                                           " bytes; an entry must be smaller than 2 GiB "
                                           "(2,147,483,648 bytes)");
            m_files.push_back(CSourceFile{strName, strHost, entry.m_nSize});
        }
        return true;
    }

    bool Refuse(const std::string& strHost, const std::string& strWhy)
    {
        m_strError = strHost + ": " + strWhy;
        return false;
    }

private:
    std::vector<CSourceFile>& m_files;
    std::string& m_strError;
};
} // namespace

bool PrecedesInFolder(const std::string& strLeft, const std::string& strRight)
{
    const std::size_t nCommon = std::min(strLeft.size(), strRight.size());
    for (std::size_t i = 0; i < nCommon; ++i)
    {
        const unsigned char a = UpperByte(strLeft[i]);
        const unsigned char b = UpperByte(strRight[i]);
        if (a != b)
            return a < b;
    }
    if (strLeft.size() != strRight.size())
        return strLeft.size() < strRight.size();
    return strLeft < strRight;
}

std::string RefusalOfName(const std::string& strName)
{
    if (strName.size() > PAYLOAD_NAME_LIMIT)
        return "its archive name has " + std::to_string(strName.size()) +
               " characters; the name field holds at most 255";
    if (!IsSafeEntryName(strName.c_str()))
        return "its archive name has a \"..\" component or a colon, which the installer "
               "refuses";
    for (const char ch : strName)
    {
        if (static_cast<unsigned char>(ch) < 0x20 || std::strchr("<>\"|?*", ch) != nullptr)
            return "its name has a character that Windows does not allow in file names";
    }
    return std::string();
}

bool CollectSourceFiles(const std::string& strSourceDir, std::vector<CSourceFile>& files,
                        std::string& strError)
{
    files.clear();
    if (!IsHostFolder(strSourceDir))
    {
        strError = strSourceDir + ": not a folder";
        return false;
    }
    CTreeWalk walk(files, strError);
    for (const char* pszFamilies : g_apszFamilyFolders)
    {
        const std::string strFamilies = JoinHostPath(strSourceDir, pszFamilies);
        if (!IsHostFolder(strFamilies))
            continue;
        std::vector<CFolderEntry> entries;
        std::string strListError;
        if (!ListFolder(strFamilies, entries, strListError))
            return walk.Refuse(strFamilies, "cannot be read (" + strListError + ")");
        SortFolder(entries);
        for (const CFolderEntry& entry : entries)
        {
            const std::string strHost = JoinHostPath(strFamilies, entry.m_strName);
            if (!entry.m_strProblem.empty())
                return walk.Refuse(strHost, "cannot be read (" + entry.m_strProblem + ")");
            if (!entry.m_bFolder)
                return walk.Refuse(strHost, std::string("lies directly in ") + pszFamilies +
                                                "; files belong in a family folder such as " +
                                                pszFamilies + "/LH7400");
            // The doubled separator after the family folder is the archive's own form.
            const std::string strPrefix =
                std::string("\\") + pszFamilies + "\\" + entry.m_strName + "\\\\";
            if (!walk.Walk(strHost, strPrefix))
                return false;
        }
    }
    if (files.empty())
    {
        strError = strSourceDir + ": no files below instr.lib/<family> or examples/<family>";
        return false;
    }
    return true;
}
