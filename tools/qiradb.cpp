// qiradb: the game's two data files from the command line, on the editor's own library.
//   info, dump, rewrite, check       the game database file (with --lang, the language file too)
//   lang-dump, lang-rewrite          a language file alone
//   make-sample                      a generated install of both files
//   diff, patch, show-patch          the changes between two games as a patch, applying one, and
//                                    listing what one would change
//   merge, merge-patches             two mods made on one game merged (games or patches)
// Exit codes: 0 success, 1 an input could not be opened or was refused (nothing written),
// 2 bad usage.

#include "dbfile/database.h"
#include "dbfile/fields.h"
#include "editing/csv_import.h"
#include "editing/game_check.h"
#include "editing/open_game.h"
#include "editing/table_csv.h"
#include "fileio/memory.h"
#include "fileio/utf8.h"
#include "langfile/string_table.h"
#include "patch/json_writer.h"
#include "patch/patch.h"
#include "patch/patch_json.h"
#include "testdata/sample.h"
#include "tools/merge_tool.h"
#include "tools/patch_tool.h"
#include "tools/program_args.h"
#include "tools/tool_common.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>
#include <iostream>
#include <limits>
#include <optional>

namespace qira {
namespace {

using namespace tool;

std::string_view field_kind(const db_table& t, int f) {
    return kind_label(place_of_field(t, f).part, label_style::tool);
}

// The table the command asks for is not in the file.
result no_table(const std::filesystem::path& path, int t, const database& db) {
    return result::failure(result::code::refused, {.file = display_name(path), .table = t},
                           display_name(path) + " has no table " + std::to_string(t) + " (it has " +
                               std::to_string(db.table_count()) + ")");
}

// A whole number from 0 to `max`, the whole text; nothing otherwise.
std::optional<std::uint64_t> whole_number(std::string_view text, std::uint64_t max) {
    std::uint64_t n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || n > max)
        return std::nullopt;
    return n;
}

// The table a command names: its index, or its name as info shows it (between the quotes, or as
// the file holds it).
result_of<int> find_table(const std::filesystem::path& path, const database& db,
                          const std::string& which) {
    if (const auto index = whole_number(which, std::numeric_limits<int>::max())) {
        const int t = static_cast<int>(*index);
        if (!db.has_table(t))
            return no_table(path, t, db);
        return result_of<int>::success(t);
    }
    std::vector<int> named;
    for (int t = 0; t < db.table_count(); ++t)
        if (db.tables[t].name == which || quoted_text(db.tables[t].name) == '"' + which + '"')
            named.push_back(t);
    if (named.size() == 1)
        return result_of<int>::success(named.front());
    std::string why = display_name(path);
    if (named.empty()) {
        why += " has no table named " + quoted_text(which) + " (it has";
        for (int t = 0; t < db.table_count(); ++t)
            why += (t > 0 ? ", " : " ") + quoted_text(db.tables[t].name);
        why += ")";
    } else {
        why += " has " + std::to_string(named.size()) + " tables named " + quoted_text(which) +
               "; give the index of one";
    }
    return result::failure(result::code::refused, {.file = display_name(path)}, why);
}

int run_info(const std::filesystem::path& path) {
    database db;
    if (auto r = load_database(path, nullptr, db); !r)
        return fail(r);
    std::cout << display_name(path) << ": " << db.table_count() << " tables, header words "
              << db.header_word0 << ' ' << db.header_word1 << '\n';
    for (int t = 0; t < db.table_count(); ++t) {
        const db_table& table = db.tables[t];
        std::cout << "table " << t << ' ' << quoted_text(table.name) << ": "
                  << db.overall[t].row_count << " rows, " << db.overall[t].words_per_row
                  << " words per row";
        const auto counts = kind_counts(table);
        for (std::size_t k = 0; k < counts.size(); ++k)
            std::cout << ", " << counts[k] << ' ' << kind_label(field_kinds[k], label_style::tool);
        std::cout << " fields\n";
        for (int f = 0; f < table.field_count(); ++f) {
            std::cout << "  " << f << ' ' << printable(table.fields[f].name) << ": "
                      << field_kind(table, f);
            if (place_of_field(table, f).part == row_part::value)
                std::cout << ", " << field_bits(table, t, f) << " bits (descriptors "
                          << table.fields[f].descriptor_a << ", "
                          << static_cast<std::uint32_t>(table.fields[f].descriptor_b) << ")";
            std::cout << '\n';
        }
    }
    return 0;
}

void texts(json_writer& j, const text_slots& slots, int count) {
    j.begin_array();
    for (int i = 0; i < count; ++i)
        j.value(slots[static_cast<std::size_t>(i)]);
    j.end_array();
}

void dump_table_json(json_writer& j, const database& db, int t, bool with_names,
                     const string_table& lang) {
    const db_table& table = db.tables[t];
    j.begin_object();
    j.key("index");
    j.value(t);
    j.key("name");
    j.value(table.name);
    j.key("opaque_word");
    j.value(table.opaque_word);
    j.key("block_word");
    j.value(db.overall[t].block_word);
    j.key("row_count");
    j.value(db.overall[t].row_count);
    j.key("words_per_row");
    j.value(db.overall[t].words_per_row);
    j.key("fields");
    j.begin_array();
    for (int f = 0; f < table.field_count(); ++f) {
        j.begin_object();
        j.key("name");
        j.value(table.fields[f].name);
        j.key("kind");
        j.value(field_kind(table, f));
        if (place_of_field(table, f).part == row_part::value) {
            j.key("descriptor_a");
            j.value(table.fields[f].descriptor_a);
            j.key("descriptor_b");
            j.value(static_cast<std::uint32_t>(table.fields[f].descriptor_b));
            j.key("width");
            j.value(field_bits(table, t, f));
        }
        j.end_object();
    }
    j.end_array();
    const int name_count =
        with_names && t < name_config_tables ? std::min<int>(lang.names[t].name_count, 3) : 0;
    j.key("rows");
    j.begin_array();
    for (const auto& row : db.rows(t)) {
        j.begin_object();
        j.key("keys");
        j.array(std::span(row.keys).first(table.key_count));
        j.key("extras");
        j.array(std::span(row.extras).first(table.extra_count));
        j.key("string_refs");
        j.array(std::span(row.string_refs).first(table.string_ref_count));
        j.key("strings");
        texts(j, row.strings, table.string_ref_count);
        j.key("values");
        j.array(row.values);
        if (name_count > 0) {
            j.key("names");
            texts(j, row.names, name_count);
        }
        j.end_object();
    }
    j.end_array();
    j.end_object();
}

int run_dump(const std::filesystem::path& path, const std::optional<std::string>& table,
             const std::string& format, const std::filesystem::path& lang_path) {
    database db;
    string_table lang;
    if (auto code = load_both(path, lang_path, db, lang))
        return *code;
    std::optional<int> only;
    if (table) {
        const result_of<int> found = find_table(path, db, *table);
        if (!found)
            return fail(found);
        only = found.value;
    }
    if (format == "csv") {
        std::cout << table_csv(db, *only,
                               name_columns(db, *only, lang_path.empty() ? nullptr : &lang));
        return 0;
    }
    json_writer j(std::cout);
    j.begin_object();
    j.key("header_word0");
    j.value(db.header_word0);
    j.key("header_word1");
    j.value(db.header_word1);
    j.key("tables");
    j.begin_array();
    for (int t = 0; t < db.table_count(); ++t)
        if (!only || *only == t)
            dump_table_json(j, db, t, !lang_path.empty(), lang);
    j.end_array();
    j.end_object();
    j.flush();
    std::cout << '\n';
    return 0;
}

int run_rewrite(const std::filesystem::path& path, const std::filesystem::path& out,
                const std::vector<std::string>& lang) {
    // The editor's own open and save: "Open Database", then "Save Changes" to other files.
    open_game game;
    const std::filesystem::path lang_in =
        lang.empty() ? std::filesystem::path() : utf8_path(lang[0]);
    const std::filesystem::path lang_out =
        lang.empty() ? std::filesystem::path() : utf8_path(lang[1]);
    open_options options;
    options.lookups = false; // nothing is edited
    if (auto r = open_game_files(path, lang_in, game, options); !r)
        return fail(r);
    if (auto r = save_game_files(game, out, lang_out); !r)
        return fail(r);
    return 0;
}

// The rows of table `t` replaced by a CSV file's, saved as "Save Changes" saves.
int run_import_csv(const std::filesystem::path& path, const std::string& table,
                   const std::filesystem::path& csv_path, const std::filesystem::path& out,
                   const std::vector<std::string>& lang) {
    open_game game;
    const std::filesystem::path lang_in =
        lang.empty() ? std::filesystem::path() : utf8_path(lang[0]);
    if (auto r = open_game_files(path, lang_in, game); !r)
        return fail(r);
    const result_of<int> found = find_table(path, game.db, table);
    if (!found)
        return fail(found);
    const int t = found.value;
    const csv_import imported = import_csv_file(game, t, csv_path);
    if (!imported.imported()) {
        std::cerr << "qiradb: " << imported.summary() << '\n';
        for (const result& p : imported.problems)
            std::cerr << p.message() << '\n';
        return exit_input;
    }
    if (!imported.warning.empty())
        std::cerr << "qiradb: warning: " << imported.warning.english() << '\n';
    if (auto r =
            save_game_files(game, out, lang.empty() ? std::filesystem::path() : utf8_path(lang[1]));
        !r)
        return fail(r);
    std::cout << imported.summary() << '\n';
    return 0;
}

int run_check(const std::filesystem::path& path, const std::filesystem::path& lang_path,
              bool references) {
    database db;
    string_table lang;
    if (auto code = load_both(path, lang_path, db, lang))
        return *code;
    if (!references) {
        std::cout << "ok\n";
        return 0;
    }
    open_game game;
    game.db = std::move(db);
    game.lang = std::move(lang);
    game.has_language = !lang_path.empty();
    const auto problems = check_references(game);
    for (const auto& p : problems)
        std::cout << p.text << '\n';
    if (problems.empty())
        std::cout << "ok\n";
    return problems.empty() ? 0 : 1;
}

int run_lang_dump(const std::filesystem::path& path) {
    string_table lang;
    if (auto r = load_language_file(path, lang); !r)
        return fail(r);
    json_writer j(std::cout);
    j.begin_object();
    j.key("count");
    j.value(static_cast<std::int64_t>(lang.string_count()));
    j.key("entries");
    j.begin_array();
    for (const auto& e : lang.entries()) {
        j.begin_object();
        j.key("key");
        j.value(e.key);
        j.key("text");
        j.value(e.text);
        j.end_object();
    }
    j.end_array();
    j.end_object();
    j.flush();
    std::cout << '\n';
    return 0;
}

int run_lang_rewrite(const std::filesystem::path& path, const std::filesystem::path& out) {
    string_table lang;
    if (auto r = load_language_file(path, lang); !r)
        return fail(r);
    if (auto r = save_language_file(out, lang); !r)
        return fail(r);
    return 0;
}

int run_make_sample(const std::filesystem::path& dir, const std::string& scale,
                    std::uint64_t seed) {
    sample_options options;
    options.scale = scale == "game"  ? sample_scale::game
                    : scale == "max" ? sample_scale::max
                                     : sample_scale::tiny;
    options.seed = seed;
    if (auto r = write_sample_install(dir, options); !r)
        return fail(r);
    return 0;
}

// What the command line gives: the options of every command (those of the same meaning shared
// between them), and the commands, to tell which one was given.
struct command_line {
    std::string db, db2, db3, patch_path, out, lang, format = "json", dir, scale = "tiny";
    std::string prefer;
    std::vector<std::string> lang_pair;
    bool reverse = false;
    bool skip_conflicts = false;
    std::optional<std::string> table;
    std::string seed = "1";
    std::string csv;
    std::string import_table;
    bool references = false;

