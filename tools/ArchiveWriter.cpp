#include "ArchiveWriter.h"

#include "HostFiles.h"
#include "PayloadReader.h"

#include <cstring>
#include <zlib.h>

namespace
{
constexpr std::size_t CHUNK = 256 * 1024;

void PutLittleEndian32(unsigned char* p, std::uint32_t n)
{
    p[0] = static_cast<unsigned char>(n);
    p[1] = static_cast<unsigned char>(n >> 8);
    p[2] = static_cast<unsigned char>(n >> 16);
    p[3] = static_cast<unsigned char>(n >> 24);
}

// Deflates input handed over piece by piece into one growing zlib stream.
class CStreamDeflater
{
public:
    explicit CStreamDeflater(int nLevel) : m_bReady(deflateInit(&m_z, nLevel) == Z_OK) {}
    ~CStreamDeflater() { deflateEnd(&m_z); }
    CStreamDeflater(const CStreamDeflater&) = delete;
    CStreamDeflater& operator=(const CStreamDeflater&) = delete;

    bool Feed(const void* pData, std::size_t nSize, bool bLast)
    {
        if (!m_bReady)
            return false;
        m_z.next_in = static_cast<Bytef*>(const_cast<void*>(pData));
        m_z.avail_in = static_cast<uInt>(nSize);
        const int nFlush = bLast ? Z_FINISH : Z_NO_FLUSH;
        for (;;)
        {
            unsigned char abOut[CHUNK / 4];
            m_z.next_out = abOut;
            m_z.avail_out = sizeof abOut;
            const int nResult = deflate(&m_z, nFlush);
            if (nResult == Z_STREAM_ERROR)
                return false;
            m_stream.insert(m_stream.end(), abOut, abOut + (sizeof abOut - m_z.avail_out));
            if (bLast ? nResult == Z_STREAM_END : m_z.avail_in == 0 && m_z.avail_out != 0)
                return true;
        }
    }

    std::vector<unsigned char>& Stream() { return m_stream; }

private:
    z_stream m_z{};
    bool m_bReady;
    std::vector<unsigned char> m_stream;
};
} // namespace

bool CompressHostFile(const std::string& strHostPath, std::uint64_t nSize, int nLevel,
                      std::vector<unsigned char>& stream, std::string& strError)
{
    std::FILE* pFile = std::fopen(strHostPath.c_str(), "rb");
    if (pFile == nullptr)
    {
        strError = "cannot be read (" + LastErrorText() + ")";
        return false;
    }
    CStreamDeflater deflater(nLevel);
    std::vector<unsigned char> buffer(CHUNK);
    std::uint64_t nRead = 0;
    bool bSound = true;
    for (;;)
    {
        const std::size_t nGot = std::fread(buffer.data(), 1, buffer.size(), pFile);
        if (std::ferror(pFile))
        {
            strError = "cannot be read (" + LastErrorText() + ")";
            bSound = false;
            break;
        }
        nRead += nGot;
        const bool bLast = nGot < buffer.size();
        if (nRead > nSize)
            break;
        if (!deflater.Feed(buffer.data(), nGot, bLast))
        {
            strError = "cannot be compressed";
            bSound = false;
            break;
        }
        if (bLast)
            break;
    }
    std::fclose(pFile);
    if (bSound && nRead != nSize)
    {
        strError = "changed its size while it was packed";
        bSound = false;
    }
    if (bSound)
        stream.swap(deflater.Stream());
    return bSound;
}

std::vector<unsigned char> CompressBytes(const void* pData, std::size_t nSize, int nLevel)
{
    CStreamDeflater deflater(nLevel);
    deflater.Feed(pData, nSize, true);
    return std::move(deflater.Stream());
}

bool CArchiveWriter::Put(const void* pData, std::size_t nSize)
{
    if (std::fwrite(pData, 1, nSize, m_pFile) != nSize)
        return false;
    m_nBytes += nSize;
    return true;
}

bool CArchiveWriter::PutRecordHeader(const std::string& strName, std::uint32_t nUncompressed,
                                     std::uint32_t nCompressed)
{
    unsigned char abHeader[PAYLOAD_RECORD_HEADER] = {};
    if (strName.size() >= PAYLOAD_NAME_FIELD)
        return false;
    std::memcpy(abHeader, strName.data(), strName.size());
    PutLittleEndian32(abHeader + PAYLOAD_NAME_FIELD, nUncompressed);
    PutLittleEndian32(abHeader + PAYLOAD_NAME_FIELD + 4, nCompressed);
    return Put(abHeader, sizeof abHeader);
}

bool CArchiveWriter::AddEntry(const std::string& strName, std::uint32_t nUncompressed,
                              const std::vector<unsigned char>& stream)
{
    return PutRecordHeader(strName, nUncompressed, static_cast<std::uint32_t>(stream.size())) &&
           Put(stream.data(), stream.size());
}

bool CArchiveWriter::Finish()
{
    return PutRecordHeader(std::string(), 0xFFFFFFFF, 0xFFFFFFFF);
}
