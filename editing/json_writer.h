#pragma once
// A small streaming JSON writer for the dump commands. Texts are the files' stored bytes: valid
// UTF-8 is written as it is; a byte that is not part of valid UTF-8 is written as the escape
// \udcXX (XX its value, 80 to FF), a lone low surrogate that no real character produces, so the
// stored bytes can always be recovered from the dump.

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
    explicit json_writer(std::ostream& out) : out_(out) {}

    void begin_object() { open('{'); }
    void end_object() { close('}'); }
    void begin_array() { open('['); }
    void end_array() { close(']'); }
    void key(std::string_view name);
    void value(std::int64_t v);
    void value(std::string_view text);
    void value(const char* text) { value(std::string_view(text)); }
    template <typename Range> void array(const Range& values) {
        begin_array();
        for (const auto& v : values)
            value(v);
        end_array();
    }
    void flush();

  private:
    void separate();
    void open(char c);
    void close(char c);

    std::ostream& out_;
    std::string buf_;
    std::vector<bool> first_{true};
    bool after_key_ = false;
};

} // namespace qira
