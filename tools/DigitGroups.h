// Numbers as the tool prints them: digits in groups of three ("15,061,420").
#pragma once

#include <cstdint>
#include <string>

std::string GroupDigits(std::uint64_t nValue);
