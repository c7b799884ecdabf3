#include "app/wine_registry.h"

#include "fileio/utf8.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <system_error>

namespace qira::wine {

namespace {

std::string fold(std::string_view text) {
    std::string folded(text);
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

std::string slot(std::string_view key, std::string_view name) {
    return fold(key) + '\n' + fold(name);
}

// UTF-16 units in, UTF-8 out; a surrogate without its partner becomes U+FFFD.
class utf16_to_utf8 {
  public:
    explicit utf16_to_utf8(std::string& out) : out_(out) {}
    void unit(char16_t u) {
        if (u >= 0xDC00 && u <= 0xDFFF && high_) {
            append_utf8(out_, 0x10000 + ((char32_t{high_} - 0xD800) << 10) + (u - 0xDC00));
            high_ = 0;
            return;
        }
        finish();
        if (u >= 0xD800 && u <= 0xDBFF)
            high_ = u;
        else if (u >= 0xDC00 && u <= 0xDFFF)
            append_utf8(out_, 0xFFFD);
        else
            append_utf8(out_, u);
    }
    // A byte of the file that is no escape: kept as it is (the file is ASCII as Wine writes it).
    void byte(char b) {
        finish();
        out_ += b;
    }
    void finish() {
        if (high_)
            append_utf8(out_, 0xFFFD);
        high_ = 0;
    }

  private:
    std::string& out_;
    char16_t high_ = 0;
};

int hex_digit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The length of the quoted text that starts after an opening quote at `text[0]`: up to the
// closing quote that is not escaped; nothing when the line ends first.
std::optional<std::size_t> quoted_length(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\')
            ++i;
        else if (text[i] == '"')
            return i;
    }
    return std::nullopt;
}

// The name of a section header `[name] time`; nothing when the bracket is not closed.
std::optional<std::string_view> section_name(std::string_view line) {
    for (std::size_t i = 1; i < line.size(); ++i) {
        if (line[i] == '\\')
            ++i;
        else if (line[i] == ']')
            return line.substr(1, i - 1);
    }
    return std::nullopt;
}

// Reads one line of at most max_line bytes into `line`. A longer line is read to its end and
// reported as too long. False at the end of the input.
enum class line_state { ok, too_long, end };
line_state next_line(std::istream& in, std::string& line, std::uintmax_t& total) {
    line.clear();
    bool too_long = false;
    bool any = false;
    std::streambuf* buf = in.rdbuf();
    if (!buf)
        return line_state::end;
    for (;;) {
        const auto c = buf->sbumpc();
        if (c == std::char_traits<char>::eof())
            break;
        any = true;
        ++total;
        if (total > max_file)
            return line_state::too_long; // the caller checks the total
        if (c == '\n')
            break;
        if (line.size() >= max_line)
            too_long = true;
        else
            line += static_cast<char>(c);
    }
    if (!any)
        return line_state::end;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return too_long ? line_state::too_long : line_state::ok;
}

// A refusal of a registry file, with the reason ("it does not exist").
result refused(std::string why) {
    return result::failure(result::code::refused, {}, std::move(why));
}

result too_large() {
    return refused("it is larger than " + std::to_string(max_file / (1024 * 1024)) + " MiB");
}

} // namespace

std::optional<std::string> reg_values::get(std::string_view key, std::string_view name) const {
    const auto it = values_.find(slot(key, name));
    if (it == values_.end())
        return std::nullopt;
    return it->second;
}

void reg_values::set(std::string_view key, std::string_view name, std::string text) {
    values_[slot(key, name)] = std::move(text);
}

std::optional<std::string> unescape(std::string_view escaped) {
    std::string out;
    utf16_to_utf8 conv(out);
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        const char c = escaped[i];
        if (c != '\\') {
            if (static_cast<unsigned char>(c) < 0x80)
                conv.unit(static_cast<char16_t>(c));
            else
                conv.byte(c);
            continue;
        }
        if (++i == escaped.size())
            return std::nullopt;
        const char e = escaped[i];
        switch (e) {
        case 'a':
            conv.unit(u'\a');
            break;
        case 'b':
            conv.unit(u'\b');
            break;
        case 'e':
            conv.unit(u'\x1b');
            break;
        case 'f':
            conv.unit(u'\f');
            break;
        case 'n':
            conv.unit(u'\n');
            break;
        case 'r':
            conv.unit(u'\r');
            break;
        case 't':
            conv.unit(u'\t');
            break;
        case 'v':
            conv.unit(u'\v');
            break;
        case 'x': {
            unsigned value = 0;
            int digits = 0;
            while (digits < 4 && i + 1 < escaped.size() && hex_digit(escaped[i + 1]) >= 0) {
                value = value * 16 + static_cast<unsigned>(hex_digit(escaped[++i]));
                ++digits;
            }
            if (digits == 0)
                conv.unit(u'x');
            else
                conv.unit(static_cast<char16_t>(value));
            break;
        }
        default:
            if (e >= '0' && e <= '7') {
                unsigned value = static_cast<unsigned>(e - '0');
                for (int digits = 1; digits < 3 && i + 1 < escaped.size() &&
                                     escaped[i + 1] >= '0' && escaped[i + 1] <= '7';
                     ++digits)
                    value = value * 8 + static_cast<unsigned>(escaped[++i] - '0');
                conv.unit(static_cast<char16_t>(value));
            } else if (static_cast<unsigned char>(e) < 0x80) {
                conv.unit(static_cast<char16_t>(e)); // \\, \", and any other character as it is
            } else {
                conv.byte(e);
            }
        }
    }
    conv.finish();
    return out;
}

