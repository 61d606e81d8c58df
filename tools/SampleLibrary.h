// Writes the sample driver library below a host folder: "instr.lib/LH7400/..." and
// "examples/LH7400/...", as a vendor's tree lies below the LabVIEW folder.
#pragma once

#include <string>

// False with strError when a folder or file cannot be written.
bool WriteSampleLibrary(const std::string& strFolder, std::string& strError);

// Where the build puts the sample: the tree in "tree" and its archive "payload.bin".
const char* SampleFolder();
