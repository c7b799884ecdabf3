// Every text the pages and the tables window show goes through the translation system: with a
// translator that marks each text of the views' contexts, no caption, button, tip, placeholder or
// reader name of theirs is left in plain English.

#include "view_fixture.h"

#include "views/league_page.h"
#include "views/player_page.h"
#include "views/roster_page.h"
#include "views/tables_window.h"
#include "views/team_page.h"
#include "views/widgets.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTranslator>

using namespace qira;
using namespace qira::test;

namespace {

const QString open_mark = QStringLiteral("\u27e6");

// Translates every text of the views (contexts "qira::...") to itself between marks.
class marking_translator final : public QTranslator {
  public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (!QByteArray(context).startsWith("qira::"))
            return {};
        return open_mark + QString::fromUtf8(source) + QStringLiteral("\u27e7");
    }
};

// The texts under `root` the program words itself that came out unmarked, each with its widget.
QStringList unmarked_texts(const QWidget* root) {
    QStringList out;
    const auto check = [&](const QWidget* w, const char* what, const QString& text) {
        if (!text.isEmpty() && !text.contains(open_mark))
            out << QStringLiteral("%1 %2: %3").arg(w->objectName(), QLatin1String(what), text);
    };
    for (const QWidget* w : root->findChildren<QWidget*>()) {
        check(w, "tip", w->toolTip());
        check(w, "reader name", w->accessibleName());
        check(w, "reader description", w->accessibleDescription());
        if (const auto* b = qobject_cast<const QAbstractButton*>(w))
            check(w, "text", b->text());
        if (const auto* l = qobject_cast<const QLabel*>(w);
            l && !qobject_cast<const status_line*>(w))
            check(w, "text", l->text());
        if (const auto* e = qobject_cast<const QLineEdit*>(w))
            check(w, "placeholder", e->placeholderText());
    }
    return out;
}

} // namespace

class page_texts_test : public QObject {
    Q_OBJECT

  private slots:
    void pages_and_tables_window_show_only_translated_texts() {
        marking_translator marks;
        QCoreApplication::installTranslator(&marks);
        {
            view_fixture f(sample_options{});
            TForm1& w = f.w();
            w.ButtonTables->click();
            QVERIFY(w.tables);
            for (const QWidget* root :
                 {static_cast<QWidget*>(w.league), static_cast<QWidget*>(w.team),
                  static_cast<QWidget*>(w.player), static_cast<QWidget*>(w.roster),
                  static_cast<QWidget*>(w.tables)}) {
                const QStringList unmarked = unmarked_texts(root);
                QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(QLatin1Char('\n'))));
            }
            // The drop-down items the program lists (not the players it names).
            for (const QComboBox* c : {w.league->l_level, w.team->cobo_formations,
                                       w.team->cobo_attack, w.player->pl_pos}) {
                QVERIFY(c->count() > 0);
                for (int i = 0; i < c->count(); ++i)
                    QVERIFY2(c->itemText(i) == QLatin1String("-----") ||
                                 c->itemText(i).contains(open_mark),
                             qPrintable(c->objectName() + QLatin1Char(' ') + c->itemText(i)));
            }
        }
        QCoreApplication::removeTranslator(&marks);
    }
};

QTEST_MAIN(page_texts_test)
#include "page_texts_test.moc"
