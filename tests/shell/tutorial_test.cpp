// The tutorial: its card window reports the data values of its links and its closing to the
// main window, which shows the cards 10 to 80 and ignores every other value.

#include "file_commands_fixture.h"

#include "shell/image_activ.h"
#include "shell/tutorial_cards.h"
#include "shell/welcome_screen.h"

#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

namespace {

class Tutorial : public FileCommandsTest {
protected:
    void SetUp() override
    {
        start();
        QDir(folder.root()).mkdir(QStringLiteral("KELPOR"));
        for (const QString& card : QDir(QStringLiteral(TUTORIAL_DIR)).entryList(QDir::Files))
            QFile::copy(QStringLiteral(TUTORIAL_DIR "/") + card, folder.path(QStringLiteral("KELPOR/") + card));
    }

    TutorialCards* cards() const { return form->findChild<TutorialCards*>(); }
};

TEST_F(Tutorial, MainWindowFollowsTheCardMessages)
{
    run("Samouczek1");
    ASSERT_NE(cards(), nullptr);
    EXPECT_TRUE(cards()->isVisible());
    EXPECT_EQ(cards()->currentCard(), 5);
    // The card leaves the menus and the toolbar it tells the user to click in view.
    const QRect area(form->mdiArea()->mapToGlobal(QPoint(0, 0)), form->mdiArea()->size());
    EXPECT_TRUE(area.contains(cards()->frameGeometry())) << "card at " << cards()->x() << "," << cards()->y();

    struct Step {
        int action;
        int data;
        bool shown;
        int card;
    };
    const std::vector<Step> steps{
        {TutorialData, 10, true, 10},   {TutorialData, 15, true, 10}, {TutorialData, 80, true, 80},
        {TutorialData, 90, true, 80},   {TutorialData, 0, true, 80},  {0x20, 30, true, 80},
        {TutorialData, 30, true, 30},   {TutorialClose, 0, false, 30}, {TutorialData, 40, true, 40},
        {TutorialOtherCaller, 0, false, 40},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(step.action).arg(step.data).toStdString());
        form->TutorialMessage(step.action, step.data);
        EXPECT_EQ(cards()->isVisible(), step.shown);
        EXPECT_EQ(cards()->currentCard(), step.card);
    }
}

TEST_F(Tutorial, CardLinksAndCloseButtonReachTheMainWindow)
{
    TForm6 welcome(form.get());
    welcome.show();
    QTest::mouseClick(welcome.ImageActiv5, Qt::LeftButton);
    ASSERT_NE(cards(), nullptr);
    EXPECT_FALSE(welcome.isVisible());
    EXPECT_EQ(cards()->currentCard(), 5);
    EXPECT_TRUE(cards()->Card->toPlainText().contains(QStringLiteral("Zaczynamy")));

    emit cards()->Card->anchorClicked(QUrl(QStringLiteral("tcard:20")));
    EXPECT_EQ(cards()->currentCard(), 20);
    EXPECT_TRUE(cards()->Card->toPlainText().contains(QStringLiteral("Zagrożenia z katalogu")));
    QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
    EXPECT_TRUE(cards()->grab().save(QStringLiteral(SCREENSHOT_DIR "/tutorial_card.png")));

    cards()->findChild<QPushButton*>(QStringLiteral("Zamknij"))->click();
    EXPECT_FALSE(cards()->isVisible());
}

} // namespace
