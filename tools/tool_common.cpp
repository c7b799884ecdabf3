#include "tools/tool_common.h"

#include <iostream>

namespace qira::tool {

// Tells why the command stops: one line naming the file.
int fail(const result& why) {
    std::cerr << "qiradb: " << why.message() << '\n';
    return exit_input;
}

// Loads the language file (when given) and then the database, as the editor does.
std::optional<int> load_both(const std::filesystem::path& db_path,
                             const std::filesystem::path& lang_path, database& db,
                             string_table& lang) {
    if (!lang_path.empty())
        if (auto r = load_language_file(lang_path, lang); !r)
            return fail(r);
    if (auto r = load_database(db_path, lang_path.empty() ? nullptr : &lang, db); !r)
        return fail(r);
    return std::nullopt;
}

} // namespace qira::tool
