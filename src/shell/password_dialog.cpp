#include "shell/password_dialog.h"

#include "documents/auto_scale.h"
#include "shell/dialog_font.h"
#include "shell/password_field.h"
#include "shell/window_title_width.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TPaswortF::TPaswortF(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("PaswortF"));
    setWindowTitle(QStringLiteral("Hasło."));
    setFont(dialogFont());
    setFixedSize(qMax(307, windowTitleWidth(windowTitle())), 131);

    auto* frame = new QGroupBox(this);
    auto* label = new QLabel(QStringLiteral("Wprowadź hasło:"), frame);
    MaskEdit1 = newPasswordField("MaskEdit1", frame);
    label->setBuddy(MaskEdit1);
    SpeedButton1 = new QPushButton(QStringLiteral("O.K."), frame);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setDefault(true);
    connect(SpeedButton1, &QPushButton::clicked, this, &TPaswortF::SpeedButton1Click);

    auto* inFrame = new QVBoxLayout(frame);
    inFrame->addWidget(label);
    auto* row = new QHBoxLayout;
    row->addWidget(MaskEdit1, 1);
    row->addWidget(SpeedButton1);
    inFrame->addLayout(row);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
}

void TPaswortF::SpeedButton1Click()
{
    password_ = MaskEdit1->text();
    accept();
}

void TPaswortF::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        ApplyAutoScale(this);
}

QString AskPassword()
{
    TPaswortF dialog;
    dialog.exec();
    return dialog.Password();
}
