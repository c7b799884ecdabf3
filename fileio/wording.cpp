#include "fileio/wording.h"

namespace qira {

std::string fill_in(const std::string& format, const std::vector<std::string>& args) {
    std::string out;
    out.reserve(format.size());
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c == '%' && i + 1 < format.size() && format[i + 1] >= '1' && format[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(format[i + 1] - '1');
            if (n < args.size()) {
                out += args[n];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

std::string wording::english() const {
    if (is_data()) {
        std::string out = text;
        for (const wording& a : args)
            out += a.english();
        return out;
    }
    std::vector<std::string> filled;
    filled.reserve(args.size());
    for (const wording& a : args)
        filled.push_back(a.english());
    return fill_in(text, filled);
}

wording listed(const std::vector<std::string>& names) {
    if (names.size() < 2)
        return names.empty() ? std::string() : names[0];
    std::string first = names[0];
    for (std::size_t i = 1; i + 1 < names.size(); ++i)
        first += ", " + names[i];
    //: a list of names: %1 is one name or several separated by commas, %2 the last one
    return {QIRA_TR("qira::problem", "%1 and %2"), {first, names.back()}};
}

} // namespace qira
