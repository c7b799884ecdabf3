// The window's widgets and their arrangement. The handlers are in main_commands.cpp (start screen
// and top bar) and in views/ (the tree and the pages).

#include "app/main_window.h"

#include "app/artwork.h"
#include "app/item_lists.h"
#include "app/widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

template <typename Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A label for `control`: the control's buddy, so that its accessible name and the focus follow
// from the label.
QLabel* caption(const QString& text, QWidget* control, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(control);
    control->setAccessibleName(text);
    return label;
}

QPushButton* button(const char* name, const QString& text, QWidget* parent) {
    auto* b = named(new QPushButton(text, parent), name);
    b->setAutoDefault(true); // Enter on a focused button presses it
    return b;
}

QLineEdit* edit(const char* name, QWidget* parent) {
    return named(new QLineEdit(parent), name);
}

// An edit that only remembers a text for the handlers; never seen, never focused.
QLineEdit* hidden_edit(const char* name, const QString& text, QWidget* parent) {
    auto* e = named(new QLineEdit(text, parent), name);
    e->setFocusPolicy(Qt::NoFocus);
    e->hide();
    return e;
}

QListWidget* hidden_list(const char* name, QWidget* parent) {
    auto* list = named(new QListWidget(parent), name);
    list->setFocusPolicy(Qt::NoFocus);
    list->hide();
    return list;
}

QComboBox* drop_down(const char* name, const QStringList& items, QWidget* parent) {
    auto* combo = named(new QComboBox(parent), name);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setMaxVisibleItems(20);
    return combo;
}

QSlider* track_bar(const char* name, int maximum, QWidget* parent) {
    auto* slider = named(new QSlider(Qt::Horizontal, parent), name);
    slider->setRange(0, maximum);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setTickInterval(1);
    slider->setTickPosition(QSlider::TicksBelow);
    return slider;
}

// An edit with its attached spinner; see qira::spin_edit.
QSpinBox* spinner(const char* edit_name, const char* spin_name, int maximum, QWidget* parent,
                  QLineEdit*& edit_member) {
    auto* spin = named(new qira::spin_edit(0, maximum, parent), spin_name);
    edit_member = named(spin->edit(), edit_name);
    return spin;
}

QLabel* picture(const char* name, const QPixmap& pixmap, QWidget* parent) {
    auto* label = named(new QLabel(parent), name);
    label->setPixmap(pixmap);
    label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return label;
}

QFrame* panel(const char* name, bool white, QWidget* parent) {
    auto* frame = named(new QFrame(parent), name);
    frame->setFrameShape(QFrame::NoFrame);
    if (white) {
        frame->setAutoFillBackground(true);
        QPalette palette = frame->palette();
        palette.setColor(QPalette::Window, Qt::white);
        frame->setPalette(palette);
    }
    return frame;
}

