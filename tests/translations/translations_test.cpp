// Checks the window's .ts files against the sources. lupdate runs over the sources into a copy of
// each file (the English one with only the plural forms), so that a text the sources gained shows
// as unfinished and one they lost as obsolete or vanished. Then every entry must be finished,
// every form of it must hold the placeholders of its source (%1..%99, %n, %Ln: a translation
// that drops one loses what the window puts there) and a mnemonic where the source has one.
//
//   translations_test LUPDATE_ARGS_FILE TS_FILE[,TS_FILE...]
// LUPDATE_ARGS_FILE: the lupdate command, one argument per line, without -ts.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cstdio>

namespace {

struct entry {
    QString context;
    QString source;
    QString type; // of the translation: "", "unfinished", "obsolete", "vanished"
    QStringList forms;
};

int failures = 0;

void fail(const QString& file, const entry& e, const QString& what) {
    ++failures;
    std::fprintf(stderr, "%s: %s: \"%s\": %s\n", qPrintable(QFileInfo(file).fileName()),
                 qPrintable(e.context), qPrintable(e.source), qPrintable(what));
}

// The text of the element the reader is at, up to its end: characters, and the control
// characters lupdate writes as <byte value="xd"/>; a <numerusform> child adds to `forms`.
QString read_text(QXmlStreamReader& xml, QStringList* forms = nullptr) {
    const QString element = xml.name().toString();
    QString text;
    int depth = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters()) {
            text += xml.text();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("byte")) {
            bool ok = false;
            const uint code = xml.attributes().value(QLatin1String("value")).mid(1).toUInt(&ok, 16);
            if (ok)
                text += QChar(code);
            ++depth;
        } else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform") && forms) {
            *forms << read_text(xml);
        } else if (xml.isStartElement()) {
            ++depth;
        } else if (xml.isEndElement()) {
            if (depth == 0 && xml.name() == element)
                break;
            --depth;
        }
    }
    return text;
}

QList<entry> read_entries(const QString& file) {
    QList<entry> entries;
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(file));
        ++failures;
        return entries;
    }
    QXmlStreamReader xml(&in);
    QString context;
    entry current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = read_text(xml);
        } else if (name == QLatin1String("message")) {
            current = entry{context, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            current.source = read_text(xml);
        } else if (name == QLatin1String("translation")) {
            current.type = xml.attributes().value(QLatin1String("type")).toString();
            const QString text = read_text(xml, &current.forms);
            if (current.forms.isEmpty())
                current.forms << text;
            entries << current;
        }
    }
    if (xml.hasError()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(file), qPrintable(xml.errorString()));
        ++failures;
    }
    return entries;
}

QSet<QString> placeholders(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%L?(?:[1-9][0-9]?|n)"));
    QSet<QString> found;
    for (const auto& match : marker.globalMatch(text))
        found.insert(match.captured().remove(QLatin1Char('L')));
    return found;
}

bool has_mnemonic(const QString& text) {
    return QString(text).remove(QStringLiteral("&&")).contains(QLatin1Char('&'));
}

void check_entries(const QString& file, const QList<entry>& entries) {
    for (const entry& e : entries) {
        if (!e.type.isEmpty()) {
            fail(file, e,
                 e.type == QLatin1String("unfinished")
                     ? QStringLiteral("not translated (run the update_translations target "
                                      "and translate it)")
                     : QStringLiteral("%1: the sources no longer hold it").arg(e.type));
            continue;
        }
        for (const QString& form : e.forms) {
            if (form.isEmpty())
                fail(file, e, QStringLiteral("a plural form is empty"));
            else if (placeholders(form) != placeholders(e.source))
                fail(file, e, QStringLiteral("\"%1\" has other placeholders").arg(form));
            else if (has_mnemonic(form) != has_mnemonic(e.source))
                fail(file, e,
                     QStringLiteral("\"%1\" has no mnemonic (&) or one too many").arg(form));
        }
    }
}

// The lupdate command, without -ts.
QStringList read_command(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList args = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return args;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: translations_test LUPDATE_ARGS_FILE TS_FILE[,TS_FILE...]\n");
        return 2;
    }
    QStringList command = read_command(args[1]);
    if (command.isEmpty()) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args[1]));
        return 2;
    }
    const QString lupdate = command.takeFirst();
    QTemporaryDir work;
    for (const QString& ts : args[2].split(QLatin1Char(','))) {
        const QString copy = work.filePath(QFileInfo(ts).fileName());
        if (!QFile::copy(ts, copy)) {
            std::fprintf(stderr, "cannot copy %s\n", qPrintable(ts));
            return 2;
        }
        QStringList run = command;
        if (QFileInfo(ts).fileName() == QLatin1String("qira_en.ts"))
            run << QStringLiteral("-pluralonly");
        run << QStringLiteral("-ts") << copy;
        QProcess process;
        process.start(lupdate, run);
        if (!process.waitForFinished(300000) || process.exitCode() != 0) {
            std::fprintf(stderr, "lupdate failed on %s:\n%s\n", qPrintable(ts),
                         process.readAllStandardError().constData());
            return 2;
        }
        check_entries(ts, read_entries(copy));
    }
    if (failures > 0)
        std::fprintf(stderr, "%d entries to mend in the .ts files\n", failures);
    return failures == 0 ? 0 : 1;
}
