#include "controls/memo_ini.h"

#include "model/document_model.h"
#include "controls/long_word_wrap.h"
#include "controls/win1250_input.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>

namespace {

bool isCtrlTab(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_Tab && key->modifiers() == Qt::ControlModifier;
}

} // namespace

TMemoIni::TMemoIni(QWidget* parent) : QPlainTextEdit(parent)
{
    followLongWords(this);
    setTabChangesFocus(true);
}

QStringList TMemoIni::lines() const
{
    QStringList result;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        result += block.text().split(QChar::LineSeparator); // Shift+Enter breaks a line too
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    return result;
}

void TMemoIni::setLines(const QStringList& lines)
{
    QString text = lines.join(QLatin1Char('\n'));
    // An empty last line needs the break after it, or lines() would take it for the
    // cursor's line.
    if (!lines.isEmpty() && lines.last().isEmpty())
        text += QLatin1Char('\n');
    wrapForIncoming(this, text);
    setPlainText(text);
}

void TMemoIni::showField()
{
    if (lines() != documentModel()->lines(field()))
        setLines(documentModel()->lines(field()));
}

void TMemoIni::connectEdits()
{
    connect(this, &QPlainTextEdit::textChanged, this, [this] { documentModel()->setLines(field(), lines()); });
}

void TMemoIni::enterEvent(QEnterEvent* event)
{
    QPlainTextEdit::enterEvent(event);
    emit OnMouseEnter(this);
}

void TMemoIni::leaveEvent(QEvent* event)
{
    QPlainTextEdit::leaveEvent(event);
    emit OnMouseExit(this);
}

void TMemoIni::keyPressEvent(QKeyEvent* event)
{
    if (isCtrlTab(event)) {
        insertPlainText(QStringLiteral("\t"));
        event->accept();
        return;
    }
    if (refuseUnencodable(event->text())) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

bool TMemoIni::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this && isCtrlTab(event)) {
        keyPressEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    return QPlainTextEdit::eventFilter(watched, event);
}

void TMemoIni::focusInEvent(QFocusEvent* event)
{
    // The newest application filter is asked first.
    qApp->installEventFilter(this);
    QPlainTextEdit::focusInEvent(event);
}

void TMemoIni::focusOutEvent(QFocusEvent* event)
{
    qApp->removeEventFilter(this);
    QPlainTextEdit::focusOutEvent(event);
}

void TMemoIni::inputMethodEvent(QInputMethodEvent* event)
{
    if (refuseUnencodable(event->commitString())) {
        QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
        QPlainTextEdit::inputMethodEvent(&withoutCommit);
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

void TMemoIni::insertFromMimeData(const QMimeData* source)
{
    if (source->hasText() && refuseUnencodable(source->text()))
        return;
    wrapForIncoming(this, source->text());
    QPlainTextEdit::insertFromMimeData(source);
}

