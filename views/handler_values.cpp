#include "views/handler_values.h"

#include <QCoreApplication>
#include <QListWidget>

namespace qira {

result refusal(const QString& text) {
    return result::failure(result::code::refused, {}, text.toStdString());
}

result not_an_integer(const QString& text) {
    return refusal(
        QCoreApplication::translate("qira::handler_values", "'%1' is not a valid integer value")
            .arg(text));
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
        return refusal(
            QCoreApplication::translate("qira::handler_values", "List index out of bounds (%1)")
                .arg(index));
    return result_of<QString>::success(list.item(index)->text());
}

result_of<std::uint32_t> to_stored_number(const QString& text) {
    constexpr std::uint64_t most = 0xFFFFFFFFu;
    std::uint64_t value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return not_an_integer(text);
        value = value * 10 + static_cast<std::uint64_t>(c.unicode() - u'0');
        if (value > most)
            return not_an_integer(text);
    }
    if (text.isEmpty())
        return not_an_integer(text);
    return result_of<std::uint32_t>::success(static_cast<std::uint32_t>(value));
}

result_of<std::uint32_t> list_number(const QListWidget& list, int index) {
    const auto entry = list_entry(list, index);
    if (!entry)
        return entry.outcome();
    return to_stored_number(entry.value);
}

int shown_row(const QString& id_text, std::size_t rows) {
    const auto row = to_stored_number(id_text);
    return row && row.value < rows ? static_cast<int>(row.value) : -1;
}

} // namespace qira
