// The window from the keyboard and for assistive tools: every control named in the accessible
// tree with its role, hidden helpers kept out of it, the tab order of each page, the tree's
// keyboard moves, Enter on a button, and the keys that press a page's "Apply".

#include "app_test_support.h"

#include "app/registry.h"
#include "views/player_page.h"
#include "views/widgets.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

#include <future>
#include <map>
#include <memory>
#include <thread>

using namespace qira::test;

namespace {

// A window opened on a test install of its own, shown and active so that the focus moves.
struct fixture {
    test_registry registry;
    temp_dir install;
    recording_sink sink;
    std::unique_ptr<TForm1> window;

    fixture() {
        write_test_install(install.path(), test_database());
        registry.set(qira::install_key, qira::install_dir_value, install_dir_text(install.path()));
        window = std::make_unique<TForm1>(&sink);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        window->Button1->click();
        QVERIFY2(in_editing(*window), qPrintable(sink.all()));
    }
    TForm1& w() { return *window; }

    // The first node (depth-first) at this level of the tree.
    QTreeWidgetItem* first_node(int level) const {
        for (QTreeWidgetItem* n : window->tree_nodes) {
            int depth = 0;
            for (auto* p = n->parent(); p; p = p->parent())
                ++depth;
            if (depth == level)
                return n;
        }
        return nullptr;
    }
    // Shows the page of the league (0), team (1) or player (2) page by selecting its first node.
    void show_node_page(int level) {
        QTreeWidgetItem* node = first_node(level);
        QVERIFY(node);
        // From no node, so that the selection changes even when the node was selected already.
        window->TreeView1->setCurrentItem(nullptr);
        window->TreeView1->setCurrentItem(node);
        QCOMPARE(window->main->currentIndex(), level);
    }
    void show_roster_page() {
        show_node_page(1);
        window->team->Button2->click();
        QCOMPARE(window->main->currentWidget(), window->roster);
    }
};

// What the accessible tree reports of one object.
struct reported {
    QString name;
    QAccessible::Role role;
    QAccessible::State state;
};

// Walks the accessible tree below `root` and records every interface that stands for a widget.
void walk(QAccessibleInterface* root, std::map<const QObject*, reported>& found, int depth = 0) {
    QVERIFY(depth < 64);
    if (!root || !root->isValid())
        return;
    if (QObject* object = root->object())
        found.emplace(object, reported{root->text(QAccessible::Name), root->role(), root->state()});
    for (int i = 0; i < root->childCount(); ++i)
        walk(root->child(i), found, depth + 1);
}

std::map<const QObject*, reported> accessible_tree(QWidget& window) {
    std::map<const QObject*, reported> found;
    walk(QAccessible::queryAccessibleInterface(&window), found);
    return found;
}

// The widget that receives the focus when `control` is given it (a spinner's text field).
QWidget* focus_target(QWidget* control) {
    while (control->focusProxy())
        control = control->focusProxy();
    return control;
}

QString name_of(const QWidget* widget) {
    return widget ? widget->objectName() : QStringLiteral("(none)");
}

// Gives the first control the focus and presses Tab (or Shift+Tab with `back`) from control to
// control, comparing where the focus lands with `order`.
void check_tab_order(const QList<QWidget*>& order, bool back) {
    const Qt::KeyboardModifiers modifiers = back ? Qt::ShiftModifier : Qt::NoModifier;
    const Qt::Key key = back ? Qt::Key_Backtab : Qt::Key_Tab;
    focus_target(order.front())->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    QCOMPARE(name_of(QApplication::focusWidget()), name_of(focus_target(order.front())));
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        QCOMPARE(name_of(QApplication::focusWidget()), name_of(focus_target(order[i])));
    }
}

struct page_keys {
    QString page;
    QWidget* sheet;
    QList<QWidget*> order; // from the first control to "Apply"
    QPushButton* apply;
};

