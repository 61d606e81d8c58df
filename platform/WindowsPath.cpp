#include "WindowsPath.h"

#include <cctype>
#include <vector>

namespace
{
bool IsDriveSpec(const std::string& s)
{
    return s.size() >= 2 && std::isalpha(static_cast<unsigned char>(s[0])) && s[1] == ':';
}

// Joins the root ("C:\" or "\\") with the components of strRest, resolving "." and "..".
std::string Normalize(const std::string& strRoot, const std::string& strRest)
{
    std::vector<std::string> parts;
    std::string strPart;
    for (std::size_t i = 0; i <= strRest.size(); ++i)
    {
        if (i == strRest.size() || strRest[i] == '\\')
        {
            if (strPart == "..")
            {
                if (!parts.empty())
                    parts.pop_back();
            }
            else if (!strPart.empty() && strPart != ".")
                parts.push_back(strPart);
            strPart.clear();
        }
        else
            strPart += strRest[i];
    }
    std::string strFull = strRoot;
    for (std::size_t i = 0; i < parts.size(); ++i)
    {
        if (i > 0)
            strFull += '\\';
        strFull += parts[i];
    }
    bool bTrailing = !strRest.empty() && strRest.back() == '\\';
    if (bTrailing && !parts.empty())
        strFull += '\\';
    return strFull;
}
} // namespace

bool ResolveFullPath(const std::string& strPath, char chCurrentDrive,
                     const DriveFolderFn& driveFolder, std::string& strFull)
{
    if (strPath.empty())
        return false;
    std::string s = strPath;
    for (char& ch : s)
        if (ch == '/')
            ch = '\\';

    if (s.size() >= 2 && s[0] == '\\' && s[1] == '\\')
    {
        strFull = Normalize("\\\\", s.substr(2));
        return true;
    }
    if (IsDriveSpec(s))
    {
        std::string strRest = s.substr(2);
        if (!strRest.empty() && strRest[0] == '\\')
        {
            strFull = Normalize(s.substr(0, 2) + "\\", strRest);
            return true;
        }
        std::string strBase = driveFolder(static_cast<char>(std::toupper(s[0])));
        std::string strTail = strBase.substr(3);
        if (!strRest.empty())
            strTail += "\\" + strRest;
        strFull = Normalize(strBase.substr(0, 3), strTail);
        return true;
    }
    std::string strBase = driveFolder(chCurrentDrive);
    if (s[0] == '\\')
    {
        strFull = Normalize(strBase.substr(0, 3), s);
        return true;
    }
    strFull = Normalize(strBase.substr(0, 3), strBase.substr(3) + "\\" + s);
    return true;
}
