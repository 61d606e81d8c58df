// payload_limit: the two halves of an extraction measured apart, as the lower bound the
// benchmark holds "payload extract" against.
//   payload_limit inflate ARCHIVE         inflates every stream into one reused buffer
//   payload_limit write ARCHIVE FOLDER    inflates everything first (not timed), then only
//                                         writes the files below FOLDER (timed)
// Prints the timed part in milliseconds.
#include "ArchiveFile.h"
#include "ArchiveScanner.h"

#include <chrono>
#include <cstdio>
#include <iostream>
#include <set>
#include <string>
#include <sys/stat.h>
#include <vector>
#include <zlib.h>

namespace
{
struct CInflated
{
    std::string m_strPath; // below the folder, with "/" and single separators
    std::vector<unsigned char> m_content;
};

// The entries of the archive; false when it is malformed.
bool ReadEntries(const CArchiveFile& archive, std::vector<CArchiveEntry>& entries)
{
    CArchiveScanner scanner(archive.Data(), archive.Size());
    CArchiveEntry entry;
    CArchiveScanner::EStep nStep;
    while ((nStep = scanner.Next(entry)) == CArchiveScanner::STEP_ENTRY)
        entries.push_back(entry);
    if (nStep == CArchiveScanner::STEP_PROBLEM)
        std::cerr << "payload_limit: " << scanner.Problem() << '\n';
    return nStep == CArchiveScanner::STEP_END;
}

std::string HostPath(const std::string& strName)
{
    std::string strPath;
    for (const char ch : strName)
    {
        const char chOut = ch == '\\' ? '/' : ch;
        if (chOut == '/' && !strPath.empty() && strPath.back() == '/')
            continue;
        strPath += chOut;
    }
    return strPath;
}

double Milliseconds(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

int Inflate(const std::vector<CArchiveEntry>& entries)
{
    const auto start = std::chrono::steady_clock::now();
    std::vector<unsigned char> buffer;
    for (const CArchiveEntry& entry : entries)
    {
        if (buffer.size() < entry.m_nUncompressed)
            buffer.resize(entry.m_nUncompressed);
        uLongf nLength = entry.m_nUncompressed;
        if (uncompress(buffer.data(), &nLength, entry.m_pStream, entry.m_nCompressed) != Z_OK)
            return 1;
    }
    std::printf("inflate: %.3f ms\n", Milliseconds(start));
    return 0;
}

int Write(const std::vector<CArchiveEntry>& entries, const std::string& strFolder)
{
    std::vector<CInflated> files;
    for (const CArchiveEntry& entry : entries)
    {
        CInflated file{strFolder + HostPath(entry.m_strName),
                       std::vector<unsigned char>(entry.m_nUncompressed)};
        uLongf nLength = entry.m_nUncompressed;
        if (uncompress(file.m_content.data(), &nLength, entry.m_pStream, entry.m_nCompressed) !=
            Z_OK)
            return 1;
        files.push_back(std::move(file));
    }

    const auto start = std::chrono::steady_clock::now();
    std::set<std::string> made;
    for (const CInflated& file : files)
    {
        for (std::size_t n = file.m_strPath.find('/', 1); n != std::string::npos;
             n = file.m_strPath.find('/', n + 1))
            if (made.insert(file.m_strPath.substr(0, n)).second)
                mkdir(file.m_strPath.substr(0, n).c_str(), 0755);
        std::FILE* pFile = std::fopen(file.m_strPath.c_str(), "wb");
        if (pFile == nullptr || std::fwrite(file.m_content.data(), 1, file.m_content.size(),
                                            pFile) != file.m_content.size())
            return 1;
        std::fclose(pFile);
    }
    std::printf("write: %.3f ms\n", Milliseconds(start));
    return 0;
}
} // namespace

int main(int argc, char** argv)
{
    const std::string strMode = argc > 1 ? argv[1] : "";
    if (!((strMode == "inflate" && argc == 3) || (strMode == "write" && argc == 4)))
    {
        std::cerr << "usage: payload_limit inflate ARCHIVE | write ARCHIVE FOLDER\n";
        return 2;
    }
    CArchiveFile archive;
    std::string strError;
    std::vector<CArchiveEntry> entries;
    if (!archive.Open(argv[2], strError))
    {
        std::cerr << "payload_limit: " << strError << '\n';
        return 1;
    }
    if (!ReadEntries(archive, entries))
        return 1;
    return strMode == "inflate" ? Inflate(entries) : Write(entries, argv[3]);
}
