#include "PackArchive.h"

#include "ArchiveWriter.h"
#include "HostFiles.h"
#include "SourceTree.h"

#include <cstdio>
#include <vector>

namespace
{
// Writes every file into pFile; false with strError at the first failure.
bool WriteEntries(const std::vector<CSourceFile>& files, int nLevel, std::FILE* pFile,
                  CPackSummary& summary, std::string& strError)
{
    CArchiveWriter writer(pFile);
    std::vector<unsigned char> stream;
    for (const CSourceFile& file : files)
    {
        if (!CompressHostFile(file.m_strHostPath, file.m_nSize, nLevel, stream, strError))
        {
            strError = file.m_strHostPath + ": " + strError;
            return false;
        }
        if (stream.size() >= PAYLOAD_SIZE_LIMIT)
        {
            strError = file.m_strHostPath + ": its stream would have 2 GiB or more";
            return false;
        }
        if (!writer.AddEntry(file.m_strName, static_cast<std::uint32_t>(file.m_nSize), stream))
        {
            strError = "cannot write the archive (" + LastErrorText() + ")";
            return false;
        }
        ++summary.m_nFiles;
        summary.m_nUncompressed += file.m_nSize;
    }
    if (!writer.Finish() || std::fflush(pFile) != 0)
    {
        strError = "cannot write the archive (" + LastErrorText() + ")";
        return false;
    }
    summary.m_nArchiveBytes = writer.BytesWritten();
    return true;
}
} // namespace

bool PackArchive(const std::string& strSourceDir, const std::string& strArchive, int nLevel,
                 CPackSummary& summary, std::string& strError)
{
    summary = CPackSummary();
    // Every name and size is checked before anything is written.
    std::vector<CSourceFile> files;
    if (!CollectSourceFiles(strSourceDir, files, strError))
        return false;

    const std::string strPartial = strArchive + ".partial";
    std::FILE* pFile = std::fopen(strPartial.c_str(), "wb");
    if (pFile == nullptr)
    {
        strError = strPartial + ": cannot be created (" + LastErrorText() + ")";
        return false;
    }
    bool bDone = WriteEntries(files, nLevel, pFile, summary, strError);
    if (std::fclose(pFile) != 0 && bDone)
    {
        strError = "cannot write the archive (" + LastErrorText() + ")";
        bDone = false;
    }
    if (bDone && !ReplaceHostFile(strPartial, strArchive, strError))
    {
        strError = strArchive + ": cannot be written (" + strError + ")";
        bDone = false;
    }
    if (!bDone)
        std::remove(strPartial.c_str());
    return bDone;
}
