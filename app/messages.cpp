#include "messages.h"

#include <QListWidget>
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

int to_int(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        throw handler_error(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

QString list_entry(const QListWidget& list, int index) {
    if (index < 0 || index >= list.count())
        throw handler_error(QStringLiteral("List index out of bounds (%1)").arg(index));
    return list.item(index)->text();
}

} // namespace qira
