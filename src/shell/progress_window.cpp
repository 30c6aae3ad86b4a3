#include "shell/progress_window.h"

#include "documents/auto_scale.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

namespace {

constexpr int RepaintInterval = 40;   // ms

} // namespace

TForm8::TForm8(int rows, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Przenoszenie danych."));
    setFixedSize(310, 115);

    // Where the original shows its copying animation, 60 pixels at the top.
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(16, 20, 278, 22);
    ProgressBar1->setRange(0, std::max(rows, 1));
    ProgressBar1->setValue(0);

    Label2 = new QLabel(QStringLiteral("Przenoszenie danych. Proszę czekać."), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    font.setBold(true);
    Label2->setFont(font);
    Label2->setGeometry(36, 76, 214, 15);
}

void TForm8::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    ApplyAutoScale(this);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

void TForm8::rowWritten()
{
    ++written_;
    if (sinceRepaint_.isValid() && sinceRepaint_.elapsed() < RepaintInterval)
        return;
    repaintNow();
}

void TForm8::repaintNow()
{
    ProgressBar1->setValue(std::min(written_, ProgressBar1->maximum()));
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sinceRepaint_.start();
}
