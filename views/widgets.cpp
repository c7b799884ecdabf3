#include "views/widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEventLoop>
#include <QProgressDialog>

#include <exception>
#include <thread>

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

namespace {

// What the bus reads of a status line: its text as name and value, its reader label as
// description.
class status_line_accessible final : public QAccessibleWidget {
  public:
    explicit status_line_accessible(QWidget* w) : QAccessibleWidget(w, QAccessible::StatusBar) {}
    QString text(QAccessible::Text t) const override {
        const auto* line = static_cast<const QLabel*>(widget());
        switch (t) {
        case QAccessible::Name:
        case QAccessible::Value:
            return line->text();
        case QAccessible::Description:
            return line->accessibleDescription();
        default:
            return QAccessibleWidget::text(t);
        }
    }
};

QAccessibleInterface* status_line_factory(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String("qira::status_line") && object && object->isWidgetType())
        return new status_line_accessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

status_line::status_line(const char* object_name, const QString& reader_label, QWidget* parent)
    : QLabel(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(status_line_factory);
        return true;
    }();
    (void)installed;
    setObjectName(QLatin1String(object_name));
    setAccessibleDescription(reader_label);
}

void status_line::setText(const QString& text) {
    QLabel::setText(text);
    // QLabel tells of its new name (a status line has no accessible name of its own, so its
    // name is its text); the value follows it. The same text again is told again: a command
    // repeated says what it did again, as a sighted user sees the line written again.
    if (text.isEmpty())
        return;
    QAccessibleValueChangeEvent value(this, text);
    QAccessible::updateAccessibility(&value);
}

void run_with_progress(QWidget* parent, const QString& label, const std::function<void()>& work) {
    QProgressDialog dialog(label, QString(), 0, 0, parent);
    dialog.setObjectName(QStringLiteral("progress"));
    dialog.setWindowTitle(label);
    dialog.setAccessibleName(label);
    dialog.setCancelButton(nullptr);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setMinimumDuration(500); // shown only for work that takes longer
    dialog.setValue(0);             // from now
    QEventLoop loop;
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    worker.join();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace qira