result parse_reg(std::istream& in, const std::vector<std::string>& keys, reg_values& out) {
    std::vector<std::string> wanted;
    for (const auto& key : keys)
        wanted.push_back(fold(key));

    std::uintmax_t total = 0;
    std::string line;
    if (next_line(in, line, total) != line_state::ok ||
        line.rfind("WINE REGISTRY Version 2", 0) != 0) {
        return refused("it is not a Wine registry file (no \"WINE REGISTRY Version 2\" line)");
    }
    const std::string* current = nullptr; // the wanted key of the current section
    std::string current_name;
    for (;;) {
        const line_state state = next_line(in, line, total);
        if (total > max_file)
            return too_large();
        if (state == line_state::end)
            break;
        if (state == line_state::too_long || line.empty())
            continue;
        if (line[0] == '[') {
            current = nullptr;
            const auto name = section_name(line);
            if (!name)
                continue;
            const auto key = unescape(*name);
            if (!key)
                continue;
            const std::string folded = fold(*key);
            const auto it = std::find(wanted.begin(), wanted.end(), folded);
            if (it != wanted.end()) {
                current = &*it;
                current_name = *key;
            }
            continue;
        }
        if (!current || (line[0] != '"' && line[0] != '@'))
            continue;
        std::string_view rest(line);
        std::optional<std::string> name;
        if (rest[0] == '@') {
            name = std::string(); // the key's default value
            rest.remove_prefix(1);
        } else {
            const auto length = quoted_length(rest.substr(1));
            if (!length)
                continue;
            name = unescape(rest.substr(1, *length));
            rest.remove_prefix(*length + 2);
        }
        if (!name || rest.empty() || rest[0] != '=')
            continue;
        rest.remove_prefix(1);
        if (rest.rfind("str(2):", 0) == 0)
            rest.remove_prefix(7);
        if (rest.empty() || rest[0] != '"')
            continue; // dword:, hex: and the like
        const auto length = quoted_length(rest.substr(1));
        if (!length)
            continue;
        if (auto text = unescape(rest.substr(1, *length)))
            out.set(current_name, *name, std::move(*text));
    }
    if (in.bad())
        return refused("it could not be read to its end");
    return result::success();
}

