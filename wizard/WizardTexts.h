// The wizard's texts that are compiled into the code rather than the string table.
#pragma once

extern const char g_szNextLabel[]; // "Next >>>", the forward button in the wizard's steps
extern const char g_szBackLabel[]; // "<<< Back", the back button
// Folder-page prompts: the registry gave the LabVIEW folder, or it did not.
extern const char g_szPromptLocated[];
extern const char g_szPromptNotFound[];
