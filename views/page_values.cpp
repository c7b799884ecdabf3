#include "views/page_values.h"

#include <QVariant>

namespace qira {

namespace {

// The text or value a widget was given by its page, to tell a user's change from none.
constexpr char shown_property[] = "qira_shown";

} // namespace

QString text_of(const std::string& stored) {
    return QString::fromUtf8(stored.data(), static_cast<qsizetype>(stored.size()));
}

void show_text(QLineEdit* edit, const std::string& stored) {
    const QString text = text_of(stored);
    edit->setText(text);
    edit->setProperty(shown_property, text);
}

std::string applied_text(const QLineEdit* edit, const std::string& stored) {
    const QString text = edit->text();
    const QVariant shown = edit->property(shown_property);
    if (shown.isValid() && shown.toString() == text)
        return stored;
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

void show_item(QComboBox* list, std::uint32_t value) {
    list->setCurrentIndex(
        value < static_cast<std::uint32_t>(list->count()) ? static_cast<int>(value) : -1);
}

std::uint32_t applied_item(const QComboBox* list, std::uint32_t stored) {
    const int index = list->currentIndex();
    return index < 0 ? stored : static_cast<std::uint32_t>(index);
}

void show_spin(QSpinBox* spin, std::uint32_t value) {
    const auto low = static_cast<std::uint32_t>(spin->minimum());
    const auto high = static_cast<std::uint32_t>(spin->maximum());
    const int shown = static_cast<int>(value < low ? low : value > high ? high : value);
    spin->setValue(shown);
    spin->setProperty(shown_property, shown);
}

std::uint32_t applied_spin(const QSpinBox* spin, std::uint32_t stored) {
    const bool outside = stored < static_cast<std::uint32_t>(spin->minimum()) ||
                         stored > static_cast<std::uint32_t>(spin->maximum());
    const QVariant shown = spin->property(shown_property);
    if (outside && shown.isValid() && shown.toInt() == spin->value())
        return stored;
    return static_cast<std::uint32_t>(spin->value());
}

void show_track(QSlider* track, std::uint32_t value) {
    const auto high = static_cast<std::uint32_t>(track->maximum());
    track->setValue(static_cast<int>(value > high ? high : value));
}

} // namespace qira
