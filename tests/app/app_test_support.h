#pragma once
// Helpers of the window's tests: a message sink that records instead of showing dialogs, a
// registry file of the test's own, and small game installs written with the library.

#include "app/main_window.h"
#include "dbfile/build.h"
#include "dbfile/database.h"
#include "dbfile/game_fields.h"
#include "langfile/string_table.h"
#include "support/file_bytes.h"
#include "views/message_sink.h"

#include <QSettings>
#include <QString>
#include <QStringList>
#include <QtTest>

#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qira::test {

// Records every box; questions are answered from `answers` (Yes when it runs out).
class recording_sink final : public message_sink {
  public:
    struct box {
        QString caption;
        QString text;
    };
    std::vector<box> shown;
    std::vector<box> asked;
    std::deque<bool> answers;

    void show(const QString& caption, const QString& text) override {
        shown.push_back({caption, text});
    }
    bool ask(const QString& caption, const QString& text) override {
        asked.push_back({caption, text});
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    // Questions with choices, answered from `choices` (the first when it runs out; the last
    // choice is what Escape answers).
    std::vector<box> chosen;
    std::deque<int> choices;
    int choose(const QString& caption, const QString& text, const QStringList&) override {
        chosen.push_back({caption, text});
        if (choices.empty())
            return 0;
        const int answer = choices.front();
        choices.pop_front();
        return answer;
    }
    // The texts shown, for failure messages.
    QString all() const {
        QStringList texts;
        for (const auto& b : shown)
            texts << b.caption + QLatin1String(": ") + b.text;
        return texts.join(QLatin1String(" | "));
    }
};

// A registry of the test's own: QIRA_REGISTRY points to a file in a fresh folder. The Wine
// prefixes that the start-up searches ($WINEPREFIX, $HOME/.wine) are empty folders of the test's
// own too, so that no game installed on the machine is found.
class test_registry {
  public:
    test_registry()
        : file_(QString::fromStdString((dir_.path() / "registry.ini").string())),
          previous_(qgetenv("QIRA_REGISTRY")), previous_prefix_(qgetenv("WINEPREFIX")),
          previous_home_(qgetenv("HOME")) {
        qputenv("QIRA_REGISTRY", file_.toUtf8());
        qputenv("WINEPREFIX", QByteArray::fromStdString((dir_.path() / "wine").string()));
        qputenv("HOME", QByteArray::fromStdString((dir_.path() / "home").string()));
        qunsetenv("QIRA_REGISTRY_MACHINE");
    }
    // Back to the file that ctest names, never to the user's own settings.
    ~test_registry() {
        qputenv("QIRA_REGISTRY", previous_);
        qputenv("WINEPREFIX", previous_prefix_);
        qputenv("HOME", previous_home_);
        qunsetenv("QIRA_REGISTRY_MACHINE");
    }
    // The group of HKEY_CURRENT_USER's key in the file.
    static QString user_group(const char* key) {
        return QStringLiteral("HKEY_CURRENT_USER/") + group(key);
    }
    void set_user(const char* key, const char* name, const QString& value) const {
        QSettings s(file_, QSettings::IniFormat);
        s.setValue(user_group(key) + QLatin1Char('/') + QLatin1String(name), value);
        s.sync();
    }
    std::optional<QString> get_user(const char* key, const char* name) const {
        QSettings s(file_, QSettings::IniFormat);
        const QString k = user_group(key) + QLatin1Char('/') + QLatin1String(name);
        if (!s.contains(k))
            return std::nullopt;
        return s.value(k).toString();
    }
    const QString& file() const { return file_; }
    const std::filesystem::path& folder() const { return dir_.path(); }

    // The INI file keeps each registry key as a group.
    static QString group(const char* key) {
        QString g = QString::fromLatin1(key);
        g.replace(QLatin1Char('\\'), QLatin1Char('/'));
        while (g.startsWith(QLatin1Char('/')))
            g.remove(0, 1);
        while (g.endsWith(QLatin1Char('/')))
            g.chop(1);
        return g;
    }
    void set(const char* key, const char* name, const QString& value) const {
        QSettings s(file_, QSettings::IniFormat);
        s.setValue(group(key) + QLatin1Char('/') + QLatin1String(name), value);
        s.sync();
    }
    std::optional<QString> get(const char* key, const char* name) const {
        QSettings s(file_, QSettings::IniFormat);
        const QString k = group(key) + QLatin1Char('/') + QLatin1String(name);
        if (!s.contains(k))
            return std::nullopt;
        return s.value(k).toString();
    }

