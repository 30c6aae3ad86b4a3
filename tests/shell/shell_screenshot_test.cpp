// Pictures of the shell's dialogs and of the help window, saved into the build folder for a
// person to look at; each is checked to show every label whole.

#include "file_commands_fixture.h"

#include "shell/about_box.h"
#include "shell/exit_question.h"
#include "shell/help_window.h"
#include "shell/options_dialog.h"
#include "shell/password_dialog.h"
#include "shell/welcome_screen.h"
#include "support/title_room.h"

#include <QLabel>
#include <QTabWidget>
#include <QTextBrowser>
#include <functional>

namespace {

class ShellScreenshots : public FileCommandsTest {
protected:
    void SetUp() override { start(); }

    // Saves `window` as `name`.png and checks that its title and every visible label show
    // their whole texts.
    static void picture(QWidget* window, const QString& name)
    {
        window->show();
        window->grab();
        QApplication::processEvents();
        const QImage image = window->grab().toImage();
        QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
        EXPECT_TRUE(image.save(QStringLiteral(SCREENSHOT_DIR "/%1.png").arg(name))) << name.toStdString();
        EXPECT_GE(window->width(), titleRoom(window->windowTitle())) << name.toStdString();
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            if (label->isVisible() && !label->wordWrap() && !label->text().isEmpty()) {
                EXPECT_GE(label->width(), label->sizeHint().width())
                    << name.toStdString() << ": " << label->text().toStdString();
            }
        }
    }
};

TEST_F(ShellScreenshots, DialogsAndHelpShowTheirWholeTexts)
{
    ASSERT_TRUE(QFile::copy(QStringLiteral(HELP_FILE), folder.path(QStringLiteral("TARVEN.qch"))));
    TForm190 options(folder.root(), form.get());
    for (int page = 0; page < options.PageControl1->count(); ++page) {
        options.PageControl1->setCurrentIndex(page);
        picture(&options, QStringLiteral("options_page%1").arg(page + 1));
    }
    TPaswortF password;
    picture(&password, QStringLiteral("password_dialog"));
    TForm6 welcome(form.get());
    picture(&welcome, QStringLiteral("welcome_screen"));
    TAboutBox about(form.get());
    picture(&about, QStringLiteral("about_box"));
    TForm23 exit(form.get());
    picture(&exit, QStringLiteral("exit_question"));

    HelpWindow help(folder.root(), nullptr);
    help.showContext(5000);
    help.Topic->setSource(help.topicOf(5000).resolved(QUrl(QStringLiteral("metoda_risk_score.html"))));
    EXPECT_TRUE(help.Topic->toPlainText().contains(QStringLiteral("R = S × P × E")));
    picture(&help, QStringLiteral("help_risk_score"));
}

} // namespace
