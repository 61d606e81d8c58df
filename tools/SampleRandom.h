// A small deterministic random source (splitmix64) for the sample driver library: the same
// seed gives the same numbers on every platform and with every compiler.
#pragma once

#include <cstdint>
#include <string>

class CSampleRandom
{
public:
    explicit CSampleRandom(std::uint64_t nSeed) : m_nState(nSeed) {}
    // Seeded by a text, so that each file's content depends on its name alone.
    explicit CSampleRandom(const std::string& strSeed);

    std::uint64_t Next();
    // A number in [0, nBound); 0 when nBound is 0.
    std::uint32_t Below(std::uint32_t nBound);
    // A number in [nLow, nHigh].
    std::uint32_t Between(std::uint32_t nLow, std::uint32_t nHigh)
    {
        return nLow + Below(nHigh - nLow + 1);
    }

private:
    std::uint64_t m_nState;
};