  private:
    temp_dir dir_;
    QString file_;
    QByteArray previous_;
    QByteArray previous_prefix_;
    QByteArray previous_home_;
};

// What a test install holds beyond the basics.
struct install_options {
    bool captain_field = true; // table 9 has its "captain" field
    int stadiums = 3;
};

// A small database with every table the pages address: three stadiums, two leagues, two teams,
// three players.
inline database test_database(const install_options& options = {}) {
    database db;
    const auto wide = [](const char* name) { return packed_field_spec{name, 0, 0x7FFF}; };
    for (int t = 0; t <= 13; ++t) {
        table_spec spec;
        spec.name = "table" + std::to_string(t);
        spec.keys = {"id"};
        spec.packed = {wide("value")};
        switch (t) {
        case table_index::leagues:
            spec.strings = {"comment", "label"};
            spec.packed = {wide("country"), wide("level")};
            break;
        case table_index::league_teams:
        case table_index::team_players:
            spec.keys = {"ownerid", "memberid"};
            spec.packed = {wide("number"), wide("position")};
            break;
        case table_index::players:
            spec.strings = {"firstname", "pseudonym", "surname"};
            spec.packed.clear();
            for (const char* f : player_field::page)
                spec.packed.push_back(wide(f));
            break;
        case table_index::team_settings:
            spec.packed = {wide(options.captain_field ? team_settings_field::captain : "skipper"),
                           wide("kit"), wide("manager"), wide(team_settings_field::penalty_taker)};
            break;
        case table_index::teams:
            spec.strings = {"comment", "label"};
            spec.packed.clear();
            for (int i = 0; i < team_field::slot_count; ++i)
                spec.packed.push_back(wide(("v" + std::to_string(i)).c_str()));
            break;
        default:
            break;
        }
        add_table(db, spec);
    }
    for (int s = 0; s < options.stadiums; ++s)
        add_row(db, table_index::stadiums).keys[0] = 70 + s;
    for (int l = 0; l < 2; ++l) {
        auto& league = add_row(db, table_index::leagues);
        league.keys[0] = 10 + l;
        league.strings[1] = "League " + std::to_string(l);
    }
    for (int t = 0; t < 2; ++t) {
        auto& team = add_row(db, table_index::teams);
        team.keys[0] = 20 + t;
        team.strings[1] = "Team " + std::to_string(t);
        team.values[team_field::stadium] = static_cast<std::uint32_t>(70 + t);
        auto& link = add_row(db, table_index::league_teams);
        link.keys = {10, 20 + t, 0, 0};
        auto& settings = add_row(db, table_index::team_settings);
        settings.keys[0] = 20 + t;
    }
    for (int p = 0; p < 3; ++p) {
        auto& player = add_row(db, table_index::players);
        player.keys[0] = 40 + p;
        player.strings = {"First" + std::to_string(p), "", "Last" + std::to_string(p), ""};
        auto& link = add_row(db, table_index::team_players);
        link.keys = {20 + p % 2, 40 + p, 0, 0};
        link.values = {static_cast<std::uint32_t>(p + 1), 0};
    }
    return db;
}

// The language file of a test install: names of stadiums, leagues and teams, per language.
inline string_table test_language(const std::string& code, const database& db) {
    string_table lang;
    lang.set_string(1, "menu text " + code);
    if (!db.has_table(table_index::teams))
        return lang;
    for (const auto& row : db.rows(table_index::stadiums))
        lang.set_string(20000000 + 10 * row.keys[0],
                        "Stadium " + std::to_string(row.keys[0]) + " " + code);
    for (const auto& row : db.rows(table_index::leagues)) {
        lang.set_string(10000000 + 10 * row.keys[0], "League title " + code);
        lang.set_string(10000000 + 10 * row.keys[0] + 2, "LT " + code);
    }
    for (const auto& row : db.rows(table_index::teams))
        for (int k = 0; k < 3; ++k)
            lang.set_string(30000000 + 10 * row.keys[0] + k, "Team name " + code);
    return lang;
}

inline std::filesystem::path database_file(const std::filesystem::path& install) {
    return install / "data" / "cmn" / "qira.db";
}
inline std::filesystem::path language_file(const std::filesystem::path& install,
                                           const std::string& code) {
    return install / "data" / "cmn" / "fe" / (code + ".db");
}

// Writes an install with the database and the language files of the given codes.
inline void write_test_install(const std::filesystem::path& install, database db,
                               const std::vector<std::string>& codes = {"eng"}) {
    std::filesystem::create_directories(install / "data" / "cmn" / "fe");
    QVERIFY(save_database(database_file(install), db).ok());
    for (const auto& code : codes) {
        auto lang = test_language(code, db);
        QVERIFY(save_language_file(language_file(install, code), lang).ok());
    }
}

// The install directory as the registry holds it: a prefix ending with the system's separator.
inline QString install_dir_text(const std::filesystem::path& install) {
#ifdef _WIN32
    return QString::fromStdWString(install.wstring()) + QLatin1Char('\\');
#else
    return QString::fromStdString(install.string()) + QLatin1Char('/');
#endif
}

// The state table's rows.
// Leaves a step on the window's undo stack that no save has written: a step that only relabels
// node 0 of the trees with the label it has.
inline void mark_unsaved(TForm1& w) {
    const QString label = w.tree_nodes.empty() ? QString() : w.tree_nodes[0]->text(0);
    w.doc.push({}, QStringLiteral("a test step"), {{0, label, label}});
}

// Answers the review of every patch the window applies with "Apply selected" as it opens: the
// changes that do not conflict.
inline void apply_reviews_as_they_open(TForm1& w) {
    w.set_patch_reviewer([](patch_review_window&) { return true; });
}

inline bool in_no_database(const TForm1& w) {
    return !w.Panel4->isHidden() && w.Button4->isHidden() && w.Button1->isEnabled() &&
           !w.Button11->isEnabled() && !w.Button14->isEnabled() && w.cb_lng->isEnabled();
}
inline bool in_editing(const TForm1& w) {
    return w.Panel4->isHidden() && !w.TreeView1->isHidden() && !w.Button4->isHidden() &&
           w.Button4->text() == QLatin1String("Finish Editing...") && !w.Button1->isEnabled() &&
           w.Button11->isEnabled() && w.Button14->isEnabled() && !w.cb_lng->isEnabled();
}
inline bool in_start_over_open(const TForm1& w) {
    return !w.Panel4->isHidden() && w.TreeView1->isHidden() && !w.Button4->isHidden() &&
           w.Button4->text() == QLatin1String("Continue Editing...") && !w.Button1->isEnabled() &&
           w.Button11->isEnabled() && w.Button14->isEnabled() && !w.cb_lng->isEnabled();
}

} // namespace qira::test
