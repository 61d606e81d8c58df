#include "ArchiveTotals.h"

#include "ClassifyEntry.h"
#include "DigitGroups.h"
#include "OptionBits.h"

#include <iomanip>

namespace
{
void AddTo(CCategoryTotals& totals, std::uint32_t nUncompressed, std::uint32_t nCompressed)
{
    ++totals.m_nEntries;
    totals.m_nUncompressed += nUncompressed;
    totals.m_nCompressed += nCompressed;
}

void PrintRow(std::ostream& out, const std::string& strLabel, const CCategoryTotals& totals)
{
    out << std::left << std::setw(24) << strLabel << std::right << std::setw(8) << totals.m_nEntries
        << std::setw(20) << GroupDigits(totals.m_nUncompressed) << std::setw(18)
        << GroupDigits(totals.m_nCompressed) << '\n';
}
} // namespace

const char* CategoryName(int nCategory)
{
    switch (nCategory)
    {
    case INSTALL_EXAMPLES:
        return "examples";
    case INSTALL_MANUALS:
        return "manuals";
    default:
        return "drivers";
    }
}

void CArchiveTotals::Add(const std::string& strName, std::uint32_t nUncompressed,
                         std::uint32_t nCompressed)
{
    const int nCategory = ClassifyEntry(strName.c_str());
    AddTo(nCategory == INSTALL_EXAMPLES  ? m_examples
          : nCategory == INSTALL_MANUALS ? m_manuals
                                         : m_drivers,
          nUncompressed, nCompressed);
    AddTo(m_all, nUncompressed, nCompressed);
    if (strName.size() > m_nLongestName)
        m_nLongestName = strName.size();
}

const CCategoryTotals& CArchiveTotals::Category(int nCategory) const
{
    return nCategory == INSTALL_EXAMPLES  ? m_examples
           : nCategory == INSTALL_MANUALS ? m_manuals
                                          : m_drivers;
}

void CArchiveTotals::Print(std::ostream& out) const
{
    out << std::left << std::setw(24) << "category (option bit)" << std::right << std::setw(8)
        << "entries" << std::setw(20) << "uncompressed bytes" << std::setw(18) << "compressed bytes"
        << '\n';
    PrintRow(out, "examples (1)", m_examples);
    PrintRow(out, "driver library (2)", m_drivers);
    PrintRow(out, "manuals (4)", m_manuals);
    PrintRow(out, "all", m_all);
}
