#include "views/player_names_dialog.h"

#include "editing/editor_index.h"
#include "views/handler_values.h"
#include "views/page_values.h"
#include "views/shown_text.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <array>

namespace qira {

std::optional<player_names> ask_player_names(QWidget* parent, const QString& title,
                                             const player_names& model) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("player_names_dialog"));
    dialog.setWindowTitle(title);
    auto* form = new QFormLayout;
    const std::array<const char*, 3> captions = {
        QT_TRANSLATE_NOOP("qira::player_names_dialog", "&First name"),
        QT_TRANSLATE_NOOP("qira::player_names_dialog", "&Pseudonym"),
        QT_TRANSLATE_NOOP("qira::player_names_dialog", "&Surname")};
    const std::array<const char*, 3> object_names = {"first_name", "pseudonym", "surname"};
    std::array<QLineEdit*, 3> fields{};
    for (std::size_t k = 0; k < fields.size(); ++k) {
        fields[k] = new QLineEdit(&dialog);
        fields[k]->setObjectName(QString::fromLatin1(object_names[k]));
        show_text(fields[k], model[k]);
        const QString caption =
            QCoreApplication::translate("qira::player_names_dialog", captions[k]);
        fields[k]->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
        auto* label = new QLabel(caption, &dialog);
        label->setBuddy(fields[k]);
        form->addRow(label, fields[k]);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    dialog.setMinimumWidth(360);
    fields[0]->selectAll();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    // A name left as it was keeps its stored bytes, also where they are not UTF-8.
    player_names names;
    for (std::size_t k = 0; k < fields.size(); ++k)
        names[k] = applied_text(fields[k], model[k]);
    return names;
}

result_of<std::optional<new_player_made>> ask_new_player(open_game& game, int model,
                                                         std::optional<std::int32_t> team,
                                                         const names_asker& ask) {
    const auto refused = [](const QString& why) {
        //: %1: why no new player can be made
        return refusal(
            QCoreApplication::translate("qira::player_names_dialog", "No new player: %1").arg(why));
    };
    if (auto can = check_new_player(game, model, team); !can)
        return refused(shown_text(can));
    const auto names =
        ask(QCoreApplication::translate("qira::player_names_dialog", "New player"), player_names{});
    if (!names)
        return result_of<std::optional<new_player_made>>::success(std::nullopt);
    new_player_made out{new_player(game, model, *names, team), {}};
    if (!out.made)
        return refused(shown_text(out.made));
    out.label = text_of(player_label(game.db.rows(table_index::players).back()));
    return result_of<std::optional<new_player_made>>::success(std::move(out));
}

} // namespace qira
