// Unsaved work outlives a run that ends without closing its documents: a tool library that
// takes the program down, or a kill. The next start offers the copy; restored, the document
// shows the work, modified, its file untouched; no copy is left once the document is saved
// or closed, or the copy discarded.

#include "file_commands_fixture.h"
#include "shell/recovery_dialog.h"
#include "storage/recovery_store.h"
#include "support/modal_dialog.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QPushButton>
#include <QThread>
#include <QTreeWidget>
#include <csignal>

namespace {

const QString ProjectText = QStringLiteral("[OPIS]\r\nStanowisko=Tokarz\r\nMetoda=PHA\r\n");
const QString Typed = QStringLiteral("Ślusarz");

struct RecoveryCase {
    const char* name;
    const char* end;     // how the first run ends: "narzedzie", its tool aborts; "czekaj", it is killed
    bool newDocument;    // a new project, else an opened file
    bool restore;        // "Przywróć", else "Odrzuć"
    bool save;           // the restored document is saved, else closed without saving
};

class RecoveryAfterAnUncleanEnd : public FileCommandsTest, public ::testing::WithParamInterface<RecoveryCase> {
protected:
    RecoveryAfterAnUncleanEnd() { qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.root())); }
    ~RecoveryAfterAnUncleanEnd() override
    {
        firstRun.kill();
        firstRun.waitForFinished(5000);
        qunsetenv("XDG_CACHE_HOME");
    }

    static bool eventually(const std::function<bool()>& condition)
    {
        for (QDeadlineTimer deadline(10000); !deadline.hasExpired(); QThread::msleep(20)) {
            if (condition())
                return true;
        }
        return false;
    }

    TempFolder cache;
    QProcess firstRun;
};

TEST_P(RecoveryAfterAnUncleanEnd, OffersTheCopyAndLeavesNoneOnceTheWorkIsDecided)
{
    const RecoveryCase& c = GetParam();
    const QString document = c.newDocument ? projekty(QStringLiteral("PROJEKT1.rpr"))
                                           : writeDocument(projekty(QStringLiteral("A.rpr")), ProjectText);
    const QByteArray before = bytesOf(document);
    start();
    ASSERT_TRUE(QFile::copy(QStringLiteral(CRASHING_TOOL), folder.path(QStringLiteral("awaria.so"))));

    QStringList arguments{QCoreApplication::applicationName(), folder.root(), QLatin1String(c.end), Typed};
    if (!c.newDocument)
        arguments.append(document);
    firstRun.setWorkingDirectory(folder.root());
    firstRun.start(QStringLiteral(RECOVERY_CHILD), arguments);
    const RecoveryStore store;
    if (QLatin1String(c.end) == QLatin1String("czekaj")) {
        ASSERT_TRUE(eventually([&] { return !QDir(store.folder()).entryList({QStringLiteral("*.json")}).isEmpty(); }))
            << "no copy was written after the edit";
        EXPECT_TRUE(store.leftCopies().isEmpty()) << "the copy of a running program is offered";
        ::kill(pid_t(firstRun.processId()), SIGKILL);
    }
    ASSERT_TRUE(firstRun.waitForFinished(10000));
    ASSERT_EQ(firstRun.exitStatus(), QProcess::CrashExit);
    // The ended run left its lock on the file: restoring offers to take it over, and Tak does.
    if (!c.newDocument && c.restore)
        prompts.answers.enqueue(true);

    bool offered = false;
    answerNextModal<RecoveryDialog>([&](RecoveryDialog& dialog) {
        offered = true;
        ASSERT_EQ(dialog.list()->topLevelItemCount(), 1);
        EXPECT_EQ(dialog.list()->topLevelItem(0)->text(0), QDir::toNativeSeparators(document));
        (c.restore ? dialog.restoreButton() : dialog.discardButton())->click();
    });
    // The next start: the window, shown again, asks about the copies.
    form->hide();
    form->offerRecoveryCopiesAtStart();
    form->show();
    QApplication::processEvents();
    ASSERT_TRUE(offered);
    EXPECT_EQ(bytesOf(document), before) << "the copy changed the document's file";

    if (c.restore) {
        ASSERT_EQ(windows().size(), 1);
        DocumentWindow* window = windows()[0];
        EXPECT_EQ(window->file().FileName(), document);
        EXPECT_EQ(window->EditIni1->text(), Typed);
        EXPECT_TRUE(window->document().isModified());
        EXPECT_EQ(prompts.questions.size(), c.newDocument ? 0 : 1) << "the crashed run's lock is offered for unlocking";
        if (c.save) {
            run("Zapisz1");
            EXPECT_TRUE(bytesOf(document).contains(win1250::fromUnicode(QStringLiteral("Stanowisko=") + Typed)));
        } else {
            prompts.choices.enqueue(Prompts::Answer::No);
            run("Zamknij");
            deleteClosed();
            EXPECT_EQ(bytesOf(document), before);
        }
    } else {
        EXPECT_TRUE(windows().isEmpty());
    }
    EXPECT_EQ(QDir(store.folder()).entryList(QDir::Files), QStringList()) << "a recovery copy was left";
}

INSTANTIATE_TEST_SUITE_P(
    , RecoveryAfterAnUncleanEnd,
    ::testing::Values(RecoveryCase{"ToolAbortsThenRestoredAndSaved", "narzedzie", false, true, true},
                      RecoveryCase{"NewProjectKilledThenRestoredAndSaved", "czekaj", true, true, true},
                      RecoveryCase{"KilledThenRestoredAndClosedUnsaved", "czekaj", false, true, false},
                      RecoveryCase{"ToolAbortsThenDiscarded", "narzedzie", false, false, false}),
    [](const auto& test) { return std::string(test.param.name); });

} // namespace
