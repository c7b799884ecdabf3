// The window's helpers on their own: game paths, the registry layer, the program's number
// conversion and the default error handler.

#include "app_test_support.h"

#include "app/game_paths.h"
#include "app/registry.h"

#include <QListWidget>

using namespace qira::test;
namespace fs = std::filesystem;

namespace {

[[maybe_unused]] void touch(const fs::path& p) {
    fs::create_directories(p.parent_path());
    write_file(p, {1, 2, 3});
}

[[maybe_unused]] QString text(const fs::path& p) {
    return QString::fromStdString(p.string());
}

} // namespace

class support_test : public QObject {
    Q_OBJECT

  private slots:
    void game_paths_are_prefix_and_backslashes() {
        QCOMPARE(qira::database_path_text(QStringLiteral("C:\\Games\\QIRA 2004\\")),
                 QStringLiteral("C:\\Games\\QIRA 2004\\data\\cmn\\qira.db"));
        QCOMPARE(qira::language_path_text(QString(), 5), QStringLiteral("data\\cmn\\fe\\ita.db"));
        QCOMPARE(qira::language_file_codes(),
                 QStringList({"eng", "spa", "swe", "fre", "dut", "ita"}));
    }

#ifndef _WIN32
    void resolution_ignores_case_only_where_needed() {
        temp_dir dir;
        touch(dir / "Data/CMN/QIRA.DB");
        touch(dir / "Data/CMN/fe/eng.db");
        const QString base = text(dir.path()) + QLatin1Char('/');
        // Backslashes are separators, and each component is matched whatever its case.
        QCOMPARE(qira::resolve_game_path(base + "data\\cmn\\qira.db"), dir / "Data/CMN/QIRA.DB");
        QCOMPARE(qira::resolve_game_path(base + "data\\cmn\\fe\\ENG.db"),
                 dir / "Data/CMN/fe/eng.db");
        // A component that is not there at all stays as it was written, and so does the rest.
        QCOMPARE(qira::resolve_game_path(base + "data\\cmn\\fe\\spa.db"),
                 dir / "Data/CMN/fe/spa.db");
        QCOMPARE(qira::resolve_game_path(base + "datax\\cmn\\qira.db"), dir / "datax/cmn/qira.db");
        // An exact name wins over one that differs in case.
        touch(dir / "Data/CMN/qira.db");
        QCOMPARE(qira::resolve_game_path(base + "Data\\CMN\\qira.db"), dir / "Data/CMN/qira.db");
    }

    void relative_paths_stay_relative() {
        QCOMPARE(qira::resolve_game_path(QStringLiteral("no-such-folder\\cmn\\qira.db")),
                 fs::path("no-such-folder/cmn/qira.db"));
    }
#endif

    void registry_values_round_trip() {
        test_registry registry;
        auto key = qira::registry_key::open(qira::editor_key);
        QVERIFY(key);
        QVERIFY(!key->read(qira::language_value));
        QVERIFY(key->write(qira::language_value, QStringLiteral("3")));
        QCOMPARE(key->read(qira::language_value), QStringLiteral("3"));
        key->close();
        // Stored under the key's path and the value's name, as a text.
        QCOMPARE(registry.get(qira::editor_key, qira::language_value), QStringLiteral("3"));
        QVERIFY(!qira::registry_key_exists(qira::install_key));

        // Texts with the INI file's special characters come back as they were.
        registry.set(qira::install_key, qira::install_dir_value,
                     QStringLiteral("C:\\Games\\QIRA 2004, Gold\\"));
        auto install = qira::registry_key::open(qira::install_key);
        QVERIFY(install);
        QCOMPARE(install->read(qira::install_dir_value),
                 QStringLiteral("C:\\Games\\QIRA 2004, Gold\\"));
    }

    void registry_file_folder_is_created() {
        test_registry registry;
        const QString deep =
            QString::fromStdString((registry.folder() / "a" / "b" / "r.ini").string());
        qputenv("QIRA_REGISTRY", deep.toUtf8());
        auto key = qira::registry_key::open(qira::install_key);
        QVERIFY(key);
        key->close();
        QVERIFY(QFile::exists(deep));
        QVERIFY(qira::registry_key_exists(qira::install_key));
    }

