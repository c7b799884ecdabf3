#include "app/autoscreenshot.h"

#include "app/main_window.h"
#include "app/ui_language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace qira {

namespace {

class console_messages final : public message_sink {
  public:
    void show(const QString& caption, const QString& text) override {
        std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
    }
    bool ask(const QString& caption, const QString& text) override {
        show(caption, text);
        return true;
    }
};

bool save_shot(TForm1& window, const QString& file) {
    const bool saved = window.grab().save(file, "PNG");
    std::fprintf(saved ? stdout : stderr, "%s %s\n", saved ? "Screenshot:" : "Could not write",
                 qPrintable(QFileInfo(file).absoluteFilePath()));
    return saved;
}

} // namespace

bool schedule_autoscreenshot(TForm1& window) {
    const QString file = qEnvironmentVariable("QIRA_AUTOSCREENSHOT");
    if (file.isEmpty())
        return false;
    static console_messages messages;
    window.set_message_sink(&messages);
    QTimer::singleShot(0, &window, [&window, file] {
        const QFileInfo info(file);
        const QString start = info.path() + QLatin1Char('/') + info.completeBaseName() +
                              QLatin1String("-start.") + info.suffix();
        bool ok = save_shot(window, start);
        // The language the window speaks, by one of its captions.
        std::printf("Window language: %s (\"%s\")\n", qPrintable(installed_ui_language()),
                    qPrintable(window.Button1->text()));
        window.Button1->click();
        QCoreApplication::processEvents();
        const bool opened = window.Panel4->isHidden();
        // A player found by name shows his page beside the tree.
        if (opened && window.tree_nodes.size() > 2)
            window.TreeView1Find->field->setText(
                window.tree_nodes[2]->text(0).section(QLatin1Char(' '), 0, 0));
        QCoreApplication::processEvents();
        ok = save_shot(window, file) && ok;
        // The window of every table, on the players.
        if (opened) {
            window.ButtonTablesClick();
            window.tables->show_table(4);
            QCoreApplication::processEvents();
            const QString tables = info.path() + QLatin1Char('/') + info.completeBaseName() +
                                   QLatin1String("-tables.") + info.suffix();
            const bool saved = window.tables->grab().save(tables, "PNG");
            std::fprintf(saved ? stdout : stderr, "%s %s\n",
                         saved ? "Screenshot:" : "Could not write",
                         qPrintable(QFileInfo(tables).absoluteFilePath()));
            ok = saved && ok;
        }
        QCoreApplication::exit(ok && opened ? 0 : 1);
    });
    return true;
}

} // namespace qira
