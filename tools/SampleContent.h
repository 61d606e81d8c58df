// The content of a sample library file: LabVIEW-like resource data, varied binary that
// compresses about as well as real VIs, controls and menus do (to a third or so), never
// zeros and never pure noise. The bytes depend on the file's path and size alone.
#pragma once

#include "SampleShape.h"

#include <vector>

std::vector<unsigned char> SampleContent(const CSampleFile& file);