// The player page's values in the order of its list (the shown-only skills, disabled, skipped),
// then its buttons.
QList<QWidget*> player_order(TForm1& w) {
    QList<QWidget*> order;
    for (const qira::page_field& e : qira::player_page::fields())
        if (e.writes)
            order << w.player->field_control_named(e.name);
    return order << w.player->Button8 << w.player->pl_new << w.player->pl_delete
                 << w.player->pl_apply;
}

QList<page_keys> pages(TForm1& w) {
    return {
        {"League",
         w.league,
         {w.league->l_name_long, w.league->l_name_sh, w.league->l_level, w.league->l_apply},
         w.league->l_apply},
        {"Team",
         w.team,
         {w.team->e_namefull, w.team->e_name5, w.team->e_name10, w.team->t_prest,
          w.team->cobo_formations, w.team->cobo_attack, w.team->cobo_stadium, w.team->t_pl_capt,
          w.team->t_pl_penal, w.team->Button2, w.team->t_apply},
         w.team->t_apply},
        {"Player", w.player, player_order(w), w.player->pl_apply},
        {"Roster",
         w.roster,
         {w.roster->t_pl_list, w.roster->t_pl_num_p, w.roster->t_pl_pos, w.roster->Button3,
          w.roster->ButtonSign, w.roster->ButtonRelease, w.roster->ButtonSignFree,
          w.roster->ButtonNewPlayer, w.roster->xchange_find->field, w.roster->xchange_find->clear,
          w.roster->xchange, w.roster->Button5, w.roster->t_apply_1},
         w.roster->t_apply_1},
    };
}

void show_page(fixture& f, const page_keys& page) {
    if (page.sheet == f.w().roster)
        f.show_roster_page();
    else
        f.show_node_page(f.w().main->indexOf(page.sheet));
    QCOMPARE(f.w().main->currentWidget(), page.sheet);
}

// What the page shown shows, to compare a keyboard move with a click.
QStringList shown(const TForm1& w) {
    QStringList texts = {QString::number(w.main->currentIndex())};
    if (w.main->currentWidget() == w.league)
        texts << w.league->l_name_long->text() << w.league->l_name_sh->text()
              << w.league->l_level->currentText();
    else if (w.main->currentWidget() == w.team)
        texts << w.team->e_namefull->text() << w.team->e_name5->text()
              << w.team->cobo_stadium->currentText() << QString::number(w.team->t_pl_names->count())
              << w.team->t_pl_capt->currentText();
    else if (w.main->currentWidget() == w.player)
        texts << w.player->pl_name->text() << w.player->pl_sur->text() << w.player->pl_rid->text()
              << w.player->pl_pos->currentText() << QString::number(w.player->pl_height_p->value());
    return texts;
}

} // namespace

