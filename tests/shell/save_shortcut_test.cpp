// Save is on Ctrl+S in every field of a document window; Ctrl+Z is the undo of the field
// being typed in, there and in every other window.

#include "shell/main_window.h"

#include "base/program_settings.h"
#include "documents/document_window.h"
#include "shell/file_commands.h"
#include "controls/edit_ini.h"
#include "controls/memo_ini.h"
#include "controls/string_grid_ini.h"
#include "model/document_table.h"
#include "support/pages_of.h"
#include "support/scripted_prompts.h"
#include "support/temp_folder.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class SaveShortcut : public ::testing::Test {
protected:
    SaveShortcut()
    {
        programSettings() = ProgramSettings{};
        QDir(folder.root()).mkdir(QStringLiteral("PROJEKTY"));
        folder.write(QStringLiteral("TARVEN.INI"), "[USTAWIENIA]\r\nPowitalny=0\r\n");
        form = std::make_unique<TForm1>(folder.root());
        form->resize(1000, 700);
        form->show();
        QApplication::setActiveWindow(form.get());
        QApplication::processEvents();
        form->findChild<QAction*>(QStringLiteral("Projekt1"))->trigger();
        QApplication::processEvents();
        document = form->fileCommands()->activeDocument();
    }

    ~SaveShortcut() override
    {
        form.reset();
        programSettings() = ProgramSettings{};
    }

    // Gives `field` the keyboard focus, as a click into it does.
    static void focus(QWidget* field)
    {
        field->setFocus();
        QApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), field);
    }

    QByteArray savedProject() const { return folder.read(QStringLiteral("PROJEKTY/PROJEKT1.rpr")); }

    TempFolder folder;
    PromptsScope scope;
    std::unique_ptr<TForm1> form;
    DocumentWindow* document = nullptr;
};

TEST_F(SaveShortcut, CtrlSSavesAndCtrlF4ClosesTheActiveDocument)
{
    ASSERT_NE(document, nullptr);
    focus(document->EditIni1);
    QTest::keyClicks(document->EditIni1, QStringLiteral("Spawacz"));
    QTest::keyClick(document->EditIni1, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(savedProject().contains("Stanowisko=Spawacz\r\n"));
    QSignalSpy closes(form->findChild<QAction*>(QStringLiteral("Zamknij")), &QAction::triggered);
    QTest::keyClick(document->EditIni1, Qt::Key_F4, Qt::ControlModifier);
    EXPECT_EQ(closes.size(), 1);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form->fileCommands()->documentWindows().isEmpty());
}

enum class Field { Edit, Memo, Cell };

struct KeyCase {
    const char* name;
    Field field;
    Qt::Key key;   // pressed with Ctrl after typing "Spawacz"
    bool saves;
};

class SaveKey : public SaveShortcut, public ::testing::WithParamInterface<KeyCase> {
protected:
    // Gives the keyboard to a field of `field` kind in the document.
    QWidget* focusField(Field field)
    {
        if (field != Field::Cell) {
            QWidget* box = field == Field::Edit ? static_cast<QWidget*>(document->EditIni1) : document->MemoIni1;
            focus(box);
            return box;
        }
        TStringGridIni* table = document->StringGridIni1;
        pagesOf(document)->setCurrentWidget(table->parentWidget());
        table->setRowCount(2);
        table->setCell(0, 1, QString());
        table->setCurrentCell(1, 0);
        table->edit(table->table().index(1, 0));
        QApplication::processEvents();
        return QApplication::focusWidget();
    }
};

// Ctrl+S saves from every kind of field and keeps the typing; Ctrl+Z undoes the typing in
// the field and writes nothing.
TEST_P(SaveKey, CtrlSSavesAndCtrlZUndoesInTheField)
{
    const KeyCase& c = GetParam();
    ASSERT_NE(document, nullptr);
    QSignalSpy saves(form->findChild<QAction*>(QStringLiteral("Zapisz1")), &QAction::triggered);
    QWidget* field = focusField(c.field);
    ASSERT_NE(field, nullptr);
    QTest::keyClicks(field, QStringLiteral("Spawacz"));
    QTest::keyClick(field, c.key, Qt::ControlModifier);

    EXPECT_EQ(saves.size(), c.saves ? 1 : 0);
    EXPECT_EQ(field->property(qobject_cast<QLineEdit*>(field) ? "text" : "plainText").toString(),
              c.saves ? "Spawacz" : "");
    EXPECT_EQ(QFile::exists(folder.path(QStringLiteral("PROJEKTY/PROJEKT1.rpr"))), c.saves);
}

INSTANTIATE_TEST_SUITE_P(, SaveKey,
                         ::testing::Values(KeyCase{"CtrlSInAnEditBox", Field::Edit, Qt::Key_S, true},
                                           KeyCase{"CtrlZInAnEditBox", Field::Edit, Qt::Key_Z, false},
                                           KeyCase{"CtrlSInAMemo", Field::Memo, Qt::Key_S, true},
                                           KeyCase{"CtrlZInAMemo", Field::Memo, Qt::Key_Z, false},
                                           KeyCase{"CtrlSInACellEditor", Field::Cell, Qt::Key_S, true},
                                           KeyCase{"CtrlZInACellEditor", Field::Cell, Qt::Key_Z, false}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(SaveShortcut, CtrlZInAFieldOfAnotherWindowStillUndoes)
{
    QSignalSpy saves(form->findChild<QAction*>(QStringLiteral("Zapisz1")), &QAction::triggered);
    QDialog dialog(form.get());
    auto* field = new QLineEdit(&dialog);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    focus(field);
    QTest::keyClicks(field, QStringLiteral("abc"));
    QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(saves.size(), 0);
    EXPECT_EQ(field->text(), "");
}

TEST_F(SaveShortcut, OtherEditingKeysStayWithTheField)
{
    ASSERT_NE(document, nullptr);
    QSignalSpy saves(form->findChild<QAction*>(QStringLiteral("Zapisz1")), &QAction::triggered);
    focus(document->EditIni1);
    QTest::keyClicks(document->EditIni1, QStringLiteral("abc"));
    QTest::keyClick(document->EditIni1, Qt::Key_A, Qt::ControlModifier);   // select all
    QTest::keyClick(document->EditIni1, Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(document->EditIni1, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);   // redo
    EXPECT_EQ(saves.size(), 0);
    EXPECT_EQ(document->EditIni1->selectedText(), "abc");
}

} // namespace