    // The commands; parsed() tells the one given.
    CLI::App *info = nullptr, *dump = nullptr, *rewrite = nullptr, *import_csv = nullptr,
             *check = nullptr, *lang_dump = nullptr, *lang_rewrite = nullptr,
             *make_sample = nullptr, *diff = nullptr, *apply = nullptr, *show_patch = nullptr,
             *merge = nullptr, *merge_patches = nullptr;
};

// The commands on the game database file: info, dump, rewrite, import-csv and check.
void add_database_commands(CLI::App& app, command_line& cl) {
    cl.info = app.add_subcommand("info", "tables, row counts, words per row and fields");
    cl.info->add_option("DB", cl.db, "game database file")->required();

    cl.dump = app.add_subcommand("dump", "the decoded model as JSON (or one table as CSV)");
    cl.dump->add_option("DB", cl.db, "game database file")->required();
    cl.dump->add_option("--table", cl.table, "only this table: its index or its name");
    cl.dump->add_option("--format", cl.format, "json or csv")
        ->check(CLI::IsMember({"json", "csv"}));
    cl.dump->add_option("--lang", cl.lang, "language file: add the rows' localized names");

    cl.rewrite = app.add_subcommand("rewrite", "load and save, as the editor's Save Changes does");
    cl.rewrite->add_option("DB", cl.db, "game database file")->required();
    cl.rewrite->add_option("OUT", cl.out, "where to write the database")->required();
    cl.rewrite
        ->add_option("--lang", cl.lang_pair,
                     "LANG LANGOUT: the language file and where to write it")
        ->expected(2);

    cl.import_csv = app.add_subcommand(
        "import-csv", "replace a table's rows by a CSV file's and save as Save Changes does");
    cl.import_csv->add_option("DB", cl.db, "game database file")->required();
    cl.import_csv->add_option("TABLE", cl.import_table, "the table: its index or its name")
        ->required();
    cl.import_csv->add_option("CSV", cl.csv, "the rows, as dump --format csv writes them")
        ->required();
    cl.import_csv->add_option("OUT", cl.out, "where to write the database")->required();
    cl.import_csv
        ->add_option("--lang", cl.lang_pair,
                     "LANG LANGOUT: the language file (its @name columns) and where to write it")
        ->expected(2);

    cl.check = app.add_subcommand("check", "load and report ok or the refusal");
    cl.check->add_option("DB", cl.db, "game database file")->required();
    cl.check->add_option("--lang", cl.lang, "language file to check as well");
    cl.check->add_flag(
        "--references", cl.references,
        "also check the references between the tables (exit 1 when it lists problems)");
}

// The commands on a language file alone: lang-dump and lang-rewrite.
void add_language_commands(CLI::App& app, command_line& cl) {
    cl.lang_dump = app.add_subcommand("lang-dump", "a language file's entries as JSON");
    cl.lang_dump->add_option("LANG", cl.lang, "language file")->required();

    cl.lang_rewrite = app.add_subcommand("lang-rewrite", "load and save a language file");
    cl.lang_rewrite->add_option("LANG", cl.lang, "language file")->required();
    cl.lang_rewrite->add_option("OUT", cl.out, "where to write it")->required();
}

// make-sample: a generated install of both files.
void add_sample_command(CLI::App& app, command_line& cl) {
    cl.make_sample = app.add_subcommand("make-sample", "write a generated game install");
    cl.make_sample->add_option("DIR", cl.dir, "install directory to create")->required();
    cl.make_sample->add_option("--scale", cl.scale, "tiny, game or max")
        ->check(CLI::IsMember({"tiny", "game", "max"}));
    cl.make_sample->add_option("--seed", cl.seed,
                               "random seed, 0 to 18446744073709551615; the same seed gives the "
                               "same bytes");
}

// The commands on patches: diff, which makes one, and patch, which applies one.
void add_patch_commands(CLI::App& app, command_line& cl) {
    cl.diff = app.add_subcommand("diff", "the changes from one game to another, as a patch");
    cl.diff->add_option("A_DB", cl.db, "the game database file before")->required();
    cl.diff->add_option("B_DB", cl.db2, "the game database file after")->required();
    cl.diff->add_option("--lang", cl.lang_pair, "A_LANG B_LANG: compare these language files too")
        ->expected(2);

    cl.apply = app.add_subcommand("patch", "apply a patch (or take it back) and save");
    cl.apply->add_option("DB", cl.db, "game database file")->required();
    cl.apply->add_option("PATCH", cl.patch_path, "the patch, as qiradb diff writes it")->required();
    cl.apply->add_option("OUT", cl.out, "where to write the database")->required();
    cl.apply
        ->add_option("--lang", cl.lang_pair,
                     "LANG LANGOUT: the language file and where to write it")
        ->expected(2);
    cl.apply->add_flag("--reverse", cl.reverse, "take the patch back instead");
    cl.apply->add_flag("--skip-conflicts", cl.skip_conflicts,
                       "apply what does not conflict and list what was left out");

    cl.show_patch = app.add_subcommand(
        "show-patch", "list every change of a patch as it would apply to a game, conflicts marked");
    cl.show_patch->add_option("DB", cl.db, "game database file")->required();
    cl.show_patch->add_option("PATCH", cl.patch_path, "the patch, as qiradb diff writes it")
        ->required();
    cl.show_patch->add_option("--lang", cl.lang, "language file: its entries and the names");
}

// The commands that merge two mods made on one game: merge and merge-patches.
void add_merge_commands(CLI::App& app, command_line& cl) {
    cl.merge = app.add_subcommand("merge", "merge two games made from one base game and save");
    cl.merge->add_option("BASE", cl.db, "the base game's database file")->required();
    cl.merge->add_option("A", cl.db2, "game A's database file")->required();
    cl.merge->add_option("B", cl.db3, "game B's database file")->required();
    cl.merge->add_option("OUT", cl.out, "where to write the merged database")->required();
    cl.merge
        ->add_option("--lang", cl.lang_pair,
                     "BASE_LANG A_LANG B_LANG OUT_LANG: merge the language files too")
        ->expected(4);
    cl.merge->add_option("--prefer", cl.prefer, "a or b: the side that wins every conflict")
        ->check(CLI::IsMember({"a", "b"}));

    cl.merge_patches = app.add_subcommand(
        "merge-patches", "merge two patches made against one base game into one patch");
    cl.merge_patches->add_option("P1", cl.patch_path, "the first patch (side a)")->required();
    cl.merge_patches->add_option("P2", cl.db2, "the second patch (side b)")->required();
    cl.merge_patches->add_option("OUT", cl.out, "where to write the merged patch")->required();
    cl.merge_patches->add_option("--prefer", cl.prefer, "a or b: the side that wins every conflict")
        ->check(CLI::IsMember({"a", "b"}));
}

// Reads the program's arguments into `cl`: the exit code when the program ends there (help asked
// for, or bad usage told with the help), nothing when a command is to run.
std::optional<int> parse_command_line(CLI::App& app, const command_line& cl, int argc,
                                      char** argv) {
    try {
        // UTF-8 on every system, so that any file name can be given.
        const std::vector<std::string> args = utf8_arguments(argc, argv);
        std::vector<const char*> arg_texts;
        for (const auto& a : args)
            arg_texts.push_back(a.c_str());
        app.parse(static_cast<int>(arg_texts.size()), arg_texts.data());
        if (cl.dump->parsed() && cl.format == "csv" && !cl.table)
            throw CLI::ValidationError("--format csv needs --table N");
        if (cl.make_sample->parsed() &&
            !whole_number(cl.seed, std::numeric_limits<std::uint64_t>::max()))
            throw CLI::ValidationError("--seed " + printable(cl.seed) +
                                       " is not a whole number from 0 to " +
                                       std::to_string(std::numeric_limits<std::uint64_t>::max()));
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::cerr << "qiradb: " << e.what() << "\n\n" << app.help();
        return 2;
    }
    return std::nullopt;
}

// Runs the command the line gives, with its options.
int run_command(const command_line& cl) {
    const merge_side prefer = cl.prefer == "a"   ? merge_side::a
                              : cl.prefer == "b" ? merge_side::b
                                                 : merge_side::none;
    if (cl.info->parsed())
        return run_info(utf8_path(cl.db));
    if (cl.dump->parsed())
        return run_dump(utf8_path(cl.db), cl.table, cl.format, utf8_path(cl.lang));
    if (cl.rewrite->parsed())
        return run_rewrite(utf8_path(cl.db), utf8_path(cl.out), cl.lang_pair);
    if (cl.import_csv->parsed())
        return run_import_csv(utf8_path(cl.db), cl.import_table, utf8_path(cl.csv),
                              utf8_path(cl.out), cl.lang_pair);
    if (cl.check->parsed())
        return run_check(utf8_path(cl.db), utf8_path(cl.lang), cl.references);
    if (cl.lang_dump->parsed())
        return run_lang_dump(utf8_path(cl.lang));
    if (cl.lang_rewrite->parsed())
        return run_lang_rewrite(utf8_path(cl.lang), utf8_path(cl.out));
    if (cl.diff->parsed())
        return run_diff(utf8_path(cl.db), utf8_path(cl.db2), cl.lang_pair);
    if (cl.apply->parsed())
        return run_patch(utf8_path(cl.db), utf8_path(cl.patch_path), utf8_path(cl.out),
                         {cl.lang_pair, cl.reverse, cl.skip_conflicts});
    if (cl.show_patch->parsed())
        return run_show_patch(utf8_path(cl.db), utf8_path(cl.patch_path), utf8_path(cl.lang));
    if (cl.merge->parsed())
        return run_merge(utf8_path(cl.db), utf8_path(cl.db2), utf8_path(cl.db3), utf8_path(cl.out),
                         cl.lang_pair, prefer);
    if (cl.merge_patches->parsed())
        return run_merge_patches(utf8_path(cl.patch_path), utf8_path(cl.db2), utf8_path(cl.out),
                                 prefer);
    if (cl.make_sample->parsed())
        return run_make_sample(utf8_path(cl.dir), cl.scale,
                               *whole_number(cl.seed, std::numeric_limits<std::uint64_t>::max()));
    return 2;
}

} // namespace
} // namespace qira

int main(int argc, char** argv) {
    using namespace qira;
    prefer_large_pages();
    CLI::App app{"qiradb: read, check and rewrite the game database file and language files"};
    app.require_subcommand(1);
    // The options are bound to `cl`, which stays where it is while they are parsed.
    command_line cl;
    add_database_commands(app, cl);
    add_language_commands(app, cl);
    add_sample_command(app, cl);
    add_patch_commands(app, cl);
    add_merge_commands(app, cl);
    if (const auto code = parse_command_line(app, cl, argc, argv))
        return *code;
    return run_command(cl);
}
