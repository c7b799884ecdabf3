// Fuzz target: the patch reader on arbitrary bytes, and what it reads applied to a game. A refused
// document must say why and hand out no patch; an accepted one must be written back as a document
// that reads as the same patch and is written the same again. The patch is then checked against
// the tiny generated install and applied to it, forward and back: the check and the apply must
// agree, a patch with conflicts must leave the game as it was, and an applied one must leave
// tables whose row counts, raw words and limits agree, and that save and load again.

#include "fuzz_check.h"

#include "patch/patch.h"
#include "patch/patch_json.h"
#include "testdata/sample.h"

namespace {

using namespace qira;
using namespace qira::fuzz;

const open_game& base() {
    static const open_game game = [] {
        sample_install s = make_sample({sample_scale::tiny, 1});
        open_game g;
        g.db = std::move(s.db);
        g.lang = s.languages[0];
        g.has_language = true;
        g.lookups.rebuild(g.db);
        return g;
    }();
    return game;
}

// The parts of the rows a patch may change, compared table by table.
bool same_rows(const database& a, const database& b) {
    for (int t = 0; t < a.table_count(); ++t) {
        const auto ra = a.rows(t);
        const auto rb = b.rows(t);
        if (ra.size() != rb.size() || a.blocks[t].words != b.blocks[t].words)
            return false;
        for (std::size_t r = 0; r < ra.size(); ++r)
            if (ra[r].keys != rb[r].keys || ra[r].extras != rb[r].extras ||
                !(ra[r].strings == rb[r].strings) || !(ra[r].values == rb[r].values) ||
                !(ra[r].names == rb[r].names))
                return false;
    }
    return true;
}

void check_applied(const open_game& g) {
    for (int t = 0; t < g.db.table_count(); ++t) {
        const std::size_t rows = g.db.rows(t).size();
        FUZZ_CHECK(g.db.overall[t].rows.size() == rows, where(t));
        FUZZ_CHECK(g.db.overall[t].row_count == static_cast<std::int32_t>(rows), where(t));
        FUZZ_CHECK(rows <= static_cast<std::size_t>(max_rows), where(t));
        const auto w = static_cast<std::size_t>(g.db.overall[t].words_per_row);
        FUZZ_CHECK(g.db.blocks[t].words.size() == rows * w, where(t));
        FUZZ_CHECK(rows * w <= max_row_words, where(t));
    }
    database db = g.db;
    const std::vector<std::uint8_t> bytes = serialize_database(db);
    database loaded;
    const result r = parse_database(bytes, "qira.db", nullptr, loaded);
    FUZZ_CHECK(r.ok(), r.message());
    string_table lang = g.lang;
    names_to_string_table(g.db, lang);
    const std::vector<std::uint8_t> lang_bytes = serialize_language_file(lang);
    string_table lang_loaded;
    const result lr = parse_language_file(lang_bytes, "eng.db", lang_loaded);
    FUZZ_CHECK(lr.ok(), lr.message());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const result_of<patch> read = patch_from_json(text);
    if (!read.ok()) {
        FUZZ_CHECK(read.value.empty() && !read.value.has_language, read.message());
        return 0;
    }
    FUZZ_CHECK(read.message().empty(), "");
    const std::string written = patch_to_json(read.value);
    const result_of<patch> again = patch_from_json(written);
    FUZZ_CHECK(again.ok(), again.message());
    FUZZ_CHECK(again.value == read.value, "the patch read back from its document differs");
    FUZZ_CHECK(patch_to_json(again.value) == written, "the document is not written the same");

    for (bool reverse : {false, true}) {
        open_game g = base();
        const std::vector<result> conflicts = check_patch(g.db, &g.lang, read.value, reverse);
        const patch_applied done = apply_patch(g, read.value, reverse);
        FUZZ_CHECK(done.ok() == conflicts.empty(), "check and apply disagree");
        if (!done.ok()) {
            FUZZ_CHECK(done.conflicts == conflicts, "check and apply list other conflicts");
            FUZZ_CHECK(same_rows(g.db, base().db), "a patch with conflicts changed the game");
            FUZZ_CHECK(g.lang.entries().size() == base().lang.entries().size(), "");
            continue;
        }
        check_applied(g);
    }
    return 0;
}
