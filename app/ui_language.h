#pragma once
// The language the window speaks: English, Spanish, Swedish, French, Dutch or Italian, the
// languages the game ships in. The choice is kept in the editor's registry key ("UI language",
// a language code); without one the window speaks the system's language where it is one of the
// six, else English. A language is loaded at start-up: the editor's own translations and Qt's for
// its dialogs, both built into the program (or, for trying a translation, .qm files in the folder
// the environment variable QIRA_TRANSLATIONS names), and the locale numbers and dates are shown in.

#include <QString>
#include <QStringList>

#include <array>
#include <initializer_list>
#include <optional>

namespace qira {

struct ui_language {
    const char* code; // ISO 639-1, as the registry keeps it and the .qm files are named
    const char* name; // in the language itself, as the list of languages shows it
};

inline constexpr std::array<ui_language, 6> ui_languages{{{"en", "English"},
                                                          {"es", "Español"},
                                                          {"sv", "Svenska"},
                                                          {"fr", "Français"},
                                                          {"nl", "Nederlands"},
                                                          {"it", "Italiano"}}};

// The index in ui_languages of a code ("fr", also "fr_BE" or "fr-BE"); nothing for another.
std::optional<int> ui_language_index(const QString& code);

// The language to speak: the kept choice when it names one of the six, else the first of the
// system's languages (QLocale::uiLanguages(), most preferred first) that is one, else English.
QString pick_ui_language(const std::optional<QString>& kept, const QStringList& system_languages);

// The kept choice of the registry, or nothing.
std::optional<QString> kept_ui_language();
// Keeps `code` as the choice; false when the registry could not store it.
bool keep_ui_language(const QString& code);

// Loads the translations of `code` into the application in place of those loaded before, and
// makes its locale the default; false (and English) when they are not built in.
bool install_ui_language(const QString& code);
// The language installed last ("en" before any).
QString installed_ui_language();

// `sources` translated into `code` without installing it (for saying, in the chosen language,
// when the choice takes effect); a source itself where there is no translation.
QStringList translate_into(const QString& code, const char* context,
                           std::initializer_list<const char*> sources);

} // namespace qira
