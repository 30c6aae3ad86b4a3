#pragma once
// TForm6: the welcome screen shown at start. Six image buttons start the usual first steps
// (new project, open a project, new risk assessment, open an assessment, the tutorial) or
// close the screen; an image moves 2 pixels up and left while the pointer is over it.
// Whichever way it closes, a cleared "Pokaż ten ekran powitalny przy uruchomieniu" turns
// the screen off for later starts (USTAWIENIA/Powitalny = 0); a checked one writes nothing.
//
// REQUIRES: `mainWindow` outlives the screen.

#include <QDialog>

class QCheckBox;
class TForm1;
class TImageActiv;

class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(TForm1* mainWindow);

    TImageActiv* ImageActiv1;
    TImageActiv* ImageActiv2;
    TImageActiv* ImageActiv3;
    TImageActiv* ImageActiv4;
    TImageActiv* ImageActiv5;
    TImageActiv* ImageActiv6;
    QCheckBox* CheckBox1;

    // Where each image button rests.
    static QPoint restingPlace(const TImageActiv* button);

    void done(int result) override;

private:
    TImageActiv* addButton(int index, QPoint place, const char* image, const QString& label, void (TForm6::*action)());
    // Hides the screen, runs `command` of the main window, then closes the screen.
    void runAndClose(void (TForm1::*command)());
    void openDocument(const QString& filter);

    void ImageActiv1Click();
    void ImageActiv2Click();
    void ImageActiv3Click();
    void ImageActiv4Click();
    void ImageActiv5Click();
    void ImageActiv6Click();

    TForm1* mainWindow_;
};