// Keeps its place in the layout while hidden, so that nothing moves when it appears.
void keep_place(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

QHBoxLayout* button_row(std::initializer_list<QWidget*> left,
                        std::initializer_list<QWidget*> right) {
    auto* row = new QHBoxLayout;
    for (auto* w : left)
        row->addWidget(w);
    row->addStretch(1);
    for (auto* w : right)
        row->addWidget(w);
    return row;
}

// Tab moves through `controls` in this order.
void tab_chain(std::initializer_list<QWidget*> controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

// Alt+A and Ctrl+Return (also with the keypad's Enter) press the page's "Apply" while the focus
// is anywhere on the page; a disabled "Apply" stays unpressed.
void apply_keys(QWidget* page, QPushButton* apply) {
    for (const QKeySequence& keys :
         {QKeySequence(Qt::ALT | Qt::Key_A), QKeySequence(Qt::CTRL | Qt::Key_Return),
          QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(keys, page);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        QObject::connect(shortcut, &QShortcut::activated, apply, &QPushButton::click);
    }
}

void set_keyboard_access(TForm1& w) {
    // Each page top to bottom, a column of the player page before the next, the buttons of the
    // bottom row left to right, "Apply" last. Around the pages: the top bar, the start screen's
    // commands or the tree, then the page shown.
    tab_chain({w.Button4, w.Button1, w.Button15, w.cb_lng, w.Button14, w.Button11, w.Button10,
               w.TreeView1});
    tab_chain({w.TreeView1, w.l_name_long, w.l_name_sh, w.l_level, w.l_apply});
    tab_chain({w.l_apply, w.e_namefull, w.e_name5, w.e_name10, w.t_prest, w.cobo_formations,
               w.cobo_attack, w.cobo_stadium, w.t_pl_capt, w.t_pl_penal, w.Button2, w.t_apply});
    tab_chain({w.t_apply, w.pl_name, w.pl_pseudo, w.pl_sur, w.pl_pos, w.pl_height_p, w.pl_weight_p,
               w.pl_haircolor, w.pl_bootscol, w.pl_star, w.pl_stamina_p, w.pl_pass_p, w.pl_tackl_p,
               w.pl_ballcont_p, w.pl_shotacc_p, w.pl_talent, w.Button8, w.pl_apply});
    tab_chain({w.pl_apply, w.t_pl_list, w.t_pl_num_p, w.t_pl_pos, w.Button3, w.xchange, w.Button5,
               w.t_apply_1});
    tab_chain({w.t_apply_1, w.Memo1});
    apply_keys(w.TabSheet1, w.l_apply);
    apply_keys(w.TabSheet2, w.t_apply);
    apply_keys(w.TabSheet3, w.pl_apply);
    apply_keys(w.TabSheet4, w.t_apply_1);
}

const char* const hints_text = "Select leagues, teams, players on the left.\n"
                               "And edit their parameters on the right.\n"
                               "Don't forget to click 'Apply' button to save changes made.\n"
                               "\n"
                               "Click 'Finish Editing' on the top-left corner to\n"
                               "exit to the main screen (you can finally save all your\n"
                               "editions there by pressing 'Save Changes')\n"
                               "\n"
                               "You can change leagues and teams titles for \n"
                               "the game, but they won't change in this program";

} // namespace

TForm1::TForm1(qira::message_sink* messages, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowMinimizeButtonHint) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QLatin1String(qira::app_title));
    set_message_sink(messages);

    // Created in tab order: top bar, start screen, tree, then the pages.
    build_top_bar();
    Panel3 = panel("Panel3", false, this);
    Panel3->setFixedHeight(6);
    build_start_screen();
    TreeView1 = named(new qira::node_tree(this), "TreeView1");
    TreeView1->setHeaderHidden(true);
    TreeView1->setIndentation(19);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setMinimumWidth(227);
    TreeView1->setAccessibleName(QStringLiteral("Leagues, teams and players"));
    keep_place(TreeView1);
    main = named(new QTabWidget(this), "main");
    main->setFocusPolicy(Qt::NoFocus);
    main->tabBar()->setFocusPolicy(Qt::NoFocus);
    build_league_page();
    build_team_page();
    build_player_page();
    build_roster_page();
    build_hints_page();
    Panel2 = panel("Panel2", false, this);
    {
        auto* line = new QFrame(Panel2);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        auto* strip = new QVBoxLayout(Panel2);
        strip->setContentsMargins(4, 4, 4, 4);
        strip->addWidget(line);
    }
    Edit1 = hidden_edit("Edit1", QStringLiteral("C:\\Games\\QIRA 2004\\data\\cmn\\qira.db"), this);

    build_layout();
    set_keyboard_access(*this);
    connect_handlers();
    run_guarded([this] { FormCreate(); });
}

TForm1::~TForm1() = default;

void TForm1::set_message_sink(qira::message_sink* messages) {
    if (messages) {
        messages_ = messages;
        return;
    }
    if (!own_messages_)
        own_messages_ = std::make_unique<qira::dialog_message_sink>(this);
    messages_ = own_messages_.get();
}

