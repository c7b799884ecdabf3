// The window's widgets and their arrangement. The commands are in main_commands.cpp (their
// actions) and the command classes of app/; the pages' handlers are in views/.

#include "app/main_window.h"

#include "app/artwork.h"
#include "app/check_commands.h"
#include "app/file_commands.h"
#include "app/game_folder.h"
#include "app/patch_commands.h"
#include "app/recovery_commands.h"
#include "app/ui_language.h"
#include "views/item_lists.h"
#include "views/page_widgets.h"
#include "views/undo_buttons.h"
#include "views/widgets.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <QUndoStack>
#include <QVBoxLayout>

#include <vector>

namespace {

using qira::caption;
using qira::command_button;
using qira::drop_down;
using qira::hidden_edit;
using qira::named;
using qira::tab_chain;

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

void set_keyboard_access(TForm1& w) {
    // The top bar, the start screen's commands or the tree, then the page shown: each page's
    // controls in its own order, after the last control of the page before.
    tab_chain({w.Button4, w.ButtonUndo, w.ButtonRedo, w.ButtonTables, w.ButtonCheck, w.Button1,
               w.Button15, w.cb_lng, w.Button14, w.Button11, w.Button10, w.cb_ui_lng,
               w.ButtonPatchSave, w.ButtonPatchApply, w.ButtonCompare, w.ButtonMerge,
               w.TreeView1Find->field, w.TreeView1Find->clear, w.TreeView1});
    std::vector<QWidget*> chain{w.TreeView1};
    for (const auto& page :
         {w.league->tab_order(), w.team->tab_order(), w.player->tab_order(), w.roster->tab_order()})
        chain.insert(chain.end(), page.begin(), page.end());
    chain.push_back(w.Memo1);
    tab_chain(chain);
}

// The hints page: one text for the translators, lines as the page shows them.
//: The hints page beside the tree when a game has been opened; keep the line breaks.
const char* const hints_text =
    QT_TRANSLATE_NOOP("TForm1", "Select leagues, teams, players on the left.\n"
                                "And edit their parameters on the right.\n"
                                "Don't forget to click 'Apply' button to save changes made.\n"
                                "\n"
                                "Click 'Finish Editing' on the top-left corner to\n"
                                "exit to the main screen (you can finally save all your\n"
                                "editions there by pressing 'Save Changes')\n"
                                "\n"
                                "You can change leagues and teams titles for \n"
                                "the game, but they won't change in this program");

} // namespace

TForm1::TForm1(qira::message_sink* messages, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
      checks_(std::make_unique<qira::check_commands>(
          doc, relay_, [this](int table, int row) { show_table_row(table, row); })),
      check(checks_->window) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QLatin1String(qira::app_title));
    set_message_sink(messages);
    make_commands();

    // Created in tab order: top bar, start screen, tree, then the pages.
    build_top_bar();
    Panel3 = panel("Panel3", false, this);
    Panel3->setFixedHeight(6);
    build_start_screen();
    TreeView1 = named(new qira::node_tree(this), "TreeView1");
    doc.trees.navigation = TreeView1;
    TreeView1Find = new qira::tree_find(doc, TreeView1, tr("Find in tree"), "TreeView1Find", this);
    TreeView1Find->hide();
    keep_place(TreeView1Find);
    TreeView1->setHeaderHidden(true);
    TreeView1->setIndentation(19);
    TreeView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TreeView1->setMinimumWidth(227);
    TreeView1->setAccessibleName(tr("Leagues, teams and players"));
    keep_place(TreeView1);
    main = named(new QTabWidget(this), "main");
    main->setFocusPolicy(Qt::NoFocus);
    main->tabBar()->setFocusPolicy(Qt::NoFocus);
    build_pages();
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
    files_ = std::make_unique<qira::file_commands>(doc, relay_,
                                                   qira::file_commands::widgets{Edit1, cb_lng, pb});
    patches_ = std::make_unique<qira::patch_commands>(doc, this);
    folder_ = std::make_unique<qira::game_folder>(Edit1, this);
    recovery_ = std::make_unique<qira::recovery_commands>(doc, relay_, save_status);

    build_layout();
    set_keyboard_access(*this);
    connect_handlers();
    follow_undo();
    build_find();
    run_guarded([this] { FormCreate(); });
}

