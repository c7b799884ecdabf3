#pragma once
// The league page (tab "League"): a league's two localized titles and its level.
//
// l_id holds the decimal row position of the shown league in the league table. It starts as
// "l_id", so that Apply before any league was shown reports "'l_id' is not a valid integer
// value"; a league node whose label no row has leaves "-1", and Apply then does nothing.

#include "views/game_document.h"
#include "views/page_fields.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include <span>
#include <vector>

namespace qira {

class league_page : public QWidget {
    Q_OBJECT

  public:
    explicit league_page(game_document& doc, QWidget* parent = nullptr);

    QLineEdit* l_name_long;
    QLineEdit* l_name_sh;
    QComboBox* l_level;
    QPushButton* l_apply;
    QLineEdit* l_id;

    // The controls that Tab moves through on this page, in order: top to bottom, "Apply" last; the
    // window chains them after the tree and the page before.
    std::vector<QWidget*> tab_order() const;

    void show_league(int row);
    // Refused when l_id holds no number.
    result l_applyClick();

    // The stored values the page shows, in tab order.
    static std::span<const page_field> fields();

  private:
    // After an undo, a redo or an edit of the tables: the page shows the row again when the step
    // touched it.
    void document_changed(const document_change& d);

    game_document& doc_;
    field_controls controls_;
};

} // namespace qira
