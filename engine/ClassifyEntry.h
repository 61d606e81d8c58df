// The option category of a payload entry, decided by its name alone.
#pragma once

// INSTALL_EXAMPLES for names that begin with "\examples" (case as written), otherwise
// INSTALL_MANUALS for names ending in ".doc" or ".pdf" in any case, otherwise INSTALL_DRIVERS.
int ClassifyEntry(const char* pszName);
