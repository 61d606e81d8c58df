// The sample library's manual: a PDF document of exactly SAMPLE_MANUAL_BYTES that a viewer
// opens, with text pages that describe the driver's VIs and figures whose compressed image
// data make it compress about as little as a real manual does.
#pragma once

#include <vector>

std::vector<unsigned char> SampleManual();
