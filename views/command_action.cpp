#include "views/command_action.h"

#include "views/game_document.h"
#include "views/message_sink.h"
#include "views/page_widgets.h"
#include "views/shown_text.h"
#include "views/widgets.h"

namespace qira {

QAction* make_command(QObject* parent, const char* name, const QString& text,
                      const QList<QKeySequence>& keys) {
    auto* action = new QAction(text, parent);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

void trigger_from(QPushButton* button, QAction* action) {
    button->addAction(action);
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::enabledChanged, button, &QPushButton::setEnabled);
    QObject::connect(action, &QAction::changed, button, [button, action] {
        if (button->text() != action->text())
            button->setText(action->text());
    });
    button->setEnabled(action->isEnabled());
    button->setText(action->text());
}

QPushButton* command_button(const char* name, QAction* action, QWidget* parent) {
    QPushButton* b = button(name, action->text(), parent);
    trigger_from(b, action);
    return b;
}

void run_command(game_document& doc, message_sink& messages, status_line* status,
                 const std::function<command_outcome()>& command) {
    doc.run_guarded([&] {
        command_outcome out = command();
        if (!out.refusal.ok()) {
            messages.show(out.caption.isEmpty() ? QLatin1String(app_title) : out.caption,
                          shown_text(out.refusal));
            return;
        }
        if (!out.step.empty())
            doc.push_table_edit(std::move(out.step), out.step_name);
        if (out.status && status)
            status->setText(*out.status);
    });
}

} // namespace qira
