#include "SampleLibrary.h"

#include "HostFiles.h"
#include "SampleContent.h"
#include "SampleShape.h"

#include <cstdio>
#include <sys/stat.h>

namespace
{
bool MakeFolders(const std::string& strFolder, const std::string& strRelative,
                 std::string& strError)
{
    std::string strPath = strFolder;
    std::size_t nStart = 0;
    for (std::size_t nSlash; (nSlash = strRelative.find('/', nStart)) != std::string::npos;
         nStart = nSlash + 1)
    {
        strPath = JoinHostPath(strPath, strRelative.substr(nStart, nSlash - nStart));
        if (!IsHostFolder(strPath) && mkdir(strPath.c_str(), 0755) != 0)
        {
            strError = strPath + ": cannot be created (" + LastErrorText() + ")";
            return false;
        }
    }
    return true;
}
} // namespace

const char* SampleFolder()
{
    return SETUP_SAMPLE_FOLDER;
}

bool WriteSampleLibrary(const std::string& strFolder, std::string& strError)
{
    if (!IsHostFolder(strFolder) && mkdir(strFolder.c_str(), 0755) != 0)
    {
        strError = strFolder + ": cannot be created (" + LastErrorText() + ")";
        return false;
    }
    for (const CSampleFile& file : SampleLibraryFiles())
    {
        if (!MakeFolders(strFolder, file.m_strPath, strError))
            return false;
        const std::vector<unsigned char> content = SampleContent(file);
        const std::string strPath = JoinHostPath(strFolder, file.m_strPath);
        if (content.size() != file.m_nSize)
        {
            strError = strPath + ": made " + std::to_string(content.size()) + " bytes, not " +
                       std::to_string(file.m_nSize);
            return false;
        }
        std::FILE* pFile = std::fopen(strPath.c_str(), "wb");
        if (pFile == nullptr)
        {
            strError = strPath + ": cannot be created (" + LastErrorText() + ")";
            return false;
        }
        const bool bWritten =
            std::fwrite(content.data(), 1, content.size(), pFile) == content.size();
        if (std::fclose(pFile) != 0 || !bWritten)
        {
            strError = strPath + ": cannot be written (" + LastErrorText() + ")";
            return false;
        }
    }
    return true;
}
