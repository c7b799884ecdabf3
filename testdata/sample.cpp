// The generated sample install. A football world of nations, leagues, clubs, national teams and
// players is drawn from the seed and then written into the fifteen tables of the game database
// file and into the six language files. Every random choice comes from one splitmix64 stream and
// plain integer arithmetic, so the same options give the same bytes with any compiler and
// standard library.

#include "testdata/sample.h"

#include "testdata/random_source.h"
#include "testdata/tables.h"
#include "testdata/world.h"

#include <system_error>

namespace qira {

using namespace testdata;

sample_install make_sample(const sample_options& options) {
    random_source rng(options.seed);
    const world w = make_world(options.scale, rng);
    const row_names names = name_rows(w);

    sample_install out;
    database& db = out.db;
    db.header_word0 = 2;
    db.header_word1 = 0x07D40001;
    write_nations(db, w, rng);
    write_leagues(db, w, names);
    write_league_teams(db, w);
    write_referees(db, w, rng);
    write_players(db, w, rng);
    write_kits(db, w, rng);
    write_cups(db, w, rng);
    write_stadiums(db, w, rng);
    write_tactics(db, w, rng);
    write_team_settings(db, w, rng);
    write_fixtures(db, w, rng);
    write_team_players(db, w, rng);
    write_managers(db, w, rng);
    write_teams(db, w, names, rng);
    write_settings(db);

    make_languages(out, w, names);
    attach_names(out.languages[0], db);

    fill_undecoded(db);

    // Lay the model out and pack it as the file will hold it.
    layout_offsets(db);
    for (int t = 0; t < db.table_count(); ++t) {
        encode_table(db, t);
        raw_block& b = db.blocks[static_cast<std::size_t>(t)];
        b.byte_size = 8 + 4 * static_cast<std::int64_t>(b.row_count) * b.words_per_row;
    }
    return out;
}

result write_sample_install(const std::filesystem::path& dir, const sample_options& options) {
    const auto fe = install_language_path(dir, language_codes[0]).parent_path();
    std::error_code ec;
    std::filesystem::create_directories(fe, ec);
    if (ec)
        return result::failure(result::code::write_failed, {},
                               "Could not create " + fe.string() + ": " + ec.message());
    sample_install install = make_sample(options);
    if (auto r = save_database(install_database_path(dir), install.db); !r)
        return r;
    for (std::size_t l = 0; l < language_codes.size(); ++l)
        if (auto r = save_language_file(install_language_path(dir, language_codes[l]),
                                        install.languages[l]);
            !r)
            return r;
    return result::success();
}

} // namespace qira
