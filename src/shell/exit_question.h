#pragma once
// TForm23: the question asked by the exit command, "Czy chcesz zakończyć pracę z
// programem ?". "&Tak !" accepts it (the main window then closes), "&Nie !" and the close
// box reject it and nothing else happens.

#include <QDialog>

class QPushButton;

class TForm23 : public QDialog {
    Q_OBJECT
public:
    explicit TForm23(QWidget* parent);

    QPushButton* SpeedButton1;   // "&Tak !"
    QPushButton* SpeedButton2;   // "&Nie !"

protected:
    void showEvent(QShowEvent* event) override;
};