    void numbers_convert_as_the_program_does() {
        QCOMPARE(qira::to_int(QStringLiteral("42")).value, 42);
        QCOMPARE(qira::to_int(QStringLiteral("-1")).value, -1);
        QCOMPARE(qira::to_int(QStringLiteral("2147483647")).value, 2147483647);
        for (const char* bad : {"", "abc", "l_id", "1.5", "2147483648", "0x10"}) {
            const auto r = qira::to_int(QLatin1String(bad));
            QVERIFY2(!r, bad);
            QCOMPARE(QString::fromStdString(r.message()),
                     QStringLiteral("'%1' is not a valid integer value").arg(bad));
        }
        QListWidget list;
        list.addItems({"7", "8"});
        QCOMPARE(qira::list_entry(list, 1).value, QStringLiteral("8"));
        const auto out_of_bounds = qira::list_entry(list, -1);
        QVERIFY(!out_of_bounds);
        QCOMPARE(QString::fromStdString(out_of_bounds.message()),
                 QStringLiteral("List index out of bounds (-1)"));

        // Stored numbers, as the roster lists and id fields hold them: every list reads the same.
        struct stored_case {
            const char* text;
            bool ok;
            std::uint32_t value;
        };
        for (const stored_case& c : {stored_case{"0", true, 0},
                                     {"007", true, 7},
                                     {"2147483648", true, 2147483648u},
                                     {"4294967295", true, 4294967295u},
                                     {"4294967296", false, 0},
                                     {"99999999999999999999", false, 0},
                                     {"-1", false, 0},
                                     {"+1", false, 0},
                                     {" 1", false, 0},
                                     {"1 ", false, 0},
                                     {"", false, 0},
                                     {"1e3", false, 0},
                                     {"\u0661", false, 0}}) {
            const QString text = QString::fromUtf8(c.text); // "\u0661": an Arabic-Indic one
            QListWidget numbers;
            numbers.addItem(text);
            for (const auto& r : {qira::to_stored_number(text), qira::list_number(numbers, 0)}) {
                QCOMPARE(bool(r), c.ok);
                if (c.ok)
                    QCOMPARE(r.value, c.value);
                else
                    QCOMPARE(QString::fromStdString(r.message()),
                             QStringLiteral("'%1' is not a valid integer value").arg(text));
            }
            QCOMPARE(qira::shown_row(text, 8), c.ok && c.value < 8 ? int(c.value) : -1);
        }
        QVERIFY(!qira::list_number(list, 2));
    }

    // A refusal a handler returns, or an error it raises, is shown, writes made before it stay,
    // and the program goes on.
    void handler_errors_reach_the_default_handler() {
        test_registry registry;
        recording_sink sink;
        TForm1 w(&sink);
        int written = 0;
        w.run_guarded([&]() -> qira::result {
            written = 1;
            if (const auto id = qira::to_int(QStringLiteral("t_id")); !id)
                return id.outcome();
            written = 2;
            return qira::result::success();
        });
        QCOMPARE(written, 1);
        QCOMPARE(sink.shown.size(), std::size_t{1});
        QCOMPARE(sink.shown[0].caption, QStringLiteral("QIRA DB EDITOR 2004"));
        QCOMPARE(sink.shown[0].text, QStringLiteral("'t_id' is not a valid integer value"));
        w.run_guarded([] { throw std::runtime_error("out of memory"); });
        QCOMPARE(sink.shown.size(), std::size_t{2});
        QCOMPARE(sink.shown[1].text, QStringLiteral("out of memory"));
        // A connected slot runs the same way.
        QPushButton button;
        QObject::connect(&button, &QPushButton::clicked, &w, [&] {
            w.run_guarded([&] { return qira::list_entry(*w.team->t_pl_ids, -1).outcome(); });
        });
        button.click();
        QCOMPARE(sink.shown.size(), std::size_t{3});
        QCOMPARE(sink.shown[2].text, QStringLiteral("List index out of bounds (-1)"));
    }

    void copied_tree_nodes_are_editable_copies() {
        QTreeWidget from;
        auto* league = new QTreeWidgetItem(&from, {"League"});
        auto* team = new QTreeWidgetItem(league, {"Team"});
        new QTreeWidgetItem(team, {"Ann  Roe"});
        new QTreeWidgetItem(&from, {"Empty league"});
        qira::node_tree to;
        new QTreeWidgetItem(&to, {"stale"});
        const auto nodes = qira::game_trees::copy_tree_nodes(from, to);
        QCOMPARE(to.topLevelItemCount(), 2);
        QCOMPARE(to.topLevelItem(0)->child(0)->child(0)->text(0), QStringLiteral("Ann  Roe"));
        QCOMPARE(to.topLevelItem(1)->childCount(), 0);
        QVERIFY(to.topLevelItem(0)->child(0)->child(0)->flags() & Qt::ItemIsEditable);
        // The copies in depth-first order.
        QCOMPARE(nodes.size(), std::size_t{4});
        QCOMPARE(nodes[0], to.topLevelItem(0));
        QCOMPARE(nodes[2], to.topLevelItem(0)->child(0)->child(0));
        QCOMPARE(nodes[3], to.topLevelItem(1));
        // Not linked: changing the copy leaves the original.
        to.topLevelItem(0)->child(0)->setText(0, QStringLiteral("Renamed"));
        QCOMPARE(team->text(0), QStringLiteral("Team"));
    }

