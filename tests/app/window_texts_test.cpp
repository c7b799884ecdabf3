// The window's own texts go through Qt's translation system: a translator that marks every text
// it is asked for ("[text]") shows which texts the window took from it and under which context.

#include "app_test_support.h"

#include "app/registry.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTranslator>
#include <QTreeWidget>

#include <set>

using namespace qira::test;

namespace {

class marking_translator final : public QTranslator {
  public:
    mutable std::set<QString> contexts;

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        contexts.insert(QString::fromUtf8(context));
        return QLatin1Char('[') + QString::fromUtf8(source) + QLatin1Char(']');
    }
};

// Installed for as long as it lives.
struct installed_translator {
    marking_translator translator;
    installed_translator() { QCoreApplication::installTranslator(&translator); }
    ~installed_translator() { QCoreApplication::removeTranslator(&translator); }
};

bool marked(const QString& text) {
    return text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']'));
}

} // namespace

class window_texts_test : public QObject {
    Q_OBJECT

  private slots:
    void the_windows_own_texts_come_from_the_translator() {
        test_registry registry; // no game: the start screen says so in its status line
        installed_translator tr;
        recording_sink sink;
        TForm1 w(&sink);
        QStringList texts;
        for (QWidget* area : {static_cast<QWidget*>(w.Panel1), static_cast<QWidget*>(w.Panel4)}) {
            for (auto* b : area->findChildren<QPushButton*>()) {
                texts << b->text() << b->accessibleName();
                // Undo's and Redo's tips follow the undo stack (views/undo_buttons).
                if (b != w.ButtonUndo && b != w.ButtonRedo)
                    texts << b->toolTip();
            }
            for (auto* l : area->findChildren<QLabel*>())
                texts << l->text() << l->accessibleName();
        }
        for (int i = 0; i < w.main->count(); ++i)
            texts << w.main->tabText(i);
        texts << w.Memo1->toPlainText() << w.TreeView1->accessibleName();
        texts.removeAll(QString()); // pictures, buttons without a tool tip
        QVERIFY(texts.size() > 30);
        for (const QString& text : texts)
            QVERIFY2(marked(text), qPrintable(text));
        // Every context of the program's is one lupdate gives: the window's class, or a class of
        // the program's namespace (Qt's own classes translate the names of keys).
        for (const QString& context : tr.translator.contexts)
            QVERIFY2(context == QLatin1String("TForm1") || context.startsWith("qira::") ||
                         context.startsWith(QLatin1Char('Q')),
                     qPrintable(context));
    }

    void the_commands_boxes_come_from_the_translator() {
        test_registry registry;
        temp_dir install;
        installed_translator tr;
        recording_sink sink;
        {
            // The game's folder holds nothing yet: the database cannot be opened.
            registry.set(qira::install_key, qira::install_dir_value,
                         install_dir_text(install.path()));
            TForm1 w(&sink);
            w.Button1->click();
            QCOMPARE(sink.shown.size(), std::size_t{1});
            QCOMPARE(sink.shown[0].caption, QStringLiteral("[Fatal Error]"));
            QVERIFY2(marked(sink.shown[0].text), qPrintable(sink.shown[0].text));
        }
        write_test_install(install.path(), test_database());
        TForm1 w(&sink);
        w.Button1->click();
        QVERIFY2(w.Panel4->isHidden() && sink.shown.size() == 1, qPrintable(sink.all()));
        mark_unsaved(w);
        w.Button4->click();
        sink.answers = {false};
        w.Button14->click(); // "Close" asks before it drops the change
        QCOMPARE(sink.asked.size(), std::size_t{1});
        QVERIFY2(marked(sink.asked[0].text), qPrintable(sink.asked[0].text));
    }
};

QTEST_MAIN(window_texts_test)
#include "window_texts_test.moc"
