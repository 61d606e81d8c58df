// Finds the LabVIEW folder in the registry and decides where the folder page starts.
#pragma once

#include "RegistryOps.h"
#include "WizardPages.h"

#include <cstddef>
#include <string>

extern const char LABVIEW_KEY[];   // below HKEY_LOCAL_MACHINE
extern const char LABVIEW_VALUE[]; // the value naming the LabVIEW folder
constexpr std::size_t LABVIEW_PATH_BUFFER = 256;

extern const char LABVIEW_PROMPT_LOCATED[];
extern const char LABVIEW_PROMPT_NOT_FOUND[];
extern const char LABVIEW_DEFAULT_FOLDER[]; // the root of drive C

// Reads the "Path" value into a 256-byte buffer. True, with the text in strPath, when the key
// opens and the value fits with its terminator (at most 255 characters); false otherwise.
// The key, once opened, is always closed.
bool ReadLabViewPath(CRegistryOps& registry, std::string& strPath);

// Sets the folder page's starting folder and prompt from the outcome of ReadLabViewPath.
void ApplyLabViewLookup(bool bFound, const std::string& strPath, CFolderPageData& page);
