// The install state: the user's choices and the paths derived from them, carried by the
// backdrop window for the whole run of the wizard.
#pragma once

#include <cstddef>
#include <string>

// m_szDocDir holds the LabVIEW folder and "\instr.lib\LH7400\Documentation".
constexpr std::size_t DOC_DIR_BUFFER = 768;
// m_szExamplesDir holds the LabVIEW folder and "\examples" (a folder of at most 246 characters).
constexpr std::size_t EXAMPLES_DIR_BUFFER = 256;

// Plain data, so that the backdrop window can hold it (or derive from it) and the portable
// code can be tested without a window. Texts start empty, the buffers zero-terminated.
struct CInstallState
{
    char m_szDocDir[DOC_DIR_BUFFER] = {};           // LabVIEW folder\instr.lib\LH7400\Documentation
    char m_szExamplesDir[EXAMPLES_DIR_BUFFER] = {}; // LabVIEW folder\examples
    std::string m_strAcrobatSetup;                  // the Acrobat Reader installer on the medium
    std::string m_strGroupDir;     // the program-group folder; empty when no group was made
    std::string m_strManualPath;   // m_szDocDir\KTR 7400 LabView Driver Manual.pdf
    std::string m_strExamplesPath; // m_szExamplesDir\LH7400
    int m_nOptions = 0;            // the option bits chosen
};
