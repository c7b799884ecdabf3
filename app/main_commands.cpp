// Start-up and the commands of the start screen and the top bar: open, save, close, exit, and the
// switch between the start screen and the editing views.

#include "app/game_paths.h"
#include "app/main_window.h"
#include "app/registry.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
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

// The description of a node and its children in depth-first order, as node_tree::fill takes it.
void describe(const QTreeWidgetItem& node, std::vector<QString>& labels,
              std::vector<int>& child_counts) {
    labels.push_back(node.text(0));
    child_counts.push_back(node.childCount());
    for (int i = 0; i < node.childCount(); ++i)
        describe(*node.child(i), labels, child_counts);
}

} // namespace

void TForm1::run_guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const qira::handler_error& e) {
        report_error(e.text());
    } catch (const std::exception& e) {
        report_error(QString::fromLocal8Bit(e.what()));
    }
}

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
                const int index = qira::to_int(language);
                cb_lng->setCurrentIndex(index >= 0 && index < cb_lng->count() ? index : -1);
            });
        }
        key->close();
    }
    // The list always leaves start-up with an entry selected.
    if (cb_lng->currentIndex() < 0)
        cb_lng->setCurrentIndex(0);
}

void TForm1::refuse_file(const qira::io_result& result, const QString& cannot_open) {
    const QString text =
        result.status == qira::io_result::code::cannot_open ? cannot_open : text_of(result.message);
    messages().show(QLatin1String(qira::fatal_error_caption), text);
    Button15->show(); // "Game folder..."
}

void TForm1::Button1Click() {
    const int language = cb_lng->currentIndex();
    const auto language_path = qira::resolve_game_path(language_path_text());
    qira::string_table lang;
    if (auto r = qira::load_language_file(language_path, lang); !r) {
        refuse_file(r, cannot_open_text(qira::language_file_name(language), "!"));
        return;
    }

    const auto database_path = qira::resolve_game_path(database_path_text());
    qira::database db;
    int progress = 0;
    pb->setValue(0);
    pb->show();
    pb->repaint();
    const auto advance = [&](int, int share) {
        progress += share;
        pb->setValue(std::min(progress, pb->maximum()));
        pb->repaint();
    };
    const auto stop = [&] {
        pb->setValue(0);
        pb->hide();
    };
    if (auto r = qira::load_database(database_path, &lang, db, advance); !r) {
        stop();
        refuse_file(r, cannot_open_text(QStringLiteral("qira.db"), "."));
        return;
    }
    if (const auto missing = qira::missing_editor_parts(db)) {
        stop();
        messages().show(QLatin1String(qira::fatal_error_caption),
                        QStringLiteral("%1 cannot be edited: %2")
                            .arg(qira::from_fs_path(database_path.filename()), text_of(*missing)));
        return;
    }

    // Both files are good: they replace whatever was open before.
    game.lang = std::move(lang);
    game.db = std::move(db);
    database_path_ = database_path;
    language_path_ = language_path;
    modified_ = false;
    save_status->setText(QStringLiteral(" "));

    cb_lng->setEnabled(false);
    Button4->setText(QStringLiteral("Finish Editing..."));
    build_navigation_tree();
    fill_stadium_list();
    xchange_nodes = copy_tree_nodes(*TreeView1, *xchange);
    Button1->setEnabled(false);
    Button15->setEnabled(false); // "Game folder..."
    Button11->setEnabled(true);
    Button14->setEnabled(true);
    TreeView1->show();
    main->setCurrentWidget(TabSheet5);
    Panel4->hide();
    Button4->show();
    stop();
}

void TForm1::fill_stadium_list() {
    // Entry i is row i of the stadium table; the team page relies on that.
    cobo_stadium->clear();
    QStringList names;
    for (const auto& row : game.db.rows(qira::table_index::stadiums))
        names << text_of(row.names[0]);
    cobo_stadium->addItems(names);
    cobo_stadium->setCurrentIndex(-1);
}

std::vector<QTreeWidgetItem*> TForm1::copy_tree_nodes(const QTreeWidget& from,
                                                      qira::node_tree& to) {
    std::vector<QString> labels;
    std::vector<int> child_counts;
    for (int i = 0; i < from.topLevelItemCount(); ++i)
        describe(*from.topLevelItem(i), labels, child_counts);
    const QSignalBlocker quiet(&to);
    return to.fill(labels, child_counts, qira::node_tree::plain_flags() | Qt::ItemIsEditable);
}

void TForm1::Button11Click() {
    const QString database_name = qira::from_fs_path(database_path_.filename());
    const QString language_name = qira::from_fs_path(language_path_.filename());
    if (auto r = qira::save_database(database_path_, game.db, *file_ops_); !r) {
        messages().show(QLatin1String(qira::save_error_caption),
                        QStringLiteral("%1\n\nNothing was saved: %2 was not written either.")
                            .arg(text_of(r.message), language_name));
        return;
    }
    qira::names_to_string_table(game.db, game.lang);
    if (auto r = qira::save_language_file(language_path_, game.lang, *file_ops_); !r) {
        messages().show(QLatin1String(qira::save_error_caption),
                        QStringLiteral("%1\n\n%2 was saved, but the titles and names of leagues, "
                                       "teams and stadiums in %3 were not.")
                            .arg(text_of(r.message), database_name, language_name));
        return;
    }
    modified_ = false;
    save_status->setText(
        QStringLiteral("Changes saved to %1 and %2.").arg(database_name, language_name));
}

void TForm1::Button14Click() {
    if (!confirm_discard())
        return;
    modified_ = false;
    cb_lng->setEnabled(true);
    Button1->setEnabled(true);
    Button15->setEnabled(true); // "Game folder..."
    Button11->setEnabled(false);
    Button14->setEnabled(false);
    Button4->hide();
    save_status->setText(QStringLiteral(" "));
}

bool TForm1::confirm_discard() {
    return !modified_ || messages().ask(QLatin1String(qira::app_title), discard_question);
}

void TForm1::store_language() {
    if (auto key = qira::registry_key::open(QLatin1String(qira::editor_key))) {
        key->write(QLatin1String(qira::language_value), QString::number(cb_lng->currentIndex()));
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
    event->accept();
    QWidget::closeEvent(event);
}

void TForm1::Button4Click() {
    if (!Panel4->isHidden()) {
        Panel4->hide();
        Button4->setText(QStringLiteral("Finish Editing..."));
        TreeView1->show();
    } else {
        Panel4->show();
        Panel4->raise();
        Button4->setText(QStringLiteral("Continue Editing..."));
        TreeView1->hide();
    }
}
