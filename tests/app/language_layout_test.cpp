// The window in each of its languages at its default size, with the windows of the tables and
// of the check: no text wider than its widget
// (measured with the widget's font), no two visible sibling widgets overlapping, and no window
// larger than the English one. Run once per scale (QT_SCALE_FACTOR set by ctest).

#include "app_test_support.h"

#include "app/registry.h"
#include "app/ui_language.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTreeWidget>

#include <map>

using namespace qira::test;

namespace {

QString who(const QWidget* w) {
    return QStringLiteral("%1 %2").arg(QLatin1String(w->metaObject()->className()),
                                       w->objectName());
}

// Each text-bearing visible widget of `area` holds its text. Problems are added to `found`.
void check_texts_fit(QWidget* area, const QString& where, QStringList& found) {
    const auto report = [&](const QWidget* w, const QString& text) {
        found << QStringLiteral("%1: %2 \"%3\" (%4 px)").arg(where, who(w), text).arg(w->width());
    };
    for (auto* label : area->findChildren<QLabel*>()) {
        const QString text = label->text();
        if (!label->isVisible() || text.trimmed().isEmpty() || label->textFormat() == Qt::RichText)
            continue;
        const QFontMetrics fm(label->font());
        const QRect room = label->contentsRect();
        if (label->wordWrap()) {
            if (label->heightForWidth(room.width()) > label->height())
                report(label, text);
            continue;
        }
        const QStringList lines = text.split(QLatin1Char('\n'));
        int widest = 0;
        for (QString line : lines)
            widest = std::max(widest, fm.horizontalAdvance(line.remove(QLatin1Char('&'))));
        if (widest > room.width() || fm.height() * lines.size() > room.height() + 2)
            report(label, text);
    }
    for (auto* button : area->findChildren<QAbstractButton*>()) {
        if (button->isVisible() && !button->text().isEmpty() &&
            button->sizeHint().width() > button->width())
            report(button, button->text());
    }
    for (auto* group : area->findChildren<QGroupBox*>()) {
        if (group->isVisible() &&
            QFontMetrics(group->font()).horizontalAdvance(group->title()) > group->width())
            report(group, group->title());
    }
    for (auto* combo : area->findChildren<QComboBox*>()) {
        if (!combo->isVisible() || combo->isEditable())
            continue;
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = false;
        const int room =
            combo->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo)
                .width();
        const QFontMetrics fm(combo->font());
        for (int i = 0; i < combo->count(); ++i)
            if (fm.horizontalAdvance(combo->itemText(i)) > room)
                report(combo, combo->itemText(i));
    }
    for (auto* edit : area->findChildren<QLineEdit*>()) {
        if (edit->isVisible() &&
            QFontMetrics(edit->font()).horizontalAdvance(edit->placeholderText()) >
                edit->contentsRect().width() - 8)
            report(edit, edit->placeholderText());
    }
    for (auto* tabs : area->findChildren<QTabBar*>()) {
        if (!tabs->isVisible())
            continue;
        const QFontMetrics fm(tabs->font());
        for (int i = 0; i < tabs->count(); ++i)
            if (fm.horizontalAdvance(tabs->tabText(i)) > tabs->tabRect(i).width())
                report(tabs, tabs->tabText(i));
    }
}

// No two visible children of one widget overlap in part: one that lies wholly over another is an
// overlay by design (the grid's filter fields over its header, the start screen over the editing
// area), two that run into each other are not.
void check_no_overlap(QWidget* parent, const QString& where, QStringList& found) {
    QList<QWidget*> shown;
    for (auto* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (child->isVisible() && !child->isWindow() && !child->geometry().isEmpty())
            shown << child;
    for (int i = 0; i < shown.size(); ++i) {
        for (int j = i + 1; j < shown.size(); ++j)
            if (const QRect a = shown[i]->geometry(), b = shown[j]->geometry();
                a.intersects(b) && !a.contains(b) && !b.contains(a))
                found << QStringLiteral("%1: %2 and %3 overlap")
                             .arg(where, who(shown[i]), who(shown[j]));
        check_no_overlap(shown[i], where, found);
    }
}

} // namespace

class language_layout_test : public QObject {
    Q_OBJECT

    // The English window's default size, which no translation may exceed.
    std::optional<QSize> english_size_;

  private slots:
    void initTestCase() {
        QVERIFY(qira::install_ui_language(QStringLiteral("en")));
        test_registry registry;
        recording_sink sink;
        TForm1 w(&sink);
        english_size_ = w.default_size();
    }

    void texts_fit_their_widgets_data() {
        QTest::addColumn<QString>("code");
        for (const auto& language : qira::ui_languages)
            QTest::newRow(language.code) << QString::fromLatin1(language.code);
    }
    void texts_fit_their_widgets() {
        QFETCH(QString, code);
        QVERIFY(qira::install_ui_language(code));
        test_registry registry;
        temp_dir install;
        registry.set(qira::install_key, qira::install_dir_value, install_dir_text(install.path()));
        write_test_install(install.path(), test_database());
        recording_sink sink;
        TForm1 w(&sink);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QStringList found;
        if (w.width() > english_size_->width() || w.height() > english_size_->height())
            found << QStringLiteral("the window is %1 x %2, larger than in English (%3 x %4)")
                         .arg(w.width())
                         .arg(w.height())
                         .arg(english_size_->width())
                         .arg(english_size_->height());
        check_texts_fit(&w, QStringLiteral("start screen"), found);
        check_no_overlap(w.Panel4, QStringLiteral("start screen"), found);
        w.Button1->click();
        QVERIFY2(w.Panel4->isHidden(), qPrintable(sink.all()));
        for (int page = 0; page < w.main->count(); ++page) {
            w.main->setCurrentIndex(page);
            QCoreApplication::processEvents();
            const QString where = QStringLiteral("page %1").arg(page);
            check_texts_fit(&w, where, found);
            check_no_overlap(&w, where, found);
        }
        // The windows of every table and of the check, at the size they open at.
        w.ButtonTablesClick();
        w.ButtonCheckClick();
        for (QWidget* other : {static_cast<QWidget*>(w.tables), static_cast<QWidget*>(w.check)}) {
            QVERIFY(other && QTest::qWaitForWindowExposed(other));
            check_texts_fit(other, who(other), found);
            check_no_overlap(other, who(other), found);
        }
        w.Button4->click(); // the start screen over the open game: its commands enabled
        QCoreApplication::processEvents();
        check_texts_fit(w.Panel4, QStringLiteral("start screen, game open"), found);
        qira::install_ui_language(QStringLiteral("en"));
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(language_layout_test)
#include "language_layout_test.moc"
