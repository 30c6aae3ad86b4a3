#pragma once
// DocumentWindow: what the project window and the assessment window share. It owns its
// document file (IniDat1) and the sequences on it, as the user knows them: open the file
// into the window, save the window to a path, save it as another file, release the file.
// The file commands choose the names, ask the dialogs and keep the recent files.
//
// The document itself is the window's DocumentModel: the bound controls and the tables show
// its fields and write the user's edits into it, and the model decides whether the document
// is modified. The window loads the model from its file and saves it there. It also builds the project's description and the workstation memos that both
// kinds show, sets up and paints both tables, puts the picker buttons and the answer list
// over their cells, asks the save question on closing and tells the main window
// (DocumentHost) which commands apply.
//
// Activation: the main window calls FormActivate() on the document window that becomes the
// active one and FormDeactivate() on the one that stops being it (QMdiArea's
// subWindowActivated tells both). The content of a QMdiSubWindow gets no activation event
// of its own when only the active child changes, so the window does not wait for one.
//
// The window deletes itself when closed (Qt::WA_DeleteOnClose). It always closes, except
// when the closing question is cancelled or a save asked for on closing did not write the
// document.

#include "base/prompts.h"
#include "documents/grid_delegate.h"
#include "model/document_fields.h"
#include "risk/risk_method.h"

#include <QHash>
#include <QWidget>
#include <optional>

class AtomicFileWriter;
class BoundControl;
class DocumentHost;
class DocumentModel;
class QGridLayout;
class QKeyEvent;
class QTabWidget;
class QToolButton;
class TEditIni;
class TIniDat;
class TMemoIni;
class TRadioGroupIni;
class TStringGridIni;

class DocumentWindow : public QWidget {
    Q_OBJECT
public:
    // The project's description (section OPIS), editable in a project, read-only in an
    // assessment.
    TEditIni* EditIni1 = nullptr;
    TEditIni* EditIni2 = nullptr;
    TEditIni* EditIni3 = nullptr;
    TMemoIni* MemoIni1 = nullptr;
    TRadioGroupIni* RadioGroupIni1 = nullptr;
    // The workstation memos, keys OPISA to OPISF.
    TMemoIni* MemoIni2 = nullptr;
    TMemoIni* MemoIni3 = nullptr;
    TMemoIni* MemoIni4 = nullptr;
    TMemoIni* MemoIni5 = nullptr;
    TMemoIni* MemoIni6 = nullptr;
    TMemoIni* MemoIni7 = nullptr;
    TStringGridIni* StringGridIni1 = nullptr;   // hazard table, section ZAGROZENIA
    TStringGridIni* StringGridIni2 = nullptr;   // checklist, section WARUNKI
    // The help topic of this kind of window.
    const int HelpContext;
    // The extension of this kind of document, ".rpr" or ".ron".
    const QString Extension;

    // The document file: its full path (also the window's caption) and its lock. Changed
    // only by the window's own operations.
    const TIniDat& file() const { return *IniDat1; }
    // The document's data, which the window shows and edits.
    DocumentModel& document() const { return *document_; }
    // Sets or clears the document's modified flag.
    void setModified(bool modified);
    // Where the document's bytes are written; tests put in a writer that fails on command.
    void setWriter(AtomicFileWriter* writer);

    // The file sequences. Each throws AppError; the file commands show it.
    //
    // Names the window's file `path` without reading or writing it: a new document, written
    // at its first save.
    void bindToFile(const QString& path);
    // Opens `path` into the window: decides the lock (telling the user once when someone
    // else holds it) and, when its extension is this kind's, loads the document from it; a file that held NUL bytes is read with blanks for them, and the user is told so.
    // The document is then unmodified. An existing file keeps its bytes; a path that
    // does not exist is created empty, with the lock. False, with nothing read, when the file
    // is not a document (it has content but no section): the caller discards the window.
    // A file that cannot be read is reported to the user and leaves the window empty.
    bool openFile(const QString& path);
    // Writes the document to `path`, merged into what that file holds, and binds the
    // window to it. Refused, with nothing written, when the window cannot take the file's
    // lock. The document stays modified unless it was written.
    void saveFile(const QString& path);
    // Releases the current file, then saveFile(path).
    void saveFileAs(const QString& path);
    // Gives the file's lock back (the file becomes writable by others) and drops the copy.
    void releaseFile();
    // What a save would write now (the document merged into what the file holds),
    // for a recovery copy: nothing is written and the lock stays as it is. None while the
    // window is opening or saving its file.
    std::optional<QByteArray> unsavedContent();
    // Opens `path` into the window as openFile does (the lock, the warning about someone
    // else's), but loads the document from `content`, a recovery copy, in place of the
    // file. The document is then modified; nothing is written, and a path that does not
    // exist stays so until the first save.
    void openRecovered(const QString& path, const QByteArray& content);

    // Every bound control, page after page, each page's in placing order.
    const QList<BoundControl*>& boundControls() const { return boundControls_; }
    // The index of the tab shown.
    int currentPage() const;

    DocumentHost* host() const { return host_; }
    // The document's method (None while none is chosen).
    RiskMethod method() const;

