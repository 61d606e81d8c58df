#include "ConfirmText.h"

WizardString ConfirmTextId(bool bFolderExists)
{
    return bFolderExists ? WizardString::ConfirmDir : WizardString::DirMissing;
}

std::string FormatFolderText(const std::string& strFormat, const std::string& strFolder)
{
    std::string strText;
    bool bFolderUsed = false;
    for (std::size_t i = 0; i < strFormat.size(); ++i)
    {
        if (strFormat[i] == '%' && i + 1 < strFormat.size())
        {
            const char chNext = strFormat[i + 1];
            if (chNext == '%')
            {
                strText += '%';
                ++i;
                continue;
            }
            if (chNext == 's' && !bFolderUsed)
            {
                strText += strFolder;
                bFolderUsed = true;
                ++i;
                continue;
            }
        }
        strText += strFormat[i];
    }
    return strText;
}
