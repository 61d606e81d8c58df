// The option bits chosen on the options page, and the masks the wizard tests them with.
#pragma once

constexpr int INSTALL_EXAMPLES = 1; // payload entries below "\examples"
constexpr int INSTALL_DRIVERS = 2;  // every other entry that is not a manual
constexpr int INSTALL_MANUALS = 4;  // entries ending in ".doc" or ".pdf"
constexpr int INSTALL_ACROBAT = 8;  // start the Acrobat Reader installer at the end

constexpr int PAYLOAD_MASK = INSTALL_EXAMPLES | INSTALL_DRIVERS | INSTALL_MANUALS;
constexpr int SHORTCUT_MASK = INSTALL_EXAMPLES | INSTALL_MANUALS;
constexpr int INSTALLER_MASK = INSTALL_ACROBAT;
