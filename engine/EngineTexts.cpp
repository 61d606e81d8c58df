#include "EngineTexts.h"

const char* const g_apszEngineText[TEXT_COUNT] = {
    "\\",
    "Could not create file <%s>",
    "Could not write to file <%s>",
    "Decompression error",
    "Memory allocation error",
    "Error creating startup group",
};

char g_szMessage[MAX_PATH_BUFFER];

const char* FormatEngineMessage(EngineText nText, const char* pszPath)
{
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#endif
    SafeFormat(g_szMessage, sizeof g_szMessage, g_apszEngineText[nText], pszPath);
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
    return g_szMessage;
}
