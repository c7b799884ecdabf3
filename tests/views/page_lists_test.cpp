// The team page's list of values, each shown and applied on its own; and the lists the page
// draws from the tables follow them, on every path that changes them (a grid cell, rows copied
// or deleted, a CSV import, a patch, undo, redo, a page's Apply): the stadium list follows
// table 7, the roster lists and the captain and penalty-taker lists follow tables 4 and 11, and
// each keeps its chosen entry by id.

#include "view_fixture.h"

#include "editing/change.h"
#include "editing/edits.h"
#include "patch/patch.h"
#include "patch/patch_json.h"
#include "views/tables_window.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QUndoStack>

#include <fstream>
#include <functional>

using namespace qira;
using namespace qira::test;
using table_index::players;
using table_index::stadiums;
using table_index::team_players;
using table_index::teams;

namespace {

// test_database() whose stadium, player and link rows carry two words past their fields that the
// editor does not decode (non-zero, different in every row), and Team 0 (id 20, stadium 70) with
// links to 40, 42 (its penalty taker), 43 (Ann Lee Roe, its captain) and 44 (whose surname is
// Latin-1, not UTF-8).
database lists_database() {
    database db = test_database();
    add_player(db, 43, "Ann", "Lee", "Roe");
    add_link(db, team_players, 20, 43);
    add_player(db, 44, "Bo", "", "M\xfcller");
    add_link(db, team_players, 20, 44);
    db.rows(table_index::team_settings)[0].values[0] = 43; // captain
    db.rows(table_index::team_settings)[0].values[3] = 42; // penalty taker
    for (int t : {stadiums, players, team_players}) {
        auto& o = db.overall[t];
        o.words_per_row += 2;
        auto& words = db.blocks[static_cast<std::size_t>(t)].words;
        words.resize(o.rows.size() * static_cast<std::size_t>(o.words_per_row));
        for (std::size_t i = 0; i < words.size(); ++i)
            words[i] = 0xC0DE0000u + static_cast<std::uint32_t>(t * 1000 + i);
    }
    return db;
}

tables_window& open_tables(TForm1& w, int table) {
    w.ButtonTables->click();
    if (!w.tables)
        qFatal("no tables window");
    w.tables->table_list->setCurrentRow(table);
    return *w.tables;
}

void select_rows(tables_window& t, std::initializer_list<int> rows) {
    t.grid->selectionModel()->clearSelection();
    for (int r : rows)
        t.grid->selectionModel()->select(t.filter->mapFromSource(t.model->index(r, 0)),
                                         QItemSelectionModel::Select);
}

bool edit_cell(tables_window& t, int row, int column, const QString& text) {
    return t.filter->setData(t.filter->mapFromSource(t.model->index(row, column)), text,
                             Qt::EditRole);
}

QStringList entries(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QStringList stadium_names(view_fixture& f) {
    QStringList names;
    for (const auto& row : f.db().rows(stadiums))
        names << text(row.names[0]);
    return names;
}

QStringList combo_entries(const QComboBox* c) {
    QStringList texts;
    for (int i = 0; i < c->count(); ++i)
        texts << c->itemText(i);
    return texts;
}

// The id of the stadium the list shows chosen (its row's id), or -1 when none is.
std::int32_t chosen_stadium(view_fixture& f) {
    const int i = f.w().team->cobo_stadium->currentIndex();
    return i < 0 ? -1 : f.row(stadiums, i).keys[0];
}

// The user picks the stadium with this id, and applies the page.
void pick_stadium_and_apply(view_fixture& f, std::int32_t id) {
    const int row = f.db().find_row(stadiums, id);
    QVERIFY(row >= 0);
    f.w().team->cobo_stadium->setCurrentIndex(row);
    f.w().team->t_apply->click();
}

// Applies a patch made from the open files with `change` made to the second copy.
void apply_patch_made_by(view_fixture& f, const std::function<void(open_game&)>& change) {
    open_game a, b;
    for (open_game* g : {&a, &b})
        QVERIFY(open_game_files(database_file(f.install.path()),
                                language_file(f.install.path(), "eng"), *g));
    change(b);
    const result_of<patch> made = make_patch(a.db, &a.lang, b.db, &b.lang);
    QVERIFY(made.ok());
    temp_dir out;
    QVERIFY(save_patch_file(out / "mod.json", made.value).ok());
    const QString path = QString::fromStdString((out / "mod.json").string());
    f.w().set_patch_chooser([path](bool, const QString&, const QString&) { return path; });
    f.w().ButtonPatchApply->click();
    QVERIFY2(f.sink.shown.empty(), qPrintable(f.sink.all()));
}

// Writes table 7 as CSV with its rows in reverse order and imports it.
void import_stadiums_reversed(view_fixture& f) {
    tables_window& t = open_tables(f.w(), stadiums);
    temp_dir files;
    const QString csv = QString::fromStdString((files / "stadiums.csv").string());
    QVERIFY(t.export_csv(csv));
    std::ifstream in(files / "stadiums.csv", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line + "\n");
    in.close();
    std::reverse(lines.begin() + 1, lines.end());
    std::ofstream out(files / "stadiums.csv", std::ios::binary | std::ios::trunc);
    for (const auto& line : lines)
        out << line;
    out.close();
    QVERIFY2(t.import_csv(csv), qPrintable(t.status->text()));
}

} // namespace

class page_lists_test : public QObject {
    Q_OBJECT

