#include "editing/json_reader.h"

#include "fileio/utf8.h"

#include <charconv>

namespace qira {

namespace {

constexpr int max_depth = 16;
constexpr std::size_t max_members = 32; // a patch's objects have at most 9

class parser {
  public:
    explicit parser(std::string_view text) : s_(text) {}

    bool parse(json_value& out) {
        if (!is_valid_utf8(s_))
            return fail_at(0, "the document is not valid UTF-8");
        skip_space();
        if (!value(out, 0))
            return false;
        skip_space();
        if (pos_ != s_.size())
            return fail("unexpected text after the document");
        return true;
    }
    const result& error() const { return error_; }

  private:
    bool fail(const std::string& what) { return fail_at(pos_, what); }
    bool fail_at(std::size_t at, const std::string& what) {
        std::size_t line = 1, column = 1;
        for (std::size_t i = 0; i < at && i < s_.size(); ++i) {
            if (s_[i] == '\n') {
                ++line;
                column = 1;
            } else {
                ++column;
            }
        }
        error_ = result::failure(result::code::not_json, {.line = line, .column = column}, what);
        return false;
    }
    void skip_space() {
        while (pos_ < s_.size() &&
               (s_[pos_] == ' ' || s_[pos_] == '\t' || s_[pos_] == '\n' || s_[pos_] == '\r'))
            ++pos_;
    }
    bool literal(std::string_view word) {
        if (s_.substr(pos_, word.size()) != word)
            return fail("not a JSON value");
        pos_ += word.size();
        return true;
    }

    bool value(json_value& out, int depth) {
        if (pos_ >= s_.size())
            return fail("the document ends where a value should be");
        switch (s_[pos_]) {
        case '{':
            return object(out, depth + 1);
        case '[':
            return array(out, depth + 1);
        case '"':
            out.type = json_value::kind::string;
            return string(out.string);
        case 't':
            out.type = json_value::kind::boolean;
            return literal("true");
        case 'f':
            out.type = json_value::kind::boolean;
            return literal("false");
        case 'n':
            out.type = json_value::kind::null;
            return literal("null");
        default:
            return number(out);
        }
    }

    bool object(json_value& out, int depth) {
        if (depth > max_depth)
            return fail("nested deeper than a patch is");
        out.type = json_value::kind::object;
        ++pos_;
        skip_space();
        if (pos_ < s_.size() && s_[pos_] == '}') {
            ++pos_;
            return true;
        }
        for (;;) {
            skip_space();
            if (pos_ >= s_.size() || s_[pos_] != '"')
                return fail("expected a member name in quotes");
            std::string name;
            if (!string(name))
                return false;
            if (out.names.size() >= max_members)
                return fail("an object with more members than a patch has");
            for (const auto& m : out.names)
                if (m == name)
                    return fail("the member \"" + name + "\" appears twice");
            skip_space();
            if (pos_ >= s_.size() || s_[pos_] != ':')
                return fail("expected ':'");
            ++pos_;
            skip_space();
            out.names.push_back(std::move(name));
            out.members.emplace_back();
            if (!value(out.members.back(), depth))
                return false;
            skip_space();
            if (pos_ < s_.size() && s_[pos_] == ',') {
                ++pos_;
                continue;
            }
            if (pos_ < s_.size() && s_[pos_] == '}') {
                ++pos_;
                return true;
            }
            return fail("expected ',' or '}'");
        }
    }

    bool array(json_value& out, int depth) {
        if (depth > max_depth)
            return fail("nested deeper than a patch is");
        out.type = json_value::kind::array;
        ++pos_;
        skip_space();
        if (pos_ < s_.size() && s_[pos_] == ']') {
            ++pos_;
            return true;
        }
        for (;;) {
            skip_space();
            out.items.emplace_back();
            if (!value(out.items.back(), depth))
                return false;
            skip_space();
            if (pos_ < s_.size() && s_[pos_] == ',') {
                ++pos_;
                continue;
            }
            if (pos_ < s_.size() && s_[pos_] == ']') {
                ++pos_;
                return true;
            }
            return fail("expected ',' or ']'");
        }
    }

