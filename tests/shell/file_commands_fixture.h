#pragma once
// What the tests of the file commands share: a program folder of their own (TARVEN.INI
// without the welcome screen, an empty PROJEKTY), scripted prompts that also record where
// the open dialogs start, a main window driven through its menu items, and a snapshot of
// every bound control of a document window.

#include "base/program_settings.h"
#include "base/win1250.h"
#include "documents/document_window.h"
#include "shell/file_commands.h"
#include "shell/main_window.h"
#include "controls/edit_ini.h"
#include "model/document_model.h"
#include "model/document_table.h"
#include "storage/ini_dat.h"
#include "controls/memo_ini.h"
#include "controls/radio_group_ini.h"
#include "controls/string_grid_ini.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// The name of a parameterised test's case: its `name` member.
template <class Case>
std::string caseName(const ::testing::TestParamInfo<Case>& info)
{
    return info.param.name;
}

class RecordingPrompts : public ScriptedPrompts {
public:
    QString openFileName(const QString& caption, const QString& folder, const QString& filter) override
    {
        openFolders.append(folder);
        return ScriptedPrompts::openFileName(caption, folder, filter);
    }

    QStringList openFolders;   // the folder every open dialog started in
};

class FileCommandsTest : public ::testing::Test {
protected:
    FileCommandsTest()
    {
        programSettings() = ProgramSettings{};
        setPrompts(&prompts);
        QDir(folder.root()).mkdir(QStringLiteral("PROJEKTY"));
    }

    ~FileCommandsTest() override
    {
        form.reset();
        setPrompts(nullptr);
        programSettings() = ProgramSettings{};
    }

    // Starts the program in the test's folder, without the welcome screen; `recentKeys`
    // are more lines of the section OSTATNIE.
    TForm1& start(bool rememberRecent = false, const QByteArray& recentKeys = {})
    {
        folder.write(QStringLiteral("TARVEN.INI"), QByteArray("[USTAWIENIA]\r\nPowitalny=0\r\n[OSTATNIE]\r\nPamietaj=") +
                                                       (rememberRecent ? "1" : "0") + "\r\n" + recentKeys);
        form = std::make_unique<TForm1>(folder.root());
        form->resize(1000, 700);
        form->show();
        QApplication::processEvents();
        return *form;
    }

    // Runs a menu item (by its action's name) or a toolbar button (by its own) as the user
    // does.
    void run(const char* command)
    {
        if (auto* button = form->findChild<QAbstractButton*>(QLatin1String(command))) {
            button->click();
        } else {
            QAction* action = form->findChild<QAction*>(QLatin1String(command));
            ASSERT_NE(action, nullptr) << command;
            action->trigger();
        }
        QApplication::processEvents();
    }

    // Lets the windows closed so far be deleted.
    static void deleteClosed() { QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QString projekty(const QString& name = {}) const
    {
        return QDir(folder.path(QStringLiteral("PROJEKTY"))).filePath(name);
    }

    // Writes `iniText` as Windows-1250 to `path` and returns the path.
    static QString writeDocument(const QString& path, const QString& iniText)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(win1250::fromUnicode(iniText));
        return path;
    }

    // Writes a one-hazard project as tokarz.rpr and runs `command` with it as the file the
    // user picks: a new project, a new assessment built from it, or the project opened.
    void runOnProject(const char* command)
    {
        prompts.fileNames.enqueue(writeDocument(
            projekty(QStringLiteral("tokarz.rpr")),
            QStringLiteral("[OPIS]\r\nStanowisko=Tokarz\r\nMetoda=PHA\r\n[ZAGROZENIA]\r\nTABELA0/1=Hałas\r\nTABELA4/1=1=małe\r\n")));
        run(command);
    }

    static QByteArray bytesOf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static bool locked(const QString& path) { return !(QFile::permissions(path) & QFile::WriteOwner); }

    QList<DocumentWindow*> windows() const { return form->fileCommands()->documentWindows(); }
    DocumentWindow* active() const { return form->fileCommands()->activeDocument(); }

    QMdiSubWindow* frameOf(DocumentWindow* window) const
    {
        for (QMdiSubWindow* subWindow : form->mdiArea()->subWindowList()) {
            if (subWindow->widget() == window)
                return subWindow;
        }
        return nullptr;
    }

    // The captions of the file menu's items after its eleven fixed ones.
    QStringList recentItems() const
    {
        QStringList captions;
        const QList<QAction*> items = form->findChild<QMenu*>(QStringLiteral("Plik1"))->actions();
        for (qsizetype i = 11; i < items.size(); ++i) {
            if (!items[i]->isSeparator())
                captions.append(items[i]->text());
        }
        return captions;
    }

    // Every field's value, each named by its section and key, sorted: what a document holds.
    static QStringList snapshot(const DocumentWindow* window)
    {
        const DocumentModel& document = window->document();
        QStringList values;
        for (const StoredField& field : document.fields()) {
            const QString name = QString::fromLatin1(field.section + '/' + field.key);
            switch (field.kind) {
            case FieldKind::Line:
                values.append(name + '=' + document.text(field.id));
                break;
            case FieldKind::Memo:
                values.append(name + '=' + document.lines(field.id).join(QLatin1Char('|')));
                break;
            case FieldKind::Choice:
                values.append(name + '=' + QString::number(document.choice(field.id)));
                break;
            case FieldKind::Table: {
                const DocumentTable& table = document.table(field.id);
                values.append(name + QStringLiteral(" %1x%2").arg(table.columnCount()).arg(table.rowCount()));
                for (int r = 0; r < table.rowCount(); ++r) {
                    for (int c = 0; c < table.columnCount(); ++c)
                        values.append(name + QStringLiteral("/%1/%2=").arg(c).arg(r) + table.cell(c, r));
                }
                break;
            }
            }
        }
        values.sort();
        return values;
    }

    TempFolder folder;
    RecordingPrompts prompts;
    std::unique_ptr<TForm1> form;
};
