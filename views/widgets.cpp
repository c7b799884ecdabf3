#include "views/widgets.h"

namespace qira {

spin_edit::spin_edit(int minimum, int maximum, QWidget* parent) : QSpinBox(parent) {
    setRange(minimum, maximum);
    setValue(minimum);
}

typing_limit::typing_limit(QLineEdit* edit, int limit)
    : QValidator(edit), edit_(edit), limit_(limit) {
    accepted_length_ = edit->text().size();
    connect(edit, &QLineEdit::textChanged, this,
            [this](const QString& text) { accepted_length_ = text.size(); });
}

QValidator::State typing_limit::validate(QString& input, int&) const {
    if (input.size() <= limit_)
        return Acceptable;
    // Longer than the limit: a text set from code (the edit is not modified then), or the user
    // shortening such a text.
    if (!edit_->isModified() || input.size() <= accepted_length_)
        return Acceptable;
    return Invalid;
}

} // namespace qira