    void refilled_trees_reuse_their_nodes_without_keeping_old_state() {
        // A second fill takes the nodes of the first: every node gets its new label, flags and
        // place; none keeps a child, a selection or an expansion of before.
        qira::node_tree tree;
        tree.resize(300, 400);
        QTreeWidget from;
        for (int l = 0; l < 3; ++l) {
            auto* league = new QTreeWidgetItem(&from, {QStringLiteral("L%1").arg(l)});
            for (int t = 0; t < 3; ++t)
                new QTreeWidgetItem(league, {QStringLiteral("T%1.%2").arg(l).arg(t)});
        }
        qira::game_trees::copy_tree_nodes(from, tree);
        tree.expandAll();
        tree.topLevelItem(1)->child(2)->setSelected(true);
        tree.setCurrentItem(tree.topLevelItem(2)->child(0));
        tree.topLevelItem(0)->child(0)->setText(0, QStringLiteral("edited in place"));

        QTreeWidget smaller;
        auto* only = new QTreeWidgetItem(&smaller, {QStringLiteral("One")});
        new QTreeWidgetItem(only, {QStringLiteral("Child")});
        new QTreeWidgetItem(&smaller, {QStringLiteral("Two")});
        const auto nodes = qira::game_trees::copy_tree_nodes(smaller, tree);
        QCOMPARE(nodes.size(), std::size_t{3});
        QCOMPARE(tree.topLevelItemCount(), 2);
        QCOMPARE(tree.topLevelItem(0)->text(0), QStringLiteral("One"));
        QCOMPARE(tree.topLevelItem(0)->childCount(), 1);
        QCOMPARE(tree.topLevelItem(0)->child(0)->text(0), QStringLiteral("Child"));
        QCOMPARE(tree.topLevelItem(0)->child(0)->childCount(), 0);
        QCOMPARE(tree.topLevelItem(1)->childCount(), 0);
        QVERIFY(tree.selectedItems().isEmpty());
        QCOMPARE(tree.currentItem(), nullptr);
        for (QTreeWidgetItem* node : nodes) {
            QVERIFY(!node->isSelected());
            QVERIFY(!node->isExpanded());
            QVERIFY(node->flags() & Qt::ItemIsEditable);
        }

        // A fill keeps the nodes where the shape allows and gives each its new flags.
        const QString labels[] = {"A", "A1", "A2", "B"};
        const int child_counts[] = {2, 0, 0, 0};
        const auto plain = tree.fill(labels, child_counts, qira::node_tree::plain_flags());
        QCOMPARE(plain.size(), std::size_t{4});
        QCOMPARE(tree.topLevelItemCount(), 2);
        QCOMPARE(tree.topLevelItem(0)->child(1), plain[2]);
        QCOMPARE(plain[2]->text(0), QStringLiteral("A2"));
        QCOMPARE(tree.topLevelItem(1), plain[3]);
        for (QTreeWidgetItem* node : plain)
            QVERIFY(!(node->flags() & Qt::ItemIsEditable));
        // A description that promises more children than it has nodes gets what is left.
        const int too_many[] = {9, 0, 0, 0};
        QCOMPARE(tree.fill(labels, too_many, qira::node_tree::plain_flags()).size(),
                 std::size_t{4});
        QCOMPARE(tree.topLevelItemCount(), 1);
        QCOMPARE(tree.topLevelItem(0)->childCount(), 3);
        // ... also when a child that keeps its place takes the nodes its siblings would have had.
        const QString shorter[] = {"A", "B", "C", "D"};
        const int nested[] = {3, 5, 0, 0};
        QCOMPARE(tree.topLevelItem(0)->childCount(), 3); // A keeps its place and its three
        QCOMPARE(tree.fill(shorter, nested, qira::node_tree::plain_flags()).size(), std::size_t{4});
        QCOMPARE(tree.topLevelItemCount(), 1);
        QCOMPARE(tree.topLevelItem(0)->childCount(), 1);
        QCOMPARE(tree.topLevelItem(0)->child(0)->text(0), QStringLiteral("B"));
        QCOMPARE(tree.topLevelItem(0)->child(0)->childCount(), 2);
        QCOMPARE(tree.topLevelItem(0)->child(0)->child(1)->text(0), QStringLiteral("D"));
        QVERIFY(tree.fill({}, {}, qira::node_tree::plain_flags()).empty());
        QCOMPARE(tree.topLevelItemCount(), 0);
    }
};

QTEST_MAIN(support_test)
#include "support_test.moc"
