// The shape of the sample driver library: a stand-in for the delivered KTR 7400 library with
// the same folders, names, counts and sizes (the manual, the largest file, is 4,618,181
// bytes and the 78th entry), so that tests and the benchmark install something of the real
// size and order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr std::uint32_t SAMPLE_MANUAL_BYTES = 4618181;
constexpr std::uint32_t SAMPLE_EXAMPLES_BYTES = 14833593;
constexpr std::uint32_t SAMPLE_DRIVERS_BYTES = 18457313;
constexpr const char* SAMPLE_MANUAL_PATH =
    "instr.lib/LH7400/Documentation/KTR 7400 LabView Driver Manual.pdf";

enum ESampleKind
{
    SAMPLE_MENU,         // dir.mnu, a palette menu
    SAMPLE_VI,           // .vi
    SAMPLE_CONTROL,      // .ctl, a custom control
    SAMPLE_RUNTIME_MENU, // .rtm
    SAMPLE_MANUAL,       // the PDF manual
};

struct CSampleFile
{
    std::string m_strPath; // below the tree's top, with "/": "instr.lib/LH7400/Flow/dir.mnu"
    ESampleKind m_nKind = SAMPLE_VI;
    std::uint32_t m_nSize = 0;
};

// Every file of the sample library, in the order the packer walks them, with its size.
std::vector<CSampleFile> SampleLibraryFiles();

// The order of the packer's walk for two paths below the tree's top.
bool PrecedesInWalk(const std::string& strLeft, const std::string& strRight);
