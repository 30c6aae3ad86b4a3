#pragma once
// TitleRowHeader: shows row 0 of a document table, its title row, as the table's
// horizontal header, so the titles stay at the top while the rows under them scroll. Row 0
// stays an ordinary row of the grid, read and written as before; the table only hides it
// and the header paints its cells through the table's own delegate, with the grid lines.
// The header is as high as the table's default row, and never lower than the title text.
// Owned by its table (QObject parent); its sections cannot be clicked or dragged.

#include <QHeaderView>

class QTableView;

class TitleRowHeader : public QHeaderView {
    Q_OBJECT
public:
    // REQUIRES: the table has its row 0.
    explicit TitleRowHeader(QTableView* table);

    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    QTableView* table_;
};
