#pragma once
// A window opened on an install of its own (a model built in the test, or the generated sample),
// and small helpers to reach the tree's nodes and the decoded rows.

#include "app_test_support.h"

#include "app/registry.h"
#include "dbfile/build.h"
#include "editing/editor_index.h"
#include "testdata/sample.h"

#include <QTreeView>
#include <QTreeWidget>

#include <memory>
#include <string>
#include <vector>

namespace qira::test {

struct view_fixture {
    test_registry registry;
    temp_dir install;
    recording_sink sink;
    std::unique_ptr<TForm1> window;

    explicit view_fixture(const database& db) {
        write_test_install(install.path(), db);
        open();
    }
    explicit view_fixture(const sample_options& options) {
        QVERIFY(write_sample_install(install.path(), options).ok());
        open();
    }
    void open() {
        registry.set(install_key, install_dir_value, install_dir_text(install.path()));
        window = std::make_unique<TForm1>(&sink);
        apply_reviews_as_they_open(*window);
        window->show();
        window->Button1->click();
        QVERIFY2(in_editing(*window), qPrintable(sink.all()));
    }
    TForm1& w() { return *window; }
    database& db() { return window->game.db; }
    db_overall_data& row(int t, int r) { return db().rows(t)[static_cast<std::size_t>(r)]; }

    static int level(const QTreeWidgetItem* n) {
        int depth = 0;
        for (auto* p = n->parent(); p; p = p->parent())
            ++depth;
        return depth;
    }
    // The first node (depth-first) with this label at this level, under a parent with that label
    // when one is given.
    QTreeWidgetItem* node(const QString& label, int at_level, const QString& parent = {}) const {
        for (QTreeWidgetItem* n : window->tree_nodes)
            if (level(n) == at_level && n->text(0) == label &&
                (parent.isNull() || (n->parent() && n->parent()->text(0) == parent)))
                return n;
        return nullptr;
    }
    // All nodes with this label at this level.
    std::vector<QTreeWidgetItem*> nodes(const QString& label, int at_level) const {
        std::vector<QTreeWidgetItem*> found;
        for (QTreeWidgetItem* n : window->tree_nodes)
            if (level(n) == at_level && n->text(0) == label)
                found.push_back(n);
        return found;
    }
    std::size_t index_of(const QTreeWidgetItem* n) const {
        const auto& all = window->tree_nodes;
        return static_cast<std::size_t>(std::find(all.begin(), all.end(), n) - all.begin());
    }
    QTreeWidgetItem* xchange_twin(const QTreeWidgetItem* n) const {
        return window->xchange_nodes.at(index_of(n));
    }
    // Selects a node the way code does (the selection change shows its page).
    void select(QTreeWidgetItem* n) {
        QVERIFY(n);
        window->TreeView1->setCurrentItem(n);
    }
    // A click with the mouse on a node.
    void click(QTreeWidgetItem* n) {
        QVERIFY(n);
        QTreeWidget* tree = window->TreeView1;
        tree->scrollToItem(n);
        const QRect rect = tree->visualItemRect(n);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
    }
};

inline QString text(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

inline std::uint32_t& value(database& db, db_overall_data& player, const char* field) {
    const auto slot = db.field_slot(table_index::players, field);
    if (!slot)
        qFatal("no field %s", field);
    return player.values.at(static_cast<std::size_t>(*slot));
}

inline db_overall_data& add_player(database& db, std::int32_t id, const std::string& first,
                                   const std::string& pseudonym, const std::string& surname) {
    auto& p = add_row(db, table_index::players);
    p.keys[0] = id;
    p.strings[0] = first;
    p.strings[1] = pseudonym;
    p.strings[2] = surname;
    return p;
}

inline void add_link(database& db, int t, std::int32_t owner, std::int32_t member) {
    auto& link = add_row(db, t);
    link.keys = {owner, member, 0, 0};
}

// Every line of the review beneath `parent`, each table and row fetched and expanded.
inline QModelIndexList lines(QTreeView* tree, const QModelIndex& parent = {}) {
    QAbstractItemModel* m = tree->model();
    if (parent.isValid()) {
        tree->expand(parent);
        if (m->canFetchMore(parent))
            m->fetchMore(parent);
    }
    QModelIndexList out;
    for (int r = 0; r < m->rowCount(parent); ++r) {
        out << m->index(r, 0, parent);
        out << lines(tree, out.back());
    }
    return out;
}

inline QModelIndex line_with(QTreeView* tree, const QString& text, const QModelIndex& under = {}) {
    for (const QModelIndex& i : lines(tree, under))
        if (i.data().toString().contains(text))
            return i;
    return {};
}

} // namespace qira::test
