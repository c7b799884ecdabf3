#include "views/message_sink.h"

#include <QMessageBox>
#include <QPushButton>

#include <vector>

namespace qira {

namespace {

// The program's texts separate lines with a line feed and a carriage return; a box shows the
// pair as one line break.
QString for_display(QString text) {
    text.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

void dialog_message_sink::show(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Warning, caption, for_display(text), QMessageBox::Ok, parent_);
    box.exec();
}

bool dialog_message_sink::ask(const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::Question, caption, for_display(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

int dialog_message_sink::choose(const QString& caption, const QString& text,
                                const QStringList& choices) {
    QMessageBox box(QMessageBox::Question, caption, for_display(text), QMessageBox::NoButton,
                    parent_);
    box.setAccessibleName(caption);
    std::vector<QPushButton*> buttons;
    for (const QString& choice : choices) {
        // The last is what dismissing the box answers: Escape and the close box choose it.
        const bool last = buttons.size() + 1 == static_cast<std::size_t>(choices.size());
        QPushButton* b =
            box.addButton(choice, last ? QMessageBox::RejectRole : QMessageBox::AcceptRole);
        b->setAccessibleName(choice);
        buttons.push_back(b);
    }
    if (buttons.empty())
        return -1;
    box.setDefaultButton(buttons.front());
    box.setEscapeButton(buttons.back());
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (box.clickedButton() == buttons[i])
            return static_cast<int>(i);
    return static_cast<int>(buttons.size()) - 1;
}

} // namespace qira