    bool hex4(std::uint32_t& v) {
        if (s_.size() - pos_ < 4)
            return fail("a \\u escape needs four hex digits");
        v = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = s_[pos_++];
            v <<= 4;
            if (c >= '0' && c <= '9')
                v |= static_cast<std::uint32_t>(c - '0');
            else if (c >= 'a' && c <= 'f')
                v |= static_cast<std::uint32_t>(c - 'a' + 10);
            else if (c >= 'A' && c <= 'F')
                v |= static_cast<std::uint32_t>(c - 'A' + 10);
            else
                return fail("a \\u escape needs four hex digits");
        }
        return true;
    }

    // A string literal; \udc80 to \udcff stand for the stored bytes 80 to FF that are not part
    // of valid UTF-8.
    bool string(std::string& out) {
        ++pos_;
        for (;;) {
            if (pos_ >= s_.size())
                return fail("a text runs to the end of the document");
            const auto c = static_cast<unsigned char>(s_[pos_]);
            if (c == '"') {
                ++pos_;
                return true;
            }
            if (c < 0x20)
                return fail("a control character inside a text must be escaped");
            if (c != '\\') {
                out += static_cast<char>(c);
                ++pos_;
                continue;
            }
            ++pos_;
            if (pos_ >= s_.size())
                return fail("a text runs to the end of the document");
            const char e = s_[pos_++];
            switch (e) {
            case '"':
            case '\\':
            case '/':
                out += e;
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'u': {
                std::uint32_t cp = 0;
                if (!hex4(cp))
                    return false;
                if (cp >= 0xDC80 && cp <= 0xDCFF) {
                    out += static_cast<char>(cp & 0xFF);
                } else if (cp >= 0xD800 && cp <= 0xDBFF) {
                    std::uint32_t low = 0;
                    if (s_.substr(pos_, 2) != "\\u")
                        return fail("a high surrogate escape without its low half");
                    pos_ += 2;
                    if (!hex4(low))
                        return false;
                    if (low < 0xDC00 || low > 0xDFFF)
                        return fail("a high surrogate escape without its low half");
                    append_utf8(out, 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00));
                } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
                    return fail("a lone low surrogate escape other than \\udc80 to \\udcff");
                } else {
                    append_utf8(out, cp);
                }
                break;
            }
            default:
                return fail("an unknown escape in a text");
            }
        }
    }

    bool number(json_value& out) {
        const std::size_t start = pos_;
        if (pos_ < s_.size() && s_[pos_] == '-')
            ++pos_;
        const std::size_t digits = pos_;
        while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9')
            ++pos_;
        if (pos_ == digits)
            return fail_at(start, "not a JSON value");
        if (s_[digits] == '0' && pos_ - digits > 1)
            return fail_at(start, "a number with a leading zero");
        bool whole = true;
        if (pos_ < s_.size() && s_[pos_] == '.') {
            whole = false;
            ++pos_;
            const std::size_t frac = pos_;
            while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9')
                ++pos_;
            if (pos_ == frac)
                return fail_at(start, "a number without digits after its point");
        }
        if (pos_ < s_.size() && (s_[pos_] == 'e' || s_[pos_] == 'E')) {
            whole = false;
            ++pos_;
            if (pos_ < s_.size() && (s_[pos_] == '+' || s_[pos_] == '-'))
                ++pos_;
            const std::size_t exp = pos_;
            while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9')
                ++pos_;
            if (pos_ == exp)
                return fail_at(start, "a number without digits in its exponent");
        }
        out.type = json_value::kind::other_number;
        if (whole) {
            std::int64_t v = 0;
            const auto r = std::from_chars(s_.data() + start, s_.data() + pos_, v);
            if (r.ec == std::errc() && r.ptr == s_.data() + pos_) {
                out.type = json_value::kind::integer;
                out.integer = v;
            }
        }
        return true;
    }

    std::string_view s_;
    std::size_t pos_ = 0;
    result error_;
};

} // namespace

result parse_json(std::string_view text, json_value& out) {
    parser p(text);
    if (!p.parse(out))
        return p.error();
    return result::success();
}

} // namespace qira
