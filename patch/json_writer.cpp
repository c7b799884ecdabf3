#include "patch/json_writer.h"

#include "fileio/utf8.h"

#include <charconv>

namespace qira {

void append_json_string(std::string& out, std::string_view text) {
    out += '"';
    append_escaped(out, text, '"');
    out += '"';
}

void json_writer::indent(std::size_t depth) {
    buf_ += '\n';
    buf_.append(2 * depth, ' ');
}

void json_writer::separate() {
    if (after_key_) {
        after_key_ = false;
        return;
    }
    level& l = levels_.back();
    if (!l.first)
        buf_ += l.how == layout::spaced ? ", " : ",";
    if (l.how == layout::lines)
        indent(levels_.size() - 1);
    l.first = false;
}

void json_writer::open(char c, layout l) {
    separate();
    buf_ += c;
    levels_.push_back({l, true});
}

void json_writer::close(char c) {
    const level closed = levels_.back();
    levels_.pop_back();
    if (closed.how == layout::lines && !closed.first)
        indent(levels_.size() - 1);
    buf_ += c;
    if (buf_.size() > (1 << 16))
        flush();
}

void json_writer::key(std::string_view name) {
    separate();
    append_json_string(buf_, name);
    buf_ += levels_.back().how == layout::compact ? ":" : ": ";
    after_key_ = true;
}

void json_writer::value(std::int64_t v) {
    separate();
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, v).ptr;
    buf_.append(digits, end);
}

void json_writer::value(std::string_view text) {
    separate();
    append_json_string(buf_, text);
}

void json_writer::null() {
    separate();
    buf_ += "null";
}

void json_writer::flush() {
    if (stream_)
        *stream_ << buf_;
    else
        *text_ += buf_;
    buf_.clear();
}

} // namespace qira
