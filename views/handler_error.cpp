#include "views/handler_error.h"

#include <QListWidget>

namespace qira {

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
