#pragma once
// Qt lays out a paragraph of a memo whole and, wrapping at words, looks for the end of the
// word before it breaks inside one: a word of a megabyte (a value stored or pasted without
// blanks) makes that quadratic and freezes the window. A memo that follows long words wraps
// anywhere while its text holds a word longer than LongWord characters, and at words
// otherwise.

class QPlainTextEdit;
class QString;

constexpr int LongWord = 1000;

// Sets the memo's wrapping for its text now and after every change of it.
void followLongWords(QPlainTextEdit* memo);
// Sets the wrapping for `text` before the program puts it into the memo or a paste inserts
// it: the memo lays the text out as it arrives, before it reports the change.
void wrapForIncoming(QPlainTextEdit* memo, const QString& text);
