// The window's text of a result, built from its wording, is the result's message() when no
// translation is loaded: for every code and every shape of place.
#include "views/shown_text.h"

#include <QTest>

using namespace qira;

class shown_text_test : public QObject {
    Q_OBJECT
  private slots:
    void every_code_and_place_as_message() {
        using code = result::code;
        const code codes[] = {code::ok,           code::cannot_open,  code::cannot_read,
                              code::damaged,      code::not_editable, code::not_a_patch,
                              code::not_json,     code::write_failed, code::csv_problem,
                              code::not_imported, code::conflict,     code::refused};
        const place places[] = {
            {},
            {.file = "eng.db"},
            {.file = "a%1 b.json", .line = 3, .column = 7},
            {.file = "p.json", .field = "rows"},
            {.field = "na\xffme"},
            {.line = 12},
            {.field = "height", .line = 4},
            {.table = 4},
            {.table = 4, .row = 12},
            {.table = 4, .field = "height"},
            {.table = 4, .row = 12, .field = "height"},
            {.row_title = "players: Ann (keys 2, rank 0)"},
            {.row_title = "players: Ann", .field = "weight"},
            {.file = "qira.db", .table = 2, .offset = 40},
        };
        const wording problems[] = {
            {},
            "no such file or no access",
            {QIRA_TR("qira::problem", "table %1 has %2 rows; a table holds at most %3"),
             {"5", "100%", "70000"}},
            {QIRA_TR("qira::problem", "%1. Nothing was saved: %2 are as they were."),
             {"disk full", listed({"qira.db", "eng.db", "x.db"})}},
            wording::sequence(
                {"why", ". ", {QIRA_TR("qira::problem", "%1 is the old file"), {"qira.db"}}}),
        };
        for (code c : codes)
            for (const place& at : places)
                for (const wording& p : problems) {
                    const result r = result::failure(c, at, p);
                    QCOMPARE(shown_text(r), QString::fromStdString(r.message()));
                    QCOMPARE(shown_problem(r), QString::fromStdString(r.problem));
                }
    }

    void a_problem_changed_on_its_own_is_shown_as_it_is() {
        result r = result::failure(result::code::cannot_open, {.file = "x"},
                                   QIRA_TR("qira::problem", "it is a folder"));
        r.problem += " (and more)";
        QCOMPARE(shown_text(r), QStringLiteral("Cannot open x: it is a folder (and more)"));
        QCOMPARE(shown_texts({r, result::success()}),
                 QStringList({QString::fromStdString(r.message()), QString()}));
    }
};

QTEST_MAIN(shown_text_test)
#include "shown_text_test.moc"