class accessibility_test : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QAccessible::setActive(true); }

    // Every edit, spinner, drop-down, track bar, check box, list and tree is in the accessible
    // tree under the caption of its label and with the role of its kind; the hidden helpers are
    // not shown to assistive tools, nor can they take the focus.
    void every_control_is_named_with_its_role() {
        fixture f;
        TForm1& w = f.w();
        using R = QAccessible::Role;
        struct expected {
            QWidget* control;
            const char* name;
            R role;
        };
        // clang-format off
        const QList<expected> controls = {
            {w.league->l_name_long, "Long Title", R::EditableText},
            {w.league->l_name_sh, "Short Title", R::EditableText},
            {w.league->l_level, "Level", R::ComboBox},
            {w.team->e_namefull, "Name long", R::EditableText},
            {w.team->e_name5, "Name (5)", R::EditableText},
            {w.team->e_name10, "Name (10)", R::EditableText},
            {w.team->t_prest, "Team prestige", R::Slider},
            {w.team->cobo_formations, "Formation", R::ComboBox},
            {w.team->cobo_attack, "Attack style", R::ComboBox},
            {w.team->cobo_stadium, "Stadium", R::ComboBox},
            {w.team->t_pl_capt, "Captain", R::ComboBox},
            {w.team->t_pl_penal, "Penaltist", R::ComboBox},
            {w.player->pl_name, "Name", R::EditableText},
            {w.player->pl_pseudo, "Pseudonym", R::EditableText},
            {w.player->pl_sur, "Surname", R::EditableText},
            {w.player->pl_pos, "Preferred position", R::ComboBox},
            {w.player->pl_height_p, "Height", R::SpinBox},
            {w.player->pl_weight_p, "Weight", R::SpinBox},
            {w.player->pl_haircolor, "Hair color", R::ComboBox},
            {w.player->pl_bootscol, "Boots color", R::ComboBox},
            {w.player->pl_stamina_p, "Stamina", R::SpinBox},
            {w.player->pl_ballcont_p, "Ball Control", R::SpinBox},
            {w.player->pl_pass_p, "Passing", R::SpinBox},
            {w.player->pl_tackl_p, "Tackling", R::SpinBox},
            {w.player->pl_shotacc_p, "Shot Accuraty", R::SpinBox},
            {w.player->pl_talent, "Talent", R::Slider},
            {w.player->pl_star, "Star Player", R::CheckBox},
            {w.roster->t_pl_num_p, "Jersey number", R::SpinBox},
            {w.roster->t_pl_pos, "Position", R::ComboBox},
            {w.cb_lng, "Language file", R::ComboBox},
            {w.TreeView1, "Leagues, teams and players", R::Tree},
            {w.roster->xchange, "Exchange with", R::Tree},
            {w.roster->t_pl_list, "Team players", R::List},
        };
        // clang-format on
        // The team page's drop-downs hold a chosen entry.
        f.show_node_page(1);
        const auto found = accessible_tree(w);
        for (const auto& [control, name, role] : controls) {
            const auto it = found.find(control);
            QVERIFY2(it != found.end(), qPrintable(control->objectName()));
            QCOMPARE(control->accessibleName(), QLatin1String(name));
            QVERIFY2(it->second.role == role, qPrintable(control->objectName()));
            if (role == R::ComboBox && it->second.name != QLatin1String(name)) {
                // On Unix Qt reports a drop-down's chosen entry as its name; assistive tools
                // take the caption from the label relation, checked below.
                const auto* combo = qobject_cast<QComboBox*>(control);
                QVERIFY(combo && combo->currentIndex() >= 0);
                QCOMPARE(it->second.name, combo->currentText());
            } else {
                QCOMPARE(it->second.name, QLatin1String(name));
            }
            // The label is reported as the control's label.
            if (control != w.player->pl_star && control != w.TreeView1 &&
                control != w.roster->xchange && control != w.roster->t_pl_list) {
                QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
                bool labelled = false;
                for (const auto& [other, relation] : iface->relations(QAccessible::Label))
                    labelled = labelled || other->text(QAccessible::Name) == QLatin1String(name);
                QVERIFY2(labelled, name);
            }
        }
        // A spinner's text field is the same control under the same name.
        for (QLineEdit* e : {w.player->pl_height, w.player->pl_weight, w.player->pl_stamina,
                             w.player->pl_pass, w.player->pl_tackl, w.player->pl_ballcont,
                             w.player->pl_shotacc, w.roster->t_pl_num}) {
            const auto it = found.find(e);
            if (it != found.end())
                QCOMPARE(it->second.name, e->parentWidget()->accessibleName());
        }
        // The buttons by their captions.
        for (QPushButton* b :
             {w.league->l_apply, w.team->t_apply, w.player->pl_apply, w.roster->t_apply_1,
              w.team->Button2, w.roster->Button3, w.roster->ButtonSign, w.roster->ButtonRelease,
              w.roster->ButtonSignFree, w.roster->ButtonNewPlayer, w.player->pl_new,
              w.player->pl_delete, w.ButtonCheck, w.Button4, w.roster->Button5,
              w.player->Button8}) {
            const auto it = found.find(b);
            QVERIFY2(it != found.end(), qPrintable(b->objectName()));
            QCOMPARE(it->second.name, b->text());
            QVERIFY(it->second.role == R::Button);
        }

        for (QWidget* hidden : std::initializer_list<QWidget*>{
                 w.Edit1, w.league->l_id, w.team->t_id, w.player->pl_id, w.team->t_pl_ids,
                 w.team->t_pl_names, w.team->t_pl_nums, w.team->t_pl_poss}) {
            QCOMPARE(hidden->focusPolicy(), Qt::NoFocus);
            const auto it = found.find(hidden);
            if (it == found.end())
                continue;
            QVERIFY2(it->second.state.invisible, qPrintable(hidden->objectName()));
            QVERIFY2(!it->second.state.focusable, qPrintable(hidden->objectName()));
        }
        // The hidden helpers are hidden on every page, unlike the controls of the page shown.
        for (int page = 0; page < 4; ++page) {
            w.main->setCurrentIndex(page);
            const auto now = accessible_tree(w);
            for (QWidget* hidden :
                 {static_cast<QWidget*>(w.league->l_id), static_cast<QWidget*>(w.team->t_id),
                  static_cast<QWidget*>(w.player->pl_id)}) {
                const auto it = now.find(hidden);
                QVERIFY(it == now.end() || it->second.state.invisible);
            }
        }
        w.main->setCurrentWidget(w.player);
        const auto player_page = accessible_tree(w);
        QVERIFY(!player_page.at(w.player->pl_name).state.invisible);
        QVERIFY(player_page.at(w.player->pl_name).state.focusable);
        QVERIFY(player_page.at(w.league->l_name_long).state.invisible);
    }

    // Tab goes from the tree to the page shown, through its controls top to bottom and left to
    // right with "Apply" last, then on to the top bar and back to the tree; Shift+Tab goes the
    // same way back.
    void tab_goes_through_each_page_in_order() {
        fixture f;
        TForm1& w = f.w();
        for (const page_keys& page : pages(w)) {
            show_page(f, page);
            if (QTest::currentTestFailed())
                return;
            QList<QWidget*> cycle = {w.TreeView1};
            // (The undo buttons are disabled while there is nothing to undo or redo.)
            cycle << page.order << w.Button4 << w.ButtonTables << w.ButtonCheck
                  << w.TreeView1Find->field << w.TreeView1Find->clear << w.TreeView1;
            check_tab_order(cycle, false);
            if (QTest::currentTestFailed()) {
                qWarning("%s on the %s page", "forwards", qPrintable(page.page));
                return;
            }
            QList<QWidget*> reverse;
            for (qsizetype i = cycle.size() - 1; i >= 0; --i)
                reverse << cycle[i];
            check_tab_order(reverse, true);
            if (QTest::currentTestFailed()) {
                qWarning("%s on the %s page", "backwards", qPrintable(page.page));
                return;
            }
        }
    }

    // Up, Down and Right in the tree show each node's page with what a click on the node shows.
    void tree_keys_show_pages_as_a_click_does() {
        fixture f;
        TForm1& w = f.w();
        QTreeWidget* tree = w.TreeView1;
        tree->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), tree);
        tree->setCurrentItem(tree->topLevelItem(1)); // the second league: page 0
        QCOMPARE(w.main->currentIndex(), 0);
        QCOMPARE(w.league->l_name_long->text(), QStringLiteral("League title eng"));

        // The first league, its first team, that team's first player, then the second player.
        QList<QTreeWidgetItem*> visited;
        QList<QStringList> by_keys;
        const auto step = [&](Qt::Key key) {
            QTest::keyClick(tree, key);
            visited << tree->currentItem();
            by_keys << shown(w);
        };
        step(Qt::Key_Up);
        QCOMPARE(tree->currentItem(), tree->topLevelItem(0));
        QCOMPARE(w.main->currentIndex(), 0);
        QTest::keyClick(tree, Qt::Key_Right); // opens the league
        QVERIFY(tree->topLevelItem(0)->isExpanded());
        step(Qt::Key_Down);
        QCOMPARE(tree->currentItem(), tree->topLevelItem(0)->child(0));
        QCOMPARE(w.main->currentIndex(), 1);
        QCOMPARE(w.team->e_namefull->text(), QStringLiteral("Team name eng"));
        QTest::keyClick(tree, Qt::Key_Right);
        step(Qt::Key_Down);
        QCOMPARE(tree->currentItem(), tree->topLevelItem(0)->child(0)->child(0));
        QCOMPARE(w.main->currentIndex(), 2);
        QCOMPARE(w.player->pl_name->text(), QStringLiteral("First0"));
        step(Qt::Key_Down);
        QCOMPARE(w.main->currentIndex(), 2);
        QCOMPARE(w.player->pl_name->text(), QStringLiteral("First2"));
        QCOMPARE(f.sink.shown.size(), std::size_t{0});

        // The same nodes clicked, each after another node, show the same.
        for (qsizetype i = 0; i < visited.size(); ++i) {
            QTreeWidgetItem* before = visited[(i + 1) % visited.size()];
            for (QTreeWidgetItem* node : {before, visited[i]}) {
                const QRect cell = tree->visualItemRect(node);
                QVERIFY(cell.isValid());
                QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, cell.center());
                QCOMPARE(tree->currentItem(), node);
            }
            QCOMPARE(shown(w), by_keys[i]);
        }
    }

    // Enter or Return on a focused button presses it.
    void enter_presses_the_focused_button() {
        fixture f;
        TForm1& w = f.w();
        for (const page_keys& page : pages(w)) {
            show_page(f, page);
            if (QTest::currentTestFailed())
                return;
            QVERIFY(page.apply->autoDefault());
            page.apply->setFocus(Qt::TabFocusReason);
            QSignalSpy pressed(page.apply, &QPushButton::clicked);
            QTest::keyClick(page.apply, Qt::Key_Return);
            QTest::keyClick(page.apply, Qt::Key_Enter);
            QVERIFY2(pressed.count() == 2, qPrintable(page.page));
        }
        // "Edit team players >>>" from the keyboard opens the roster.
        f.show_node_page(1);
        w.team->Button2->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.team->Button2, Qt::Key_Return);
        QCOMPARE(w.main->currentWidget(), w.roster);
        // "Finish Editing..." from the keyboard goes to the start screen.
        w.Button4->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.Button4, Qt::Key_Return);
        QVERIFY(in_start_over_open(w));
    }

    // Alt+A, Ctrl+Return and Ctrl+Enter press the "Apply" of the page that holds the focus, from
    // any of its controls, and no other page's.
    void apply_keys_press_the_page_apply_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Alt+A") << int(Qt::Key_A) << int(Qt::AltModifier);
        QTest::newRow("Ctrl+Return") << int(Qt::Key_Return) << int(Qt::ControlModifier);
        QTest::newRow("Ctrl+Enter")
            << int(Qt::Key_Enter) << int(Qt::ControlModifier | Qt::KeypadModifier);
    }
    void apply_keys_press_the_page_apply() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        fixture f;
        TForm1& w = f.w();
        const QList<page_keys> all = pages(w);
        for (const page_keys& page : all) {
            show_page(f, page);
            if (QTest::currentTestFailed())
                return;
            for (QWidget* control : page.order) {
                if (!control->isEnabled())
                    continue;
                std::vector<std::unique_ptr<QSignalSpy>> spies;
                for (const page_keys& other : all)
                    spies.push_back(
                        std::make_unique<QSignalSpy>(other.apply, &QPushButton::clicked));
                focus_target(control)->setFocus(Qt::TabFocusReason);
                QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key),
                                Qt::KeyboardModifiers(modifiers));
                QCOMPARE(w.main->currentWidget(), page.sheet);
                for (qsizetype i = 0; i < all.size(); ++i)
                    QVERIFY2(spies[static_cast<std::size_t>(i)]->count() ==
                                 (all[i].apply == page.apply ? 1 : 0),
                             qPrintable(page.page + QLatin1String(": ") + control->objectName() +
                                        QLatin1String(" / ") + all[i].apply->objectName()));
            }
        }
        // The applied edit counts: Ctrl+Return on the league page applies the typed title.
        f.show_node_page(0);
        w.league->l_name_long->setFocus(Qt::TabFocusReason);
        w.league->l_name_long->selectAll();
        QTest::keyClicks(w.league->l_name_long, "Renamed");
        QTest::keyClick(w.league->l_name_long, Qt::Key_Return, Qt::ControlModifier);
        QVERIFY(w.has_unsaved_changes());
        QVERIFY2(f.sink.shown.empty(), qPrintable(f.sink.all()));
    }

    // A status line reads as its text on the bus (its label only describes it): the player
    // page's after New player and Delete player, the window's after a save, those of the tables
    // and check windows. (Its changes are told to the bus as name and value changes; the
    // offscreen platform has no active bus to record them.)
    // Work that takes a while runs off the window's thread: after half a second a modal busy
    // dialog shows, named for the reader with what is being done, while the window keeps painting.
    void long_work_shows_a_named_busy_dialog() {
        std::promise<void> release;
        std::shared_future<void> released = release.get_future().share();
        QString shown;
        QTimer::singleShot(800, [&] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<QProgressDialog*>(top); d && d->isVisible())
                    shown = d->accessibleName();
            release.set_value();
        });
        std::thread::id ran_on;
        qira::run_with_progress(nullptr, QStringLiteral("Reading mod.json..."), [&] {
            released.wait();
            ran_on = std::this_thread::get_id();
        });
        QCOMPARE(shown, QStringLiteral("Reading mod.json..."));
        QVERIFY(ran_on != std::this_thread::get_id());
    }

    void status_lines_read_their_text() {
        fixture f;
        TForm1& w = f.w();
        const auto reads_as_shown = [](QLabel* line, const char* description) {
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(line);
            return iface && !line->text().trimmed().isEmpty() &&
                   iface->text(QAccessible::Name) == line->text() &&
                   iface->text(QAccessible::Value) == line->text() &&
                   iface->text(QAccessible::Description) == QLatin1String(description) &&
                   iface->role() == QAccessible::StatusBar;
        };
        f.show_node_page(2);
        w.player->ask_names = [](const QString&, const qira::player_names&) {
            return std::optional(qira::player_names{"Nils", "", "Holm"});
        };
        w.player->pl_new->click();
        QVERIFY(w.player->pl_status->text().startsWith(QStringLiteral("New player")));
        QVERIFY(reads_as_shown(w.player->pl_status, "Player status"));
        w.player->pl_delete->click();
        QVERIFY(w.player->pl_status->text().startsWith(QStringLiteral("Deleted")));
        QVERIFY(reads_as_shown(w.player->pl_status, "Player status"));
        w.Button11->click();
        QVERIFY(reads_as_shown(w.save_status, "Status"));
        w.ButtonTables->click();
        QVERIFY(w.tables);
        w.tables->all_filter->setText(QStringLiteral("1"));
        QVERIFY(reads_as_shown(w.tables->row_count, "Rows shown"));
        w.tables->fill_cells(QStringLiteral("1")); // nothing chosen: refused on the line
        QVERIFY(reads_as_shown(w.tables->status, "Tables status"));
        w.ButtonCheck->click();
        QVERIFY(w.check);
        QVERIFY(reads_as_shown(w.check->check_summary, "Check summary"));
    }

    // With the focus in the tree, the keys press no page's "Apply".
    void apply_keys_do_nothing_outside_the_pages() {
        fixture f;
        TForm1& w = f.w();
        f.show_node_page(2);
        QSignalSpy pressed(w.player->pl_apply, &QPushButton::clicked);
        w.TreeView1->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.TreeView1, Qt::Key_A, Qt::AltModifier);
        QTest::keyClick(w.TreeView1, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(pressed.count(), 0);
        QVERIFY(!w.has_unsaved_changes());
    }
};

QTEST_MAIN(accessibility_test)
#include "accessibility_test.moc"
