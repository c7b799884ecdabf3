#pragma once
// A tree widget that keeps the nodes of its last fill: the next fill relabels and re-links them
// instead of freeing tens of thousands of nodes and allocating as many again.

#include <QTreeWidget>

#include <vector>

namespace qira {

class node_tree : public QTreeWidget {
  public:
    using QTreeWidget::QTreeWidget;
    ~node_tree() override;
    node_tree(const node_tree&) = delete;
    node_tree& operator=(const node_tree&) = delete;

    // Empties the tree; its nodes are kept for the following fill.
    void take_back_nodes();
    // A node without children or parent labelled `label` with `flags`: a kept one when there is
    // one left, else a new one. The caller puts it into this tree.
    QTreeWidgetItem* make_node(const QString& label, Qt::ItemFlags flags);
    // Frees the kept nodes that the fill did not use.
    void drop_spare_nodes();
    // The flags of a node of a tree that is not edited in place.
    static Qt::ItemFlags plain_flags();

  private:
    std::vector<QTreeWidgetItem*> spare_;
};

} // namespace qira
