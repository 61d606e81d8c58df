// Prints where the folder page would start after the LabVIEW lookup in this system's
// registry: the folder, and which of the two prompts.
#include "LabViewLookup.h"
#include "RegistryOps.h"

#include <cstdio>
#include <string>

int main()
{
    std::string strPath;
    const bool bFound = ReadLabViewPath(SystemRegistryOps(), strPath);
    CFolderPageData page;
    ApplyLabViewLookup(bFound, strPath, page);
    std::printf("folder=%s\nprompt=%s\n", page.m_strFolder.c_str(),
                page.m_strPrompt == LABVIEW_PROMPT_LOCATED ? "located" : "not found");
    return 0;
}
