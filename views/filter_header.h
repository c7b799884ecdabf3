#pragma once
// A table header with a filter field under each column's name: what is typed there filters the
// grid's rows by that column.

#include <QHeaderView>
#include <QLineEdit>

#include <vector>

namespace qira {

class filter_header : public QHeaderView {
    Q_OBJECT

  public:
    explicit filter_header(QWidget* parent = nullptr);

    // Makes one filter field per column (all empty).
    void make_fields(int columns);
    QLineEdit* field(int column) const;
    int field_count() const { return static_cast<int>(fields_.size()); }

    QSize sizeHint() const override;
    // Puts each filter field under its column, as the columns are now.
    void place_fields();

  signals:
    void filter_changed(int column, const QString& text);

  protected:
    void updateGeometries() override;

  private:
    std::vector<QLineEdit*> fields_;
};

} // namespace qira
