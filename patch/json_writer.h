#pragma once
// A small streaming JSON writer for the dump commands and patch files. Texts are the files' stored
// bytes: valid UTF-8 is written as it is (control characters escaped); a byte that is not part of
// valid UTF-8 is written as the escape \udcXX (XX its value, 80 to FF), a lone low surrogate that
// no real character produces, so the stored bytes can always be recovered from the dump
// (append_escaped in fileio/utf8.h).

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace qira {

// Appends `text` as a JSON string literal, quotes included.
void append_json_string(std::string& out, std::string_view text);

class json_writer {
  public:
    // How a container's members are laid out: `compact` ({"a":1,"b":2}, what the dumps write),
    // `spaced` ({"a": 1, "b": 2}) or `lines` (each member on a line of its own, indented by two
    // spaces a level; an empty container stays "[]").
    enum class layout { compact, spaced, lines };

    // Writes to a stream, in chunks.
    explicit json_writer(std::ostream& out) : stream_(&out) {}
    // Appends to a string.
    explicit json_writer(std::string& out) : text_(&out) {}

    void begin_object(layout l = layout::compact) { open('{', l); }
    void end_object() { close('}'); }
    void begin_array(layout l = layout::compact) { open('[', l); }
    void end_array() { close(']'); }
    void key(std::string_view name);
    void value(std::int64_t v);
    void value(std::string_view text);
    void value(const char* text) { value(std::string_view(text)); }
    void null();
    // Text put out as it stands (a line break after the document, say).
    void raw(std::string_view text) { buf_ += text; }
    template <typename Range> void array(const Range& values) {
        begin_array();
        for (const auto& v : values)
            value(v);
        end_array();
    }
    void flush();

  private:
    struct level {
        layout how = layout::compact;
        bool first = true;
    };
    void separate();
    void open(char c, layout l);
    void close(char c);
    void indent(std::size_t depth);

    std::ostream* stream_ = nullptr;
    std::string* text_ = nullptr;
    std::string buf_;
    std::vector<level> levels_{level{}}; // the document itself, then each open container
    bool after_key_ = false;
};

} // namespace qira