TForm1::~TForm1() {
    // The undo stack goes with the document and announces its clearing: not to this window.
    doc.undo_stack()->disconnect(this);
    delete tables;
}

void TForm1::set_message_sink(qira::message_sink* messages) {
    if (!messages && !own_messages_)
        own_messages_ = std::make_unique<qira::dialog_message_sink>(this);
    relay_.set_target(messages ? messages : own_messages_.get());
}

void TForm1::build_top_bar() {
    const qreal ratio = qApp->devicePixelRatio();
    Panel1 = panel("Panel1", true, this);
    Button4 = command_button("Button4", finish_action, Panel1);
    // Wide enough for both of its captions.
    Button4->setText(tr("Continue Editing..."));
    Button4->setMinimumWidth(Button4->sizeHint().width());
    Button4->setText(finish_action->text());
    Button4->hide();
    keep_place(Button4);
    ButtonUndo = command_button("ButtonUndo", undo_action, Panel1);
    ButtonRedo = command_button("ButtonRedo", redo_action, Panel1);
    ButtonTables = command_button("ButtonTables", tables_action, Panel1);
    ButtonTables->setToolTip(tr("Every table and field in a grid (Ctrl+T)"));
    ButtonCheck = command_button("ButtonCheck", check_action, Panel1);
    ButtonCheck->setToolTip(
        tr("References between the tables that point nowhere, and other problems"));
    for (QPushButton* b : {ButtonUndo, ButtonRedo, ButtonTables, ButtonCheck}) {
        b->setAccessibleName(b->text());
        b->hide();
        keep_place(b);
    }
    Image1 = picture("Image1", qira::banner_left(ratio), Panel1);
    Image4 = picture("Image4", qira::banner_right(ratio), Panel1);
    auto* bar = new QHBoxLayout(Panel1);
    bar->setContentsMargins(8, 4, 0, 4);
    bar->addWidget(Button4);
    bar->addWidget(ButtonUndo);
    bar->addWidget(ButtonRedo);
    bar->addWidget(ButtonTables);
    bar->addWidget(ButtonCheck);
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
    auto* about = new QLabel(tr("An editor for the data files of QIRA 2004.\n"
                                "It changes the leagues, teams and players of an installed game:\n"
                                "titles and names, formations, stadiums, captains, squad numbers\n"
                                "and player attributes, and players can change teams."),
                             Panel4);
    auto* disclaimer =
        new QLabel(tr("This program is not made or supported by the makers of the game.\n"
                      "Keep a copy of the data\\cmn folder before you save changes."),
                   Panel4);
    QPalette grey = disclaimer->palette();
    grey.setColor(QPalette::WindowText, QColor(96, 96, 96));
    disclaimer->setPalette(grey);

    make_start_commands();
    lay_out_start_screen(about, disclaimer);
}

