#include "PayloadCommand.h"

#include "ArchiveFile.h"
#include "DigitGroups.h"
#include "ExtractArchive.h"
#include "OptionBits.h"
#include "PackArchive.h"
#include "VerifyArchive.h"

#include <cerrno>
#include <cstdlib>
#include <iomanip>

namespace
{
const char g_szToolHelp[] =
    "usage: payload <command> [arguments]\n"
    "\n"
    "Makes, checks and unpacks the payload archive that Setup.exe installs.\n"
    "\n"
    "commands:\n"
    "  pack SRC_DIR ARCHIVE [--level N]    pack a driver tree into an archive\n"
    "  list ARCHIVE                        list the entries and the totals per category\n"
    "  verify ARCHIVE                      check every record and inflate every stream\n"
    "  extract ARCHIVE TARGET [--options BITS] [--stats]\n"
    "                                      install the archive below TARGET as Setup.exe "
    "does\n"
    "\n"
    "'payload <command> --help' describes a command. Exit codes: 0 done, 1 a problem with\n"
    "the archive or the files, 2 a usage error.\n";

const char g_szPackHelp[] =
    "usage: payload pack SRC_DIR ARCHIVE [--level N]\n"
    "\n"
    "Packs the tree below SRC_DIR, laid out as below the LabVIEW folder, into ARCHIVE:\n"
    "the families in SRC_DIR/instr.lib first (instr.lib/LH7400/...), then those in\n"
    "SRC_DIR/examples. Each folder's names are taken in the order of their upper-case form,\n"
    "files and subfolders interleaved; each file becomes one zlib stream. Other entries at\n"
    "the top of SRC_DIR are left out. The same tree always gives the same archive.\n"
    "\n"
    "  --level N   zlib compression level, 0 to 9 (default 1)\n"
    "\n"
    "Refuses, leaving no new archive, a name of more than 255 characters in the archive's\n"
    "form (\\instr.lib\\LH7400\\\\...), a file of 2 GiB or more, a file that cannot be read,\n"
    "and a name the installer would refuse (a \"..\" component or a colon) or Windows\n"
    "would not take.\n";

const char g_szListHelp[] =
    "usage: payload list ARCHIVE\n"
    "\n"
    "Prints one line per entry (index, category, uncompressed size, compressed size, name)\n"
    "and then the entries and bytes per option category and in all. Streams are not\n"
    "inflated; 'payload verify' checks them. Exit 1 when the archive is malformed.\n";

const char g_szVerifyHelp[] =
    "usage: payload verify ARCHIVE\n"
    "\n"
    "Walks ARCHIVE with every bound checked and inflates every stream, whatever its\n"
    "category: each must be a sound zlib stream of exactly its compressed size that yields\n"
    "exactly its declared size, and the archive must end with the 264-byte terminator.\n"
    "Reports the first problem with its entry's index and byte offset and exits 1; exits 0\n"
    "when the archive is sound.\n";

const char g_szExtractHelp[] =
    "usage: payload extract ARCHIVE TARGET [--options BITS] [--stats]\n"
    "\n"
    "Runs the installer's own extraction on ARCHIVE: writes the entries of the chosen\n"
    "categories read-only below the folder TARGET (which stands for the LabVIEW folder),\n"
    "replacing files that are there. Prints the installer's message and exits 1 when it\n"
    "fails.\n"
    "\n"
    "  --options BITS   1 examples, 2 driver library, 4 manuals; default 7 (all)\n"
    "  --stats          print the decompression buffer's allocation count and peak size,\n"
    "                   and the time the extraction took\n";

struct CCommand
{
    const char* m_pszName;
    const char* m_pszHelp;
    std::size_t m_nArguments;
    int (*m_pfnRun)(const std::vector<std::string>& positional, int nLevel, int nOptions,
                    bool bStats, std::ostream& out, std::ostream& err);
};

int Pack(const std::vector<std::string>& positional, int nLevel, int, bool, std::ostream& out,
         std::ostream& err)
{
    CPackSummary summary;
    std::string strError;
    if (!PackArchive(positional[0], positional[1], nLevel, summary, strError))
    {
        err << "payload pack: " << strError << "; no archive written\n";
        return EXIT_PROBLEM;
    }
    out << "packed " << summary.m_nFiles << " files, " << GroupDigits(summary.m_nUncompressed)
        << " bytes, into " << positional[1] << ": " << GroupDigits(summary.m_nArchiveBytes)
        << " bytes\n";
    return EXIT_DONE;
}

// Maps the archive a command reads; says why not, under the command's name, when it cannot.
bool OpenArchive(CArchiveFile& archive, const std::string& strPath, const char* pszCommand,
                 std::ostream& err)
{
    std::string strError;
    if (archive.Open(strPath, strError))
        return true;
    err << "payload " << pszCommand << ": " << strError << '\n';
    return false;
}

int List(const std::vector<std::string>& positional, int, int, bool, std::ostream& out,
         std::ostream& err)
{
    CArchiveFile archive;
    std::string strError;
    if (!OpenArchive(archive, positional[0], "list", err))
        return EXIT_PROBLEM;
    if (!ListArchive(archive.Data(), archive.Size(), out, strError))
    {
        err << "payload list: " << positional[0] << ": " << strError << '\n';
        return EXIT_PROBLEM;
    }
    return EXIT_DONE;
}

int Verify(const std::vector<std::string>& positional, int, int, bool, std::ostream& out,
           std::ostream& err)
{
    CArchiveFile archive;
    std::string strError;
    if (!OpenArchive(archive, positional[0], "verify", err))
        return EXIT_PROBLEM;
    CArchiveTotals totals;
    if (!VerifyArchive(archive.Data(), archive.Size(), totals, strError))
    {
        err << "payload verify: " << positional[0] << ": " << strError << '\n';
        return EXIT_PROBLEM;
    }
    out << positional[0] << ": sound, " << totals.All().m_nEntries << " entries, "
        << GroupDigits(totals.All().m_nUncompressed) << " bytes uncompressed in "
        << GroupDigits(archive.Size()) << " bytes; longest name " << totals.LongestName()
        << " characters";
    // Target folder and name together must fit the installer's 255-character paths.
    if (totals.LongestName() < 255)
        out << " (it installs below target folders of up to " << 255 - totals.LongestName()
            << " characters)";
    out << '\n';
    return EXIT_DONE;
}

int Extract(const std::vector<std::string>& positional, int, int nOptions, bool bStats,
            std::ostream& out, std::ostream& err)
{
    CArchiveFile archive;
    std::string strError;
    if (!OpenArchive(archive, positional[0], "extract", err))
        return EXIT_PROBLEM;
    CExtractStats stats;
    const char* pszMessage =
        ExtractArchive(archive.Data(), archive.Size(), nOptions, positional[1], stats);
    if (bStats)
    {
        out << "decompression buffer: " << stats.m_nAllocations << " allocations, peak "
            << GroupDigits(stats.m_nPeakBytes) << " bytes\n";
        out << "time in ExtractPayload: " << std::fixed << std::setprecision(1)
            << stats.m_nMilliseconds << " ms\n";
    }
    if (pszMessage != nullptr)
    {
        err << pszMessage << '\n';
        return EXIT_PROBLEM;
    }
    return EXIT_DONE;
}

const CCommand g_aCommands[] = {
    {"pack", g_szPackHelp, 2, Pack},
    {"list", g_szListHelp, 1, List},
    {"verify", g_szVerifyHelp, 1, Verify},
    {"extract", g_szExtractHelp, 2, Extract},
};

bool IsHelp(const std::string& strArg)
{
    return strArg == "--help" || strArg == "-h";
}

// A whole number in [nLow, nHigh], in decimal or with a 0x prefix.
bool ParseNumber(const std::string& strText, int nLow, int nHigh, int& nValue)
{
    if (strText.empty())
        return false;
    char* pszEnd = nullptr;
    errno = 0;
    const long nParsed = std::strtol(strText.c_str(), &pszEnd, 0);
    if (errno != 0 || *pszEnd != '\0' || nParsed < nLow || nParsed > nHigh)
        return false;
    nValue = static_cast<int>(nParsed);
    return true;
}

int UsageError(const std::string& strCommand, const std::string& strWhat, std::ostream& err)
{
    err << "payload" << (strCommand.empty() ? "" : " " + strCommand) << ": " << strWhat
        << "\nTry 'payload" << (strCommand.empty() ? "" : " " + strCommand) << " --help'.\n";
    return EXIT_USAGE;
}
} // namespace

int RunPayloadTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty())
    {
        err << g_szToolHelp;
        return EXIT_USAGE;
    }
    if (IsHelp(args[0]) || args[0] == "help")
    {
        out << g_szToolHelp;
        return EXIT_DONE;
    }
    const CCommand* pCommand = nullptr;
    for (const CCommand& command : g_aCommands)
        if (args[0] == command.m_pszName)
            pCommand = &command;
    if (pCommand == nullptr)
        return UsageError("", "unknown command '" + args[0] + "'", err);
    const std::string strCommand = pCommand->m_pszName;

    std::vector<std::string> positional;
    int nLevel = 1;
    int nOptions = PAYLOAD_MASK;
    bool bStats = false;
    for (std::size_t i = 1; i < args.size(); ++i)
    {
        const std::string& strArg = args[i];
        if (IsHelp(strArg))
        {
            out << pCommand->m_pszHelp;
            return EXIT_DONE;
        }
        if (strArg.size() < 2 || strArg.compare(0, 2, "--") != 0)
        {
            positional.push_back(strArg);
            continue;
        }
        // "--name value" or "--name=value".
        std::string strName = strArg;
        std::string strValue;
        bool bHasValue = false;
        const std::size_t nEquals = strArg.find('=');
        if (nEquals != std::string::npos)
        {
            strName = strArg.substr(0, nEquals);
            strValue = strArg.substr(nEquals + 1);
            bHasValue = true;
        }
        const bool bTakesValue = (strCommand == "pack" && strName == "--level") ||
                                 (strCommand == "extract" && strName == "--options");
        if (strCommand == "extract" && strName == "--stats" && !bHasValue)
        {
            bStats = true;
            continue;
        }
        if (!bTakesValue)
            return UsageError(strCommand, "unknown option '" + strArg + "'", err);
        if (!bHasValue)
        {
            if (i + 1 >= args.size())
                return UsageError(strCommand, strName + " needs a value", err);
            strValue = args[++i];
        }
        if (strName == "--level" && !ParseNumber(strValue, 0, 9, nLevel))
            return UsageError(strCommand, "--level takes a number from 0 to 9", err);
        if (strName == "--options" && !ParseNumber(strValue, 0, 15, nOptions))
            return UsageError(strCommand, "--options takes option bits from 0 to 15", err);
    }
    if (positional.size() != pCommand->m_nArguments)
        return UsageError(strCommand,
                          positional.size() < pCommand->m_nArguments ? "missing arguments"
                                                                     : "too many arguments",
                          err);
    return pCommand->m_pfnRun(positional, nLevel, nOptions, bStats, out, err);
}
