#include "views/message_sink.h"

#include <QMessageBox>

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

} // namespace qira
