#include "editing/json_writer.h"

#include "langfile/stored_string.h"

namespace qira {

namespace {

// Length of the valid UTF-8 sequence at s[i], or 0 when the byte there does not start one.
std::size_t utf8_sequence(std::string_view s, std::size_t i) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t len = c < 0x80                   ? 1
                      : (c >= 0xC2 && c <= 0xDF) ? 2
                      : (c >= 0xE0 && c <= 0xEF) ? 3
                      : (c >= 0xF0 && c <= 0xF4) ? 4
                                                 : 0;
    if (len <= 1 || s.size() - i < len)
        return len == 1 ? 1 : 0;
    return is_valid_utf8(s.substr(i, len)) ? len : 0;
}

} // namespace

void append_json_string(std::string& out, std::string_view text) {
    static const char hex[] = "0123456789abcdef";
    out += '"';
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t len = utf8_sequence(text, i);
        if (len == 0) {
            out += "\\udc";
            out += hex[c >> 4];
            out += hex[c & 15];
            ++i;
            continue;
        }
        if (len == 1) {
            switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    out += "\\u00";
                    out += hex[c >> 4];
                    out += hex[c & 15];
                } else {
                    out += static_cast<char>(c);
                }
            }
        } else {
            out.append(text.substr(i, len));
        }
        i += len;
    }
    out += '"';
}

void json_writer::separate() {
    if (after_key_) {
        after_key_ = false;
        return;
    }
    if (!first_.back())
        buf_ += ',';
    first_.back() = false;
}

void json_writer::open(char c) {
    separate();
    buf_ += c;
    first_.push_back(true);
}

void json_writer::close(char c) {
    first_.pop_back();
    buf_ += c;
    if (buf_.size() > (1 << 16))
        flush();
}

void json_writer::key(std::string_view name) {
    separate();
    append_json_string(buf_, name);
    buf_ += ':';
    after_key_ = true;
}

void json_writer::value(std::int64_t v) {
    separate();
    buf_ += std::to_string(v);
}

void json_writer::value(std::string_view text) {
    separate();
    append_json_string(buf_, text);
}

void json_writer::flush() {
    out_ << buf_;
    buf_.clear();
}

} // namespace qira
