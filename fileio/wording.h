#pragma once
// A text for the user in a form the window can translate: an English format with %1, %2, ...
// and the arguments that fill them in. An argument is itself a wording: either another format
// (a problem inside a message's frame) or data shown as it is (a file's name, a number, a name
// read from the game's files, the system's own error text). english() fills it in as the
// command line tool and the program's messages show it; the window translates each format by
// its context and fills in the same arguments (views/shown_text.h).
//
// Every English format is marked where it is written with QIRA_TR("context", "text"), so that
// Qt's lupdate (run with -tr-function-alias QT_TRANSLATE_NOOP+=QIRA_TR) extracts it under that
// context. The contexts: "qira::result" for the frames of results, "qira::problem" for problems
// of files and formats, "qira::csv", "qira::check", "qira::patch" and "qira::edit" for refused
// edits.

#include <string>
#include <utility>
#include <vector>

namespace qira {

// An English text marked for translation, with the context it is translated in.
struct marked_text {
    const char* context;
    const char* english;
};

#define QIRA_TR(context, text) (::qira::marked_text{context, text})

struct wording {
    std::string context{}; // empty: `text` is data, shown as it is and never translated
    std::string text{};    // the English format (%1 to %9), or the data
    // The arguments of the format; of data, the parts that follow the text one after another
    // (sentences put together, see sequence()).
    std::vector<wording> args{};

    wording() = default;
    // Data: shown as it is.
    wording(std::string data) : text(std::move(data)) {}
    wording(const char* data) : text(data) {}
    // A marked format and its arguments.
    wording(marked_text format, std::vector<wording> arguments = {})
        : context(format.context), text(format.english), args(std::move(arguments)) {}

    // The parts one after another, each translated on its own: for whole sentences and the
    // punctuation between them.
    static wording sequence(std::vector<wording> parts) {
        wording w;
        w.args = std::move(parts);
        return w;
    }

    bool is_data() const { return context.empty(); }
    bool empty() const { return text.empty() && args.empty(); }
    // The text in English: each %n of the format (n from 1 to 9) replaced by the English of
    // argument n, in one pass (a % in an argument is not replaced again); data as it is, then
    // its parts.
    std::string english() const;

    friend bool operator==(const wording&, const wording&) = default;
};

// `format` with each %n (n from 1 to 9) replaced by args[n - 1] in one pass; a %n without its
// argument, and any other %, are kept.
std::string fill_in(const std::string& format, const std::vector<std::string>& args);

// "a", "a and b", "a, b and c": the names are data.
wording listed(const std::vector<std::string>& names);

} // namespace qira
