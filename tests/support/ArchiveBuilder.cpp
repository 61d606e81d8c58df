#include "ArchiveBuilder.h"

#include <zlib.h>

std::vector<unsigned char> Compress(const std::string& strContent, int nLevel)
{
    uLongf nLength = compressBound(strContent.size());
    std::vector<unsigned char> stream(nLength);
    compress2(stream.data(), &nLength, reinterpret_cast<const Bytef*>(strContent.data()),
              strContent.size(), nLevel);
    stream.resize(nLength);
    return stream;
}

void CArchiveBuilder::PutName(const std::string& strName)
{
    std::vector<unsigned char> field(256, 0);
    for (std::size_t i = 0; i < strName.size() && i < 255; ++i)
        field[i] = static_cast<unsigned char>(strName[i]);
    m_bytes.insert(m_bytes.end(), field.begin(), field.end());
}

void CArchiveBuilder::Put32(std::uint32_t n)
{
    for (int i = 0; i < 4; ++i)
        m_bytes.push_back(static_cast<unsigned char>(n >> (8 * i)));
}

CArchiveBuilder& CArchiveBuilder::Add(const std::string& strName, const std::string& strContent)
{
    std::vector<unsigned char> stream = Compress(strContent);
    return AddRaw(strName, static_cast<std::uint32_t>(strContent.size()),
                  static_cast<std::uint32_t>(stream.size()), stream);
}

CArchiveBuilder& CArchiveBuilder::AddRaw(const std::string& strName, std::uint32_t nUncompressed,
                                         std::uint32_t nCompressed,
                                         const std::vector<unsigned char>& stream)
{
    PutName(strName);
    Put32(nUncompressed);
    Put32(nCompressed);
    m_bytes.insert(m_bytes.end(), stream.begin(), stream.end());
    return *this;
}

CArchiveBuilder& CArchiveBuilder::AddField(const std::vector<unsigned char>& nameField,
                                           const std::string& strContent)
{
    std::vector<unsigned char> stream = Compress(strContent);
    m_bytes.insert(m_bytes.end(), nameField.begin(), nameField.end());
    Put32(static_cast<std::uint32_t>(strContent.size()));
    Put32(static_cast<std::uint32_t>(stream.size()));
    m_bytes.insert(m_bytes.end(), stream.begin(), stream.end());
    return *this;
}

CArchiveBuilder& CArchiveBuilder::Terminate(unsigned char chTail, std::uint32_t nSizes)
{
    m_bytes.push_back(0);
    m_bytes.insert(m_bytes.end(), 255, chTail);
    Put32(nSizes);
    Put32(nSizes);
    return *this;
}

CArchiveBuilder& CArchiveBuilder::AppendBytes(const std::vector<unsigned char>& bytes)
{
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    return *this;
}
