#pragma once
// TForm8: the window on screen while a report is written: "Przenoszenie danych. Proszę
// czekać." under a progress bar that moves as the report's rows are written. While it moves
// the program repaints its windows, so a long report never leaves a frozen screen; typing and
// clicks wait until the report is written.

#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QProgressBar;

class TForm8 : public QDialog {
    Q_OBJECT
public:
    // `rows`: the number of rows the report will write.
    explicit TForm8(int rows, QWidget* parent = nullptr);

    QProgressBar* ProgressBar1;
    QLabel* Label2;

    // One more row is written. The bar and the screen are brought up to date a few times a
    // second, not for every row, so the report is not slowed down.
    void rowWritten();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void repaintNow();

    int written_ = 0;
    QElapsedTimer sinceRepaint_;
};
