#pragma once
// GridDelegate: paints the cells of a document table: the title row on the button face,
// even data rows on the tooltip background, word-wrapped text, rows grown to their text,
// pure red text for the cells the table's red rule picks, and the warning background (with
// its tooltip) for the cells its window flags as off-scale. It also tells its window when
// the focused cell has been painted, so a picker button or the answer list can sit on it.
// Its in-place editors refuse what Windows-1250 cannot hold and put every change into the
// cell at once; Esc gives the cell back the text it had before the typing. Owned by its table (QObject parent).

#include "controls/win1250_input.h"

#include <QColor>
#include <QFont>
#include <functional>

class QTableView;

class GridDelegate;

// Puts `delegate` in place of the GridDelegate of `table` (deleting the old one), with the old
// one's editor key watcher.
void replaceGridDelegate(QTableView* table, GridDelegate* delegate);

// Gives row `row` of `table` the height `height`, unless it is as tall already, once the
// painting under way is over: rows grow while painting but never shrink, and the rows
// painted later in the same pass keep the positions they were laid out with. A focused cell
// that was wholly in view stays so (Ctrl+End shows the last row whole).
void growRowLater(QTableView* table, int row, int height);

class GridDelegate : public Win1250CellDelegate {
    Q_OBJECT
public:
    enum class RedRule {
        None,           // the project window never paints red
        Unacceptable,   // cells with "duże - niedopuszczalne" (risk levels 4 and 5)
        ContainsNie,    // cells with the upper-case "NIE" anywhere in the text
    };
    struct Style {
        bool boldTitles = false;
        // Even data rows draw their text (the focused cell's excepted) in the window-text
        // colour; otherwise they change only the background.
        bool evenRowsWindowText = true;
        RedRule red = RedRule::None;
    };

    inline static const QColor Red{255, 0, 0};
    // The background of a factor cell whose text is not an entry of the method's scale.
    inline static const QColor Warning{255, 196, 110};

    GridDelegate(QTableView* table, Style style);

    // The font of the title row's texts, and the width a column needs to show its title
    // whole.
    QFont titleFont() const;
    int titleWidth(int column) const;
    // The colours a cell is painted with, as painting decides them now.
    QColor textColour(const QModelIndex& index) const;
    QColor backgroundColour(const QModelIndex& index) const;

    // Called after the painting of the focused cell (queued, never inside the painting),
    // with its column and row.
    std::function<void(int column, int row)> focusedCellPainted;
    // Receives the key events of every in-place editor the delegate opens.
    QObject* editorKeyWatcher = nullptr;
    // Whether the cell holds a factor off the method's scale; unset: no cell is.
    std::function<bool(int column, int row)> offScale;
    // The warning of a data row its window marks (an overdue measure): the row's text is
    // painted red and the warning is its cells' tooltip. Unset or empty: the row has none.
    std::function<QString(int row)> rowWarning;
    // The notice of a data row its window marks less sharply (a worker to be informed
    // again): the row is painted on the warning background and the notice is its cells'
    // tooltip. Unset or empty: the row has none.
    std::function<QString(int row)> rowNotice;
    // The tooltip of a cell: the off-scale warning, the row's warning, its notice, or empty
    // for the table's own tooltip.
    QString cellToolTip(const QModelIndex& index) const;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
    // The width the current cell of a column keeps free at its right end for the button that
    // sits there (0 for none), so its text wraps before the button instead of under it.
    std::function<int(int column)> buttonRoom;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // Leaves an editor that already shows the cell's text as it is, keeping its undo.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;

protected:
    // The text a cell shows; its model text unless a table shows something else.
    virtual QString cellText(const QModelIndex& index) const;
    // Esc in an in-place editor cancels the typing: the cell gets its text back.
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    bool isRed(const QString& text) const;
    bool isOffScale(const QModelIndex& index) const;
    QString rowWarningOf(const QModelIndex& index) const;
    QString rowNoticeOf(const QModelIndex& index) const;

    QTableView* table_;
    Style style_;
};
