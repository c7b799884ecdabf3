#include "app/ui_language.h"

#include "app/registry.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace qira {

namespace {

// The translators installed now: the editor's and Qt's.
struct installed {
    QString code = QStringLiteral("en");
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
};

installed& current() {
    static installed state;
    return state;
}

// From the folder QIRA_TRANSLATIONS names, where a translator tries a .qm file without building
// the program again; else the one built in.
std::unique_ptr<QTranslator> load(const QString& file) {
    auto translator = std::make_unique<QTranslator>();
    const QString folder = qEnvironmentVariable("QIRA_TRANSLATIONS");
    if ((folder.isEmpty() || !translator->load(file, folder)) &&
        !translator->load(file, QStringLiteral(":/translations")))
        return nullptr;
    return translator;
}

} // namespace

std::optional<int> ui_language_index(const QString& code) {
    const QString language = code.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0);
    for (int i = 0; i < static_cast<int>(ui_languages.size()); ++i)
        if (language.compare(QLatin1String(ui_languages[i].code), Qt::CaseInsensitive) == 0)
            return i;
    return std::nullopt;
}

QString pick_ui_language(const std::optional<QString>& kept, const QStringList& system_languages) {
    std::optional<int> index = kept ? ui_language_index(*kept) : std::nullopt;
    for (int i = 0; !index && i < system_languages.size(); ++i)
        index = ui_language_index(system_languages[i]);
    return QLatin1String(ui_languages[index.value_or(0)].code);
}

std::optional<QString> kept_ui_language() {
    std::optional<QString> code;
    if (auto key = registry_key::open(QLatin1String(editor_key))) {
        code = key->read(QLatin1String(ui_language_value));
        key->close();
    }
    return code;
}

bool keep_ui_language(const QString& code) {
    auto key = registry_key::open(QLatin1String(editor_key));
    if (!key)
        return false;
    const bool stored = key->write(QLatin1String(ui_language_value), code).ok();
    key->close();
    return stored;
}

bool install_ui_language(const QString& code) {
    installed& now = current();
    for (auto* translator : {now.own.get(), now.qt.get()})
        if (translator)
            QCoreApplication::removeTranslator(translator);
    now.own.reset();
    now.qt.reset();
    const auto index = ui_language_index(code);
    const QString chosen = QLatin1String(ui_languages[index.value_or(0)].code);
    now.own = load(QStringLiteral("qira_") + chosen);
    if (chosen != QLatin1String("en"))
        now.qt = load(QStringLiteral("qt_") + chosen);
    const bool loaded = index && now.own && (chosen == QLatin1String("en") || now.qt);
    for (auto* translator : {now.own.get(), now.qt.get()})
        if (translator)
            QCoreApplication::installTranslator(translator);
    now.code = loaded ? chosen : QStringLiteral("en");
    // The system's own locale where it speaks the language (its country's forms kept).
    const QLocale language(now.code);
    const QLocale system = QLocale::system();
    QLocale::setDefault(system.language() == language.language() ? system : language);
    return loaded;
}

QString installed_ui_language() {
    return current().code;
}

QStringList translate_into(const QString& code, const char* context,
                           std::initializer_list<const char*> sources) {
    const auto index = ui_language_index(code);
    const auto translator =
        index ? load(QStringLiteral("qira_") + QLatin1String(ui_languages[*index].code)) : nullptr;
    QStringList texts;
    for (const char* source : sources) {
        const QString text = translator ? translator->translate(context, source) : QString();
        texts << (text.isEmpty() ? QString::fromUtf8(source) : text);
    }
    return texts;
}

} // namespace qira
