#include "storage/memo_ini.h"

#include "storage/ini_file.h"
#include "storage/long_word_wrap.h"
#include "storage/stored_values.h"
#include "storage/win1250_input.h"

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

QByteArray TMemoIni::lineKey(int n) const
{
    return stored::memoLineKey(keyBytes(), n);
}

void TMemoIni::ReadIni()
{
    const QStringList read = stored::readMemo(ini(), sectionBytes(), keyBytes());
    setLines(read);
    Lini = read.size();
}

void TMemoIni::WriteIni()
{
    TMemIniFile& file = ini();
    const QByteArray section = sectionBytes();
    const QStringList current = lines();
    const int count = current.size();
    for (int n = 1; n <= count; ++n) {
        file.WriteValue(section, lineKey(n), stored::memoLineBytes(current[n - 1]));
    }
    // Lines the document had beyond the new end go, and so does the old end marker.
    if (count < Lini) {
        for (int n = count + 1; n <= Lini + 1; ++n)
            file.DeleteValue(section, lineKey(n));
    }
    file.WriteValue(section, lineKey(count + 1), stored::MemoEnd);
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

void TMemoIni::connectEdits(QObject* context, const std::function<void()>& edited)
{
    connect(this, &QPlainTextEdit::textChanged, context, edited);
}