void TForm1::build_top_bar() {
    const qreal ratio = qApp->devicePixelRatio();
    Panel1 = panel("Panel1", true, this);
    Button4 = button("Button4", QStringLiteral("Continue Editing..."), Panel1);
    // Wide enough for both of its captions.
    Button4->setMinimumWidth(Button4->sizeHint().width());
    Button4->setText(QStringLiteral("Finish Editing..."));
    Button4->hide();
    keep_place(Button4);
    Image1 = picture("Image1", qira::banner_left(ratio), Panel1);
    Image4 = picture("Image4", qira::banner_right(ratio), Panel1);
    auto* bar = new QHBoxLayout(Panel1);
    bar->setContentsMargins(8, 4, 0, 4);
    bar->addWidget(Button4);
    bar->addSpacing(12);
    bar->addWidget(Image1);
    bar->addStretch(1);
    bar->addWidget(Image4);
}

void TForm1::build_start_screen() {
    const qreal ratio = qApp->devicePixelRatio();
    Panel4 = panel("Panel4", true, this);
    keep_place(Panel4);
    Image3 = picture("Image3", qira::start_title(ratio), Panel4);
    Image2 = picture("Image2", qira::start_logo(ratio), Panel4);
    auto* about = new QLabel(
        QStringLiteral("An editor for the data files of QIRA 2004.\n"
                       "It changes the leagues, teams and players of an installed game:\n"
                       "titles and names, formations, stadiums, captains, squad numbers\n"
                       "and player attributes, and players can change teams."),
        Panel4);
    auto* disclaimer = new QLabel(
        QStringLiteral("This program is not made or supported by the makers of the game.\n"
                       "Keep a copy of the data\\cmn folder before you save changes."),
        Panel4);
    QPalette grey = disclaimer->palette();
    grey.setColor(QPalette::WindowText, QColor(96, 96, 96));
    disclaimer->setPalette(grey);

    Button1 = button("Button1", QStringLiteral("Open Database"), Panel4);
    Button15 = button("Button15", QStringLiteral("Game folder..."), Panel4);
    Button15->setAccessibleName(QStringLiteral("Choose the game's folder"));
    cb_lng = drop_down("cb_lng", qira::language_items(), Panel4);
    Label32 = named(caption(QStringLiteral("Language file"), cb_lng, Panel4), "Label32");
    Button14 = button("Button14", QStringLiteral("Close"), Panel4);
    Button14->setEnabled(false);
    Button11 = button("Button11", QStringLiteral("Save Changes"), Panel4);
    Button11->setEnabled(false);
    Button10 = button("Button10", QStringLiteral("Exit"), Panel4);
    pb = named(new QProgressBar(Panel4), "pb");
    pb->setRange(0, 100);
    pb->setValue(0);
    pb->setTextVisible(false);
    pb->setFixedHeight(10);
    pb->hide();
    keep_place(pb);
    save_status = named(new QLabel(Panel4), "save_status");
    save_status->setText(QStringLiteral(" "));

    auto* screen = new QVBoxLayout(Panel4);
    screen->setContentsMargins(24, 16, 24, 12);
    screen->addWidget(Image3, 0, Qt::AlignHCenter);
    screen->addSpacing(12);
    auto* info = new QHBoxLayout;
    info->addWidget(Image2, 0, Qt::AlignTop);
    info->addSpacing(16);
    auto* texts = new QVBoxLayout;
    texts->addWidget(about);
    texts->addSpacing(8);
    texts->addWidget(disclaimer);
    texts->addStretch(1);
    info->addLayout(texts, 1);
    screen->addLayout(info);
    screen->addStretch(1);
    auto* commands = new QHBoxLayout;
    commands->addWidget(Button1);
    commands->addWidget(Button15);
    commands->addSpacing(12);
    commands->addWidget(Label32);
    commands->addWidget(cb_lng);
    commands->addStretch(1);
    commands->addWidget(Button14);
    commands->addWidget(Button11);
    commands->addWidget(Button10);
    screen->addLayout(commands);
    screen->addSpacing(6);
    screen->addWidget(pb);
    screen->addWidget(save_status);
}

