#pragma once
// TPaswortF: the dialog that asks for the access password once at start. It has no cancel
// button and no close box; "O.K." keeps the typed text as the dialog's result and closes it.
// Closing it any other way (Escape) leaves the result as "O.K." last stored it: empty.

#include <QDialog>

class QLineEdit;
class QPushButton;

class TPaswortF : public QDialog {
    Q_OBJECT
public:
    explicit TPaswortF(QWidget* parent = nullptr);

    // The text confirmed with "O.K.", empty until then.
    const QString& Password() const { return password_; }

    QLineEdit* MaskEdit1;
    QPushButton* SpeedButton1;

    void SpeedButton1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString password_;
};

// Shows the password dialog modally and returns the text confirmed with "O.K." (empty when
// it was closed without it).
QString AskPassword();
