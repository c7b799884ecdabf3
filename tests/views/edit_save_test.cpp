// A user's whole road on the generated sample: open, change a player, a team and a league on
// their pages, apply, save; the files then hold exactly those changes and are otherwise the
// same, byte for byte.

#include "view_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

using namespace qira::test;
using namespace qira::table_index;

class edit_save_test : public QObject {
    Q_OBJECT

  private slots:
    void changes_reach_the_files_and_nothing_else() {
        view_fixture f(qira::sample_options{qira::sample_scale::tiny, 1});
        TForm1& w = f.w();
        const auto db_path = database_file(f.install.path());
        const auto before_db = read_file(db_path);
        std::vector<std::vector<std::uint8_t>> before_lang;
        for (const char* code : qira::language_codes)
            before_lang.push_back(read_file(language_file(f.install.path(), code)));

        // The model as the library reads the files; the expected result is built on it.
        qira::string_table lang;
        QVERIFY(qira::load_language_file(language_file(f.install.path(), "eng"), lang).ok());
        qira::database expected;
        QVERIFY(qira::load_database(db_path, &lang, expected).ok());
        {
            qira::database copy = expected;
            QVERIFY(qira::serialize_database(copy) == before_db); // the sample is canonical
        }

        // A player whose page shows every stored number as it is.
        int player = -1;
        for (QTreeWidgetItem* n : w.tree_nodes) {
            if (view_fixture::level(n) != 2)
                continue;
            f.select(n);
            const int r = w.player->pl_id->text().toInt();
            auto& row = f.row(players, r);
            if (value(f.db(), row, "talent") <= 5 && value(f.db(), row, "starplayer") <= 1 &&
                value(f.db(), row, "height") < 200 && row.strings[0] != "Edvard") {
                player = r;
                break;
            }
        }
        QVERIFY(player >= 0);
        const std::uint32_t height = value(f.db(), f.row(players, player), "height") + 1;
        w.player->pl_name->setText(QStringLiteral("Edvard"));
        w.player->pl_height_p->setValue(static_cast<int>(height));
        w.player->pl_apply->click();

        // A team whose prestige the track bar shows unclamped.
        int team = -1;
        for (QTreeWidgetItem* n : w.tree_nodes) {
            if (view_fixture::level(n) != 1)
                continue;
            f.select(n);
            const int r = w.team->t_id->text().toInt();
            if (r >= 0 && f.row(teams, r).values[17] <= 10 && f.row(teams, r).values[5] != 9) {
                team = r;
                break;
            }
        }
        QVERIFY(team >= 0);
        const int formation = w.team->cobo_formations->findText(QStringLiteral("4-4-2 Attacking"));
        QCOMPARE(formation, 9);
        w.team->cobo_formations->setCurrentIndex(formation);
        w.team->e_name5->setText(QStringLiteral("ABCDE"));
        w.team->t_apply->click();

        QTreeWidgetItem* league_node = w.TreeView1->topLevelItem(0);
        f.select(league_node);
        const int league = w.league->l_id->text().toInt();
        const std::uint32_t level = (f.row(leagues, league).values[1] + 1) % 5;
        w.league->l_level->setCurrentIndex(static_cast<int>(level));
        w.league->l_apply->click();

        w.Button4->click();
        w.Button11->click();
        QVERIFY2(f.sink.shown.empty(), qPrintable(f.sink.all()));
        QVERIFY(!w.has_unsaved_changes());

        // Exactly those values changed.
        auto& p = expected.rows(players)[static_cast<std::size_t>(player)];
        p.strings[0] = "Edvard";
        value(expected, p, "height") = height;
        auto& t = expected.rows(teams)[static_cast<std::size_t>(team)];
        t.values[5] = 9;
        t.names[1] = "ABCDE";
        expected.rows(leagues)[static_cast<std::size_t>(league)].values[1] = level;
        const auto after_db = read_file(db_path);
        QVERIFY(after_db != before_db);
        QVERIFY(qira::serialize_database(expected) == after_db);
        qira::names_to_string_table(expected, lang);
        const auto after_eng = read_file(language_file(f.install.path(), "eng"));
        QVERIFY(after_eng != before_lang[0]);
        QVERIFY(qira::serialize_language_file(lang) == after_eng);
        for (std::size_t i = 1; i < qira::language_codes.size(); ++i)
            QVERIFY(read_file(language_file(f.install.path(), qira::language_codes[i])) ==
                    before_lang[i]);

        // And the library reads them back.
        qira::string_table saved_lang;
        QVERIFY(qira::load_language_file(language_file(f.install.path(), "eng"), saved_lang).ok());
        qira::database saved;
        QVERIFY(qira::load_database(db_path, &saved_lang, saved).ok());
        auto& sp = saved.rows(players)[static_cast<std::size_t>(player)];
        QCOMPARE(sp.strings[0], std::string("Edvard"));
        QCOMPARE(value(saved, sp, "height"), height);
        const auto& st = saved.rows(teams)[static_cast<std::size_t>(team)];
        QCOMPARE(st.values[5], 9u);
        QCOMPARE(st.names[1], std::string("ABCDE"));
        const std::string* five = saved_lang.text_of(30000000 + 10 * st.keys[0] + 1);
        QVERIFY(five);
        QCOMPARE(*five, std::string("ABCDE"));
        QCOMPARE(saved.rows(leagues)[static_cast<std::size_t>(league)].values[1], level);
    }
};

QTEST_MAIN(edit_save_test)
#include "edit_save_test.moc"
