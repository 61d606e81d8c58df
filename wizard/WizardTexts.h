// The wizard's texts that are compiled into the code rather than the string table.
#pragma once

extern const char g_szNextLabel[]; // "Next >>>", the forward button in the wizard's steps
extern const char g_szBackLabel[]; // "<<< Back", the back button
// The folder page's two prompts are the LabVIEW lookup's (LabViewLookup.h).
