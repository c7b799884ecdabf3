#pragma once
// A tree widget that is filled from a description of its nodes in depth-first order, reusing
// the nodes of its previous fill where they stand: reopening an install relabels the nodes
// instead of freeing tens of thousands of them and allocating as many again.

#include <QTreeWidget>

#include <span>
#include <vector>

namespace qira {

class node_tree : public QTreeWidget {
  public:
    using QTreeWidget::QTreeWidget;

    // Makes the tree hold the nodes described in depth-first order: node i is labelled
    // labels[i], carries `flags` and has child_counts[i] children, the nodes that follow it.
    // Returns the nodes in the same order. Nothing of before is left selected or expanded.
    std::vector<QTreeWidgetItem*> fill(std::span<const QString> labels,
                                       std::span<const int> child_counts, Qt::ItemFlags flags);
    // The flags of a node of a tree that is not edited in place.
    static Qt::ItemFlags plain_flags();
};

} // namespace qira