void TForm1::make_start_commands() {
    Button1 = command_button("Button1", open_action, Panel4);
    Button15 = command_button("Button15", folder_action, Panel4);
    Button15->setAccessibleName(tr("Choose the game's folder"));
    cb_lng = drop_down("cb_lng", qira::language_items(), Panel4);
    Label32 = named(caption(tr("Language file"), cb_lng, Panel4), "Label32");
    Button14 = command_button("Button14", close_action, Panel4);
    Button11 = command_button("Button11", save_action, Panel4);
    Button10 = command_button("Button10", exit_action, Panel4);
    ButtonPatchSave = command_button("ButtonPatchSave", patch_save_action, Panel4);
    ButtonPatchSave->setToolTip(
        tr("Write what you changed since opening as a patch file to share"));
    ButtonPatchApply = command_button("ButtonPatchApply", patch_apply_action, Panel4);
    ButtonPatchApply->setToolTip(
        tr("Apply a patch file to the open game, as one step that can be undone"));
    for (QPushButton* b : {ButtonPatchSave, ButtonPatchApply})
        b->setAccessibleName(b->text());
    ButtonCompare = command_button("ButtonCompare", compare_action, Panel4);
    ButtonCompare->setToolTip(tr("Compare the open game with another install's and "
                                 "take over the differences you tick (Ctrl+Shift+D)"));
    ButtonCompare->setAccessibleName(tr("Compare with another game"));
    ButtonMerge = command_button("ButtonMerge", merge_action, Panel4);
    ButtonMerge->setToolTip(tr("Merge two patch files made on the open game, choose a "
                               "side where they disagree and apply (Ctrl+Shift+M)"));
    ButtonMerge->setAccessibleName(tr("Merge two patches"));
    pb = named(new QProgressBar(Panel4), "pb");
    pb->setRange(0, 100);
    pb->setValue(0);
    pb->setTextVisible(false);
    pb->setFixedHeight(10);
    pb->hide();
    keep_place(pb);
    cb_ui_lng = named(new QComboBox(Panel4), "cb_ui_lng");
    for (const auto& language : qira::ui_languages)
        cb_ui_lng->addItem(QString::fromUtf8(language.name), QLatin1String(language.code));
    // The language of the next start: the kept choice, else the system's.
    cb_ui_lng->setCurrentIndex(
        qira::ui_language_index(
            qira::pick_ui_language(qira::kept_ui_language(), QLocale::system().uiLanguages()))
            .value_or(0));
    cb_ui_lng->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    LabelUiLanguage = named(caption(tr("Window language"), cb_ui_lng, Panel4), "LabelUiLanguage");
    cb_ui_lng->setToolTip(tr("The language of the editor's window, from its next start"));
    //: The name screen readers give the start screen's status line
    save_status = new qira::status_line("save_status", tr("Status"), Panel4);
    save_status->setText(QStringLiteral(" "));
}

void TForm1::lay_out_start_screen(QLabel* about, QLabel* disclaimer) {
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
    auto* patches = new QHBoxLayout;
    patches->addWidget(LabelUiLanguage);
    patches->addWidget(cb_ui_lng);
    patches->addStretch(1);
    patches->addWidget(ButtonPatchSave);
    patches->addWidget(ButtonPatchApply);
    patches->addWidget(ButtonCompare);
    patches->addWidget(ButtonMerge);
    screen->addLayout(patches);
    screen->addSpacing(6);
    screen->addWidget(pb);
    screen->addWidget(save_status);
}

void TForm1::build_pages() {
    league = new qira::league_page(doc);
    team = new qira::team_page(doc);
    player = new qira::player_page(doc);
    roster = new qira::roster_page(doc, *team);
    //: Tab title of the page of a league
    main->addTab(league, tr("League"));
    //: Tab title of the page of a team
    main->addTab(team, tr("Team"));
    //: Tab title of the page of a player
    main->addTab(player, tr("Player"));
    //: Tab title of the page that moves players between teams (it has always read "blank")
    main->addTab(roster, tr("blank"));
}

