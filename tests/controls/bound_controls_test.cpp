// The bound controls as views of a document model: what they show, what they write into
// it, and the input they refuse.

#include "base/win1250.h"
#include "controls/edit_ini.h"
#include "controls/memo_ini.h"
#include "controls/radio_group_ini.h"
#include "controls/string_grid_ini.h"
#include "model/document_model.h"
#include "model/document_table.h"
#include "storage/ini_file.h"

#include <QApplication>
#include <QClipboard>
#include <QEnterEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <functional>
#include <ostream>

// Long texts print as their length and their end.
void PrintTo(const QString& text, std::ostream* os)
{
    if (text.size() > 80)
        *os << text.size() << " characters ending in ";
    *os << '"' << text.right(80).toStdString() << '"';
}

namespace {

// A document window in miniature: one control of each kind bound to a project's fields,
// the checklist with one data row.
class Window : public QWidget {
public:
    Window()
    {
        auto* layout = new QVBoxLayout(this);
        edit = bindTo(new TEditIni(this), &model, Field::Workstation);
        memo = bindTo(new TMemoIni(this), &model, Field::Description);
        radio = new TRadioGroupIni(QStringLiteral("Metoda"), this);
        radio->setItems(storedField(Field::Method).choices);
        bindTo(radio, &model, Field::Method);
        grid = bindTo(new TStringGridIni(this), &model, Field::Checklist);
        for (QWidget* control : std::initializer_list<QWidget*>{edit, memo, radio, grid})
            layout->addWidget(control);
        model.checklist().setRowCount(2);
        show();
    }

    void load(const QStringList& lines)
    {
        TMemIniFile file;
        file.LoadFromBytes(win1250::fromUnicode(lines.join(QStringLiteral("\r\n"))));
        model.load(file);
    }

    // The editor of a checklist cell, opened as a double-click opens it.
    QLineEdit* cellEditor(int col, int row)
    {
        const QModelIndex index = model.checklist().index(row, col);
        grid->setCurrentIndex(index);
        grid->edit(index);
        return grid->viewport()->findChild<QLineEdit*>();
    }

