#include "patch/json_reader.h"

#include "fileio/utf8.h"

#include <charconv>
#include <cstring>

namespace qira {

namespace {

constexpr std::size_t max_depth = 16;
constexpr std::size_t max_members = 32; // a patch's objects have at most 9

bool is_space(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

} // namespace

json_cursor::json_cursor(std::string_view text, std::size_t offset, int depth)
    : s_(text), pos_(offset), base_(static_cast<std::size_t>(depth)),
      open_(static_cast<std::size_t>(depth)) {}

bool json_cursor::start() {
    if (!is_valid_utf8(s_))
        return fail_at(0, QIRA_TR("qira::problem", "the document is not valid UTF-8"));
    return true;
}

bool json_cursor::fail_at(std::size_t at, wording what) {
    if (failed())
        return false;
    std::size_t line = 1, column = 1;
    for (std::size_t i = 0; i < at && i < s_.size(); ++i) {
        if (s_[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    error_ =
        result::failure(result::code::not_json, {.line = line, .column = column}, std::move(what));
    pos_ = s_.size();
    return false;
}

void json_cursor::skip_space() {
    while (pos_ < s_.size() && is_space(s_[pos_]))
        ++pos_;
}

json_value::kind json_cursor::peek() {
    skip_space();
    if (failed() || pos_ >= s_.size())
        return json_value::kind::null;
    switch (s_[pos_]) {
    case '{':
        return json_value::kind::object;
    case '[':
        return json_value::kind::array;
    case '"':
        return json_value::kind::string;
    case 't':
    case 'f':
        return json_value::kind::boolean;
    case 'n':
        return json_value::kind::null;
    default:
        return json_value::kind::integer;
    }
}

bool json_cursor::enter(char open) {
    skip_space();
    if (failed())
        return false;
    if (pos_ >= s_.size())
        return fail(QIRA_TR("qira::problem", "the document ends where a value should be"));
    if (s_[pos_] != open)
        return fail(open == '{' ? QIRA_TR("qira::problem", "expected an object")
                                : QIRA_TR("qira::problem", "expected an array"));
    if (open_ + 1 > max_depth)
        return fail(QIRA_TR("qira::problem", "nested deeper than a patch is"));
    ++pos_;
    const std::size_t at = open_ - base_;
    if (levels_.size() <= at)
        levels_.resize(at + 1);
    level& l = levels_[at];
    l.object = open == '{';
    l.first = true;
    l.members = 0;
    ++open_;
    return true;
}

bool json_cursor::enter_object() {
    return enter('{');
}
bool json_cursor::enter_array() {
    return enter('[');
}

bool json_cursor::next_member(std::string& name) {
    if (failed() || open_ == base_)
        return false;
    level& l = levels_[open_ - 1 - base_];
    skip_space();
    if (pos_ < s_.size() && s_[pos_] == '}' && l.first) {
        ++pos_;
        --open_;
        return false;
    }
    if (!l.first) {
        if (pos_ < s_.size() && s_[pos_] == '}') {
            ++pos_;
            --open_;
            return false;
        }
        if (pos_ >= s_.size() || s_[pos_] != ',')
            return fail(QIRA_TR("qira::problem", "expected ',' or '}'"));
        ++pos_;
        skip_space();
    }
    l.first = false;
    if (pos_ >= s_.size() || s_[pos_] != '"')
        return fail(QIRA_TR("qira::problem", "expected a member name in quotes"));
    name.clear();
    if (!read_string(name))
        return false;
    if (l.members >= max_members)
        return fail(QIRA_TR("qira::problem", "an object with more members than a patch has"));
    for (std::size_t i = 0; i < l.members; ++i)
        if (l.names[i] == name)
            return fail({QIRA_TR("qira::problem", "the member \"%1\" appears twice"), {name}});
    if (l.names.size() <= l.members)
        l.names.emplace_back();
    l.names[l.members++] = name;
    skip_space();
    if (pos_ >= s_.size() || s_[pos_] != ':')
        return fail(QIRA_TR("qira::problem", "expected ':'"));
    ++pos_;
    return true;
}

bool json_cursor::next_item() {
    if (failed() || open_ == base_)
        return false;
    level& l = levels_[open_ - 1 - base_];
    skip_space();
    if (pos_ < s_.size() && s_[pos_] == ']') {
        ++pos_;
        --open_;
        return false;
    }
    if (!l.first) {
        if (pos_ >= s_.size() || s_[pos_] != ',')
            return fail(QIRA_TR("qira::problem", "expected ',' or ']'"));
        ++pos_;
    }
    l.first = false;
    return true;
}

bool json_cursor::hex4(std::uint32_t& v) {
    if (s_.size() - pos_ < 4)
        return fail(QIRA_TR("qira::problem", "a \\u escape needs four hex digits"));
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
            return fail(QIRA_TR("qira::problem", "a \\u escape needs four hex digits"));
    }
    return true;
}

// One escape after its backslash; \udc80 to \udcff stand for the stored bytes 80 to FF that are
// not part of valid UTF-8.
bool json_cursor::escape(std::string& out) {
    if (pos_ >= s_.size())
        return fail(QIRA_TR("qira::problem", "a text runs to the end of the document"));
    const char e = s_[pos_++];
    switch (e) {
    case '"':
    case '\\':
    case '/':
        out += e;
        return true;
    case 'b':
        out += '\b';
        return true;
    case 'f':
        out += '\f';
        return true;
    case 'n':
        out += '\n';
        return true;
    case 'r':
        out += '\r';
        return true;
    case 't':
        out += '\t';
        return true;
    case 'u':
        break;
    default:
        return fail(QIRA_TR("qira::problem", "an unknown escape in a text"));
    }
    std::uint32_t cp = 0;
    if (!hex4(cp))
        return false;
    if (cp >= 0xDC80 && cp <= 0xDCFF) {
        out += static_cast<char>(cp & 0xFF);
    } else if (cp >= 0xD800 && cp <= 0xDBFF) {
        std::uint32_t low = 0;
        if (s_.substr(pos_, 2) != "\\u")
            return fail(QIRA_TR("qira::problem", "a high surrogate escape without its low half"));
        pos_ += 2;
        if (!hex4(low))
            return false;
        if (low < 0xDC00 || low > 0xDFFF)
            return fail(QIRA_TR("qira::problem", "a high surrogate escape without its low half"));
        append_utf8(out, 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00));
    } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
        return fail(
            QIRA_TR("qira::problem", "a lone low surrogate escape other than \\udc80 to \\udcff"));
    } else {
        append_utf8(out, cp);
    }
    return true;
}

bool json_cursor::read_string(std::string& out) {
    skip_space();
    if (failed())
        return false;
    if (pos_ >= s_.size())
        return fail(QIRA_TR("qira::problem", "the document ends where a value should be"));
    if (s_[pos_] != '"')
        return fail(QIRA_TR("qira::problem", "expected a text"));
    ++pos_;
    for (;;) {
        // The run of plain bytes up to the next quote, backslash or control character, at once.
        std::size_t end = pos_;
        while (end < s_.size()) {
            const auto c = static_cast<unsigned char>(s_[end]);
            if (c == '"' || c == '\\' || c < 0x20)
                break;
            ++end;
        }
        out.append(s_.data() + pos_, end - pos_);
        pos_ = end;
        if (pos_ >= s_.size())
            return fail(QIRA_TR("qira::problem", "a text runs to the end of the document"));
        const char c = s_[pos_];
        if (c == '"') {
            ++pos_;
            return true;
        }
        if (c != '\\')
            return fail(
                QIRA_TR("qira::problem", "a control character inside a text must be escaped"));
        ++pos_;
        if (!escape(out))
            return false;
    }
}

bool json_cursor::read_number(std::int64_t& value, bool& whole) {
    skip_space();
    if (failed())
        return false;
    if (pos_ >= s_.size())
        return fail(QIRA_TR("qira::problem", "the document ends where a value should be"));
    const std::size_t start = pos_;
    if (s_[pos_] == '-')
        ++pos_;
    const std::size_t digits = pos_;
    while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9')
        ++pos_;
    if (pos_ == digits)
        return fail_at(start, QIRA_TR("qira::problem", "not a JSON value"));
    if (s_[digits] == '0' && pos_ - digits > 1)
        return fail_at(start, QIRA_TR("qira::problem", "a number with a leading zero"));
    whole = true;
    if (pos_ < s_.size() && s_[pos_] == '.') {
        whole = false;
        ++pos_;
        const std::size_t frac = pos_;
        while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9')
            ++pos_;
        if (pos_ == frac)
            return fail_at(start,
                           QIRA_TR("qira::problem", "a number without digits after its point"));
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
            return fail_at(start,
                           QIRA_TR("qira::problem", "a number without digits in its exponent"));
    }
    value = 0;
    if (whole) {
        const auto r = std::from_chars(s_.data() + start, s_.data() + pos_, value);
        whole = r.ec == std::errc() && r.ptr == s_.data() + pos_;
    }
    return true;
}

bool json_cursor::read_literal() {
    skip_space();
    if (failed())
        return false;
    if (pos_ >= s_.size())
        return fail(QIRA_TR("qira::problem", "the document ends where a value should be"));
    for (std::string_view word : {"true", "false", "null"})
        if (s_.substr(pos_, word.size()) == word) {
            pos_ += word.size();
            return true;
        }
    return fail(QIRA_TR("qira::problem", "not a JSON value"));
}

bool json_cursor::skip() {
    std::string text;
    switch (peek()) {
    case json_value::kind::object: {
        if (!enter_object())
            return false;
        while (next_member(text))
            if (!skip())
                return false;
        return !failed();
    }
    case json_value::kind::array:
        if (!enter_array())
            return false;
        while (next_item())
            if (!skip())
                return false;
        return !failed();
    case json_value::kind::string:
        return read_string(text);
    case json_value::kind::boolean:
        return read_literal();
    case json_value::kind::null:
        if (pos_ >= s_.size())
            return fail(QIRA_TR("qira::problem", "the document ends where a value should be"));
        return read_literal();
    default: {
        std::int64_t v = 0;
        bool whole = false;
        return read_number(v, whole);
    }
    }
}

bool json_cursor::finish() {
    skip_space();
    if (failed())
        return false;
    if (pos_ != s_.size())
        return fail(QIRA_TR("qira::problem", "unexpected text after the document"));
    return true;
}

namespace {

bool tree(json_cursor& c, json_value& out) {
    const json_value::kind k = c.peek();
    out.type = k;
    switch (k) {
    case json_value::kind::object: {
        if (!c.enter_object())
            return false;
        std::string name;
        while (c.next_member(name)) {
            out.names.push_back(name);
            out.members.emplace_back();
            if (!tree(c, out.members.back()))
                return false;
        }
        return !c.failed();
    }
    case json_value::kind::array:
        if (!c.enter_array())
            return false;
        while (c.next_item()) {
            out.items.emplace_back();
            if (!tree(c, out.items.back()))
                return false;
        }
        return !c.failed();
    case json_value::kind::string:
        return c.read_string(out.string);
    case json_value::kind::boolean:
    case json_value::kind::null:
        return c.skip();
    default: {
        bool whole = false;
        if (!c.read_number(out.integer, whole))
            return false;
        out.type = whole ? json_value::kind::integer : json_value::kind::other_number;
        return true;
    }
    }
}

} // namespace

result parse_json(std::string_view text, json_value& out) {
    json_cursor c(text);
    if (!c.start() || !tree(c, out) || !c.finish())
        return c.error();
    return result::success();
}

result check_json(std::string_view text) {
    json_cursor c(text);
    if (!c.start() || !c.skip() || !c.finish())
        return c.error();
    return result::success();
}

} // namespace qira
