#pragma once
// TutorialCards: the tutorial, a small card window that stays beside the main window (it
// never blocks it); it first opens in the top-right corner of the document area, clear of
// the menus and the toolbar. It shows the card of a context number, read from KELPOR/karta<N>.html
// among the program's data. It does not step through the cards itself: a card's links
// ("tcard:<data>") and the window's "Zamknij" button and close box report to the main
// window, which decides what to show (see TForm1::TutorialMessage).

#include "base/program_paths.h"

#include <QWidget>

class QTextBrowser;

// What the card window reports, with the data of a card's link.
enum TutorialAction { TutorialClose = 0x08, TutorialData = 0x10, TutorialOtherCaller = 0x11 };

class TutorialCards : public QWidget {
    Q_OBJECT
public:
    TutorialCards(const ProgramPaths& paths, QWidget* owner);

    // Shows the window in front with the card of `context`.
    void ShowCard(int context);
    int currentCard() const { return card_; }

    QTextBrowser* Card;

signals:
    void message(int action, int value);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void placeBesideTheMenus();

    ProgramPaths paths_;
    int card_ = 0;
    bool placed_ = false;   // placed once; then it stays where the user leaves it
};
