#include "views/node_tree.h"

namespace qira {

node_tree::~node_tree() {
    drop_spare_nodes();
}

Qt::ItemFlags node_tree::plain_flags() {
    static const Qt::ItemFlags flags = QTreeWidgetItem().flags();
    return flags;
}

void node_tree::take_back_nodes() {
    // The nodes leave the view at once; out of it, taking the children of each is cheap.
    QList<QTreeWidgetItem*> level = invisibleRootItem()->takeChildren();
    spare_.reserve(spare_.size() + static_cast<std::size_t>(level.size()));
    while (!level.isEmpty()) {
        QTreeWidgetItem* node = level.takeLast();
        if (node->childCount() > 0)
            level.append(node->takeChildren());
        spare_.push_back(node);
    }
}

QTreeWidgetItem* node_tree::make_node(const QString& label, Qt::ItemFlags flags) {
    if (spare_.empty()) {
        auto* node = new QTreeWidgetItem;
        node->setText(0, label);
        if (flags != plain_flags())
            node->setFlags(flags);
        return node;
    }
    QTreeWidgetItem* node = spare_.back();
    spare_.pop_back();
    node->setText(0, label);
    if (node->flags() != flags)
        node->setFlags(flags);
    return node;
}

void node_tree::drop_spare_nodes() {
    for (QTreeWidgetItem* node : spare_)
        delete node;
    spare_.clear();
    spare_.shrink_to_fit();
}

} // namespace qira
