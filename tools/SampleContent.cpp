#include "SampleContent.h"

#include "SampleManual.h"
#include "SampleRandom.h"

#include <cstring>

namespace
{
const char* const g_apszWords[] = {
    "error in (no error)",
    "error out",
    "VISA resource name",
    "VISA resource name out",
    "status",
    "code",
    "source",
    "Range",
    "Auto Range",
    "Resolution",
    "Aperture Time",
    "Trigger Source",
    "Trigger Delay",
    "Trigger Slope",
    "Immediate",
    "External",
    "Software",
    "Channel List",
    "Channel",
    "Measurement",
    "Reading",
    "Readings",
    "Timeout (ms)",
    "Number of Samples",
    "Sample Interval",
    "Filter",
    "Auto Zero",
    "ON",
    "OFF",
    "Volts",
    "Amps",
    "Ohms",
    "Hz",
    "Seconds",
    "Degrees C",
    "Cluster",
    "Array",
    "Numeric",
    "Boolean",
    "String",
    "Enum",
    "Ring",
    "Waveform Chart",
    "Waveform Graph",
    "While Loop",
    "For Loop",
    "Case Structure",
    "Sequence",
    "Shift Register",
    "Unbundle By Name",
    "Bundle By Name",
    "Build Array",
    "Index Array",
    "Format Into String",
    "Scan From String",
    "Concatenate",
    "Match Pattern",
    "VISA Write",
    "VISA Read",
    "VISA Open",
    "VISA Close",
    "Simple Error",
    "Merge Errors",
    "Property Node",
    "Invoke Node",
    "Front Panel",
    "Block Diagram",
    "Connector Pane",
    "Icon",
    "Documentation",
    "Description",
    "Default Value",
    "Label",
    "Caption",
    "Tip Strip",
    "KTR 7400",
    "LH7400",
    "Larkhaven",
    "Configure",
    "Initiate",
    "Fetch",
    "Read",
    "Abort",
    "Reset",
    "Query",
    ":SENS:VOLT:AC:RANG",
    ":TRIG:SOUR IMM",
    ":INIT",
    ":FETC?",
    ":READ?",
    "*RST",
    "*IDN?",
    "*OPC?",
    ":SYST:ERR?",
    ":CONF:FREQ",
};
constexpr std::uint32_t WORD_COUNT = sizeof g_apszWords / sizeof g_apszWords[0];

const char* const g_apszBlockTags[] = {"LVSR", "vers", "BDPW", "LIvi", "LIfp", "FPHb", "BDHb",
                                       "VCTP", "DTHP", "CONP", "CPC2", "ICON", "icl8", "MUID"};
constexpr std::uint32_t TAG_COUNT = sizeof g_apszBlockTags / sizeof g_apszBlockTags[0];

struct CKindModel
{
    const char m_szType[5];
    std::uint32_t m_nNoise;  // share of noise blocks, in 1/256
    std::uint32_t m_nSpread; // how far one file's share strays from it
};

const CKindModel& Model(const CSampleFile& file)
{
    static const CKindModel s_menu = {"LMNU", 2, 2};
    static const CKindModel s_vi = {"LVIN", 27, 14};
    // The library's VIs are smaller than the examples' and hold less compressed data.
    static const CKindModel s_libraryVi = {"LVIN", 24, 14};
    static const CKindModel s_control = {"LVCC", 27, 14};
    static const CKindModel s_runtimeMenu = {"LVRM", 8, 6};
    switch (file.m_nKind)
    {
    case SAMPLE_MENU:
        return s_menu;
    case SAMPLE_CONTROL:
        return s_control;
    case SAMPLE_RUNTIME_MENU:
        return s_runtimeMenu;
    default:
        return file.m_strPath.rfind("examples/", 0) == 0 ? s_vi : s_libraryVi;
    }
}

class CContentWriter
{
public:
    CContentWriter(std::vector<unsigned char>& bytes, CSampleRandom& random)
        : m_bytes(bytes), m_random(random)
    {
    }

