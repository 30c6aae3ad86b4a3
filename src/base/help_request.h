#pragma once
// Help requests: how a window or dialog asks for the help topic of a context number (F1, a
// "Pomoc" button). The main window installs the handler that shows the help window; tests
// install their own to see which topic was asked for. Without a handler a request does nothing.

#include <functional>

void requestHelp(int context);
void setHelpHandler(std::function<void(int)> handler);
