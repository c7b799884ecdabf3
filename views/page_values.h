#pragma once
// How the pages show stored values in their widgets and take them back on Apply, so that Apply
// never changes what the user did not change:
// - a text whose stored bytes the edit cannot show faithfully (not valid UTF-8) is written back
//   as its stored bytes unless the user changed the edit;
// - a drop-down that shows no item (a stored number outside its list) leaves the number as it is;
// - a spinner whose stored value lies outside its range shows the nearest end of the range and
//   leaves the value as it is unless the user changed the spinner.
// Track bars clamp: a stored prestige above 10 shows as 10, and Apply stores 10.

#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>

#include <cstdint>
#include <string>

namespace qira {

QString text_of(const std::string& stored);

void show_text(QLineEdit* edit, const std::string& stored);
// The stored bytes when the edit still shows what show_text put there, else the edit's text.
std::string applied_text(const QLineEdit* edit, const std::string& stored);

// Selects item `value`, or none when there is no such item.
void show_item(QComboBox* list, std::uint32_t value);
// The selected item's index, or the stored value when none is selected.
std::uint32_t applied_item(const QComboBox* list, std::uint32_t stored);

void show_spin(QSpinBox* spin, std::uint32_t value);
// The spinner's value, or the stored value when it lies outside the range and the user left the
// spinner at the end of the range it showed.
std::uint32_t applied_spin(const QSpinBox* spin, std::uint32_t stored);

// Position = value, clamped into the track bar's range.
void show_track(QSlider* track, std::uint32_t value);

} // namespace qira
