// The constant texts of the installation engine and of the shortcut step, in one table whose
// first entry is the path separator, and the one message buffer that texts naming a file are
// formatted into.
#pragma once

#include "BoundedText.h"

enum EngineText
{
    TEXT_SEPARATOR,
    TEXT_CANNOT_CREATE_FILE,
    TEXT_CANNOT_WRITE_FILE,
    TEXT_DECOMPRESSION_ERROR,
    TEXT_MEMORY_ERROR,
    TEXT_GROUP_ERROR,
    TEXT_COUNT
};

extern const char* const g_apszEngineText[TEXT_COUNT];

// Holds the last message that names a file; the caller copies it at once.
extern char g_szMessage[MAX_PATH_BUFFER];

// Formats one of the texts with a path into g_szMessage (cut to fit) and returns it.
const char* FormatEngineMessage(EngineText nText, const char* pszPath);
