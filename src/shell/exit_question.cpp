#include "shell/exit_question.h"

#include "documents/auto_scale.h"
#include "shell/dialog_font.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>

namespace {

QPushButton* newButton(const char* name, const QString& caption, const QString& hint, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    button->setFont(dialogFont(12, true));
    return button;
}

} // namespace

TForm23::TForm23(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form23"));
    setWindowTitle(QStringLiteral("Zakończyć ?"));
    setFont(dialogFont());
    setFixedSize(384, 89);

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    auto* question = new QLabel(QStringLiteral("Czy chcesz zakończyć pracę z programem ?"), this);
    question->setFont(dialogFont(15, true));
    SpeedButton1 = newButton("SpeedButton1", QStringLiteral("&Tak !"), QStringLiteral("Zakończ aplikację"), this);
    SpeedButton2 = newButton("SpeedButton2", QStringLiteral("&Nie !"), QStringLiteral("Powrót do aplikacji"), this);
    SpeedButton2->setDefault(true);
    connect(SpeedButton1, &QPushButton::clicked, this, &QDialog::accept);
    connect(SpeedButton2, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SpeedButton1);
    buttons->addWidget(SpeedButton2);
    buttons->addStretch();
    auto* text = new QVBoxLayout;
    text->addWidget(question);
    text->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(icon, 0, Qt::AlignTop);
    layout->addLayout(text, 1);
}

void TForm23::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        ApplyAutoScale(this);
}
