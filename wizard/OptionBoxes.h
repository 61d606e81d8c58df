// The options page's check boxes and the option bits they stand for, and the probe for the
// Acrobat Reader installer that decides whether the last box is offered.
#pragma once

#include "FileOps.h"

#include <functional>

struct COptionBox
{
    int nControlId;
    int nBit;
};

// Examples, drivers, manuals, Acrobat: the order in which the page sets and reads them.
constexpr int OPTION_BOX_COUNT = 4;
extern const COptionBox g_aOptionBoxes[OPTION_BOX_COUNT];

// The bits a showing of the page starts with: examples, drivers and manuals, and the Acrobat
// Reader installer when it is present.
int InitialOptions(bool bInstallerPresent);
// Whether the box of nBit can be changed: all but the Acrobat box always; that one only when
// the installer is present.
bool IsOptionBoxEnabled(int nBit, bool bInstallerPresent);
// The bits of the boxes that isChecked(control id) reports checked.
int CollectOptions(const std::function<bool(int nControlId)>& isChecked);

// Whether the installer at pszPath can be opened for reading (opened and closed at once).
// A path that does not fit the 256-byte buffer the page holds it in is refused: no installer.
bool ProbeInstaller(const char* pszPath, CFileOps& fileOps);
