// The platform's full-path rules (GetFullPathNameA) as a pure operation, for the Linux
// stand-in of the file calls. Paths are Windows-form texts with drive letters.
#pragma once

#include <functional>
#include <string>

// The current folder of a drive, as a full path such as "C:\" or "C:\LV".
using DriveFolderFn = std::function<std::string(char chDrive)>;

// The full form of pszPath: "/" becomes "\", relative paths are resolved against the current
// folder of the current drive (or, for "X:name", of drive X), runs of separators collapse into
// one, "." and ".." components are resolved, and a trailing separator is kept. A UNC path keeps
// its two leading separators. Returns false for an empty path.
bool ResolveFullPath(const std::string& strPath, char chCurrentDrive,
                     const DriveFolderFn& driveFolder, std::string& strFull);