    void FormActivate();
    void FormDeactivate();
    // Asks whether to save a modified document; Yes saves through the main window, No
    // discards. Run by closeEvent. False, and the window stays open and modified, when
    // Cancel was answered (also Esc or the question's close box) or when Yes was answered
    // and the save did not write the document: it failed or was refused. Asks nothing
    // after closeAnswered().
    bool FormClose();
    // The closing question alone, nothing done: Yes, No or Cancel (also Esc or the
    // question's close box) for a modified document; No, without asking, for an
    // unmodified one. Lets whoever closes many windows ask every question first.
    Prompts::Answer askToSave();
    // Closes the window whose question has been answered (askToSave) and acted on (saved
    // for Yes), without asking again.
    void closeAnswered();
    virtual void FormShow();
    // Applies the autoscale rule once; the first showing does it unless it was done before,
    // so whoever frames the window can size the frame to the scaled content.
    void scaleForScreen();
    // Gives the first field of the first tab the focus, as a new or opened window starts;
    // whoever frames the window calls it again once the frame has its final state.
    void focusFirstField();
    virtual void FormResize() = 0;
    // Whether the current tab may be left; shows the reason when it may not.
    virtual bool PageControl1Changing() = 0;
    void PageControl1Change();
    // Whether the row commands act on tab `tab`: the tabs of the two tables.
    virtual bool takesRowCommands(int tab) const;
    // The hazard table's tab, the checklist's tab was shown: its rows start again from the
    // default height and grow while being painted.
    void TabSheet3Show();
    void TabSheet4Show();

protected:
    // REQUIRES: host outlives the window. `firstTableTab` is the tab of the hazard table;
    // the checklist's tab follows it.
    DocumentWindow(DocumentHost* host, DocumentKind kind, int helpContext, const QString& extension,
                   int firstTableTab, QWidget* parent);

    // Declares the bound controls, one list per page in the order of the pages, each in the
    // order its controls are placed on the page. Called once, by the constructor of each
    // kind of window.
    void setBoundControls(const QList<QList<BoundControl*>>& pages);
    // OpenIni, telling the user about someone else's lock and about a file that cannot be
    // read (whose error then goes on to the caller).
    void openCopy();
    // Loads the document from the copy just opened, then documentLoaded().
    void loadDocument();
    // What a kind of window does once its document has been loaded.
    virtual void documentLoaded() {}
    // Whether the copy just opened is a document: its file is empty or holds at least one
    // section. Anything else (a text file, a picture) has content but no section.
    bool holdsDocument() const;

    TIniDat* IniDat1;
    DocumentModel* document_;
    QTabWidget* PageControl1;

    QWidget* addPage(const QString& caption);
    // A one-line field of at most 120 characters with its label, in `grid`'s row.
    TEditIni* addEdit(QGridLayout* grid, int row, const QString& label, Field field);
    TMemoIni* addMemo(QWidget* page, Field field);
    // EditIni1..3, MemoIni1, RadioGroupIni1 with their labels, in this order.
    void buildProjectDescription(QWidget* page);
    // MemoIni2..MemoIni7 with their labels, top to bottom.
    void buildWorkstationMemos(QWidget* page);
    // The tables fill their page; row 0 holds `titles` and stays at the top as the header,
    // and the data rows are numbered at the left.
    TStringGridIni* addTable(QWidget* page, Field field, const QStringList& titles, int defaultRowHeight,
                             GridDelegate::Style style);
    // Tells the user, in the table's tooltip and status-bar hint, what serves the cells of
    // its current column: the column's title, then `whatServes` of that column (none where
    // it is empty or missing). The hint follows the current cell and also shows when the
    // table gets the focus.
    void setColumnHints(TStringGridIni* table, const QStringList& whatServes);
    QToolButton* addPickerButton(QWidget* page);
    // Starts watching the tab changes and gives the first bound control the focus; called
    // once every page exists. From then on a double-click on a hazard cell with a picker
    // opens it, and the off-scale factor cells are flagged.
    void finishCreation();
    // Puts `widget` at the cell's top-left corner plus 2 pixels right and down.
    static void placeOverCell(QWidget* widget, TStringGridIni* table, int column, int row, QSize size);
    // Puts a picker button (at its own size, which the autoscale rule may have changed) at
    // the right end of the cell, so the value at the cell's start stays visible.
    static void placePickerButton(QToolButton* button, TStringGridIni* table, int column, int row);
    static void resetRowHeights(TStringGridIni* table);
    static void setColumnWidths(TStringGridIni* table, const QList<int>& widths);
    // `factor` times the page control's width less 8 pixels and the row numbers, truncated
    // to whole pixels.
    int widthPart(double factor) const;

    // Lets the user pick an entry of the method's `factor` scale for the hazard table's
    // current cell (mode 1 S, 2 P, 3 E). True when the cell took a new text.
    bool openScalePicker(int mode, risk::Factor factor);

    // The "..." button that serves the hazard table's cell, or nullptr when it has none.
    virtual QToolButton* pickerOfCell(int column, int row) const = 0;
    // F2 or Alt+Down on a cell with a picker opens the picker, as its button does.
    static bool opensPicker(const QKeyEvent* event);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void tabChanged(int index);
    void showColumnHint(TStringGridIni* table);
    void switchTabQuietly(int index);
    bool isTableOrEditor(QObject* watched) const;

    DocumentHost* host_;
    QList<BoundControl*> boundControls_;
    QHash<const TStringGridIni*, QStringList> columnHints_;
    const int firstTableTab_;
    int shownTab_ = 0;
    bool switchingTab_ = false;
    bool scaled_ = false;
    bool closingAnswered_ = false;
};