result read_reg_file(const std::filesystem::path& file, const std::vector<std::string>& keys,
                     reg_values& out) {
    const auto at = [&file](result r) {
        r.where.file = file.string();
        return r;
    };
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    if (ec || !std::filesystem::exists(status))
        return at(refused("it does not exist"));
    if (!std::filesystem::is_regular_file(status))
        return at(refused("it is not a file"));
    const auto size = std::filesystem::file_size(file, ec);
    if (!ec && size > max_file)
        return at(too_large());
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return at(refused("it cannot be opened"));
    return at(parse_reg(in, keys, out));
}

std::optional<std::filesystem::path> map_path(const std::filesystem::path& prefix,
                                              std::string_view windows_path) {
    if (windows_path.size() < 2 || windows_path[1] != ':')
        return std::nullopt;
    char drive = windows_path[0];
    if (drive >= 'A' && drive <= 'Z')
        drive = static_cast<char>(drive - 'A' + 'a');
    if (drive < 'a' || drive > 'z')
        return std::nullopt;
    std::error_code ec;
    std::filesystem::path base = prefix / "dosdevices" / (std::string(1, drive) + ":");
    if (!std::filesystem::is_directory(base, ec)) {
        base = prefix / "drive_c";
        if (drive != 'c' || !std::filesystem::is_directory(base, ec))
            return std::nullopt;
    }
    std::string_view rest = windows_path.substr(2);
    // As on Windows, `..` goes up one folder but never above the drive's root.
    std::vector<std::string_view> names;
    std::size_t start = 0;
    while (start <= rest.size()) {
        const std::size_t end = std::min(rest.find_first_of("\\/", start), rest.size());
        const std::string_view name = rest.substr(start, end - start);
        if (name == "..") {
            if (!names.empty())
                names.pop_back();
        } else if (!name.empty() && name != ".") {
            names.push_back(name);
        }
        start = end + 1;
    }
    std::filesystem::path result = base;
    for (const std::string_view name : names)
        result /= std::filesystem::path(std::u8string(name.begin(), name.end()));
    if (!rest.empty() && (rest.back() == '\\' || rest.back() == '/'))
        result /= "";
    return result;
}

std::vector<std::filesystem::path> prefixes(const char* wineprefix_env, const char* home_env) {
    std::vector<std::filesystem::path> result;
    const auto add = [&](std::filesystem::path p) {
        p = p.lexically_normal();
        if (!p.has_filename())
            p = p.parent_path();
        if (std::find(result.begin(), result.end(), p) == result.end())
            result.push_back(std::move(p));
    };
    if (wineprefix_env && *wineprefix_env)
        add(wineprefix_env);
    if (home_env && *home_env)
        add(std::filesystem::path(home_env) / ".wine");
    return result;
}

prefix_report game_install_dirs(const std::filesystem::path& prefix) {
    prefix_report report;
    const auto file = prefix / "system.reg";
    reg_values values;
    if (const result read = read_reg_file(file, {game_key, game_key_32}, values); !read) {
        report.problem = refused(file.string() + ": " + read.problem);
        report.problem.where = read.where;
        return report;
    }
    for (const char* key : {game_key, game_key_32}) {
        const auto dir = values.get(key, install_dir_value);
        if (!dir)
            continue;
        if (auto mapped = map_path(prefix, *dir)) {
            if (mapped->has_filename())
                *mapped /= "";
            report.install_dirs.push_back(std::move(*mapped));
        } else if (report.problem) {
            report.problem = refused("\"" + *dir + "\" is not a folder of " + prefix.string());
            report.problem.where.file = prefix.string();
        }
    }
    if (report.install_dirs.empty() && report.problem) {
        report.problem = refused(file.string() + " has no \"Install Dir\" of the game");
        report.problem.where.file = file.string();
    }
    return report;
}

} // namespace qira::wine
