#include "SampleManual.h"

#include "ArchiveWriter.h"
#include "SampleRandom.h"
#include "SampleShape.h"

#include <cstdio>
#include <string>

namespace
{
// Pages of text, a figure on every FIGURE_EVERY-th page.
constexpr int FIGURE_EVERY = 15;
constexpr int FIGURE_WIDTH = 360;
constexpr int FIGURE_HEIGHT = 240;
constexpr int LINES_PER_PAGE = 52;
// Figure pages stop this far from the end, text pages (about 6 KB each) this far; the rest is
// the metadata packet's padding.
constexpr std::size_t FIGURE_PAGES_END = 96 * 1024;
constexpr std::size_t TEXT_PAGES_END = 8 * 1024;

const char* const g_apszPhrases[] = {
    "sets the measurement range of the module",
    "returns the readings taken since the last trigger",
    "starts a measurement with the settings made before",
    "clears the error queue of the instrument",
    "reports the state of the module in the error cluster",
    "waits until the operation in progress has completed",
    "The VISA session passes through every VI of the driver unchanged",
    "Wire error in from the previous VI to keep the order of execution",
    "The default value applies when the input is left unwired",
    "Refer to the specifications of the KTR 7400 for the valid ranges",
    "Each channel of the scan list is measured in the order given",
    "A timeout of more than ten seconds is needed for slow apertures",
};
constexpr std::uint32_t PHRASE_COUNT = sizeof g_apszPhrases / sizeof g_apszPhrases[0];

class CPdfWriter
{
public:
    std::string& Text() { return m_strPdf; }

    // Starts object number nObject at the current end and records its offset.
    void BeginObject(int nObject)
    {
        if (static_cast<std::size_t>(nObject) >= m_offsets.size())
            m_offsets.resize(nObject + 1, 0);
        m_offsets[nObject] = m_strPdf.size();
        m_strPdf += std::to_string(nObject) + " 0 obj\n";
    }
    void Stream(int nObject, const std::string& strDictionary, const std::string& strData)
    {
        BeginObject(nObject);
        m_strPdf += "<< " + strDictionary + " /Length " + std::to_string(strData.size()) +
                    " >>\nstream\n" + strData + "\nendstream\nendobj\n";
    }
    void Object(int nObject, const std::string& strBody)
    {
        BeginObject(nObject);
        m_strPdf += strBody + "\nendobj\n";
    }

    // The cross-reference table and trailer for objects 1 to the highest.
    std::string Tail(int nRoot, int nInfo) const
    {
        std::string strTail = "xref\n0 " + std::to_string(m_offsets.size()) + "\n";
        strTail += "0000000000 65535 f \n";
        char szEntry[32];
        for (std::size_t i = 1; i < m_offsets.size(); ++i)
        {
            std::snprintf(szEntry, sizeof szEntry, "%010zu 00000 n \n", m_offsets[i]);
            strTail += szEntry;
        }
        strTail += "trailer\n<< /Size " + std::to_string(m_offsets.size()) + " /Root " +
                   std::to_string(nRoot) + " 0 R /Info " + std::to_string(nInfo) +
                   " 0 R >>\nstartxref\n" + std::to_string(m_strPdf.size()) + "\n%%EOF\n";
        return strTail;
    }

private:
    std::string m_strPdf;
    std::vector<std::size_t> m_offsets;
};

std::string PdfString(const std::string& strText)
{
    std::string strEscaped = "(";
    for (const char ch : strText)
    {
        if (ch == '(' || ch == ')' || ch == '\\')
            strEscaped += '\\';
        strEscaped += ch;
    }
    return strEscaped + ")";
}

// The driver's VI names, which the reference pages describe one by one.
std::vector<std::string> ViNames()
{
    std::vector<std::string> names;
    for (const CSampleFile& file : SampleLibraryFiles())
        if (file.m_nKind == SAMPLE_VI && file.m_strPath.rfind("instr.lib/", 0) == 0)
            names.push_back(file.m_strPath.substr(file.m_strPath.find_last_of('/') + 1));
    return names;
}

std::string PageText(int nPage, const std::vector<std::string>& viNames, std::size_t& nNextVi,
                     bool bFigure, CSampleRandom& random)
{
    std::string strText =
        "BT\n/F2 16 Tf\n72 740 Td\n" +
        PdfString("KTR 7400 LabView Driver Reference, page " + std::to_string(nPage)) + " Tj\nET\n";
    int nLines = LINES_PER_PAGE;
    if (bFigure)
    {
        strText += "q\n" + std::to_string(FIGURE_WIDTH) + " 0 0 " + std::to_string(FIGURE_HEIGHT) +
                   " 126 470 cm\n/Im1 Do\nQ\n";
        nLines = LINES_PER_PAGE / 2;
    }
    int nY = bFigure ? 440 : 712;
    for (int i = 0; i < nLines; ++i, nY -= 13)
    {
        std::string strLine;
        if (i % 6 == 0)
        {
            strLine = viNames[nNextVi++ % viNames.size()];
            strText += "BT\n/F2 11 Tf\n72 " + std::to_string(nY) + " Td\n" + PdfString(strLine) +
                       " Tj\nET\n";
            continue;
        }
        strLine = g_apszPhrases[random.Below(PHRASE_COUNT)];
        strLine += ". Input " + std::to_string(random.Below(16)) + " accepts values up to " +
                   std::to_string(random.Below(100000)) + ".";
        strText +=
            "BT\n/F1 10 Tf\n90 " + std::to_string(nY) + " Td\n" + PdfString(strLine) + " Tj\nET\n";
    }
    return strText;
}

// A figure: a gray photograph-like image, stored deflated as PDF viewers read it.
std::string FigureData(CSampleRandom& random)
{
    std::string strPixels(static_cast<std::size_t>(FIGURE_WIDTH) * FIGURE_HEIGHT, '\0');
    int nLevel = 128;
    for (std::size_t i = 0; i < strPixels.size(); ++i)
    {
        nLevel += static_cast<int>(random.Below(41)) - 20;
        nLevel = nLevel < 0 ? 0 : nLevel > 255 ? 255 : nLevel;
        strPixels[i] = static_cast<char>(nLevel);
    }
    const std::vector<unsigned char> stream = CompressBytes(strPixels.data(), strPixels.size(), 9);
    return std::string(stream.begin(), stream.end());
}

std::string Metadata(std::size_t nPadding)
{
    return "<?xpacket begin=\"\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
           "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF "
           "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\"><rdf:Description "
           "rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\"><dc:title>KTR 7400 "
           "LabView Driver Manual</dc:title></rdf:Description></rdf:RDF></x:xmpmeta>\n" +
           std::string(nPadding, ' ') + "\n<?xpacket end=\"w\"?>";
}
} // namespace

