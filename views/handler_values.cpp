#include "views/handler_values.h"

#include <QListWidget>

namespace qira {

result refusal(const QString& text) {
    return result::failure(result::code::refused, {}, text.toStdString());
}

result not_an_integer(const QString& text) {
    return refusal(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

result_of<int> to_int(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        return not_an_integer(text);
    return result_of<int>::success(value);
}

result_of<QString> list_entry(const QListWidget& list, int index) {
    if (index < 0 || index >= list.count())
        return refusal(QStringLiteral("List index out of bounds (%1)").arg(index));
    return result_of<QString>::success(list.item(index)->text());
}

} // namespace qira