void TForm1::build_league_page() {
    TabSheet1 = named(new QWidget, "TabSheet1");
    l_name_long = edit("l_name_long", TabSheet1);
    l_name_sh = edit("l_name_sh", TabSheet1);
    l_level = drop_down("l_level", qira::level_items(), TabSheet1);
    l_apply = button("l_apply", QStringLiteral("Apply"), TabSheet1);
    l_id = hidden_edit("l_id", QStringLiteral("l_id"), TabSheet1);

    auto* form = new QGridLayout;
    form->setColumnStretch(1, 1);
    form->addWidget(caption(QStringLiteral("Long Title"), l_name_long, TabSheet1), 0, 0);
    form->addWidget(l_name_long, 0, 1);
    form->addWidget(caption(QStringLiteral("Short Title"), l_name_sh, TabSheet1), 1, 0);
    form->addWidget(l_name_sh, 1, 1);
    form->addWidget(caption(QStringLiteral("Level"), l_level, TabSheet1), 2, 0);
    form->addWidget(l_level, 2, 1, Qt::AlignLeft);
    auto* page = new QVBoxLayout(TabSheet1);
    page->addLayout(form);
    page->addStretch(1);
    page->addLayout(button_row({}, {l_apply}));
    main->addTab(TabSheet1, QStringLiteral("League"));
}

void TForm1::build_team_page() {
    TabSheet2 = named(new QWidget, "TabSheet2");
    e_namefull = edit("e_namefull", TabSheet2);
    e_name5 = edit("e_name5", TabSheet2);
    e_name5->setValidator(new qira::typing_limit(e_name5, 5));
    e_name10 = edit("e_name10", TabSheet2);
    e_name10->setValidator(new qira::typing_limit(e_name10, 10));
    t_prest = track_bar("t_prest", 10, TabSheet2);
    cobo_formations = drop_down("cobo_formations", qira::formation_items(), TabSheet2);
    cobo_attack = drop_down("cobo_attack", qira::attack_items(), TabSheet2);
    cobo_attack->setCurrentIndex(0);
    cobo_stadium = drop_down("cobo_stadium", {}, TabSheet2);
    cobo_stadium->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cobo_stadium->setMinimumContentsLength(24);
    t_pl_capt = drop_down("t_pl_capt", {}, TabSheet2);
    t_pl_penal = drop_down("t_pl_penal", {}, TabSheet2);
    for (auto* players : {t_pl_capt, t_pl_penal}) {
        players->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        players->setMinimumContentsLength(24);
    }
    Button2 = button("Button2", QStringLiteral("Edit team players >>>"), TabSheet2);
    t_apply = button("t_apply", QStringLiteral("Apply"), TabSheet2);
    t_pl_ids = hidden_list("t_pl_ids", TabSheet2);
    t_pl_names = hidden_list("t_pl_names", TabSheet2);
    t_pl_poss = hidden_list("t_pl_poss", TabSheet2);
    t_pl_nums = hidden_list("t_pl_nums", TabSheet2);
    t_id = hidden_edit("t_id", QStringLiteral("t_id"), TabSheet2);

    auto* form = new QGridLayout;
    form->setColumnStretch(1, 1);
    int row = 0;
    const auto add = [&](const QString& text, QWidget* control, Qt::Alignment align = {}) {
        form->addWidget(caption(text, control, TabSheet2), row, 0);
        form->addWidget(control, row, 1, align);
        ++row;
    };
    add(QStringLiteral("Name long"), e_namefull);
    add(QStringLiteral("Name (5)"), e_name5, Qt::AlignLeft);
    add(QStringLiteral("Name (10)"), e_name10, Qt::AlignLeft);
    add(QStringLiteral("Team prestige"), t_prest);
    add(QStringLiteral("Formation"), cobo_formations, Qt::AlignLeft);
    add(QStringLiteral("Attack style"), cobo_attack, Qt::AlignLeft);
    add(QStringLiteral("Stadium"), cobo_stadium);
    add(QStringLiteral("Captain"), t_pl_capt);
    add(QStringLiteral("Penaltist"), t_pl_penal);
    const int short_name = e_name5->fontMetrics().horizontalAdvance(QLatin1Char('W'));
    e_name5->setMinimumWidth(short_name * 8);
    e_name10->setMinimumWidth(short_name * 13);
    auto* page = new QVBoxLayout(TabSheet2);
    page->addLayout(form);
    page->addStretch(1);
    page->addLayout(button_row({Button2}, {t_apply}));
    main->addTab(TabSheet2, QStringLiteral("Team"));
}