  private slots:
    // Every value the team page lists, on a generated team: shown as stored, taken back by Apply
    // into its own cell only (of the team's row or its settings row). Item i of a derived entry
    // stands for the id of row i of the stadium table, or for the team's player i.
    void team_page_fields_show_and_apply_their_own_value() {
        view_fixture f(sample_options{sample_scale::tiny, 2});
        TForm1& w = f.w();
        const open_game& game = w.game;
        // A team with two players or more and a settings row.
        int team = 0;
        const auto settings = [&](const char* field) {
            return find_settings(game, f.row(teams, team).keys[0], field);
        };
        while (game.lookups.team_links(f.row(teams, team).keys[0]).size() < 2 ||
               !settings(team_settings_field::captain))
            QVERIFY(++team < static_cast<int>(f.db().rows(teams).size()));
        f.row(teams, team).values[team_field::prestige] = 5; // inside the track bar
        const auto settings_row = [&]() -> db_overall_data& {
            return f.row(table_index::team_settings, settings(team_settings_field::captain)->row);
        };
        for (const page_field& e : team_page::fields()) {
            auto* control = w.team->findChild<QWidget*>(QLatin1String(e.name));
            QVERIFY2(control, e.name);
            // The cell the entry shows, of the team's row or of its settings row by name.
            const auto cell = [&](db_overall_data& team_row,
                                  db_overall_data& settings_values) -> std::uint32_t& {
                if (e.field)
                    return settings_values
                        .values[static_cast<std::size_t>(settings(e.field)->slot)];
                return team_row.values[static_cast<std::size_t>(e.slot)];
            };
            w.team->show_team(team); // the lists the derived entries draw from
            auto* list = qobject_cast<QComboBox*>(control);
            const auto item_value = [&](int i) {
                return e.field ? w.team->t_pl_ids->item(i)->text().toUInt()
                               : static_cast<std::uint32_t>(f.row(stadiums, i).keys[0]);
            };
            // A value inside the control, and another one to change it to.
            const auto [stored, changed] =
                list ? std::pair{list->count() - 1, 0} : std::pair{e.maximum - 1, 1};
            const auto number = [&](int v) {
                return e.derived ? item_value(v) : static_cast<std::uint32_t>(v);
            };
            if (e.control == field_control::text)
                f.row(teams, team).names[static_cast<std::size_t>(e.slot)] = "Stored";
            else
                cell(f.row(teams, team), settings_row()) = number(stored);
            w.team->show_team(team);
            db_overall_data expected = f.row(teams, team);
            db_overall_data expected_settings = settings_row();
            if (auto* edit = qobject_cast<QLineEdit*>(control)) {
                QCOMPARE(edit->text(), QStringLiteral("Stored"));
                edit->setText(QStringLiteral("Changed"));
                expected.names[static_cast<std::size_t>(e.slot)] = "Changed";
            } else if (list) {
                QCOMPARE(list->currentIndex(), stored);
                list->setCurrentIndex(changed);
                cell(expected, expected_settings) = number(changed);
            } else {
                auto* track = qobject_cast<QSlider*>(control);
                QCOMPARE(track->value(), stored);
                track->setValue(changed);
                cell(expected, expected_settings) = number(changed);
            }
            QVERIFY(w.team->t_applyClick().ok());
            QVERIFY2(f.row(teams, team).values == expected.values, e.name);
            QVERIFY2(f.row(teams, team).names == expected.names, e.name);
            QVERIFY2(settings_row().values == expected_settings.values, e.name);
        }
    }

