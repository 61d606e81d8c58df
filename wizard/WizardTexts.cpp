#include "WizardTexts.h"

const char g_szNextLabel[] = "Next >>>";
const char g_szBackLabel[] = "<<< Back";
const char g_szPromptLocated[] =
    "LabView has been located in the following directory. Select another installation "
    "directory if desired. Note that any change may prevent the drivers from loading onto the "
    "LabView palette automatically.";
const char g_szPromptNotFound[] = "LabView Installation not found. Manually select installation "
                                  "directory.\nIt is recommended to install LabView 6.1 or "
                                  "higher first.";