    DocumentModel model{DocumentKind::Project};
    TEditIni* edit;
    TMemoIni* memo;
    TRadioGroupIni* radio;
    TStringGridIni* grid;
};

// Types `text` key by key, each key carrying one character (QTest::keyClicks types ASCII).
void type(QWidget* target, const QString& text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Ends an edit as Return does; the table's delegate commits from the event loop.
void commit(QWidget* target)
{
    QTest::keyClick(target, Qt::Key_Return);
    QApplication::processEvents();
}

QString memoText(const DocumentModel& model)
{
    return model.lines(Field::Description).join('|');
}

QString firstCell(const DocumentModel& model)
{
    return model.checklist().cell(0, 1);
}

} // namespace

// The edit and the table hold a text longer than a QLineEdit holds by default, whole.
TEST(BoundControls, ShowTheModelsValueQuietlyAndWriteTheUsersEditsIntoIt)
{
    const QString longText(40000, QLatin1Char('x'));
    const auto typeAtEnd = [](QWidget* target, const char* text) {
        QTest::keyClick(target, Qt::Key_End);
        QTest::keyClicks(target, text);
        commit(target);
    };
    struct Case {
        const char* name;
        std::function<QWidget*(Window&)> control;
        const char* ownSignal;   // quiet while the control shows a value; the grid has none
        std::function<void(Window&)> elsewhere;
        std::function<QString(Window&)> shown;
        QString expectedShown;
        std::function<void(QWidget*)> userEdit;
        std::function<QString(const DocumentModel&)> stored;
        QString expectedStored;
    };
    const Case cases[] = {
        {"edit", [](Window& w) { return w.edit; }, SIGNAL(textChanged(QString)),
         [&](Window& w) { w.load({"[OPIS]", "Stanowisko=" + longText}); }, [](Window& w) { return w.edit->text(); },
         longText, [&](QWidget* edit) { typeAtEnd(edit, "ski"); },
         [](const DocumentModel& m) { return m.text(Field::Workstation); }, longText + "ski"},
        {"memo", [](Window& w) { return w.memo; }, SIGNAL(textChanged()),
         [](Window& w) { w.model.setLines(Field::Description, {"a", "b"}); },
         [](Window& w) { return w.memo->lines().join('|'); }, "a|b",
         [](QWidget* memo) { QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier); QTest::keyClicks(memo, "c"); },
         memoText, "a|bc"},
        {"radio group", [](Window& w) { return w.radio; }, SIGNAL(Click(int)),
         [](Window& w) { w.load({"[OPIS]", "Metoda=five steps"}); },
         [](Window& w) { return QString::number(w.radio->ItemIndex()); }, "2",
         [](QWidget* radio) {   // on the indicator: a short caption leaves the button's middle blank
             QTest::mouseClick(radio->findChildren<QRadioButton*>().value(0), Qt::LeftButton, {}, QPoint(6, 10));
         },
         [](const DocumentModel& m) { return QString::number(m.choice(Field::Method)); }, "0"},
        {"table", [](Window& w) { return w.grid; }, nullptr,
         [&](Window& w) { w.model.checklist().setCell(0, 1, longText); },
         [](Window& w) { return w.grid->model()->index(1, 0).data().toString(); }, longText,
         [&](QWidget* grid) {
             QLineEdit* editor = static_cast<Window*>(grid->window())->cellEditor(0, 1);
             ASSERT_NE(editor, nullptr);
             typeAtEnd(editor, "Nowe");
         },
         firstCell, longText + "Nowe"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Window w;
        QWidget* control = c.control(w);
        std::unique_ptr<QSignalSpy> own(c.ownSignal ? new QSignalSpy(control, c.ownSignal) : nullptr);
        c.elsewhere(w);
        EXPECT_EQ(c.shown(w), c.expectedShown);
        if (own) {
            EXPECT_EQ(own->count(), 0);
        }
        control->setFocus();
        c.userEdit(control);
        EXPECT_EQ(c.stored(w.model), c.expectedStored);
    }
}

TEST(BoundControls, EditAndMemoReportMouseEnterAndExitWithThemselvesAsSender)
{
    Window w;
    const auto expectEnterAndExit = [](auto* control) {
        using Control = std::remove_pointer_t<decltype(control)>;
        QSignalSpy entered(control, &Control::OnMouseEnter);
        QSignalSpy left(control, &Control::OnMouseExit);
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(control, &enter);
        EXPECT_EQ(left.count(), 0);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(control, &leave);
        ASSERT_EQ(entered.count(), 1);
        ASSERT_EQ(left.count(), 1);
        EXPECT_EQ(qvariant_cast<QWidget*>(entered.at(0).at(0)), control);
        EXPECT_EQ(qvariant_cast<QWidget*>(left.at(0).at(0)), control);
    };
    expectEnterAndExit(w.edit);
    expectEnterAndExit(w.memo);
}

TEST(BoundControls, MemoLinesAreItsParagraphs)
{
    Window w;
    TMemoIni& memo = *w.memo;
    memo.setPlainText(QStringLiteral("a\nb\n"));   // no cursor line after a final break
    EXPECT_EQ(w.model.lines(Field::Description), QStringList({"a", "b"}));
    memo.setLines({"a", "", ""});
    EXPECT_EQ(memo.lines(), QStringList({"a", "", ""}));

    memo.clear();
    memo.setFocus();
    QTest::keyClicks(&memo, QStringLiteral("ab"));
    QTest::keyClick(&memo, Qt::Key_Return, Qt::ShiftModifier);   // a break inside the paragraph
    QTest::keyClicks(&memo, QStringLiteral("cd"));
    QTest::keyClick(&memo, Qt::Key_Return);
    EXPECT_EQ(w.model.lines(Field::Description), QStringList({"ab", "cd"}));

    // A paragraph the memo wraps on screen is stored under one key.
    const QString paragraph = QStringLiteral("Stanowisko pracy przy obrabiarce sterowanej numerycznie, ").repeated(6);
    memo.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo.setFixedWidth(120);
    memo.setLines({paragraph, QStringLiteral("Drugi akapit")});
    QApplication::processEvents();
    ASSERT_GT(memo.document()->begin().layout()->lineCount(), 1);
    TMemIniFile file;
    w.model.save(file);
    EXPECT_EQ(win1250::toUnicode(file.ReadValue("OPIS", "Uwagi1", {})), paragraph);
    EXPECT_EQ(file.ReadValue("OPIS", "Uwagi2", {}), "Drugi akapit");
    EXPECT_EQ(file.ReadValue("OPIS", "Uwagi3", {}), "@NUL@");
}

// Characters Windows-1250 cannot hold are refused as they are typed or pasted, so nothing
// is ever saved as a question mark.
TEST(BoundControls, RefuseInputWindows1250CannotHold)
{
    struct Case {
        const char* name;
        std::function<QWidget*(Window&)> target;
        std::function<QString(const DocumentModel&)> stored;
    };
    const Case cases[] = {
        {"edit", [](Window& w) { return w.edit; }, [](const DocumentModel& m) { return m.text(Field::Workstation); }},
        {"memo", [](Window& w) { return w.memo; }, memoText},
        {"table cell editor", [](Window& w) { return w.cellEditor(0, 1); }, firstCell},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Window w;
        QWidget* target = c.target(w);
        ASSERT_NE(target, nullptr);
        target->setFocus();
        QTest::keyClicks(target, QStringLiteral("ab"));
        type(target, QStringLiteral("ñc¥ä\u2028жł"));   // ñ, ¥, ж and the line separator have no byte
        for (const QString& pasted : {QStringLiteral("Łódź 日本"), QStringLiteral(" Łódź")}) {
            QApplication::clipboard()->setText(pasted);
            QMetaObject::invokeMethod(target, "paste");
        }
        commit(target);   // the memo's last break is the cursor's line, not a paragraph
        EXPECT_EQ(c.stored(w.model), QStringLiteral("abcäł Łódź"));
        TMemIniFile file;
        w.model.save(file);
        EXPECT_FALSE(file.ToBytes().contains('?'));
    }
}
