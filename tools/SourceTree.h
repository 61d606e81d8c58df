// The packer's walk of a source tree: the tree as it lies below the LabVIEW folder, with the
// driver-library families in "instr.lib" and the example families in "examples".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Entry sizes must stay below this: the reader compares them as signed 32-bit values.
constexpr std::uint64_t PAYLOAD_SIZE_LIMIT = std::uint64_t(1) << 31;
// Longest name the 256-byte name field holds with its NUL.
constexpr std::size_t PAYLOAD_NAME_LIMIT = 255;

struct CSourceFile
{
    std::string m_strName;     // archive name: "\instr.lib\LH7400\\Actions\Read.vi"
    std::string m_strHostPath; // where its content lies
    std::uint64_t m_nSize = 0;
};

// The order of the names within one folder: by their upper-case form, so that "_" sorts
// after the letters; names that differ only in case fall back to their own bytes.
bool PrecedesInFolder(const std::string& strLeft, const std::string& strRight);

// Why the reader or Windows would not take strName (an archive name), or empty when it can
// be packed.
std::string RefusalOfName(const std::string& strName);

// The files of strSourceDir in archive order: the families of instr.lib, then those of
// examples, each walked folder by folder in PrecedesInFolder order with files and subfolders
// interleaved. Other entries at the top of the tree are no part of the payload and are left
// out. False with strError on the first thing that cannot be packed, or when there is no file.
bool CollectSourceFiles(const std::string& strSourceDir, std::vector<CSourceFile>& files,
                        std::string& strError);
