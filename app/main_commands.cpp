// Start-up and the commands of the start screen and the top bar: open, save, close, exit, and the
// switch between the start screen and the editing views.

#include "app/game_paths.h"
#include "app/main_window.h"
#include "app/registry.h"
#include "editing/open_game.h"
#include "views/window_place.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTreeWidget>

#include <algorithm>

namespace {

const QString discard_question =
    QStringLiteral("There are changes that have not been saved. Discard them?");

QString cannot_open_text(const QString& file_name, const char* end_of_sentence) {
    return QStringLiteral("Can't open %1 file%2\n\rMake sure QIRA 2004 fully installed")
        .arg(file_name, QLatin1String(end_of_sentence));
}

QString text_of(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

void TForm1::report_error(const QString& text) {
    messages().show(QLatin1String(qira::app_title), text);
}

QString TForm1::database_path_text() const {
    return qira::database_path_text(Edit1->text());
}

QString TForm1::language_path_text() const {
    return qira::language_path_text(Edit1->text(), cb_lng->currentIndex());
}

void TForm1::FormCreate() {
    find_game_folder(); // app/game_folder.cpp
    if (auto key = qira::registry_key::open(QLatin1String(qira::editor_key))) {
        const QString language = key->read(QLatin1String(qira::language_value)).value_or(QString());
        if (!language.isEmpty()) {
            run_guarded([&] {
                const auto index = qira::to_int(language);
                if (index)
                    cb_lng->setCurrentIndex(
                        index.value >= 0 && index.value < cb_lng->count() ? index.value : -1);
                return index.outcome();
            });
        }
        key->close();
    }
    // The list always leaves start-up with an entry selected.
    if (cb_lng->currentIndex() < 0)
        cb_lng->setCurrentIndex(0);
}

void TForm1::refuse_file(const qira::result& refusal, const QString& cannot_open) {
    // A file that cannot be opened or read gets the window's own words; a refused one its reason.
    const bool unreadable = refusal.status == qira::result::code::cannot_open ||
                            refusal.status == qira::result::code::cannot_read;
    const QString text = unreadable ? cannot_open : text_of(refusal.message());
    messages().show(QLatin1String(qira::fatal_error_caption), text);
    Button15->show(); // "Game folder..."
}

void TForm1::Button1Click() {
    const int language = cb_lng->currentIndex();
    const auto language_path = qira::resolve_game_path(language_path_text());
    const auto database_path = qira::resolve_game_path(database_path_text());
    int progress = 0;
    pb->setValue(0);
    pb->show();
    pb->repaint();
    qira::open_options options;
    options.require_editor_parts = true;
    options.progress = [&](int, int share) {
        progress += share;
        pb->setValue(std::min(progress, pb->maximum()));
        pb->repaint();
    };
    const auto opened = qira::open_game_files(database_path, language_path, game, options);
    if (!opened) {
        pb->setValue(0);
        pb->hide();
        if (opened.value == qira::game_file::language)
            refuse_file(opened, cannot_open_text(qira::language_file_name(language), "!"));
        else
            refuse_file(opened, cannot_open_text(QStringLiteral("qira.db"), "."));
        return;
    }

    // Both files are good and have replaced whatever was open before; the window of the tables
    // showed the game that was open.
    if (tables)
        tables->close();
    if (check)
        check->close();
    opening_problems_ = qira::check_references(game);
    database_path_ = database_path;
    language_path_ = language_path;
    // The files as opened, for "Save changes as patch..." (a file that cannot be read again
    // leaves that command without a base, which it says when it is used).
    opened_ = {};
    if (const auto reread = qira::read_opened_files(database_path, language_path, opened_); !reread)
        opened_ = {};
    doc.undo_stack()->clear();
    save_status->setText(QStringLiteral(" "));

    cb_lng->setEnabled(false);
    Button4->setText(QStringLiteral("Finish Editing..."));
    build_navigation_tree();
    team->fill_stadium_list();
    doc.trees.copy_to_exchange();
    Button1->setEnabled(false);
    Button15->setEnabled(false); // "Game folder..."
    Button11->setEnabled(true);
    Button14->setEnabled(true);
    TreeView1->show();
    TreeView1Find->show();
    doc.trees_built();
    main->setCurrentWidget(TabSheet5);
    Panel4->hide();
    Button4->show();
    ButtonUndo->show();
    ButtonRedo->show();
    ButtonTables->show();
    ButtonCheck->show();
    ButtonPatchSave->setEnabled(true);
    ButtonPatchApply->setEnabled(true);
    pb->setValue(0);
    pb->hide();
}

void TForm1::show_selected_node() {
    const QTreeWidgetItem* node = TreeView1->currentItem();
    if (!node || !node->isSelected())
        return;
    const QString label = node->text(0);
    // The page is switched before it is filled. A label that no row has (a link to a team or a
    // player without a row) gives -1: the page is cleared and its Apply does nothing.
    switch (qira::game_trees::level_of(node)) {
    case 0:
        main->setCurrentIndex(0);
        league->show_league(qira::resolve_league(game, label));
        break;
    case 1:
        main->setCurrentIndex(1);
        team->show_team(qira::resolve_team(game, label));
        break;
    case 2:
        main->setCurrentIndex(2);
        player->show_player(qira::resolve_player(game, label));
        break;
    default:
        break;
    }
}

void TForm1::show_selected_node_again() {
    const QTreeWidgetItem* node = TreeView1->currentItem();
    if (main->currentWidget() != roster || !node || !node->isSelected() ||
        qira::game_trees::level_of(node) != 1) {
        show_selected_node();
        return;
    }
    team->show_team(qira::resolve_team(game, node->text(0)));
    roster->refresh_roster_list();
}

void TForm1::ButtonTablesClick() {
    if (!tables) {
        // A window of its own (not a child of this one: its keys are its own).
        tables = new qira::tables_window(doc, nullptr);
        connect_folder_stores();
        tables->show();
        place_tables_window();
    } else if (tables->isHidden()) {
        tables->refresh();
    }
    tables->show();
    tables->raise();
    tables->activateWindow();
}

void TForm1::place_tables_window() {
    QScreen* on = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect available = on ? on->availableGeometry() : QRect(0, 0, 1280, 900);
    // The frame around the window's content (none on some platforms).
    const QSize frame = tables->frameGeometry().size() - tables->geometry().size();
    std::optional<QRect> place;
    if (auto key = qira::registry_key::open(QLatin1String(qira::editor_key))) {
        if (const auto text = key->read(QLatin1String(qira::tables_place_value)))
            if (const auto remembered = qira::place_from_text(*text))
                place = qira::fit_remembered(*remembered, available);
        key->close();
    }
    if (!place)
        place = qira::place_beside(frameGeometry(), tables->size() + frame, available);
    tables->resize(place->size() - frame);
    tables->move(place->topLeft());
    tables->place_store = [](const QRect& frame_place) {
        if (auto key = qira::registry_key::open(QLatin1String(qira::editor_key))) {
            // A place that cannot be stored is only not offered again.
            (void)key->write(QLatin1String(qira::tables_place_value),
                             qira::place_text(frame_place));
            key->close();
        }
    };
}

void TForm1::Button11Click() {
    const QString database_name = qira::from_fs_path(database_path_.filename());
    const QString language_name = qira::from_fs_path(language_path_.filename());
    if (!save_despite_problems())
        return;
    // Both files or neither: the message of a failure says what became of each.
    const auto saved = qira::save_game_files(game, database_path_, language_path_, *file_ops_);
    if (!saved) {
        messages().show(QLatin1String(qira::save_error_caption), text_of(saved.message()));
        return;
    }
    doc.undo_stack()->setClean();
    save_status->setText(
        QStringLiteral("Changes saved to %1 and %2.").arg(database_name, language_name));
}

void TForm1::Button14Click() {
    if (!confirm_discard())
        return;
    // What was not saved is dropped with the steps that made it.
    doc.undo_stack()->clear();
    cb_lng->setEnabled(true);
    Button1->setEnabled(true);
    Button15->setEnabled(true); // "Game folder..."
    Button11->setEnabled(false);
    Button14->setEnabled(false);
    Button4->hide();
    ButtonUndo->hide();
    ButtonRedo->hide();
    ButtonTables->hide();
    ButtonCheck->hide();
    ButtonPatchSave->setEnabled(false);
    ButtonPatchApply->setEnabled(false);
    if (tables)
        tables->close();
    if (check)
        check->close();
    save_status->setText(QStringLiteral(" "));
}

bool TForm1::confirm_discard() {
    return !has_unsaved_changes() ||
           messages().ask(QLatin1String(qira::app_title), discard_question);
}

void TForm1::store_language() {
    if (auto key = qira::registry_key::open(QLatin1String(qira::editor_key))) {
        // A language that cannot be stored is only not chosen again at the next start.
        (void)key->write(QLatin1String(qira::language_value),
                         QString::number(cb_lng->currentIndex()));
        key->close();
    }
}

void TForm1::Button10Click() {
    if (!confirm_discard())
        return;
    store_language();
    exiting_ = true;
    close();
    QCoreApplication::quit();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (!exiting_) {
        bool leave = false;
        run_guarded([&] {
            if (confirm_discard()) {
                store_language();
                leave = true;
            }
        });
        if (!leave) {
            event->ignore();
            return;
        }
        exiting_ = true;
    }
    // The windows of the tables and of the check go with this one.
    if (tables)
        tables->close();
    if (check)
        check->close();
    event->accept();
    QWidget::closeEvent(event);
}

void TForm1::Button4Click() {
    if (!Panel4->isHidden()) {
        Panel4->hide();
        Button4->setText(QStringLiteral("Finish Editing..."));
        TreeView1->show();
        TreeView1Find->show();
    } else {
        Panel4->show();
        Panel4->raise();
        Button4->setText(QStringLiteral("Continue Editing..."));
        TreeView1->hide();
        TreeView1Find->hide();
    }
}
