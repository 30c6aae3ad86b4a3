#pragma once
// RowNumberHeader: the vertical header of a document table. It numbers the data rows from 1
// and reads "Lp." in the corner above the numbers. Row 0, the title row, is hidden (the
// TitleRowHeader shows it), so a row's number is its index in the grid. The header is as
// wide as four digits or "Lp.", whichever is wider, whatever the number of rows.
// Owned by its table (QObject parent); its sections cannot be clicked.

#include <QHeaderView>

class QAbstractButton;
class QTableView;

class RowNumberHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit RowNumberHeader(QTableView* table);

    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    // Paints "Lp." over the table's corner button, which Qt draws without a text.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paintHeader(QPainter* painter, const QRect& rect, const QString& text) const;

    QAbstractButton* corner_ = nullptr;
};