void TForm1::build_player_page() {
    TabSheet3 = named(new QWidget, "TabSheet3");
    auto* id_label = new QLabel(QStringLiteral("Player ID:"), TabSheet3);
    pl_rid = edit("pl_rid", TabSheet3);
    pl_rid->setText(QStringLiteral("123"));
    pl_rid->setReadOnly(true);
    pl_rid->setFrame(false);
    pl_rid->setFocusPolicy(Qt::NoFocus);
    {
        QPalette face = pl_rid->palette();
        face.setColor(QPalette::Base, Qt::transparent);
        pl_rid->setPalette(face);
    }
    id_label->setBuddy(pl_rid);
    pl_rid->setAccessibleName(QStringLiteral("Player ID"));
    pl_id = hidden_edit("pl_id", QStringLiteral("123"), TabSheet3);
    pl_id->setReadOnly(true);

    pl_name = edit("pl_name", TabSheet3);
    pl_pseudo = edit("pl_pseudo", TabSheet3);
    pl_sur = edit("pl_sur", TabSheet3);
    pl_pos = drop_down("pl_pos", qira::position_items(), TabSheet3);
    pl_height_p = spinner("pl_height", "pl_height_p", 200, TabSheet3, pl_height);
    pl_height->setMaxLength(3);
    pl_weight_p = spinner("pl_weight", "pl_weight_p", 200, TabSheet3, pl_weight);
    pl_haircolor = drop_down("pl_haircolor", qira::hair_color_items(), TabSheet3);
    pl_bootscol = drop_down("pl_bootscol", qira::boots_color_items(), TabSheet3);
    auto* hair_note =
        new QLabel(QStringLiteral("*Hair color may not match when special face is used for player"),
                   TabSheet3);
    hair_note->setWordWrap(true);
    pl_star = named(new QCheckBox(QStringLiteral("Star Player"), TabSheet3), "pl_star");
    pl_star->setAccessibleName(pl_star->text()); // named by its own caption
    pl_stamina_p = spinner("pl_stamina", "pl_stamina_p", 100, TabSheet3, pl_stamina);
    pl_pass_p = spinner("pl_pass", "pl_pass_p", 100, TabSheet3, pl_pass);
    pl_tackl_p = spinner("pl_tackl", "pl_tackl_p", 100, TabSheet3, pl_tackl);
    pl_ballcont_p = spinner("pl_ballcont", "pl_ballcont_p", 100, TabSheet3, pl_ballcont);
    pl_shotacc_p = spinner("pl_shotacc", "pl_shotacc_p", 100, TabSheet3, pl_shotacc);
    pl_talent = track_bar("pl_talent", 5, TabSheet3);
    Button8 = button("Button8", QStringLiteral("<<< Edit Team"), TabSheet3);
    pl_apply = button("pl_apply", QStringLiteral("Apply"), TabSheet3);

    auto* left = new QGridLayout;
    left->setColumnStretch(1, 1);
    int row = 0;
    const auto add_left = [&](const QString& text, QWidget* control, Qt::Alignment align = {}) {
        left->addWidget(caption(text, control, TabSheet3), row, 0);
        left->addWidget(control, row, 1, align);
        ++row;
    };
    add_left(QStringLiteral("Name"), pl_name);
    add_left(QStringLiteral("Pseudonym"), pl_pseudo);
    add_left(QStringLiteral("Surname"), pl_sur);
    add_left(QStringLiteral("Preferred position"), pl_pos, Qt::AlignLeft);
    add_left(QStringLiteral("Height"), pl_height_p, Qt::AlignLeft);
    add_left(QStringLiteral("Weight"), pl_weight_p, Qt::AlignLeft);
    add_left(QStringLiteral("Hair color"), pl_haircolor, Qt::AlignLeft);
    add_left(QStringLiteral("Boots color"), pl_bootscol, Qt::AlignLeft);
    left->addWidget(hair_note, row, 0, 1, 2);
    left->setRowStretch(row + 1, 1);

    auto* right = new QGridLayout;
    right->setColumnStretch(1, 1);
    row = 0;
    right->addWidget(pl_star, row++, 0, 1, 2);
    const auto add_right = [&](const QString& text, QWidget* control, bool enabled = true) {
        QLabel* label = caption(text, control, TabSheet3);
        label->setEnabled(enabled);
        control->setEnabled(enabled);
        right->addWidget(label, row, 0);
        right->addWidget(control, row, 1, control == pl_talent ? Qt::Alignment{} : Qt::AlignLeft);
        ++row;
    };
    add_right(QStringLiteral("Stamina"), pl_stamina_p);
    add_right(QStringLiteral("Passing"), pl_pass_p);
    add_right(QStringLiteral("Tackling"), pl_tackl_p);
    add_right(QStringLiteral("Ball Control"), pl_ballcont_p, false);
    add_right(QStringLiteral("Shot Accuraty"), pl_shotacc_p, false);
    add_right(QStringLiteral("Talent"), pl_talent);
    right->setRowStretch(row, 1);
    // The spinner's edit carries the accessible name too, as the control the user types into.
    for (auto* e : {pl_height, pl_weight, pl_stamina, pl_pass, pl_tackl, pl_ballcont, pl_shotacc})
        e->setAccessibleName(e->parentWidget()->accessibleName());

    auto* id_row = new QHBoxLayout;
    id_row->addWidget(id_label);
    id_row->addWidget(pl_rid, 1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addSpacing(16);
    columns->addLayout(right, 2);
    auto* page = new QVBoxLayout(TabSheet3);
    page->addLayout(id_row);
    page->addLayout(columns, 1);
    page->addLayout(button_row({Button8}, {pl_apply}));
    main->addTab(TabSheet3, QStringLiteral("Player"));
}

void TForm1::build_roster_page() {
    TabSheet4 = named(new QWidget, "TabSheet4");
    t_pl_list = named(new QListWidget(TabSheet4), "t_pl_list");
    t_pl_list->setAccessibleName(QStringLiteral("Team players"));
    t_pl_list->setMinimumWidth(200);
    auto* hint = new QLabel(QStringLiteral("<-- double click on player for quick edit"), TabSheet4);
    hint->setWordWrap(true);
    t_pl_num_p = spinner("t_pl_num", "t_pl_num_p", 99, TabSheet4, t_pl_num);
    t_pl_pos = drop_down("t_pl_pos", qira::position_items(), TabSheet4);
    Button3 = button("Button3", QStringLiteral("<-- Xchange -->"), TabSheet4);
    xchange = named(new qira::node_tree(TabSheet4), "xchange");
    xchange->setHeaderHidden(true);
    xchange->setIndentation(19);
    xchange->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::SelectedClicked);
    xchange->setAccessibleName(QStringLiteral("Exchange with"));
    xchange->setMinimumWidth(180);
    Button5 = button("Button5", QStringLiteral("<<< Edit team"), TabSheet4);
    t_apply_1 = button("t_apply_1", QStringLiteral("Apply"), TabSheet4);

    auto* editing = new QGridLayout;
    editing->setColumnStretch(1, 1);
    editing->addWidget(caption(QStringLiteral("Jersey number"), t_pl_num_p, TabSheet4), 0, 0);
    editing->addWidget(t_pl_num_p, 0, 1, Qt::AlignLeft);
    editing->addWidget(caption(QStringLiteral("Position"), t_pl_pos, TabSheet4), 1, 0);
    editing->addWidget(t_pl_pos, 1, 1, Qt::AlignLeft);
    t_pl_num->setAccessibleName(t_pl_num_p->accessibleName());
    auto* roster = new QVBoxLayout;
    roster->addWidget(t_pl_list, 1);
    roster->addWidget(hint);
    roster->addLayout(editing);
    auto* middle = new QVBoxLayout;
    middle->addStretch(1);
    middle->addWidget(Button3);
    middle->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(roster, 1);
    columns->addLayout(middle);
    columns->addWidget(xchange, 1);
    auto* page = new QVBoxLayout(TabSheet4);
    page->addLayout(columns, 1);
    page->addLayout(button_row({Button5}, {t_apply_1}));
    main->addTab(TabSheet4, QStringLiteral("blank"));
}

