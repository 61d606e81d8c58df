#include "BlockAlloc.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdlib>
#endif

namespace
{
class CSystemBlockAlloc : public CBlockAlloc
{
public:
    void* Allocate(std::size_t nBytes) override
    {
#ifdef _WIN32
        return VirtualAlloc(nullptr, nBytes, MEM_COMMIT, PAGE_READWRITE);
#else
        return nBytes == 0 ? nullptr : std::malloc(nBytes);
#endif
    }
    void Release(void* pBlock) override
    {
#ifdef _WIN32
        VirtualFree(pBlock, 0, MEM_RELEASE);
#else
        std::free(pBlock);
#endif
    }
};
} // namespace

CBlockAlloc& SystemBlockAlloc()
{
    static CSystemBlockAlloc s_alloc;
    return s_alloc;
}

void* CCountingBlockAlloc::Allocate(std::size_t nBytes)
{
    void* pBlock = m_inner.Allocate(nBytes);
    if (pBlock != nullptr)
    {
        ++m_nAllocations;
        if (nBytes > m_nPeakBytes)
            m_nPeakBytes = nBytes;
    }
    return pBlock;
}

void CCountingBlockAlloc::Release(void* pBlock)
{
    ++m_nReleases;
    m_inner.Release(pBlock);
}