std::vector<unsigned char> SampleManual()
{
    // Objects: 1 catalog, 2 page tree, 3 and 4 fonts, 5 information, 6 metadata, then a page,
    // its content and its figure for each page.
    const int nCatalog = 1, nPages = 2, nInfo = 5, nMetadata = 6;
    CPdfWriter pdf;
    pdf.Text() = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    pdf.Object(nCatalog, "<< /Type /Catalog /Pages 2 0 R /Metadata 6 0 R >>");
    pdf.Object(3, "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica "
                  "/Encoding /WinAnsiEncoding >>");
    pdf.Object(4, "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold "
                  "/Encoding /WinAnsiEncoding >>");
    pdf.Object(nInfo, "<< /Title (KTR 7400 LabView Driver Manual) /Author (Larkhaven) "
                      "/Producer (payload sample library) >>");

    CSampleRandom random(std::string("KTR 7400 LabView Driver Manual"));
    const std::vector<std::string> viNames = ViNames();
    std::size_t nNextVi = 0;
    std::string strKids;
    int nObject = 7;
    int nPage = 0;
    // What the page tree, the metadata and the cross-reference table will take.
    auto tail = [&]() { return strKids.size() + 20 * static_cast<std::size_t>(nObject) + 1024; };
    for (;;)
    {
        const std::size_t nUsed = pdf.Text().size() + tail();
        if (nUsed + TEXT_PAGES_END >= SAMPLE_MANUAL_BYTES)
            break;
        ++nPage;
        const bool bFigure =
            nPage % FIGURE_EVERY == 0 && nUsed + FIGURE_PAGES_END < SAMPLE_MANUAL_BYTES;
        const int nPageObject = nObject++;
        const int nContent = nObject++;
        std::string strResources = "/Font << /F1 3 0 R /F2 4 0 R >>";
        if (bFigure)
        {
            const int nImage = nObject++;
            pdf.Stream(nImage,
                       "/Type /XObject /Subtype /Image /Width " + std::to_string(FIGURE_WIDTH) +
                           " /Height " + std::to_string(FIGURE_HEIGHT) +
                           " /ColorSpace /DeviceGray /BitsPerComponent 8 /Filter /FlateDecode",
                       FigureData(random));
            strResources += " /XObject << /Im1 " + std::to_string(nImage) + " 0 R >>";
        }
        pdf.Stream(nContent, "", PageText(nPage, viNames, nNextVi, bFigure, random));
        pdf.Object(nPageObject, "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] "
                                "/Resources << " +
                                    strResources + " >> /Contents " + std::to_string(nContent) +
                                    " 0 R >>");
        strKids += std::to_string(nPageObject) + " 0 R ";
    }
    pdf.Object(nPages,
               "<< /Type /Pages /Kids [ " + strKids + "] /Count " + std::to_string(nPage) + " >>");

    // The metadata packet's padding makes the document exactly as long as the manual; its
    // length digits and the offsets in the tail depend on it, so it is settled in two passes.
    const std::string strBody = pdf.Text();
    const std::string strMetadataDictionary = "/Type /Metadata /Subtype /XML";
    std::size_t nPadding = 0;
    for (int nPass = 0; nPass < 3; ++nPass)
    {
        pdf.Text() = strBody;
        pdf.Stream(nMetadata, strMetadataDictionary, Metadata(nPadding));
        const std::size_t nLength = pdf.Text().size() + pdf.Tail(nCatalog, nInfo).size();
        nPadding += SAMPLE_MANUAL_BYTES - nLength;
    }
    pdf.Text() = strBody;
    pdf.Stream(nMetadata, strMetadataDictionary, Metadata(nPadding));
    pdf.Text() += pdf.Tail(nCatalog, nInfo);
    return std::vector<unsigned char>(pdf.Text().begin(), pdf.Text().end());
}
