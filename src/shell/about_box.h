#pragma once
// TAboutBox: "O programie", the product, its version and its maker. The e-mail and web
// addresses open the mail program and the browser when clicked.

#include <QDialog>

class QLabel;
class QPushButton;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent);

    QLabel* ProductName;
    QLabel* Label7;
    QLabel* Version;
    QLabel* Comments;
    QLabel* Label8;    // the maker's e-mail address
    QLabel* Label10;   // the maker's web address
    QPushButton* OKButton;

protected:
    void showEvent(QShowEvent* event) override;
};
