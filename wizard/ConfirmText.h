// The text of the confirmation page: the chosen folder inserted into one of two string-table
// texts, depending on whether the folder exists.
#pragma once

#include "WizardPages.h"

#include <string>

// IDS_CONFIRM_DIR for an existing folder, IDS_DIR_MISSING for a missing one.
WizardString ConfirmTextId(bool bFolderExists);

// Formats strFormat printf-style with strFolder as its one "%s" argument: "%s" becomes the
// folder, "%%" a single "%". Any other "%" sequence is copied as it stands, and only the
// first "%s" takes the folder, so no text can read an argument that is not there. A "%" in
// the folder is inserted unchanged.
std::string FormatFolderText(const std::string& strFormat, const std::string& strFolder);
