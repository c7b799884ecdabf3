// The six language files: each holds the names of the rows in its language among texts that
// name no row, keyed as the editor's name configuration says, with header words of its own.

#include "testdata/tables.h"

#include "fileio/bytes.h"
#include "langfile/string_table.h"
#include "testdata/name_lists.h"

#include <algorithm>

namespace qira::testdata {

namespace {

void header_word(string_table& table, std::size_t offset, std::uint32_t value) {
    store_u32(table.header.data() + offset, value);
}

void prepare_language(string_table& table, int lang) {
    const auto l = static_cast<std::uint32_t>(lang);
    // The words at 16, 40 and 44 are offsets that the writer fills in.
    const std::uint32_t words[12] = {2, 48, l + 1, 2004, 0, 3, 12, 36, 1, 0x10000 + l, 0, 0};
    for (std::size_t i = 0; i < 12; ++i)
        header_word(table, 4 * i, words[i]);
    table.word_after_count = static_cast<std::int32_t>(0x100 + l);
    const std::uint32_t block[9] = {1, 4, l + 1, 2004, 0x00FF00FF, 12, 12, 12, 0xFFFFFFFFu};
    for (std::size_t i = 0; i < 9; ++i)
        store_u32(table.block.data() + 4 * i, block[i]);
    table.names = standard_name_config();
}

std::string numbered(const char* pattern, int n) {
    return substitute(pattern, "{n}", std::to_string(n));
}

} // namespace

void make_languages(sample_install& out, const world& w, const row_names& names) {
    const auto config = standard_name_config();
    const name_config& leagues = config[table_index::leagues];
    const name_config& stadiums = config[table_index::stadiums];
    const name_config& teams = config[table_index::teams];

    const int name_entries = 2 * static_cast<int>(w.leagues.size()) +
                             static_cast<int>(w.stadiums.size()) +
                             3 * static_cast<int>(w.teams.size());
    const int unrelated = std::max(5, w.p.language_entries - name_entries);
    const int press = static_cast<int>(w.teams.size()) / 40;
    const int menu = std::clamp(unrelated / 6, 1, 999);
    const int commentary = std::max(1, unrelated / 4);
    const int tips = std::max(1, unrelated / 6);
    const int messages = std::max(1, unrelated - press - menu - commentary - tips);

    constexpr int menus = static_cast<int>(std::size(menu_phrases));
    constexpr int comments = static_cast<int>(std::size(commentary_phrases));
    constexpr int tip_count = static_cast<int>(std::size(tip_phrases));
    constexpr int message_count = static_cast<int>(std::size(message_phrases));

    for (int lang = 0; lang < languages; ++lang) {
        std::vector<Tstring_table> e;
        e.reserve(static_cast<std::size_t>(name_entries + unrelated));
        const auto add = [&](std::int32_t key, std::string text) {
            e.push_back({key, 0, std::move(text)});
        };
        // Menu texts; one of them is empty.
        for (int i = 0; i < menu; ++i) {
            std::string text = menu_phrases[i % menus][lang];
            if (i >= menus)
                text.append(" ").append(std::to_string(i / menus + 1));
            add(i + 1, i == menus + 3 ? std::string() : std::move(text));
        }
        for (std::size_t i = 0; i < w.leagues.size(); ++i) {
            add(leagues.key_of(w.leagues[i].id, 0), names.league_long[i][lang]);
            add(leagues.key_of(w.leagues[i].id, 1), names.league_short[i][lang]);
        }
        for (int i = 0; i < commentary; ++i)
            add(15000000 + i, std::to_string(1 + i % 90) + "' " +
                                  commentary_phrases[(i + i / 90) % comments][lang]);
        for (std::size_t i = 0; i < w.stadiums.size(); ++i)
            add(stadiums.key_of(w.stadiums[i].id, 0), names.stadium[i][lang]);
        for (int i = 0; i < tips; ++i)
            add(25000000 + i, numbered(tip_phrases[i % tip_count][lang], i + 1));
        int pressed = 0;
        for (std::size_t i = 0; i < w.teams.size(); ++i) {
            for (int k = 0; k < 3; ++k)
                add(teams.key_of(w.teams[i].id, k),
                    names.team[i][static_cast<std::size_t>(k)][lang]);
            if (i % 40 == 39 && pressed < press) {
                add(36000000 + pressed, numbered(press_phrase[lang], pressed + 1));
                ++pressed;
            }
        }
        for (int i = 0; i < messages; ++i)
            add(50000000 + i, numbered(message_phrases[i % message_count][lang], i + 1));

        string_table& table = out.languages[static_cast<std::size_t>(lang)];
        prepare_language(table, lang);
        table.assign(std::move(e));
    }
}

} // namespace qira::testdata
