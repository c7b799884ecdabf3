#pragma once
// A table header with a filter field under each column's name: what is typed there filters the
// grid's rows by that column.

#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>

#include <vector>

namespace qira {

class filter_header : public QHeaderView {
    Q_OBJECT

  public:
    explicit filter_header(QWidget* parent = nullptr);

    // Where the filter fields live: a widget around the grid (the window), so that they are
    // ordinary controls of the window for the keyboard and the accessibility bus; placed over
    // the header's lower part. Without a host they are the header's children.
    void set_field_host(QWidget* host) { host_ = host; }
    // Makes one filter field per column (all empty).
    void make_fields(int columns);
    QLineEdit* field(int column) const;
    int field_count() const { return static_cast<int>(fields_.size()); }

    QSize sizeHint() const override;
    // Puts each filter field under its column, as the columns are now.
    void place_fields();

  signals:
    void filter_changed(int column, const QString& text);
    // A column's name was clicked with Shift held: sort it by name, where it names rows.
    void name_sort_clicked(int column);

  protected:
    void updateGeometries() override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::vector<QLineEdit*> fields_;
    QPointer<QWidget> host_;
};

} // namespace qira
