// Entries and bytes of an archive per option category and in all.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

struct CCategoryTotals
{
    int m_nEntries = 0;
    std::uint64_t m_nUncompressed = 0;
    std::uint64_t m_nCompressed = 0;
};

class CArchiveTotals
{
public:
    // Counts an entry under the category its name gives it.
    void Add(const std::string& strName, std::uint32_t nUncompressed, std::uint32_t nCompressed);

    // nCategory: INSTALL_EXAMPLES, INSTALL_DRIVERS or INSTALL_MANUALS.
    const CCategoryTotals& Category(int nCategory) const;
    const CCategoryTotals& All() const { return m_all; }
    std::size_t LongestName() const { return m_nLongestName; }

    // The table of entries and bytes per category and in all.
    void Print(std::ostream& out) const;

private:
    CCategoryTotals m_examples;
    CCategoryTotals m_drivers;
    CCategoryTotals m_manuals;
    CCategoryTotals m_all;
    std::size_t m_nLongestName = 0;
};

// "examples", "drivers" or "manuals".
const char* CategoryName(int nCategory);
