// The help: the compiled topics (a topic for every context number, every link leading to a
// topic) and the help window (it opens a context's topic, keeps its place in TARVEN.INI).

#include "shell/help_window.h"

#include "shell/settings_file.h"
#include "support/temp_folder.h"

#include <QFile>
#include <QHelpEngine>
#include <QRegularExpression>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

class Help : public ::testing::Test {
protected:
    // The help compiled by the build, in a program folder of the test's own.
    Help() { QFile::copy(QStringLiteral(HELP_FILE), folder.path(QStringLiteral("TARVEN.qch"))); }

    TempFolder folder;
};

TEST_F(Help, EveryContextOpensItsTopic)
{
    const std::vector<std::pair<int, QString>> contexts{
        {5000, "spis.html"},    {5010, "okno_glowne.html"}, {5030, "opcje.html"}, {5040, "projekt.html"},
        {5050, "ocena.html"},   {5060, "raport.html"},      {5090, "katalog.html"},
        {5055, "plan_dzialan.html"},    {5120, "rejestr.html"},     {5130, "szablony.html"},
        {5140, "narzedzie_halas.html"}, {5150, "narzedzie_drgania.html"}, {5160, "narzedzie_chemia.html"},
        {5170, "narzedzie_transport.html"}, {5180, "pracownicy.html"},
        {4711, "spis.html"},   // a context the help does not know shows the contents
    };
    HelpWindow window(folder.root(), nullptr);
    for (const auto& [context, file] : contexts) {
        SCOPED_TRACE(context);
        window.showContext(context);
        EXPECT_EQ(window.currentTopic().fileName(), file);
        EXPECT_GT(window.Topic->toPlainText().size(), 200) << "the topic's text is shown";
    }
    EXPECT_TRUE(window.isVisible());
}

TEST_F(Help, EveryLinkOfEveryTopicLeadsIntoTheHelp)
{
    HelpWindow window(folder.root(), nullptr);
    QHelpEngine* engine = window.engine();
    const QList<QUrl> topics = engine->files(QStringLiteral("pl.ocena-ryzyka.pomoc"), QString(), QStringLiteral("html"));
    EXPECT_EQ(topics.size(), 20);
    const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"]*)\""));
    int links = 0;
    for (const QUrl& topic : topics) {
        const QString text = QString::fromUtf8(engine->fileData(topic));
        for (const auto& match : link.globalMatch(text)) {
            ++links;
            const QUrl target = topic.resolved(QUrl(match.captured(1)));
            SCOPED_TRACE(topic.fileName().toStdString() + " -> " + match.captured(1).toStdString());
            QUrl file = target;
            file.setFragment({});
            const QByteArray content = engine->fileData(file);
            ASSERT_FALSE(content.isEmpty());
            if (target.hasFragment()) {
                EXPECT_TRUE(content.contains(("id=\"" + target.fragment() + "\"").toUtf8()));
            }
        }
    }
    EXPECT_GT(links, 50);
}

TEST_F(Help, WindowKeepsItsPlaceInTheSettings)
{
    {
        HelpWindow window(folder.root(), nullptr);
        window.showContext(5000);
        window.resize(640, 480);
        window.move(100, 120);
        window.close();
    }
    EXPECT_EQ(SettingsFile(folder.root()).readString({"POMOC", "Szerokosc"}), "640");
    HelpWindow again(folder.root(), nullptr);
    EXPECT_EQ(again.size(), QSize(640, 480));
    EXPECT_EQ(again.pos(), QPoint(100, 120));
}

} // namespace