    void Put(const void* pData, std::size_t nSize)
    {
        const unsigned char* p = static_cast<const unsigned char*>(pData);
        m_bytes.insert(m_bytes.end(), p, p + nSize);
    }
    void PutText(const char* psz) { Put(psz, std::strlen(psz)); }
    void PutBig32(std::uint32_t n)
    {
        const unsigned char ab[4] = {
            static_cast<unsigned char>(n >> 24), static_cast<unsigned char>(n >> 16),
            static_cast<unsigned char>(n >> 8), static_cast<unsigned char>(n)};
        Put(ab, 4);
    }

    // Compressed or encrypted data of a real VI: random bytes.
    void Noise(std::uint32_t nLength)
    {
        for (std::uint32_t i = 0; i < nLength; i += 8)
        {
            const std::uint64_t n = m_random.Next();
            for (std::uint32_t k = 0; k < 8 && i + k < nLength; ++k)
                m_bytes.push_back(static_cast<unsigned char>(n >> (8 * k)));
        }
    }

    // Labels, captions and instrument commands as Pascal strings.
    void Words(std::uint32_t nLength)
    {
        const std::size_t nEnd = m_bytes.size() + nLength;
        while (m_bytes.size() < nEnd)
        {
            const char* pszWord = g_apszWords[m_random.Below(WORD_COUNT)];
            m_bytes.push_back(static_cast<unsigned char>(std::strlen(pszWord)));
            PutText(pszWord);
            if (m_random.Below(4) == 0)
                PutBig32(m_random.Below(64));
        }
    }

    // A table of similar records: type descriptors, object headers.
    void Records(std::uint32_t nCount)
    {
        unsigned char abRecord[16];
        for (unsigned char& b : abRecord)
            b = static_cast<unsigned char>(m_random.Below(4) == 0 ? m_random.Below(256) : 0);
        const std::uint32_t nBase = m_random.Below(0x4000);
        for (std::uint32_t i = 0; i < nCount; ++i)
        {
            abRecord[0] = static_cast<unsigned char>((nBase + i) >> 8);
            abRecord[1] = static_cast<unsigned char>(nBase + i);
            if (m_random.Below(4) == 0)
                abRecord[7] = static_cast<unsigned char>(m_random.Below(256));
            Put(abRecord, sizeof abRecord);
        }
    }

private:
    std::vector<unsigned char>& m_bytes;
    CSampleRandom& m_random;
};

std::string BaseName(const std::string& strPath)
{
    return strPath.substr(strPath.find_last_of('/') + 1);
}
} // namespace

std::vector<unsigned char> SampleContent(const CSampleFile& file)
{
    if (file.m_nKind == SAMPLE_MANUAL)
        return SampleManual();

    CSampleRandom random(file.m_strPath);
    const CKindModel& model = Model(file);
    const std::uint32_t nNoise =
        model.m_nNoise + random.Below(2 * model.m_nSpread + 1) - model.m_nSpread;
    std::vector<unsigned char> bytes;
    bytes.reserve(file.m_nSize + 1024);
    CContentWriter writer(bytes, random);

    // The resource file header of LabVIEW: signature, type, creator, sizes.
    writer.PutText("RSRC\r\n");
    writer.Put("\0\3", 2);
    writer.PutText(model.m_szType);
    writer.PutText("LBVW");
    writer.PutBig32(file.m_nSize);
    writer.PutBig32(32);
    writer.Put("\0\0\0\0\0\0\0\0", 8);

    // The resource map at the end names the file.
    const std::string strName = BaseName(file.m_strPath);
    const std::size_t nMapSize = 8 + 1 + strName.size();
    while (bytes.size() + nMapSize < file.m_nSize)
    {
        writer.PutText(g_apszBlockTags[random.Below(TAG_COUNT)]);
        const std::uint32_t nChoice = random.Below(256);
        if (nChoice < nNoise)
            writer.Noise(random.Between(64, 768));
        else if (nChoice < nNoise + (256 - nNoise) / 2)
            writer.Words(random.Between(64, 512));
        else
            writer.Records(random.Between(4, 40));
    }
    bytes.resize(file.m_nSize - nMapSize);
    writer.PutText("RSRC");
    writer.PutBig32(static_cast<std::uint32_t>(strName.size()));
    bytes.push_back(static_cast<unsigned char>(strName.size()));
    writer.Put(strName.data(), strName.size());
    return bytes;
}