    // Every path that changes table 7 while a team is shown: the list holds the stadiums as
    // they are now (entry j for row j), the stadium chosen before stays chosen by its id (none
    // when no row has it), a stadium picked then is stored by its id, and undo and redo keep it
    // so.
    void the_stadium_list_follows_the_stadium_table() {
        struct path {
            const char* name;
            const char* team;
            std::function<void(view_fixture&)> change;
            std::int32_t chosen; // by id after the change; -1: none
            std::int32_t picked; // then picked and applied
        };
        const std::vector<path> paths = {
            {"a stadium row deleted in the grid", "Team 1",
             [](view_fixture& f) {
                 tables_window& t = open_tables(f.w(), stadiums);
                 select_rows(t, {0});
                 t.delete_button->click();
             },
             71, 72},
            {"a stadium row copied in the grid", "Team 1",
             [](view_fixture& f) {
                 tables_window& t = open_tables(f.w(), stadiums);
                 select_rows(t, {0});
                 t.insert_button->click();
             },
             71, 72},
            {"the shown stadium's id changed in a grid cell", "Team 0",
             [](view_fixture& f) {
                 QVERIFY(edit_cell(open_tables(f.w(), stadiums), 0, 0, QStringLiteral("79")));
             },
             -1, 79},
            {"table 7 imported from CSV in reverse order", "Team 1", import_stadiums_reversed, 71,
             72},
            {"a patch that removes a stadium", "Team 1",
             [](view_fixture& f) {
                 apply_patch_made_by(f, [](open_game& b) {
                     change made;
                     remove_row(b, made, stadiums, 0);
                 });
             },
             71, 72},
        };
        for (const path& p : paths) {
            qInfo("%s", p.name);
            view_fixture f(lists_database());
            TForm1& w = f.w();
            f.select(f.node(QLatin1String(p.team), 1));
            const auto stored =
                static_cast<std::int32_t>(f.row(teams, w.team->t_id->text().toInt()).values[12]);
            QCOMPARE(chosen_stadium(f), stored);
            const QStringList before = stadium_names(f);
            p.change(f);
            QCOMPARE(w.doc.undo_stack()->count(), 1);
            QCOMPARE(combo_entries(w.team->cobo_stadium), stadium_names(f));
            QCOMPARE(chosen_stadium(f), p.chosen);

            // Undone and redone: the list follows; the choice stays by id.
            w.ButtonUndo->click();
            QCOMPARE(combo_entries(w.team->cobo_stadium), before);
            QCOMPARE(chosen_stadium(f), stored);
            w.ButtonRedo->click();
            QCOMPARE(combo_entries(w.team->cobo_stadium), stadium_names(f));
            QCOMPARE(chosen_stadium(f), p.chosen);

            // Applying without a choice keeps the stored id; a stadium picked is stored by id.
            if (p.chosen < 0) {
                w.team->t_apply->click();
                QCOMPARE(f.row(teams, w.team->t_id->text().toInt()).values[12],
                         static_cast<std::uint32_t>(stored));
            }
            pick_stadium_and_apply(f, p.picked);
            QCOMPARE(f.row(teams, w.team->t_id->text().toInt()).values[12],
                     static_cast<std::uint32_t>(p.picked));
            QCOMPARE(chosen_stadium(f), p.picked);
        }
    }

