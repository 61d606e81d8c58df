#include "OptionBoxes.h"

#include "BoundedText.h"
#include "OptionBits.h"
#include "ResourceIds.h"

const COptionBox g_aOptionBoxes[OPTION_BOX_COUNT] = {
    {IDC_OPT_EXAMPLES, INSTALL_EXAMPLES},
    {IDC_OPT_DRIVERS, INSTALL_DRIVERS},
    {IDC_OPT_MANUALS, INSTALL_MANUALS},
    {IDC_OPT_ACROBAT, INSTALL_ACROBAT},
};

int InitialOptions(bool bInstallerPresent)
{
    int nOptions = INSTALL_EXAMPLES | INSTALL_DRIVERS | INSTALL_MANUALS;
    if (bInstallerPresent)
        nOptions |= INSTALL_ACROBAT;
    return nOptions;
}

bool IsOptionBoxEnabled(int nBit, bool bInstallerPresent)
{
    return nBit != INSTALL_ACROBAT || bInstallerPresent;
}

int CollectOptions(const std::function<bool(int nControlId)>& isChecked)
{
    int nOptions = 0;
    for (const COptionBox& box : g_aOptionBoxes)
    {
        if (isChecked(box.nControlId))
            nOptions |= box.nBit;
    }
    return nOptions;
}

bool ProbeInstaller(const char* pszPath, CFileOps& fileOps)
{
    char szPath[PATH_BUFFER];
    if (!SafeCopy(szPath, pszPath))
        return false;
    void* pFile = fileOps.Open(szPath, "r");
    if (pFile == nullptr)
        return false;
    fileOps.Close(pFile);
    return true;
}
