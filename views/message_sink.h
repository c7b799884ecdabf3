#pragma once
// How the window talks to the user: message boxes go through a small interface that the tests
// replace, and the refusal an event handler returns (or an error it raises) is shown by the
// default error handler (a box with its message), after which the program goes on.

#include <QString>
#include <QStringList>

class QWidget;

namespace qira {

// The application's title (a name: never translated), also the caption of the default error
// handler's box.
inline constexpr char app_title[] = "QIRA DB EDITOR 2004";
// The context the two captions below are translated in: shown through
// QCoreApplication::translate(message_sink_context, caption).
inline constexpr char message_sink_context[] = "qira::message_sink";
// Caption of the box that reports a file that cannot be loaded.
inline constexpr char fatal_error_caption[] =
    QT_TRANSLATE_NOOP("qira::message_sink", "Fatal Error");
// Caption of the box that reports a save that did not complete.
inline constexpr char save_error_caption[] = QT_TRANSLATE_NOOP("qira::message_sink", "Error");

// Shows message boxes. Texts are passed exactly as the program words them.
class message_sink {
  public:
    virtual ~message_sink() = default;
    // A box with caption, text and an OK button.
    virtual void show(const QString& caption, const QString& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool ask(const QString& caption, const QString& text) = 0;
    // A question answered with one of `choices` (at least two; the first is the default): the
    // index of the one chosen. Dismissing the box (Escape, its close box) chooses the last. A
    // sink that only asks Yes/No takes Yes for the first and No for the last.
    virtual int choose(const QString& caption, const QString& text, const QStringList& choices) {
        return ask(caption, text) ? 0 : static_cast<int>(choices.size()) - 1;
    }
};

// Passes every box on to another sink, which can be changed: what the window's commands are given,
// so that the sink the window shows its boxes through can be replaced after they were made.
class message_relay final : public message_sink {
  public:
    void set_target(message_sink* target) { target_ = target; }
    void show(const QString& caption, const QString& text) override {
        target_->show(caption, text);
    }
    bool ask(const QString& caption, const QString& text) override {
        return target_->ask(caption, text);
    }
    int choose(const QString& caption, const QString& text, const QStringList& choices) override {
        return target_->choose(caption, text, choices);
    }

  private:
    message_sink* target_ = nullptr;
};

// The real boxes, modal over `parent`.
class dialog_message_sink final : public message_sink {
  public:
    explicit dialog_message_sink(QWidget* parent) : parent_(parent) {}
    void show(const QString& caption, const QString& text) override;
    bool ask(const QString& caption, const QString& text) override;
    int choose(const QString& caption, const QString& text, const QStringList& choices) override;

  private:
    QWidget* parent_;
};

} // namespace qira
