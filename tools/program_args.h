#pragma once
// The program's arguments as UTF-8 texts, and file paths made from such texts. On Windows the
// arguments that main() receives are in the ANSI code page, which cannot hold every file name
// (a folder named in Japanese arrives as "??"), so there they come from the wide command line;
// elsewhere they are taken as they are.

#include <filesystem>
#include <string>
#include <vector>

namespace qira {

std::vector<std::string> utf8_arguments(int argc, char** argv);

// The path that a UTF-8 text names (on Windows a narrow std::string would be read in the ANSI
// code page instead).
std::filesystem::path utf8_path(const std::string& text);

} // namespace qira