    // The roster lists and the captain and penalty-taker lists follow the players' names and
    // the team's links, the roster page's list with them; the chosen players (the roster row,
    // the captain, the penalty taker) stay chosen by id. Edits not applied stay while the step
    // changed no row the page shows; a step that did (or that built the trees again, which
    // shows the selected node's page again) shows those rows as they are now.
    void the_roster_lists_follow_the_players_and_the_links() {
        view_fixture f(lists_database());
        TForm1& w = f.w();
        f.select(f.node(QStringLiteral("Team 0"), 1));
        QCOMPARE(w.team->t_pl_capt->currentText(), QStringLiteral("Ann Lee Roe"));
        w.team->t_pl_penal->setCurrentIndex(3); // the user picks Bo ...
        w.team->Button2->click();               // ... and gives Ann (43) the number 11
        w.roster->t_pl_list->setCurrentRow(2);
        w.roster->t_pl_num_p->setValue(11);
        // The lists as they are now: the roster page's rows are the roster lists' entries, the
        // selected row and the captain are Ann's.
        const auto check = [&](const QStringList& ids, int ann, const QString& penalty) {
            QCOMPARE(entries(w.team->t_pl_ids), ids);
            QCOMPARE(w.roster->t_pl_list->count(), ids.size());
            for (int i = 0; i < ids.size(); ++i) {
                QVERIFY(w.roster->t_pl_list->item(i)->text().startsWith(
                    w.team->t_pl_names->item(i)->text() + QStringLiteral(" (") +
                    w.team->t_pl_nums->item(i)->text()));
                QCOMPARE(w.team->t_pl_capt->itemText(i), w.team->t_pl_names->item(i)->text());
            }
            QCOMPARE(w.team->t_pl_ids->item(ann)->text(), QStringLiteral("43"));
            QCOMPARE(w.roster->t_pl_list->currentRow(), ann);
            QCOMPARE(w.team->t_pl_capt->currentIndex(), ann);
            QCOMPARE(w.team->t_pl_penal->currentText(), penalty);
        };
#define CHECK(...)                                                                                 \
    do {                                                                                           \
        check(__VA_ARGS__);                                                                        \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)
        const QString bo = QStringLiteral("Bo  M\uFFFDller");
        CHECK({"40", "42", "43", "44"}, 2, bo);

        // Another team's link changed in the grid: nothing this page shows changed.
        tables_window& t = open_tables(w, team_players);
        QVERIFY(edit_cell(t, 1, 2, QStringLiteral("23")));
        CHECK({"40", "42", "43", "44"}, 2, bo);
        QCOMPARE(entries(w.team->t_pl_nums)[2], QStringLiteral("11"));

        // Ann renamed in the grid: the trees are built again and the team page shown again.
        t.table_list->setCurrentRow(players);
        QVERIFY(edit_cell(t, 3, 1, QStringLiteral("Anna")));
        QCOMPARE(entries(w.team->t_pl_names)[2], QStringLiteral("Anna Lee Roe"));
        const QString second = QStringLiteral("First2  Last2"); // the stored penalty taker
        CHECK({"40", "42", "43", "44"}, 2, second);
        // ... and renamed on her own page, while the team page is not shown.
        f.select(f.node(QStringLiteral("Anna Lee Roe"), 2));
        w.player->pl_name->setText(QStringLiteral("Annika"));
        w.player->pl_apply->click();
        QCOMPARE(entries(w.team->t_pl_names)[2], QStringLiteral("Annika Lee Roe"));
        CHECK({"40", "42", "43", "44"}, 2, second);

        // One of the team's links deleted, undone, redone: the lists are the links as they are
        // now, and the same players stay chosen.
        t.table_list->setCurrentRow(team_players);
        select_rows(t, {0});
        t.delete_button->click();
        CHECK({"42", "43", "44"}, 1, second);
        w.ButtonUndo->click();
        CHECK({"40", "42", "43", "44"}, 2, second);
        w.ButtonRedo->click();
        CHECK({"42", "43", "44"}, 1, second);

        // Applied: the captain and the penalty taker picked are stored by id.
        w.team->t_pl_penal->setCurrentIndex(2);
        w.team->t_apply->click();
        const auto& settings = f.row(table_index::team_settings, 0);
        QCOMPARE(settings.values[0], 43u);
        QCOMPARE(settings.values[3], 44u);
#undef CHECK
    }
};

QTEST_MAIN(page_lists_test)
#include "page_lists_test.moc"
