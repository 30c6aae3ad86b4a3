#pragma once
// Copy and paste of the main window's "&Narzędzia" menu: they move plain text between the
// system clipboard and the focused control of a document window (a bound edit box or memo:
// its selection; a bound table: its current cell's whole text), so text travels between
// project windows, assessment windows and other programs. Any other focused control (a cell
// being edited in place included) is left alone.

class DocumentWindow;

namespace clipboard_commands {

// Does nothing when `window` is null.
void Copy(DocumentWindow* window);
// Marks the document modified whether or not anything is pasted (nothing when `window` is
// null), except when a rating is refused. A table cell takes the clipboard's whole text,
// empty when it holds none; text that Windows-1250 cannot hold is refused with a beep. A
// rating cell (S, P or E) of a hazard table takes only an entry of the method's scale: the
// whole entry, or its number alone, which is completed to the entry; anything else (an
// empty clipboard included) is refused with a message and the cell keeps its text. In an
// assessment the row's risk is then computed again, as after a picker.
void Paste(DocumentWindow* window);

} // namespace clipboard_commands
