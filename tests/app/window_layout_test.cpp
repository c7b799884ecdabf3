// The window as the handlers of every page expect it: named widgets, item lists, ranges, the
// initial state, the edit-and-spinner pairs, typing limits, and texts that fit.

#include "app_test_support.h"

#include "views/item_lists.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>

using namespace qira::test;

namespace {

QStringList items(const QComboBox* combo) {
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

// Every text-bearing widget shown on `area` gets at least the room it asks for.
void check_nothing_cut(QWidget* area, const QString& where) {
    for (auto* label : area->findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().trimmed().isEmpty())
            continue;
        if (label->wordWrap())
            QVERIFY2(label->height() >= label->heightForWidth(label->width()),
                     qPrintable(where + ": " + label->text()));
        else
            QVERIFY2(label->width() >= label->sizeHint().width() &&
                         label->height() >= label->sizeHint().height(),
                     qPrintable(where + ": " + label->text()));
    }
    for (auto* b : area->findChildren<QAbstractButton*>()) {
        if (!b->isVisible())
            continue;
        QVERIFY2(b->width() >= b->sizeHint().width() && b->height() >= b->sizeHint().height(),
                 qPrintable(where + ": " + b->text()));
    }
    for (auto* combo : area->findChildren<QComboBox*>()) {
        if (!combo->isVisible() ||
            combo->sizeAdjustPolicy() != QComboBox::AdjustToContentsOnFirstShow)
            continue;
        QVERIFY2(combo->width() >= combo->sizeHint().width(),
                 qPrintable(where + ": " + combo->objectName()));
    }
}

} // namespace

class window_layout_test : public QObject {
    Q_OBJECT

  private slots:
    // The handlers find every widget by its name; a name given twice would find the wrong one.
    void every_widget_carries_its_name_once() {
        test_registry registry;
        recording_sink sink;
        TForm1 w(&sink);
        QCOMPARE(w.objectName(), QStringLiteral("Form1"));
        const QStringList names =
            QStringLiteral(
                "Panel1 Button4 Panel3 TreeView1 main Panel2 Panel4 Edit1 Button1 Button15 Label32 "
                "cb_lng "
                "Button14 Button11 Button10 pb Image1 Image2 Image3 Image4 TabSheet1 TabSheet2 "
                "TabSheet3 TabSheet4 TabSheet5 l_name_long l_name_sh l_level l_apply l_id "
                "e_namefull "
                "e_name5 e_name10 t_prest cobo_formations cobo_attack cobo_stadium t_pl_capt "
                "t_pl_penal t_pl_ids t_pl_names t_pl_poss t_pl_nums t_apply Button2 t_id pl_rid "
                "pl_id "
                "pl_name pl_pseudo pl_sur pl_star pl_pos pl_height pl_height_p pl_weight "
                "pl_weight_p "
                "pl_haircolor pl_bootscol pl_stamina pl_stamina_p pl_pass pl_pass_p pl_tackl "
                "pl_tackl_p pl_ballcont pl_ballcont_p pl_shotacc pl_shotacc_p pl_talent pl_apply "
                "Button8 t_pl_list t_pl_num t_pl_num_p t_pl_pos Button3 xchange t_apply_1 Button5 "
                "Memo1")
                .split(QLatin1Char(' '));
        for (const QString& name : names)
            QVERIFY2(w.findChildren<QWidget*>(name).size() == 1, qPrintable(name));
        // An edit and its spinner are one control under two names.
        QCOMPARE(w.player->pl_height->parentWidget(), w.player->pl_height_p);
        QCOMPARE(w.findChild<QLineEdit*>("t_pl_num"), w.roster->t_pl_num);
    }

    void captions_pages_and_item_lists() {
        test_registry registry;
        recording_sink sink;
        TForm1 w(&sink);
        QCOMPARE(w.windowTitle(), QStringLiteral("QIRA DB EDITOR 2004"));
        const QStringList pages = {"League", "Team", "Player", "blank", "TabSheet5"};
        const QList<QWidget*> sheets = {w.league, w.team, w.player, w.roster, w.TabSheet5};
        QCOMPARE(w.main->count(), 5);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(w.main->tabText(i), pages[i]);
            QCOMPARE(w.main->widget(i), sheets[i]);
        }
        QCOMPARE(w.main->focusPolicy(), Qt::NoFocus);

