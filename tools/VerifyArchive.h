// "payload verify" and "payload list": an archive checked and described.
#pragma once

#include "ArchiveTotals.h"

#include <cstddef>
#include <ostream>
#include <string>

// Walks the archive with bounds and inflates every stream, whatever its category: each must
// be a sound zlib stream of exactly its compressed size that yields exactly its declared size.
// False with strProblem naming the first problem, its entry's index and byte offset.
bool VerifyArchive(const unsigned char* pArchive, std::size_t cbArchive, CArchiveTotals& totals,
                   std::string& strProblem);

// One line per entry (index, category, uncompressed and compressed size, name), then the
// table of totals. Streams are not inflated. False with strProblem when the walk meets a
// malformed record; the entries before it are listed.
bool ListArchive(const unsigned char* pArchive, std::size_t cbArchive, std::ostream& out,
                 std::string& strProblem);
