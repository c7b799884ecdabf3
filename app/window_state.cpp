// What the main window keeps between runs: its place, size and maximised state, and the language
// it speaks; and how it grows beyond its default size.

#include "app/main_window.h"

#include "app/registry.h"
#include "app/ui_language.h"
#include "views/window_place.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QTreeWidget>

#include <algorithm>

namespace {

// The screen that shows most of `place`, else the primary one.
QScreen* screen_of(const QRect& place) {
    QScreen* best = QGuiApplication::primaryScreen();
    qint64 most = 0;
    for (QScreen* screen : QGuiApplication::screens()) {
        const QRect common = screen->availableGeometry().intersected(place);
        const qint64 area = qint64(common.width()) * common.height();
        if (area > most) {
            most = area;
            best = screen;
        }
    }
    return best;
}

} // namespace

void TForm1::show_at_kept_place() {
    std::optional<QRect> place;
    bool maximized = false;
    if (auto key = qira::registry_key::open(QLatin1String(qira::editor_key))) {
        if (const auto text = key->read(QLatin1String(qira::main_place_value)))
            place = qira::place_from_text(*text);
        maximized = key->read(QLatin1String(qira::main_maximized_value)) == QStringLiteral("1");
        key->close();
    }
    if (place) {
        QScreen* on = screen_of(*place);
        place = on ? qira::fit_remembered(*place, on->availableGeometry()) : std::nullopt;
    }
    if (place) {
        // The frame around the content is known once the window was shown; until then the
        // place is taken as the content's, which is at most the frame's size.
        const QSize frame = frameGeometry().size() - geometry().size();
        resize((place->size() - frame).expandedTo(default_size_));
        move(place->topLeft());
    }
    if (maximized)
        showMaximized();
    else
        show();
}

void TForm1::store_place() {
    auto key = qira::registry_key::open(QLatin1String(qira::editor_key));
    if (!key)
        return;
    // The frame of the window when not maximised, so that it comes back there from maximised.
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    const QPoint frame_offset = geometry().topLeft() - frameGeometry().topLeft();
    const QSize frame = frameGeometry().size() - geometry().size();
    // A place that cannot be stored is only not restored next time.
    (void)key->write(
        QLatin1String(qira::main_place_value),
        qira::place_text(QRect(normal.topLeft() - frame_offset, normal.size() + frame)));
    (void)key->write(QLatin1String(qira::main_maximized_value),
                     QLatin1String(isMaximized() ? "1" : "0"));
    key->close();
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (default_tree_width_ <= 0)
        return;
    const int gained = std::max(0, width() - default_size_.width());
    const int tree_width = default_tree_width_ + gained / 3;
    if (TreeView1->minimumWidth() != tree_width) {
        TreeView1->setMinimumWidth(tree_width);
        layout()->activate();
    }
}

void TForm1::choose_ui_language(int index) {
    const QString code = cb_ui_lng->itemData(index).toString();
    const QString name = cb_ui_lng->itemText(index);
    if (!qira::keep_ui_language(code)) {
        relay_.show(tr("Window language"), tr("The choice of language could not be stored."));
        return;
    }
    // Said in the language chosen, which the window speaks from its next start.
    const QStringList said = qira::translate_into(
        code, "TForm1",
        {QT_TR_NOOP("Window language"), QT_TR_NOOP("The window speaks %1."),
         QT_TR_NOOP("The window will speak %1 from the editor's next start.")});
    relay_.show(said[0], said[code == qira::installed_ui_language() ? 1 : 2].arg(name));
}
