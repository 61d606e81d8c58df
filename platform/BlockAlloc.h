// Whole blocks of memory from the system (VirtualAlloc/VirtualFree), replaceable for tests.
#pragma once

#include <cstddef>

class CBlockAlloc
{
public:
    virtual ~CBlockAlloc() = default;
    virtual void* Allocate(std::size_t nBytes) = 0; // committed, read-write; null on failure
    virtual void Release(void* pBlock) = 0;
};

CBlockAlloc& SystemBlockAlloc();

// Passes every call on and counts the allocations and the largest block, for the tool and
// the benchmark.
class CCountingBlockAlloc : public CBlockAlloc
{
public:
    explicit CCountingBlockAlloc(CBlockAlloc& inner) : m_inner(inner) {}
    void* Allocate(std::size_t nBytes) override;
    void Release(void* pBlock) override;

    int m_nAllocations = 0;
    int m_nReleases = 0;
    std::size_t m_nPeakBytes = 0;

private:
    CBlockAlloc& m_inner;
};
