#pragma once
// TForm2: the project window. The user describes a workstation, chooses the risk method,
// lists the hazards with their degree of harm S (picked from the method's scale) and writes
// the checklist; both tables are edited in place.
//
// Painting: GridDelegate paints both tables, never in red (StringGridIni1DrawCell is what
// remains to do after the focused cell has been painted: putting the S picker over it).

#include "documents/document_window.h"

class TForm2 : public DocumentWindow {
    Q_OBJECT
public:
    explicit TForm2(DocumentHost* host, QWidget* parent = nullptr);


    // The "..." picker of the S column, hidden until a data cell of column 4 is selected.
    QToolButton* BitBtn1;

    void FormCreate();
    void FormShow() override;
    void FormResize() override;
    bool PageControl1Changing() override;
    // The user chose method `index`: the S cells already filled have to be picked again.
    void RadioGroupIni1Click(int index);
    // In-place editing follows the selected cell: off on the title row and in column 4 (S).
    void StringGridIni1Click();
    void StringGridIni2Click();
    void StringGridIni1SelectCell(int column, int row);
    void StringGridIni1TopLeftChanged();
    void StringGridIni1DrawCell(int column, int row);
    void BitBtn1Click();

protected:
    QToolButton* pickerOfCell(int column, int row) const override;

private:
    void buildHazardTab(QWidget* page);
    void buildChecklistTab(QWidget* page);
    void setColumnWidths();
};
