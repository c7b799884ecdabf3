#include "app/install_search.h"

namespace qira {

std::optional<install_found>
find_install(const std::vector<install_source>& sources,
             const std::function<bool(const std::string&)>& holds_database) {
    for (std::size_t i = 0; i < sources.size(); ++i) {
        if (!sources[i].folders)
            continue;
        for (const std::string& folder : sources[i].folders())
            if (!folder.empty() && holds_database(folder))
                return install_found{folder, i};
    }
    return std::nullopt;
}

} // namespace qira
