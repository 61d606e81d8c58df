// The "payload" tool's command line: pack, list, verify and extract payload archives.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// Exit codes: 0 done, 1 a problem with the archive, the tree or the files, 2 a usage error.
constexpr int EXIT_DONE = 0;
constexpr int EXIT_PROBLEM = 1;
constexpr int EXIT_USAGE = 2;

// Runs one command; args are the words after the program's name.
int RunPayloadTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
