#include "views/free_player_dialog.h"

#include "editing/editor_index.h"
#include "views/page_values.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace qira {

std::optional<int> choose_free_player(QWidget* parent, const database& db,
                                      const std::vector<int>& rows) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("free_player_dialog"));
    dialog.setWindowTitle(QStringLiteral("Sign free player"));
    auto* filter = new QLineEdit(&dialog);
    filter->setObjectName(QStringLiteral("free_player_filter"));
    filter->setPlaceholderText(QStringLiteral("Filter by name or id"));
    filter->setAccessibleName(QStringLiteral("Filter of players without a team"));
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("free_player_list"));
    list->setAccessibleName(QStringLiteral("Players without a team"));
    const auto players = db.rows(table_index::players);
    for (int r : rows) {
        const auto& p = players[static_cast<std::size_t>(r)];
        auto* item = new QListWidgetItem(
            QStringLiteral("%1 (%2)").arg(text_of(player_label(p))).arg(p.keys[0]), list);
        item->setData(Qt::UserRole, r);
    }
    auto* label =
        new QLabel(QStringLiteral("&Players without a team (%1)").arg(rows.size()), &dialog);
    label->setBuddy(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    QObject::connect(filter, &QLineEdit::textChanged, list, [list](const QString& text) {
        QListWidgetItem* first = nullptr;
        for (int i = 0; i < list->count(); ++i) {
            QListWidgetItem* item = list->item(i);
            const bool shown = item->text().contains(text.trimmed(), Qt::CaseInsensitive);
            item->setHidden(!shown);
            if (shown && !first)
                first = item;
        }
        list->setCurrentItem(first);
    });
    if (list->count() > 0)
        list->setCurrentRow(0);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(filter);
    layout->addWidget(label);
    layout->addWidget(list, 1);
    layout->addWidget(buttons);
    dialog.resize(420, 480);
    if (dialog.exec() != QDialog::Accepted || !list->currentItem() ||
        list->currentItem()->isHidden())
        return std::nullopt;
    return list->currentItem()->data(Qt::UserRole).toInt();
}

} // namespace qira
