#include "SampleShape.h"

#include "SampleRandom.h"
#include "SourceTree.h"

#include <algorithm>
#include <cctype>
#include <iterator>

namespace
{
struct CModule
{
    const char* m_pszName;
    int m_nActions;
    int m_nConfiguration;
    int m_nResults;
};

// The measurement modules and how many VIs each subfolder holds (6 to 13 per module, 300 in
// all). The first five sort before "Documentation", which makes the manual the 78th entry.
const CModule g_aModules[] = {
    {"AC Voltage", 3, 5, 2},   {"Bridge", 2, 6, 2},        {"Capacitance", 3, 5, 2},
    {"Counter", 4, 4, 2},      {"DC Voltage", 2, 5, 2},    {"Duty Cycle", 3, 5, 2},
    {"Flow", 3, 8, 2},         {"Frequency", 4, 5, 2},     {"Humidity", 2, 3, 2},
    {"Inductance", 3, 3, 1},   {"Load Cell", 2, 5, 2},     {"LVDT", 2, 7, 1},
    {"Period", 2, 2, 3},       {"Phase", 4, 3, 3},         {"Photodiode", 2, 6, 3},
    {"Power", 2, 3, 2},        {"Pressure", 3, 6, 1},      {"Pulse Generator", 2, 8, 1},
    {"Pulse Width", 2, 3, 2},  {"Relay Matrix", 4, 5, 2},  {"Resistance", 4, 3, 1},
    {"RTD", 5, 2, 2},          {"Signal Source", 2, 6, 1}, {"Sound Level", 2, 3, 3},
    {"Strain Gauge", 3, 6, 2}, {"Thermistor", 2, 2, 2},    {"Thermocouple", 2, 3, 1},
    {"Timer", 3, 4, 1},        {"Torque", 2, 3, 1},        {"Totalizer", 4, 3, 3},
    {"Trigger Bus", 2, 2, 3},  {"Velocity", 4, 2, 1},      {"Vibration", 4, 2, 1},
    {"Waveform", 2, 3, 3},
};

const char* const g_apszActions[] = {"Initiate", "Abort", "Send Trigger", "Self-Test", "Calibrate"};
// The last one makes the longest name: 94 characters for "Pulse Generator".
const char* const g_apszConfiguration[] = {
    "Configure",  "Set Range",     "Set Trigger",      "Set Aperture",
    "Set Filter", "Set Auto Zero", "Set Channel List", "Set Channel Scaling"};
const char* const g_apszResults[] = {"Read", "Fetch", "Read Statistics"};

struct CFlatFolder
{
    const char* m_pszName;
    std::vector<const char*> m_functions;
};

// The three folders of shared VIs (6, 5 and 15).
const CFlatFolder g_aSharedFolders[] = {
    {"Common", {"Initialize", "Close", "Reset", "Error Query", "Revision Query", "Self-Test"}},
    {"Scan List",
     {"Scan List Create", "Scan List Add Channel", "Scan List Start", "Scan List Stop",
      "Scan List Read"}},
    {"System",
     {"System Clock", "System Date", "System Time", "System Beeper", "System Display",
      "System Front Panel Lock", "System Power-On State", "System Save State",
      "System Recall State", "System Interface", "System Trigger Link", "System Temperature",
      "System Fan Speed", "System Firmware Version", "System Serial Number"}},
};

// The utilities folder (29 VIs) and its subfolder (5 VIs): 36 entries with the two menus.
const CFlatFolder g_utility = {"Utility",
                               {"Utility Read Status Byte",
                                "Utility Wait for Operation",
                                "Utility Error Message",
                                "Utility Query",
                                "Utility Write",
                                "Utility Read",
                                "Utility Clear",
                                "Utility Default Setup",
                                "Utility Lock Panel",
                                "Utility Unlock Panel",
                                "Utility Identify",
                                "Utility Options",
                                "Utility Channel Names",
                                "Utility Channel Count",
                                "Utility Module Type",
                                "Utility Slot Info",
                                "Utility Timeout",
                                "Utility Termination Character",
                                "Utility Event Status",
                                "Utility Service Request",
                                "Utility Enable SRQ",
                                "Utility Disable SRQ",
                                "Utility Wait for SRQ",
                                "Utility Format Number",
                                "Utility Parse Number",
                                "Utility Parse List",
                                "Utility Build Channel List",
                                "Utility Convert Units",
                                "Utility Get Range Table"}};
const CFlatFolder g_private = {"Private",
                               {"Private Send Command", "Private Read Response",
                                "Private Check Error", "Private Format Channel",
                                "Private Session Info"}};

// Custom controls of the 33 example folders (62 in all); every folder but one has a
// run-time menu.
const int g_anExampleControls[] = {1, 1, 1, 1, 1, 2, 1, 3, 1, 2, 3, 1, 1, 1, 1, 1, 2,
                                   1, 3, 2, 1, 3, 3, 2, 2, 2, 2, 3, 3, 2, 6, 2, 1};
const char* const g_apszControls[] = {"Channel Selector",    "Range Ring",       "Trigger Settings",
                                      "Measurement Cluster", "Status Indicator", "Graph Scales"};
const char* const g_pszNoExample = "Relay Matrix";
const char* const g_pszNoRuntimeMenu = "Trigger Bus";

const char* const g_pszLibrary = "instr.lib/LH7400/";
const char* const g_pszExamples = "examples/LH7400/";

// Number of walk positions before the manual whose size makes the decompression buffer grow.
constexpr int GROWTHS_BEFORE_MANUAL = 5;

void AddFile(std::vector<CSampleFile>& files, const std::string& strPath, ESampleKind nKind)
{
    files.push_back(CSampleFile{strPath, nKind, 0});
}

void AddVi(std::vector<CSampleFile>& files, const std::string& strFolder,
           const std::string& strFunction)
{
    AddFile(files, strFolder + "LH7400 " + strFunction + ".vi", SAMPLE_VI);
}

void AddFlatFolder(std::vector<CSampleFile>& files, const std::string& strFolder,
                   const CFlatFolder& folder)
{
    AddFile(files, strFolder + "dir.mnu", SAMPLE_MENU);
    for (const char* pszFunction : folder.m_functions)
        AddVi(files, strFolder, pszFunction);
}

std::string ExampleFolderName(const std::string& strModule, int nIndex)
{
    // Most example folders are named in capitals, unlike their library counterparts.
    if (nIndex % 5 == 2)
        return strModule;
    std::string strUpper = strModule;
    for (char& ch : strUpper)
        ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return strUpper;
}

std::vector<CSampleFile> SampleNames()
{
    std::vector<CSampleFile> files;
    const std::string strLibrary = g_pszLibrary;
    AddFile(files, strLibrary + "dir.mnu", SAMPLE_MENU);
    for (const CModule& module : g_aModules)
    {
        const std::string strModule = strLibrary + module.m_pszName + "/";
        AddFile(files, strModule + "dir.mnu", SAMPLE_MENU);
        const struct
        {
            const char* m_pszFolder;
            const char* const* m_ppszFunctions;
            int m_nCount;
        } aSubfolders[] = {{"Actions", g_apszActions, module.m_nActions},
                           {"Configuration", g_apszConfiguration, module.m_nConfiguration},
                           {"Results", g_apszResults, module.m_nResults}};
        for (const auto& sub : aSubfolders)
        {
            const std::string strFolder = strModule + sub.m_pszFolder + "/";
            AddFile(files, strFolder + "dir.mnu", SAMPLE_MENU);
            for (int i = 0; i < sub.m_nCount; ++i)
                AddVi(files, strFolder,
                      std::string(module.m_pszName) + " " + sub.m_ppszFunctions[i]);
        }
    }
    for (const CFlatFolder& folder : g_aSharedFolders)
        AddFlatFolder(files, strLibrary + folder.m_pszName + "/", folder);
    AddFlatFolder(files, strLibrary + g_utility.m_pszName + "/", g_utility);
    AddFlatFolder(files, strLibrary + g_utility.m_pszName + "/" + g_private.m_pszName + "/",
                  g_private);
    AddFile(files, SAMPLE_MANUAL_PATH, SAMPLE_MANUAL);

    const std::string strExamples = g_pszExamples;
    AddVi(files, strExamples, "Getting Started");
    int nExample = 0;
    for (const CModule& module : g_aModules)
    {
        const std::string strModule = module.m_pszName;
        if (strModule == g_pszNoExample)
            continue;
        const std::string strFolder = strExamples + ExampleFolderName(strModule, nExample) + "/";
        AddVi(files, strFolder, strModule + " Example");
        AddVi(files, strFolder, strModule + " Display");
        for (int i = 0; i < g_anExampleControls[nExample]; ++i)
            AddFile(files, strFolder + g_apszControls[i] + ".ctl", SAMPLE_CONTROL);
        if (strModule != g_pszNoRuntimeMenu)
            AddFile(files, strFolder + strModule + " Example.rtm", SAMPLE_RUNTIME_MENU);
        ++nExample;
    }
    return files;
}

bool IsExample(const CSampleFile& file)
{
    return file.m_strPath.rfind("examples/", 0) == 0;
}

// Weights of the files whose sizes are scaled to a category's total; 0 for fixed sizes.
std::uint64_t Weight(const CSampleFile& file, CSampleRandom& random)
{
    const bool bExample = IsExample(file);
    switch (file.m_nKind)
    {
    case SAMPLE_VI:
        if (!bExample)
            return 8 + random.Below(100) + (random.Below(8) == 0 ? random.Below(300) : 0);
        if (file.m_strPath.find(" Example.vi") != std::string::npos)
            return 80 + random.Below(320);
        if (file.m_strPath.find(" Display.vi") != std::string::npos)
            return 20 + random.Below(120);
        return 150; // the one VI directly in the family folder
    case SAMPLE_CONTROL:
        return 4 + random.Below(60);
    default:
        return 0;
    }
}

// Scales the weighted sizes of the files of one category so that the category holds exactly
// nTotal bytes.
void ScaleCategory(std::vector<CSampleFile>& files, const std::vector<std::uint64_t>& weights,
                   bool bExamples, std::uint64_t nTotal)
{
    std::uint64_t nFixed = 0;
    std::uint64_t nWeights = 0;
    for (std::size_t i = 0; i < files.size(); ++i)
    {
        if (IsExample(files[i]) != bExamples || files[i].m_nKind == SAMPLE_MANUAL)
            continue;
        nFixed += weights[i] == 0 ? files[i].m_nSize : 0;
        nWeights += weights[i];
    }
    const std::uint64_t nScaled = nTotal - nFixed;
    std::uint64_t nGiven = 0;
    std::size_t nLast = 0;
    for (std::size_t i = 0; i < files.size(); ++i)
    {
        if (IsExample(files[i]) != bExamples || weights[i] == 0)
            continue;
        files[i].m_nSize = static_cast<std::uint32_t>(weights[i] * nScaled / nWeights);
        nGiven += files[i].m_nSize;
        nLast = i;
    }
    files[nLast].m_nSize += static_cast<std::uint32_t>(nScaled - nGiven);
}

// The delivered order makes the decompression buffer grow at exactly five entries between the
// first entry and the manual (seven allocations in all, the last at the manual). Sizes before
// the manual are evened out to that, and the bytes this moves are given back to the driver
// VIs after the manual, which keeps the category's total.
void ShapeBufferGrowth(std::vector<CSampleFile>& files, CSampleRandom& random)
{
    std::size_t nManual = 0;
    while (files[nManual].m_nKind != SAMPLE_MANUAL)
        ++nManual;
    std::vector<std::size_t> vis;
    for (std::size_t i = 1; i < nManual; ++i)
        if (files[i].m_nKind == SAMPLE_VI)
            vis.push_back(i);
    std::vector<std::size_t> growths;
    for (int k = 0; k < GROWTHS_BEFORE_MANUAL; ++k)
        growths.push_back(vis[k * vis.size() / GROWTHS_BEFORE_MANUAL]);

    std::int64_t nMoved = 0;
    std::uint32_t nLargest = files[0].m_nSize;
    for (std::size_t i = 1; i < nManual; ++i)
    {
        std::uint32_t nSize = files[i].m_nSize;
        if (std::find(growths.begin(), growths.end(), i) != growths.end())
        {
            if (nSize <= nLargest)
                nSize = nLargest + nLargest / 4 + random.Below(4096);
            nLargest = nSize;
        }
        else if (nSize >= nLargest)
        {
            nSize = nLargest / 2 + random.Below(nLargest / 2);
        }
        nMoved += static_cast<std::int64_t>(files[i].m_nSize) - nSize;
        files[i].m_nSize = nSize;
    }

    std::vector<std::size_t> later;
    for (std::size_t i = nManual + 1; i < files.size(); ++i)
        if (!IsExample(files[i]) && files[i].m_nKind == SAMPLE_VI)
            later.push_back(i);
    const std::int64_t nEach = nMoved / static_cast<std::int64_t>(later.size());
    for (std::size_t i : later)
        files[i].m_nSize = static_cast<std::uint32_t>(files[i].m_nSize + nEach);
    files[later.back()].m_nSize = static_cast<std::uint32_t>(
        files[later.back()].m_nSize + nMoved - nEach * static_cast<std::int64_t>(later.size()));
}
} // namespace