void TForm1::build_hints_page() {
    TabSheet5 = named(new QWidget, "TabSheet5");
    Memo1 = named(new QPlainTextEdit(TabSheet5), "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setPlainText(tr(hints_text));
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
    //: Tab title of the hints page (it has always read "TabSheet5")
    main->addTab(TabSheet5, tr("TabSheet5"));
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
    auto* tree_column = new QVBoxLayout;
    tree_column->setSpacing(2);
    tree_column->addWidget(TreeView1Find);
    tree_column->addWidget(TreeView1, 1);
    editing->addLayout(tree_column);
    editing->addWidget(main, 1);
    grid->addLayout(editing, 2, 0);
    grid->addWidget(Panel2, 3, 0);
    grid->addWidget(Panel4, 1, 0, 3, 1);
    grid->setRowStretch(2, 1);
    Panel4->raise();

    // Its default and smallest size is what the layout needs on this system's fonts, at least
    // 727 x 369; there every widget has its place. Larger, the tree and the page grow.
    default_size_ = sizeHint().expandedTo(QSize(727, 369));
    setMinimumSize(default_size_);
    resize(default_size_);
    layout()->activate();
    default_tree_width_ = TreeView1->width();
}

void TForm1::follow_undo() {
    QUndoStack* stack = doc.undo_stack();
    // A text field with typing of its own to undo keeps Ctrl+Z (eventFilter).
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        edit->installEventFilter(this);
    qira::follow_undo_stack(stack, {ButtonUndo, undo_action, QStringLiteral("Ctrl+Z")},
                            {ButtonRedo, redo_action, QStringLiteral("Ctrl+Shift+Z")});
    connect(stack, &QUndoStack::cleanChanged, this, &TForm1::show_undo_state);
    show_undo_state();
}

void TForm1::build_find() {
    // Ctrl+F: the find field of the tree that belongs to the page shown (the roster page: the
    // exchange tree's); F3 and Shift+F3 go on finding there from anywhere in the window.
    const auto active = [this]() -> qira::tree_find* {
        if (Button4->isHidden() || !Panel4->isHidden())
            return nullptr;
        return main->currentWidget() == roster ? roster->xchange_find : TreeView1Find;
    };
    const auto add = [this](QKeySequence keys, std::function<void()> act) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, act] { run_guarded(act); });
    };
    add(QKeySequence(QKeySequence::Find), [active] {
        if (qira::tree_find* find = active()) {
            find->field->setFocus(Qt::ShortcutFocusReason);
            find->field->selectAll();
        }
    });
    add(QKeySequence(Qt::Key_F3), [active] {
        if (qira::tree_find* find = active())
            find->find_next(true);
    });
    add(QKeySequence(Qt::SHIFT | Qt::Key_F3), [active] {
        if (qira::tree_find* find = active())
            find->find_next(false);
    });
}

void TForm1::show_undo_state() {
    QUndoStack* stack = doc.undo_stack();
    const bool unsaved = !stack->isClean();
    setWindowTitle(QLatin1String(qira::app_title) + (unsaved ? QStringLiteral("*") : QString()));
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* edit = qobject_cast<QLineEdit*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        // The field keeps Ctrl+Z while it has typing to undo; else the key reaches the window.
        if (edit && key->matches(QKeySequence::Undo) && !edit->isUndoAvailable())
            return true;
        if (edit &&
            (key->matches(QKeySequence::Redo) ||
             key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y)) &&
            !edit->isRedoAvailable())
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TForm1::connect_handlers() {
    connect(&doc, &qira::game_document::handler_failed, this, &TForm1::report_error);
    connect(cb_ui_lng, &QComboBox::activated, this, &TForm1::choose_ui_language);

    // A click runs the handler even when the selection does not change; a change of selection
    // by the keyboard, the mouse (also the right button) or code runs it too.
    connect(TreeView1, &QTreeWidget::itemClicked, this, guarded(&TForm1::show_selected_node));
    connect(TreeView1, &QTreeWidget::itemSelectionChanged, this,
            guarded(&TForm1::show_selected_node));
    connect(team, &qira::team_page::edit_players_requested, this, [this] {
        run_guarded([this] {
            roster->refresh_roster_list();
            main->setCurrentIndex(3);
        });
    });
    connect(roster, &qira::roster_page::back_to_team_requested, this,
            [this] { main->setCurrentIndex(1); });
    connect(roster, &qira::roster_page::selected_node_page_requested, this,
            guarded(&TForm1::show_selected_node));
    // The trees built again after an edit of the tables: the selected node's page shows its row.
    connect(&doc, &qira::game_document::trees_rebuilt, this,
            guarded(&TForm1::show_selected_node_again));
}
