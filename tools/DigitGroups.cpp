#include "DigitGroups.h"

std::string GroupDigits(std::uint64_t nValue)
{
    std::string strDigits = std::to_string(nValue);
    std::string strGrouped;
    for (std::size_t i = 0; i < strDigits.size(); ++i)
    {
        if (i > 0 && (strDigits.size() - i) % 3 == 0)
            strGrouped += ',';
        strGrouped += strDigits[i];
    }
    return strGrouped;
}