bool PrecedesInWalk(const std::string& strLeft, const std::string& strRight)
{
    auto split = [](const std::string& strPath)
    {
        std::vector<std::string> parts;
        std::size_t nStart = 0;
        for (std::size_t nSlash; (nSlash = strPath.find('/', nStart)) != std::string::npos;
             nStart = nSlash + 1)
            parts.push_back(strPath.substr(nStart, nSlash - nStart));
        parts.push_back(strPath.substr(nStart));
        return parts;
    };
    const std::vector<std::string> left = split(strLeft);
    const std::vector<std::string> right = split(strRight);
    // The driver library comes before the examples.
    if (left[0] != right[0])
        return left[0] == "instr.lib";
    return std::lexicographical_compare(left.begin() + 1, left.end(), right.begin() + 1,
                                        right.end(), PrecedesInFolder);
}

std::vector<CSampleFile> SampleLibraryFiles()
{
    std::vector<CSampleFile> files = SampleNames();
    std::stable_sort(files.begin(), files.end(),
                     [](const CSampleFile& a, const CSampleFile& b)
                     { return PrecedesInWalk(a.m_strPath, b.m_strPath); });

    CSampleRandom random(7400);
    std::vector<std::uint64_t> weights;
    for (CSampleFile& file : files)
    {
        weights.push_back(Weight(file, random));
        if (file.m_nKind == SAMPLE_MENU)
            file.m_nSize = random.Between(420, 2900);
        else if (file.m_nKind == SAMPLE_RUNTIME_MENU)
            file.m_nSize = random.Between(290, 1600);
        else if (file.m_nKind == SAMPLE_MANUAL)
            file.m_nSize = SAMPLE_MANUAL_BYTES;
    }
    // The first entry of the delivered archive declares 2,492 bytes; the smallest file has 290.
    files.front().m_nSize = 2492;
    for (CSampleFile& file : files)
        if (file.m_nKind == SAMPLE_RUNTIME_MENU)
        {
            file.m_nSize = 290;
            break;
        }
    ScaleCategory(files, weights, true, SAMPLE_EXAMPLES_BYTES);
    ScaleCategory(files, weights, false, SAMPLE_DRIVERS_BYTES);
    ShapeBufferGrowth(files, random);
    return files;
}
