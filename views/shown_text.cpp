#include "views/shown_text.h"

#include <QCoreApplication>

namespace qira {

namespace {

QString from_utf8(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The wording with each format translated, in UTF-8: filled in by the same fill_in() as the
// English, so that the two differ only by the translation.
std::string translated(const wording& w) {
    if (w.is_data()) {
        std::string out = w.text;
        for (const wording& part : w.args)
            out += translated(part);
        return out;
    }
    std::vector<std::string> args;
    args.reserve(w.args.size());
    for (const wording& a : w.args)
        args.push_back(translated(a));
    return fill_in(QCoreApplication::translate(w.context.c_str(), w.text.c_str()).toStdString(),
                   args);
}

} // namespace

QString shown_text(const wording& w) {
    return from_utf8(translated(w));
}

QString shown_text(const result& r) {
    return shown_text(r.shown());
}

QString shown_problem(const result& r) {
    return shown_text(r.problem_words());
}

QStringList shown_texts(const std::vector<result>& results) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(results.size()));
    for (const result& r : results)
        texts << shown_text(r);
    return texts;
}

QString shown_text(const game_problem& p) {
    if (p.words.english() != p.text)
        return from_utf8(p.text);
    return shown_text(p.words);
}

} // namespace qira
