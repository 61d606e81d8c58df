// Builds small payload archives in memory for the tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CArchiveBuilder
{
public:
    // An entry whose stream is the zlib compression of strContent, declaring its true size.
    CArchiveBuilder& Add(const std::string& strName, const std::string& strContent);
    // An entry with the sizes and stream given as they are.
    CArchiveBuilder& AddRaw(const std::string& strName, std::uint32_t nUncompressed,
                            std::uint32_t nCompressed, const std::vector<unsigned char>& stream);
    // An entry whose name field is given whole (256 bytes, NUL or not).
    CArchiveBuilder& AddField(const std::vector<unsigned char>& nameField,
                              const std::string& strContent);
    CArchiveBuilder& Terminate(unsigned char chTail = 0, std::uint32_t nSizes = 0xFFFFFFFF);
    // Bytes as they are, for junk after the terminator or a cut archive.
    CArchiveBuilder& AppendBytes(const std::vector<unsigned char>& bytes);

    const std::vector<unsigned char>& Bytes() const { return m_bytes; }

private:
    void PutName(const std::string& strName);
    void Put32(std::uint32_t n);

    std::vector<unsigned char> m_bytes;
};

std::vector<unsigned char> Compress(const std::string& strContent, int nLevel = 1);
