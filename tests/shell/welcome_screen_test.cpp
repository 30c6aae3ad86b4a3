// The welcome screen, the exit question, the about box and the web-site command, run on a
// main window as the user meets them.

#include "file_commands_fixture.h"

#include "shell/about_box.h"
#include "shell/exit_question.h"
#include "shell/image_activ.h"
#include "shell/product.h"
#include "shell/settings_file.h"
#include "shell/welcome_screen.h"
#include "support/modal_dialog.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QEnterEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

// Keeps the addresses the program asks the system to open.
class OpenedAddresses : public QObject {
    Q_OBJECT
public:
    OpenedAddresses()
    {
        for (const char* scheme : {"https", "mailto"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
    }
    ~OpenedAddresses() override
    {
        for (const char* scheme : {"https", "mailto"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }
    QStringList opened;

public slots:
    void open(const QUrl& address) { opened.append(address.toString()); }
};

namespace {

class Welcome : public FileCommandsTest {
protected:
    void SetUp() override
    {
        start();
        showWelcomeAgain();
    }

    void showWelcomeAgain()
    {
        folder.write(QStringLiteral("TARVEN.INI"), "[USTAWIENIA]\r\nPowitalny=1\r\n");
        programSettings().ShowWelcome = true;
    }

    QString storedWelcome() const { return SettingsFile(folder.root()).readString(ShowWelcomeKey); }
};

struct WelcomeCase {
    const char* name;
    const char* button;   // empty: the close box
    bool keepShowing;
    QString chosenFile;   // null: no open dialog expected; empty: cancelled
    QString filter;
    int documentWindows;
};

TEST_F(Welcome, EveryWayOfClosingStoresTheSwitchOnlyWhenItIsCleared)
{
    const QString assessment = writeDocument(projekty("A.ron"), QStringLiteral("[OPIS]\r\nMetoda=PHA\r\n"));
    const std::vector<WelcomeCase> cases{
        {"close button, box kept", "ImageActiv6", true, {}, {}, 0},
        {"close button, box cleared", "ImageActiv6", false, {}, {}, 0},
        {"close box, box cleared", "", false, {}, {}, 0},
        {"open project cancelled", "ImageActiv2", true, "", "Plik projektu (*.rpr)", 0},
        {"open assessment chosen, box cleared", "ImageActiv4", false, assessment, "Plik oceny ryzyka (*.ron)", 1},
        {"new project", "ImageActiv1", true, {}, {}, 1},
    };
    for (const WelcomeCase& c : cases) {
        SCOPED_TRACE(c.name);
        form->fileCommands()->CloseAll();
        deleteClosed();
        prompts.dialogFilters.clear();
        prompts.openFolders.clear();
        if (!c.chosenFile.isNull())
            prompts.fileNames.enqueue(c.chosenFile);

        TForm6 welcome(form.get());
        int finished = 0;
        QObject::connect(&welcome, &QDialog::finished, [&finished] { ++finished; });
        welcome.show();
        welcome.CheckBox1->setChecked(c.keepShowing);
        if (*c.button)
            QTest::mouseClick(welcome.findChild<TImageActiv*>(c.button), Qt::LeftButton);
        else
            welcome.close();
        QApplication::processEvents();

        EXPECT_EQ(finished, 1);
        EXPECT_FALSE(welcome.isVisible());
        EXPECT_EQ(storedWelcome(), c.keepShowing ? "1" : "0");
        EXPECT_EQ(programSettings().ShowWelcome, c.keepShowing);
        EXPECT_EQ(prompts.dialogFilters, c.filter.isEmpty() ? QStringList() : QStringList{c.filter});
        EXPECT_EQ(prompts.openFolders, c.filter.isEmpty() ? QStringList() : QStringList{projekty()});
        EXPECT_EQ(form->fileCommands()->documentWindows().size(), c.documentWindows);
        showWelcomeAgain();
    }
}

TEST_F(Welcome, ImagesMoveTwoPixelsUpAndLeftUnderThePointer)
{
    TForm6 welcome(form.get());
    welcome.show();
    const QList<TImageActiv*> buttons = welcome.findChildren<TImageActiv*>();
    ASSERT_EQ(buttons.size(), 6);
    for (TImageActiv* button : buttons) {
        SCOPED_TRACE(button->objectName().toStdString());
        const QPoint place = button->pos();
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(button, &enter);
        EXPECT_EQ(button->pos(), place - QPoint(2, 2));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
        EXPECT_EQ(button->pos(), place);
    }
}

TEST_F(Welcome, ExitQuestionEndsTheProgramOnlyOnYes)
{
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes ? "Tak" : "Nie");
        run("Projekt1");
        const QByteArray settings = folder.read("TARVEN.INI");
        answerNextModal<TForm23>([yes](TForm23& question) { (yes ? question.SpeedButton1 : question.SpeedButton2)->click(); });
        run("FileExitItem");
        EXPECT_EQ(form->isVisible(), !yes);
        EXPECT_EQ(form->fileCommands()->documentWindows().size(), yes ? 0 : 1);
        EXPECT_EQ(folder.read("TARVEN.INI"), settings);
    }
}

// The web page is offered only when the build names one; the build of the tests names none.
TEST_F(Welcome, AboutBoxOpensTheMakersAddressAndNoPlaceholderWebPageIsOffered)
{
    ASSERT_TRUE(MakerWebAddress.isEmpty());
    OpenedAddresses addresses;
    answerNextModal<TAboutBox>([](TAboutBox& box) {
        EXPECT_EQ(box.Version->text(), "Wersja 1.1");
        EXPECT_TRUE(box.Label10->isHidden());
        EXPECT_GE(box.ProductName->width(), box.ProductName->sizeHint().width()) << "the product's name is not cut";
        QTest::mouseClick(box.Label8, Qt::LeftButton);
        box.OKButton->click();
    });
    run("HelpAboutItem");
    EXPECT_FALSE(form->findChild<QAction*>("WebSiteItem")->isVisible());
    EXPECT_EQ(addresses.opened, QStringList({"mailto:kontakt@ocena-ryzyka.example"}));
}

} // namespace

#include "welcome_screen_test.moc"
