#pragma once
// Finding the game's install folder: the places that may name it are asked in order, and the
// first folder that holds the game database wins. The places are given as functions, so a place
// is only asked when every place before it named no usable folder. Plain C++, no Qt.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qira {

// One place that may name the install folder (the editor's settings, a registry view, a Wine
// prefix). `folders` returns its candidates, best first, as UTF-8 texts in the form the window
// keeps (a prefix that the game's file names are appended to).
struct install_source {
    std::string name;
    std::function<std::vector<std::string>()> folders;
};

struct install_found {
    std::string folder;
    std::size_t source = 0; // index into the sources
};

// The first folder for which `holds_database` is true.
std::optional<install_found>
find_install(const std::vector<install_source>& sources,
             const std::function<bool(const std::string&)>& holds_database);

} // namespace qira
