#include "views/free_player_dialog.h"

#include "editing/label_find.h"
#include "views/page_values.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <string>

namespace qira {

namespace {

// Up, Down and the page keys typed in the filter move in the list, so that the user types a
// few letters, picks with the arrows and signs with Enter without leaving the filter.
class list_keys final : public QObject {
  public:
    list_keys(QListWidget* list, QObject* parent) : QObject(parent), list_(list) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
                QCoreApplication::sendEvent(list_, event);
                return true;
            default:
                break;
            }
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QListWidget* list_;
};

} // namespace

std::optional<int> choose_free_player(QWidget* parent, const std::vector<player_choice>& players) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("free_player_dialog"));
    dialog.setWindowTitle(
        QCoreApplication::translate("qira::free_player_dialog", "Sign free player"));
    auto* filter = new QLineEdit(&dialog);
    filter->setObjectName(QStringLiteral("free_player_filter"));
    filter->setPlaceholderText(
        QCoreApplication::translate("qira::free_player_dialog", "Filter by name or id"));
    filter->setAccessibleName(QCoreApplication::translate("qira::free_player_dialog",
                                                          "Filter of players without a team"));
    auto* list = new QListWidget(&dialog);
    list->setObjectName(QStringLiteral("free_player_list"));
    list->setAccessibleName(
        QCoreApplication::translate("qira::free_player_dialog", "Players without a team"));
    // Matched as find in the tree matches: folded words, each anywhere ("lukasz" finds
    // "Łukasz", "ann 4012" finds "Anna Berg (4012)"), or the id.
    std::vector<std::string> labels;
    std::vector<std::optional<std::int32_t>> ids;
    labels.reserve(players.size());
    ids.reserve(players.size());
    for (const player_choice& p : players) {
        labels.push_back(p.label);
        ids.emplace_back(p.id);
        auto* item = new QListWidgetItem(text_of(p.label), list);
        item->setData(Qt::UserRole, p.row);
    }
    auto index = std::make_shared<label_find>();
    index->assign(std::move(labels), std::move(ids));
    auto* label = new QLabel(
        QCoreApplication::translate("qira::free_player_dialog", "&Players without a team (%L1)")
            .arg(players.size()),
        &dialog);
    label->setBuddy(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    filter->installEventFilter(new list_keys(list, &dialog));
    QObject::connect(filter, &QLineEdit::textChanged, list, [list, index](const QString& text) {
        std::vector<std::size_t> shown;
        if (text.trimmed().isEmpty()) {
            shown.resize(static_cast<std::size_t>(list->count()));
            for (std::size_t i = 0; i < shown.size(); ++i)
                shown[i] = i;
        } else {
            const QByteArray utf8 = text.toUtf8();
            shown = index->matches(
                std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
            std::sort(shown.begin(), shown.end());
        }
        for (int i = 0; i < list->count(); ++i)
            list->item(i)->setHidden(
                !std::binary_search(shown.begin(), shown.end(), static_cast<std::size_t>(i)));
        list->setCurrentItem(shown.empty() ? nullptr : list->item(static_cast<int>(shown.front())));
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
