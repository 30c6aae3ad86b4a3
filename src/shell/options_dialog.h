#pragma once
// TForm190: the options dialog. It changes the three switches of TARVEN.INI (autoscale,
// remember the recent files, welcome screen at start) and sets, changes or removes the
// access password.
//
// It starts from the process-wide settings, not from the file. "Zamknij" writes the
// switches to the file and puts them in force, then, when any password field is filled,
// checks the fields (CheckPasswordFields) and stores the new password; a failed check
// keeps the dialog open with the switches already written. "Zastosuj" scales this dialog
// and the main window once more on every press and puts the autoscale switch in force.
// "Anuluj" (also Esc and the close box) writes nothing and gives the main window back the
// scale, and the switch the value, they had when the dialog opened.
//
// REQUIRES: `mainWindow` outlives the dialog.

#include "base/program_paths.h"

#include <QDialog>
#include <memory>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class ScaleSnapshot;

class TForm190 : public QDialog {
    Q_OBJECT
public:
    // `paths` say where TARVEN.INI is.
    TForm190(const ProgramPaths& paths, QWidget* mainWindow);
    ~TForm190() override;

    QTabWidget* PageControl1;
    QWidget* TabSheet2;   // "Skalowanie"
    QWidget* TabSheet1;   // "Domyślne"
    QWidget* TabSheet3;   // "Hasło"
    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox3;
    QLineEdit* MaskEdit1;
    QLineEdit* MaskEdit2;
    QLineEdit* MaskEdit3;
    QPushButton* SpeedButton1;   // "Zamknij"
    QPushButton* SpeedButton2;   // "Anuluj"
    QPushButton* SpeedButton3;   // "Pomoc"
    QPushButton* SpeedButton4;   // "Zastosuj"
    QPushButton* SpeedButton5;   // "Sprawdź hasło"

    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    // True when the current password is right and the new one was typed the same twice;
    // otherwise says why and clears the fields that must be typed again.
    bool CheckPasswordFields();

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* createScalingPage();
    QWidget* createDefaultsPage();
    QWidget* createPasswordPage();
    void createButtons();
    // Writes the switches, then the password when one was typed; false when the dialog
    // must stay open.
    bool saveSettings();

    ProgramPaths paths_;
    QWidget* mainWindow_;
    // The autoscale switch, and the main window as it was before the first "Zastosuj" (none
    // until then), that "Anuluj" gives back: those of the opening until switches are written.
    bool autoScaleAtOpen_;
    std::unique_ptr<ScaleSnapshot> mainWindowAtOpen_;
};