void TForm1::build_hints_page() {
    TabSheet5 = named(new QWidget, "TabSheet5");
    Memo1 = named(new QPlainTextEdit(TabSheet5), "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setPlainText(QLatin1String(hints_text));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    {
        QPalette face = Memo1->palette();
        face.setColor(QPalette::Base, Qt::transparent);
        Memo1->setPalette(face);
    }
    // Tall and wide enough for the hints without scrolling.
    const QFontMetrics metrics(Memo1->font());
    int widest = 0;
    const QStringList lines = Memo1->toPlainText().split(QLatin1Char('\n'));
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    Memo1->setMinimumSize(widest + 24,
                          metrics.lineSpacing() * (static_cast<int>(lines.size()) + 1) + 16);
    auto* page = new QVBoxLayout(TabSheet5);
    page->addWidget(Memo1);
    main->addTab(TabSheet5, QStringLiteral("TabSheet5"));
}

void TForm1::build_layout() {
    // The start screen and the editing area share the rows below the top bar; the start screen
    // lies on top and covers the tree and the pages while it is shown.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(Panel1, 0, 0);
    grid->addWidget(Panel3, 1, 0);
    auto* editing = new QHBoxLayout;
    editing->setContentsMargins(4, 0, 4, 0);
    editing->setSpacing(4);
    editing->addWidget(TreeView1);
    editing->addWidget(main, 1);
    grid->addLayout(editing, 2, 0);
    grid->addWidget(Panel2, 3, 0);
    grid->addWidget(Panel4, 1, 0, 3, 1);
    grid->setRowStretch(2, 1);
    Panel4->raise();

    // The window does not resize: its size is what the layout needs on this system's fonts.
    setFixedSize(sizeHint().expandedTo(QSize(727, 369)));
}

void TForm1::connect_handlers() {
    connect(Button1, &QPushButton::clicked, this, guarded(&TForm1::Button1Click));
    connect(Button11, &QPushButton::clicked, this, guarded(&TForm1::Button11Click));
    connect(Button14, &QPushButton::clicked, this, guarded(&TForm1::Button14Click));
    connect(Button10, &QPushButton::clicked, this, guarded(&TForm1::Button10Click));
    connect(Button4, &QPushButton::clicked, this, guarded(&TForm1::Button4Click));
    connect(Button15, &QPushButton::clicked, this, guarded(&TForm1::Button15Click));
    connect_view_handlers();
}