        QCOMPARE(items(w.cb_lng),
                 QStringList({"English", "Espanol", "Svenska", "Francais", "Deutch", "Italiano"}));
        QCOMPARE(items(w.league->l_level),
                 QStringList({"Primier", "First", "Second", "Third", "Other"}));
        QCOMPARE(items(w.team->cobo_attack), QStringList({"Posession", "Long ball", "Wing play"}));
        QCOMPARE(w.team->cobo_attack->currentIndex(), 0);
        QCOMPARE(w.team->cobo_formations->count(), 49);
        // Both lists in full, as the game numbers them: a stored number is the item's index.
        const QStringList formations = {"Not set",
                                        "3-5-2 Attacking",
                                        "3-5-2 Defensive",
                                        "3-5-2 Neutral",
                                        "4-3-3 Neutral",
                                        "4-3-3 Defensive",
                                        "4-3-3 Attacking",
                                        "4-4-2 Neutral",
                                        "4-4-2 Defensive",
                                        "4-4-2 Attacking",
                                        "5-3-2 Neutral",
                                        "5-3-2 Defensive",
                                        "5-3-2 Attacking",
                                        "5-2-3 Neutral",
                                        "5-2-3 Defensive",
                                        "5-2-3 Attacking",
                                        "4-5-1 Neutral",
                                        "4-1-2-1-2 Neutral",
                                        "4-2-3-1 Neutral",
                                        "4-3-1-2 Neutral",
                                        "4-2-4 Neutral",
                                        "4-4-1-1 Neutral",
                                        "3-4-1-2 Neutral",
                                        "3-6-1 Neutral",
                                        "2-3-5 Neutral",
                                        "5-4-1 Neutral",
                                        "3-6-1 Attacking",
                                        "3-6-1 Defensive",
                                        "4-4-1-1 Attacking",
                                        "3-4-3 Attacking",
                                        "3-4-3 Defensive",
                                        "3-4-3 Neutral",
                                        "2-3-5 Attacking",
                                        "2-3-5 Defensive",
                                        "3-4-1-2 Attacking",
                                        "3-4-1-2 Defensive",
                                        "4-1-2-1-2 Attacking",
                                        "4-1-2-1-2 Defensive",
                                        "4-2-3-1 Attacking",
                                        "4-2-3-1 Defensive",
                                        "4-2-4 Attacking",
                                        "4-2-4 Defensive",
                                        "4-3-1-2 Attacking",
                                        "4-3-1-2 Defensive",
                                        "4-4-1-1 Defensive",
                                        "4-5-1 Attacking",
                                        "4-5-1 Defensive",
                                        "5-4-1 Attacking",
                                        "5-4-1 Defensive"};
        QCOMPARE(formations.size(), 49);
        QCOMPARE(items(w.team->cobo_formations), formations);
        const QStringList positions = {
            "GK",   "SW",  "-----", "RB", "RCB", "CB", "LCB", "LB", "-----", "RDM", "RCDM", "CDM",
            "LCDM", "LDM", "RWM",   "RM", "RCM", "CM", "LCM", "LM", "LWM",   "RAM", "RCAM", "CAM",
            "LCAM", "LAM", "RCF",   "CF", "LCF", "RS", "ST",  "LS", "Sub",   "Res"};
        QCOMPARE(positions.size(), 34);
        QCOMPARE(items(w.player->pl_pos), positions);
        QCOMPARE(items(w.roster->t_pl_pos), positions);
        QCOMPARE(items(w.player->pl_haircolor),
                 QStringList({"Black", "Brown", "Light Brown", "Fair", "Red"}));
        QCOMPARE(items(w.player->pl_bootscol),
                 QStringList({"White", "Black", "Blue", "Red", "Yellow"}));
        // Lists without a chosen entry at start, as the pages expect before a record is shown.
        for (auto* combo : {w.league->l_level, w.team->cobo_formations, w.team->cobo_stadium,
                            w.team->t_pl_capt, w.team->t_pl_penal, w.player->pl_pos,
                            w.player->pl_haircolor, w.player->pl_bootscol, w.roster->t_pl_pos})
            QVERIFY2(combo->currentIndex() == -1, qPrintable(combo->objectName()));

