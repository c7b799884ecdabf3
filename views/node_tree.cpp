#include "views/node_tree.h"

#include <algorithm>

namespace qira {

namespace {

struct filler {
    std::span<const QString> labels;
    std::span<const int> child_counts;
    Qt::ItemFlags flags;
    std::vector<QTreeWidgetItem*> nodes;
    std::size_t next = 0;

    // Node `next` (and its children after it), made of `node` when there is one. A node out of
    // the view keeps its children while their number is right; otherwise they are taken off,
    // reused as far as they go, and the rest freed.
    QTreeWidgetItem* place(QTreeWidgetItem* node) {
        if (node == nullptr)
            node = new QTreeWidgetItem;
        const std::size_t at = next++;
        node->setText(0, labels[at]);
        if (node->flags() != flags)
            node->setFlags(flags);
        nodes.push_back(node);
        // A description that promises more children than it has nodes left gets what is left.
        const int want = static_cast<int>(std::min<std::size_t>(
            static_cast<std::size_t>(std::max(child_counts[at], 0)), labels.size() - next));
        if (node->childCount() == want) {
            int placed = 0;
            for (; placed < want && next < labels.size(); ++placed)
                place(node->child(placed));
            if (placed == want)
                return node;
            // The description ran out below: the children it did not reach go.
            QList<QTreeWidgetItem*> kept = node->takeChildren();
            for (qsizetype i = placed; i < kept.size(); ++i)
                delete kept[i];
            kept.resize(placed);
            node->addChildren(kept);
            return node;
        }
        const QList<QTreeWidgetItem*> old = node->takeChildren();
        QList<QTreeWidgetItem*> children;
        children.reserve(want);
        for (int i = 0; i < want && next < labels.size(); ++i)
            children << place(i < old.size() ? old[i] : nullptr);
        for (qsizetype i = children.size(); i < old.size(); ++i)
            delete old[i];
        node->addChildren(children);
        return node;
    }
};

} // namespace

Qt::ItemFlags node_tree::plain_flags() {
    static const Qt::ItemFlags flags = QTreeWidgetItem().flags();
    return flags;
}

std::vector<QTreeWidgetItem*> node_tree::fill(std::span<const QString> labels,
                                              std::span<const int> child_counts,
                                              Qt::ItemFlags flags) {
    filler f{labels, child_counts.first(std::min(child_counts.size(), labels.size())), flags, {}};
    f.labels = labels.first(f.child_counts.size());
    f.nodes.reserve(f.labels.size());
    // The top-level nodes leave the view at once (which forgets their selection and
    // expansion); out of it, the nodes below them are reused where they stand.
    const QList<QTreeWidgetItem*> old = invisibleRootItem()->takeChildren();
    QList<QTreeWidgetItem*> top;
    qsizetype reused = 0;
    while (f.next < f.labels.size())
        top << f.place(reused < old.size() ? old[reused++] : nullptr);
    for (; reused < old.size(); ++reused)
        delete old[reused];
    addTopLevelItems(top);
    return std::move(f.nodes);
}

} // namespace qira
