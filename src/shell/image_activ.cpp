#include "shell/image_activ.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

TImageActiv::TImageActiv(QWidget* parent)
    : QLabel(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void TImageActiv::enterEvent(QEnterEvent* event)
{
    QLabel::enterEvent(event);
    emit OnMouseEnter(this);
}

void TImageActiv::leaveEvent(QEvent* event)
{
    QLabel::leaveEvent(event);
    emit OnMouseExit(this);
}

void TImageActiv::focusInEvent(QFocusEvent* event)
{
    QLabel::focusInEvent(event);
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        emit OnMouseEnter(this);
}

void TImageActiv::focusOutEvent(QFocusEvent* event)
{
    QLabel::focusOutEvent(event);
    emit OnMouseExit(this);
}

void TImageActiv::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit OnClick(this);
}

void TImageActiv::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)
        emit OnClick(this);
    else
        QLabel::keyPressEvent(event);
}
