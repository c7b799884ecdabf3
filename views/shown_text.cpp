#include "views/shown_text.h"

#include <QCoreApplication>

namespace qira {

namespace {

QString from_utf8(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// `format` with each %n (n from 1 to 9) replaced by args[n - 1] in one pass, as fill_in() does
// for the English.
QString filled_in(const QString& format, const QStringList& args) {
    QString out;
    out.reserve(format.size());
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'%' && i + 1 < format.size() && format[i + 1] >= u'1' && format[i + 1] <= u'9') {
            const qsizetype n = format[i + 1].unicode() - u'1';
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

} // namespace

QString shown_text(const wording& w) {
    if (w.is_data()) {
        QString out = from_utf8(w.text);
        for (const wording& part : w.args)
            out += shown_text(part);
        return out;
    }
    QStringList args;
    args.reserve(static_cast<qsizetype>(w.args.size()));
    for (const wording& a : w.args)
        args << shown_text(a);
    return filled_in(QCoreApplication::translate(w.context.c_str(), w.text.c_str()), args);
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
