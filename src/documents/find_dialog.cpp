#include "documents/find_dialog.h"

#include "base/prompts.h"
#include "base/win1250.h"
#include "documents/auto_scale.h"
#include "controls/win1250_input.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <memory>
#include <utility>

namespace {

QPointer<TForm9> currentFind;

const QString SearchCaption = QStringLiteral("Szukaj");
const QString NextCaption = QStringLiteral("Dalej");

// Both texts are compared in the code page's capitals, Polish letters included.
QByteArray folded(const QString& text)
{
    return win1250::toUpper(win1250::fromUnicode(text));
}

} // namespace

TForm9* Form9()
{
    return currentFind;
}

TForm9::TForm9(SearchedRows rows, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint),
      rows_(std::move(rows))
{
    currentFind = this;
    setWindowTitle(QStringLiteral("Znajdź."));
    setFont(QFont(QStringLiteral("Arial"), 8));
    setFixedSize(403, 88);

    Label2 = new QLabel(QStringLiteral("Wprowadź szukany ciąg znaków:"), this);
    Label2->setGeometry(8, 6, 387, 18);
    Edit1 = new QLineEdit(this);
    Edit1->setValidator(new Win1250Validator(Edit1));
    Edit1->setGeometry(8, 26, 387, 22);
    SpeedButton2 = new QPushButton(SearchCaption, this);
    SpeedButton2->setGeometry(216, 56, 87, 25);
    SpeedButton2->setEnabled(false);
    // Enter searches again while the text has the focus.
    SpeedButton2->setDefault(true);
    SpeedButton1 = new QPushButton(QStringLiteral("Zamknij"), this);
    SpeedButton1->setGeometry(308, 56, 87, 25);
    SpeedButton1->setAutoDefault(false);

    connect(Edit1, &QLineEdit::textChanged, this, &TForm9::Edit1Change);
    connect(SpeedButton2, &QPushButton::clicked, this, &TForm9::SpeedButton2Click);
    connect(SpeedButton1, &QPushButton::clicked, this, &TForm9::SpeedButton1Click);
}

void TForm9::Edit1Change()
{
    SpeedButton2->setEnabled(!Edit1->text().isEmpty());
    position_ = -1;
}

void TForm9::SpeedButton2Click()
{
    const QByteArray wanted = folded(Edit1->text());
    const int last = int(rows_.texts.size()) - 1;
    for (int row = position_ + 1; row <= last; ++row) {
        if (folded(rows_.texts[row]).contains(wanted)) {
            position_ = row;
            SpeedButton2->setText(row == last ? SearchCaption : NextCaption);
            rows_.select(row);
            return;
        }
    }
    // A search that began at the first row and found nothing found nothing anywhere.
    prompts().message(position_ < 0 ? QStringLiteral("Nie znaleziono: „%1”.").arg(Edit1->text())
                                    : QStringLiteral("Wyszukiwanie zakończone."));
    SpeedButton2->setText(SearchCaption);
    position_ = -1;
}

void TForm9::SpeedButton1Click()
{
    close();
}

void TForm9::FormShow()
{
    ApplyAutoScale(this);
    if (const QScreen* shown = screen())
        move(shown->availableGeometry().center() - rect().center());
}

void TForm9::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void ShowFindDialog(SearchedRows rows, QWidget* owner)
{
    if (Form9())
        return;
    const auto dialog = std::make_unique<TForm9>(std::move(rows), owner);
    dialog->exec();
}
