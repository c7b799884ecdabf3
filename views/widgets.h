#pragma once
// Three controls the window needs beyond Qt's own.

#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QValidator>

#include <functional>

namespace qira {

// An edit with an attached up-down spinner, made of one QSpinBox: the spinner is the `_p` member
// of the window (pl_height_p) and its text field the edit member (pl_height). So:
// - setting the spinner from code (setValue) rewrites the edit's text and fires the spinner's
//   textChanged, which serves as the edit's change event (it also fires when the user types or
//   steps to another number);
// - a typed text that is not a whole number within the range never becomes the spinner's value:
//   value() keeps the last valid number, and the text returns to it when editing ends.
class spin_edit final : public QSpinBox {
    Q_OBJECT
  public:
    spin_edit(int minimum, int maximum, QWidget* parent);
    // The text field.
    QLineEdit* edit() const { return lineEdit(); }
};

// A limit on what the user types into an edit, unlike QLineEdit::setMaxLength, which also cuts a
// longer text set from code. A text set from code is kept whole, and the user may shorten it but
// never lengthen a text beyond the limit.
class typing_limit final : public QValidator {
    Q_OBJECT
  public:
    typing_limit(QLineEdit* edit, int limit);
    State validate(QString& input, int& pos) const override;
    int limit() const { return limit_; }

  private:
    QLineEdit* edit_;
    int limit_;
    qsizetype accepted_length_ = 0; // of the text before the change being validated
};

// A status line: a line of text that tells what the last command did. On the accessibility bus
// its name is its text (what a sighted user reads), its role a status bar and its description
// the label it has for the reader only ("Player status"); each change of its text is announced
// (name and value changed). Hold it as a status_line: its setText and clear are the ones that
// announce.
class status_line final : public QLabel {
    Q_OBJECT
  public:
    status_line(const char* object_name, const QString& reader_label, QWidget* parent);
    void setText(const QString& text);
    void clear() { setText(QString()); }
};

// Runs `work` on a thread of its own while the window stays painted: user input waits until it
// is done (the work may read the open game, which nothing edits meanwhile), and when it takes
// over half a second a modal dialog with a busy bar and `label` ("Reading mod.json...") shows,
// named for screen readers. `work` must not touch widgets.
void run_with_progress(QWidget* parent, const QString& label, const std::function<void()>& work);

} // namespace qira
