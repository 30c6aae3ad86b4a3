#pragma once
// RowScroll: how a document table scrolls. While every row fits in the visible area the
// table scrolls a whole row at a time, so the top row is never cut; while a row is taller
// than the visible area it scrolls by pixels, so every line of that row can be reached.
// The row at the top stays at the top when the way of scrolling changes.
// Owned by its table (QObject parent).

#include <QObject>

class QTableView;

class RowScroll : public QObject {
    Q_OBJECT
public:
    explicit RowScroll(QTableView* table);

protected:
    // The visible area was resized.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void rowResized(int row, int oldHeight, int newHeight);
    bool someRowIsTooTall() const;
    void scrollByPixels(bool byPixels);

    QTableView* table_;
};
