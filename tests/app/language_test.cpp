// The window's language, size and place: which language it speaks, the choice kept for the next
// start, growing beyond its default size, and the place it was left restored where the screen
// shows it.

#include "app_test_support.h"

#include "app/registry.h"
#include "app/ui_language.h"
#include "views/window_place.h"

#include <QScreen>
#include <QTabWidget>
#include <QTreeWidget>

using namespace qira::test;

class language_test : public QObject {
    Q_OBJECT

  private slots:
    void the_language_spoken_data() {
        QTest::addColumn<QString>("kept"); // "-": none kept
        QTest::addColumn<QStringList>("system");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("system's") << "-" << QStringList{"sv-SE", "en-US"} << "sv";
        QTest::newRow("first of the six") << "-" << QStringList{"de-DE", "nl-BE", "fr"} << "nl";
        QTest::newRow("none of the six") << "-" << QStringList{"de-DE", "pt-BR"} << "en";
        QTest::newRow("no system language") << "-" << QStringList{} << "en";
        QTest::newRow("kept over system's") << "it" << QStringList{"es-ES"} << "it";
        QTest::newRow("kept with country") << "fr_CA" << QStringList{} << "fr";
        QTest::newRow("kept unknown") << "de" << QStringList{"es"} << "es";
        QTest::newRow("kept empty") << "" << QStringList{"fr-FR"} << "fr";
    }
    void the_language_spoken() {
        QFETCH(QString, kept);
        QFETCH(QStringList, system);
        QFETCH(QString, spoken);
        const std::optional<QString> choice =
            kept == QLatin1String("-") ? std::nullopt : std::optional<QString>(kept);
        QCOMPARE(qira::pick_ui_language(choice, system), spoken);
    }

    // Every language is built in, ours and Qt's, and speaks in its own words.
    void every_language_loads() {
        for (const auto& language : qira::ui_languages) {
            const QString code = QLatin1String(language.code);
            QVERIFY2(qira::install_ui_language(code), language.code);
            QCOMPARE(qira::installed_ui_language(), code);
            const QString caption = QCoreApplication::translate("TForm1", "Window language");
            QCOMPARE(caption == QLatin1String("Window language"), code == QLatin1String("en"));
            QCOMPARE(QLocale().language(), QLocale(code).language());
        }
        QVERIFY(!qira::install_ui_language(QStringLiteral("de")));
        QCOMPARE(qira::installed_ui_language(), QStringLiteral("en"));
    }

    // Chosen in the window: kept as "UI language", apart from the language file's value, and
    // said in the chosen language to apply from the next start.
    void choosing_keeps_it_for_the_next_start() {
        test_registry registry;
        registry.set(qira::editor_key, qira::language_value, QStringLiteral("2"));
        recording_sink sink;
        TForm1 w(&sink);
        QCOMPARE(w.cb_ui_lng->accessibleName(), QStringLiteral("Window language"));
        QCOMPARE(w.cb_ui_lng->count(), 6);
        const int french = w.cb_ui_lng->findData(QStringLiteral("fr"));
        w.cb_ui_lng->setCurrentIndex(french);
        emit w.cb_ui_lng->activated(french);
        QCOMPARE(registry.get(qira::editor_key, qira::ui_language_value), QStringLiteral("fr"));
        QCOMPARE(registry.get(qira::editor_key, qira::language_value), QStringLiteral("2"));
        QCOMPARE(sink.shown.size(), std::size_t{1});
        QVERIFY2(sink.shown[0].text.contains(QStringLiteral("Français")), qPrintable(sink.all()));
        QVERIFY2(!sink.shown[0].text.contains(QStringLiteral("next start")),
                 qPrintable(sink.all())); // in French
        // The next window offers the kept choice.
        TForm1 next(&sink);
        QCOMPARE(next.cb_ui_lng->currentData().toString(), QStringLiteral("fr"));
    }

    // Its default size is its smallest; larger, the tree takes a third of the width gained and
    // the page the rest, and the page's widgets keep their places in it.
    void resizing_grows_the_tree_and_the_page() {
        test_registry registry;
        temp_dir install;
        registry.set(qira::install_key, qira::install_dir_value, install_dir_text(install.path()));
        write_test_install(install.path(), test_database());
        recording_sink sink;
        TForm1 w(&sink);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.Button1->click();
        QVERIFY(w.Panel4->isHidden());
        QCOMPARE(w.minimumSize(), w.default_size());
        QCOMPARE(w.size(), w.default_size());
        QVERIFY(w.maximumWidth() > 4000 && w.maximumHeight() > 4000);
        QVERIFY(w.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        w.main->setCurrentIndex(2);
        const QSize tree = w.TreeView1->size();
        const QSize page = w.main->size();
        const QPoint apply = w.player->pl_apply->pos();
        w.resize(w.default_size() + QSize(300, 200));
        QCoreApplication::processEvents();
        QCOMPARE(w.TreeView1->width(), tree.width() + 100);
        QCOMPARE(w.main->width(), page.width() + 200);
        QCOMPARE(w.TreeView1->height(), tree.height() + 200);
        QCOMPARE(w.main->height(), page.height() + 200);
        QCOMPARE(w.player->pl_apply->pos().y() - apply.y(), 200); // the bottom row stays below
        w.resize(w.default_size());
        QCoreApplication::processEvents();
        QCOMPARE(w.TreeView1->size(), tree);
        QCOMPARE(w.main->size(), page);
    }

    // The place it was left comes back where the screen shows it; a place off every screen, or
    // text that is no place, leaves the default.
    void restoring_the_place_data() {
        QTest::addColumn<QString>("kept");
        QTest::addColumn<bool>("restored");
        QTest::newRow("on the screen") << "40,30,500,300" << true;
        QTest::newRow("off the screen") << "-5000,-5000,500,300" << false;
        QTest::newRow("not a place") << "40,30,wide" << false;
        QTest::newRow("none") << "" << false;
    }
    void restoring_the_place() {
        QFETCH(QString, kept);
        QFETCH(bool, restored);
        test_registry registry;
        if (!kept.isEmpty())
            registry.set(qira::editor_key, qira::main_place_value, kept);
        recording_sink sink;
        TForm1 w(&sink);
        w.show_at_kept_place();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QRect screen = w.screen()->availableGeometry();
        QVERIFY(screen.contains(w.frameGeometry().topLeft()));
        // Never smaller than its default size.
        QCOMPARE(w.size(), w.default_size());
        QCOMPARE(w.pos() == QPoint(40, 30), restored);
    }

    void the_place_and_maximised_state_are_kept() {
        test_registry registry;
        recording_sink sink;
        {
            TForm1 w(&sink);
            w.show();
            w.move(60, 50);
            w.resize(w.default_size() + QSize(40, 30));
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            w.close();
        }
        const auto place = qira::place_from_text(
            registry.get(qira::editor_key, qira::main_place_value).value_or(QString()));
        QVERIFY(place);
        QCOMPARE(registry.get(qira::editor_key, qira::main_maximized_value), QStringLiteral("0"));
        registry.set(qira::editor_key, qira::main_maximized_value, QStringLiteral("1"));
        TForm1 again(&sink);
        again.show_at_kept_place();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QVERIFY(again.isMaximized());
        // Moved as far as needed onto the screen (the test's screen is smaller than the window).
        const auto shown = qira::fit_remembered(*place, again.screen()->availableGeometry());
        QVERIFY(shown);
        QCOMPARE(again.normalGeometry().topLeft(), shown->topLeft());
    }
};

QTEST_MAIN(language_test)
#include "language_test.moc"
