#include "SampleRandom.h"

CSampleRandom::CSampleRandom(const std::string& strSeed)
{
    // FNV-1a over the text.
    std::uint64_t nHash = 0xcbf29ce484222325ull;
    for (const char ch : strSeed)
    {
        nHash ^= static_cast<unsigned char>(ch);
        nHash *= 0x100000001b3ull;
    }
    m_nState = nHash;
}

std::uint64_t CSampleRandom::Next()
{
    std::uint64_t z = (m_nState += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

std::uint32_t CSampleRandom::Below(std::uint32_t nBound)
{
    if (nBound == 0)
        return 0;
    return static_cast<std::uint32_t>((Next() >> 32) * nBound >> 32);
}