        const QList<QPair<QAbstractButton*, const char*>> buttons = {
            {w.Button1, "Open Database"},
            {w.Button14, "Close"},
            {w.Button11, "Save Changes"},
            {w.Button10, "Exit"},
            {w.league->l_apply, "Apply"},
            {w.team->t_apply, "Apply"},
            {w.team->Button2, "Edit team players >>>"},
            {w.player->pl_apply, "Apply"},
            {w.player->Button8, "<<< Edit Team"},
            {w.player->pl_new, "New player..."},
            {w.player->pl_delete, "Delete player"},
            {w.roster->Button3, "<-- Xchange -->"},
            {w.roster->ButtonSign, "Sign"},
            {w.roster->ButtonRelease, "Release"},
            {w.roster->ButtonSignFree, "Sign free player..."},
            {w.roster->ButtonNewPlayer, "New player..."},
            {w.roster->t_apply_1, "Apply"},
            {w.roster->Button5, "<<< Edit team"},
            {w.player->pl_star, "Star Player"}};
        for (const auto& [b, text] : buttons)
            QCOMPARE(b->text(), QLatin1String(text));
        QCOMPARE(w.Label32->text(), QStringLiteral("Language file"));
        QCOMPARE(w.Label32->buddy(), w.cb_lng);
        QVERIFY(w.Memo1->toPlainText().contains("Select leagues, teams, players on the left.\n"
                                                "And edit their parameters on the right."));
        QVERIFY(w.Memo1->toPlainText().contains("You can change leagues and teams titles for \n"
                                                "the game, but they won't change in this program"));
        QVERIFY(w.Memo1->isReadOnly());
    }

    void ranges_and_initial_state() {
        test_registry registry;
        recording_sink sink;
        TForm1 w(&sink);
        const QList<QPair<QSpinBox*, int>> spinners = {
            {w.player->pl_height_p, 200},  {w.player->pl_weight_p, 200},
            {w.player->pl_stamina_p, 100}, {w.player->pl_pass_p, 100},
            {w.player->pl_tackl_p, 100},   {w.player->pl_ballcont_p, 100},
            {w.player->pl_shotacc_p, 100}, {w.roster->t_pl_num_p, 99}};
        for (const auto& [spin, maximum] : spinners) {
            QCOMPARE(spin->minimum(), 0);
            QCOMPARE(spin->maximum(), maximum);
        }
        QCOMPARE(w.player->pl_height->maxLength(), 3);
        QCOMPARE(w.team->t_prest->maximum(), 10);
        QCOMPARE(w.team->t_prest->tickInterval(), 1);
        QCOMPARE(w.team->t_prest->pageStep(), 1);
        QCOMPARE(w.player->pl_talent->maximum(), 5);
        QCOMPARE(w.pb->minimum(), 0);
        QCOMPARE(w.pb->maximum(), 100);

        // Ball control and shot accuracy are shown, not edited.
        QVERIFY(!w.player->pl_ballcont_p->isEnabled() && !w.player->pl_ballcont->isEnabled());
        QVERIFY(!w.player->pl_shotacc_p->isEnabled() && !w.player->pl_shotacc->isEnabled());
        int disabled_labels = 0;
        for (auto* label : w.player->findChildren<QLabel*>())
            if ((label->text() == "Ball Control" || label->text() == "Shot Accuraty") &&
                !label->isEnabled())
                ++disabled_labels;
        QCOMPARE(disabled_labels, 2);

        // Hidden helpers with their first texts.
        QCOMPARE(w.league->l_id->text(), QStringLiteral("l_id"));
        QCOMPARE(w.team->t_id->text(), QStringLiteral("t_id"));
        QCOMPARE(w.player->pl_id->text(), QStringLiteral("123"));
        QCOMPARE(w.player->pl_rid->text(), QStringLiteral("123"));
        QVERIFY(w.player->pl_id->isReadOnly());
        for (QWidget* hidden : std::initializer_list<QWidget*>{
                 w.Edit1, w.league->l_id, w.team->t_id, w.player->pl_id, w.team->t_pl_ids,
                 w.team->t_pl_names, w.team->t_pl_poss, w.team->t_pl_nums, w.pb})
            QVERIFY2(hidden->isHidden(), qPrintable(hidden->objectName()));
        QVERIFY(in_no_database(w));
        QCOMPARE(w.TreeView1->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(w.TreeView1->indentation(), 19);
        QVERIFY(w.roster->xchange->editTriggers() != QAbstractItemView::NoEditTriggers);
        QCOMPARE(w.roster->xchange->indentation(), 19);
    }

    // Setting a spinner from code rewrites its edit and fires the change event (the spinner's
    // textChanged); typed text that is not a whole number in range never becomes its value.
    void spinner_and_edit_are_one_control() {
        test_registry registry;
        recording_sink sink;
        TForm1 w(&sink);
        w.show();
        w.Panel4->hide();
        w.main->setCurrentWidget(w.player);
        QSignalSpy changes(w.player->pl_height_p, &QSpinBox::textChanged);
        w.player->pl_height_p->setValue(187);
        QCOMPARE(w.player->pl_height->text(), QStringLiteral("187"));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(changes[0][0].toString(), QStringLiteral("187"));
        // The same value again changes no text and fires nothing.
        w.player->pl_height_p->setValue(187);
        QCOMPARE(changes.count(), 1);

        w.player->pl_height->setFocus();
        w.player->pl_height->selectAll();
        QTest::keyClicks(w.player->pl_height, "abc");
        QCOMPARE(w.player->pl_height_p->value(), 187);
        // An empty text is no number: the spinner keeps its value and restores the text when
        // editing ends.
        w.player->pl_height->selectAll();
        QTest::keyClick(w.player->pl_height, Qt::Key_Backspace);
        QCOMPARE(w.player->pl_height->text(), QString());
        QCOMPARE(w.player->pl_height_p->value(), 187);
        QTest::keyClick(w.player->pl_height, Qt::Key_Return);
        QCOMPARE(w.player->pl_height->text(), QStringLiteral("187"));
        // Digits that would leave the range are refused as they are typed.
        w.player->pl_height->selectAll();
        QTest::keyClicks(w.player->pl_height, "250");
        QCOMPARE(w.player->pl_height->text(), QStringLiteral("25"));
        QCOMPARE(w.player->pl_height_p->value(), 25);
        w.player->pl_height->selectAll();
        QTest::keyClicks(w.player->pl_height, "95");
        QCOMPARE(w.player->pl_height_p->value(), 95);
        QCOMPARE(changes.last()[0].toString(), QStringLiteral("95"));
        // The edit takes at most three characters.
        w.player->pl_height->selectAll();
        QTest::keyClicks(w.player->pl_height, "1234");
        QVERIFY(w.player->pl_height->text().size() <= 3);
    }

    // The 5- and 10-character names limit typing only: a longer stored name set from code is
    // kept whole, may be shortened, but never lengthened by typing.
    void typing_limits_keep_longer_texts_from_code() {
        test_registry registry;
        recording_sink sink;
        TForm1 w(&sink);
        w.show();
        w.Panel4->hide();
        w.main->setCurrentWidget(w.team);
        w.team->e_name5->setFocus();
        QTest::keyClicks(w.team->e_name5, "abcdefgh");
        QCOMPARE(w.team->e_name5->text(), QStringLiteral("abcde"));
        QTest::keyClicks(w.team->e_name10, "0123456789ABC");
        QCOMPARE(w.team->e_name10->text(), QStringLiteral("0123456789"));

        w.team->e_name5->setText(QStringLiteral("Rovers7"));
        QCOMPARE(w.team->e_name5->text(), QStringLiteral("Rovers7"));
        w.team->e_name5->setFocus();
        w.team->e_name5->end(false);
        QTest::keyClicks(w.team->e_name5, "x");
        QCOMPARE(w.team->e_name5->text(), QStringLiteral("Rovers7"));
        QTest::keyClick(w.team->e_name5, Qt::Key_Backspace);
        QCOMPARE(w.team->e_name5->text(), QStringLiteral("Rovers"));
        QTest::keyClicks(w.team->e_name5, "y");
        QCOMPARE(w.team->e_name5->text(), QStringLiteral("Rovers"));
        w.team->e_name5->selectAll();
        QTest::keyClicks(w.team->e_name5, "Abcdefg");
        QCOMPARE(w.team->e_name5->text(), QStringLiteral("Abcde"));
    }

    // The window opens at its smallest size, and every label and button gets the room its text
    // needs there, on the start screen and on each page, also with a large font.
    void smallest_size_and_nothing_cut_data() {
        QTest::addColumn<int>("point_size");
        QTest::newRow("system font") << 0;
        QTest::newRow("large font") << 15;
    }
    void smallest_size_and_nothing_cut() {
        QFETCH(int, point_size);
        const QFont original = QApplication::font();
        if (point_size > 0) {
            QFont large = original;
            large.setPointSize(point_size);
            QApplication::setFont(large);
        }
        {
            test_registry registry;
            recording_sink sink;
            TForm1 w(&sink);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            QCOMPARE(w.size(), w.minimumSize());
            check_nothing_cut(w.Panel4, "start screen");
            check_nothing_cut(w.Panel1, "top bar");
            w.Panel4->hide();
            w.Button4->show();
            for (int page = 0; page < w.main->count(); ++page) {
                w.main->setCurrentIndex(page);
                QCoreApplication::processEvents();
                check_nothing_cut(w.main->widget(page), w.main->tabText(page));
            }
            QCOMPARE(w.size(), w.minimumSize());
        }
        QApplication::setFont(original);
    }

    void controls_carry_the_names_of_their_labels() {
        test_registry registry;
        recording_sink sink;
        TForm1 w(&sink);
        // clang-format off
        const QList<QPair<QWidget*, const char*>> named = {
            {w.league->l_name_long, "Long Title"}, {w.league->l_name_sh, "Short Title"}, {w.league->l_level, "Level"},
            {w.team->e_namefull, "Name long"}, {w.team->e_name5, "Name (5)"}, {w.team->e_name10, "Name (10)"},
            {w.team->t_prest, "Team prestige"}, {w.team->cobo_formations, "Formation"},
            {w.team->cobo_attack, "Attack style"}, {w.team->cobo_stadium, "Stadium"},
            {w.team->t_pl_capt, "Captain"}, {w.team->t_pl_penal, "Penaltist"}, {w.player->pl_name, "Name"},
            {w.player->pl_pseudo, "Pseudonym"}, {w.player->pl_sur, "Surname"}, {w.player->pl_pos, "Preferred position"},
            {w.player->pl_height_p, "Height"}, {w.player->pl_weight_p, "Weight"}, {w.player->pl_haircolor, "Hair color"},
            {w.player->pl_bootscol, "Boots color"}, {w.player->pl_stamina_p, "Stamina"},
            {w.player->pl_ballcont_p, "Ball Control"}, {w.player->pl_pass_p, "Passing"},
            {w.player->pl_tackl_p, "Tackling"}, {w.player->pl_shotacc_p, "Shot Accuraty"},
            {w.player->pl_talent, "Talent"}, {w.roster->t_pl_num_p, "Jersey number"}, {w.roster->t_pl_pos, "Position"},
            {w.cb_lng, "Language file"}, {w.TreeView1, "Leagues, teams and players"},
            {w.roster->xchange, "Exchange with"}, {w.roster->t_pl_list, "Team players"}};
        // clang-format on
        for (const auto& [control, name] : named) {
            QCOMPARE(control->accessibleName(), QLatin1String(name));
            bool has_buddy_label = control == w.TreeView1 || control == w.roster->xchange ||
                                   control == w.roster->t_pl_list;
            for (auto* label : w.findChildren<QLabel*>())
                has_buddy_label = has_buddy_label || (label->buddy() == control &&
                                                      label->text() == QLatin1String(name));
            QVERIFY2(has_buddy_label, name);
        }
    }
};

QTEST_MAIN(window_layout_test)
#include "window_layout_test.moc"
