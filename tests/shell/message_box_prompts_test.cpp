// The prompts of the running program: what the message boxes show and what they answer.

#include "shell/message_box_prompts.h"
#include "shell/product.h"
#include "support/title_room.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Handles the next modal message box as soon as it is shown.
void whenMessageBoxShows(std::function<void(QMessageBox&)> handle)
{
    QTimer::singleShot(0, [handle] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr) << "no message box shown";
        handle(*box);
        if (box->isVisible())
            box->close();
    });
}

class MessageBoxPromptsTest : public ::testing::Test {
protected:

    MessageBoxPrompts prompts;
};

TEST_F(MessageBoxPromptsTest, MessageShowsCarriageReturnsAsLineBreaks)
{
    QString shown;
    whenMessageBoxShows([&](QMessageBox& box) { shown = box.text(); });
    prompts.message("Pierwsza linia\rdruga\r\ntrzecia", Prompts::Icon::None, "Tytuł");
    EXPECT_EQ(shown, "Pierwsza linia\ndruga\ntrzecia");
}

TEST_F(MessageBoxPromptsTest, MessageWithoutCaptionCarriesTheApplicationName)
{
    QString caption;
    whenMessageBoxShows([&](QMessageBox& box) { caption = box.windowTitle(); });
    prompts.message("Tekst", Prompts::Icon::None, {});
    EXPECT_EQ(caption, ProductName);
}

TEST_F(MessageBoxPromptsTest, ErrorMessageHasTheErrorIconAndOneOkButton)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    whenMessageBoxShows([&](QMessageBox& box) {
        icon = box.icon();
        buttons = box.standardButtons();
    });
    prompts.message("Błąd", Prompts::Icon::Error, {});
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

TEST_F(MessageBoxPromptsTest, QuestionAnswersYesOnlyForYesUnderTheIconAskedFor)
{
    for (const QMessageBox::StandardButton answer : {QMessageBox::Yes, QMessageBox::No}) {
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        whenMessageBoxShows([&](QMessageBox& box) {
            buttons = box.standardButtons();
            icon = box.icon();
            box.button(answer)->click();
        });
        EXPECT_EQ(prompts.question("Utworzono dokument:\rA.pdf", {}, Prompts::Icon::Question), answer == QMessageBox::Yes);
        EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(icon, QMessageBox::Question);
    }
}

// Every box shows its text as typed, markup in a file name included, and a box with a short
// text is still wide enough for its whole title, the program's name above all.
TEST_F(MessageBoxPromptsTest, EveryBoxShowsItsPlainTextAndItsWholeTitle)
{
    const QString text = QStringLiteral("Plik:\r<b>A</b>.rpr");
    const std::function<void()> boxes[] = {[&] { prompts.message(text, Prompts::Icon::Error, {}); },
                                           [&] { prompts.question(text, {}, Prompts::Icon::Warning); },
                                           [&] { prompts.questionWithCancel(text, {}); },
                                           [&] { prompts.message(text, Prompts::Icon::None, "Nie można zapisać pliku"); }};
    for (const auto& show : boxes) {
        Qt::TextFormat format = Qt::RichText;
        QString shown, title;
        int width = 0;
        whenMessageBoxShows([&](QMessageBox& box) {
            const auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            ASSERT_NE(label, nullptr);
            format = label->textFormat();
            shown = label->text();
            title = box.windowTitle();
            width = box.width();
        });
        show();
        EXPECT_EQ(format, Qt::PlainText);
        EXPECT_EQ(shown, "Plik:\n<b>A</b>.rpr");
        EXPECT_GE(width, titleRoom(title)) << title.toStdString();
    }
}

// Every way out of the closing question but "Tak" and "Nie" (also by Alt and the underlined
// letter) keeps the work: Esc and the close box answer Anuluj.
TEST_F(MessageBoxPromptsTest, QuestionWithCancelNamesItsButtonsInPolishAndEscCancels)
{
    using Answer = Prompts::Answer;
    const std::pair<std::function<void(QMessageBox&)>, Answer> cases[] = {
        {[](QMessageBox& box) { box.button(QMessageBox::Yes)->click(); }, Answer::Yes},
        {[](QMessageBox& box) { box.button(QMessageBox::No)->click(); }, Answer::No},
        {[](QMessageBox& box) { box.button(QMessageBox::Cancel)->click(); }, Answer::Cancel},
        {[](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }, Answer::Cancel},
        {[](QMessageBox& box) {
             box.activateWindow();
             ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
             QTest::keyClick(&box, Qt::Key_N, Qt::AltModifier);
             // A mnemonic presses its button with a short animation.
             EXPECT_TRUE(QTest::qWaitFor([&box] { return !box.isVisible(); }));
         },
         Answer::No},
        {[](QMessageBox& box) { box.close(); }, Answer::Cancel},
    };
    for (const auto& [handle, expected] : cases) {
        QStringList names;
        whenMessageBoxShows([&](QMessageBox& box) {
            for (QAbstractButton* button : box.buttons())
                names.append(button->text());
            handle(box);
        });
        EXPECT_EQ(prompts.questionWithCancel("Czy chcesz zapisać zmiany w pliku:\rA.rpr", {}), expected);
        names.sort();
        EXPECT_EQ(names, (QStringList{"&Anuluj", "&Nie", "&Tak"}));
    }
}

// A name chosen in a save dialog keeps an extension of any of the dialog's filters (the
// name typed says the format) and gets the chosen filter's extension only when it has none.
TEST(SaveDialogName, KeepsAnyOfferedExtensionElseGetsTheChosenFilters)
{
    const char* const reports = "Dokument Word (*.docx);;Dokument OpenDocument (*.odt);;Dokument PDF (*.pdf)";
    const struct {
        const char* name;
        const char* filter;
        const char* filters;
        const char* expected;
    } cases[] = {
        {"/r/raport", "Dokument PDF (*.pdf)", reports, "/r/raport.pdf"},
        {"/r/raport.pdf", "Dokument PDF (*.pdf)", reports, "/r/raport.pdf"},
        {"/r/RAPORT.PDF", "Dokument PDF (*.pdf)", reports, "/r/RAPORT.PDF"},
        {"/r/raport.odt", "Dokument Word (*.docx)", reports, "/r/raport.odt"},
        {"/r/raport.docx", "Dokument PDF (*.pdf)", reports, "/r/raport.docx"},
        {"/r/raport.v2", "Dokument Word (*.docx)", reports, "/r/raport.v2.docx"},
        {"/r/raport.odt", "Dokument PDF (*.pdf)", "Dokument PDF (*.pdf)", "/r/raport.odt.pdf"},
        {"/r/ocena.htm", "Strona (*.html *.htm)", "Strona (*.html *.htm)", "/r/ocena.htm"},
        {"/r/ocena", "Strona (*.html *.htm)", "Strona (*.html *.htm)", "/r/ocena.html"},
        {"/r/ocena", "Wszystkie (*.*)", "Projekt (*.rpr);;Wszystkie (*.*)", "/r/ocena"},
        {"/r/ocena", "", "", "/r/ocena"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(withFilterExtension(QString::fromUtf8(c.name), QString::fromUtf8(c.filter), QString::fromUtf8(c.filters))
                      .toStdString(),
                  c.expected)
            << c.name << " in " << c.filter;
}

} // namespace
