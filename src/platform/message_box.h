// Message boxes: an information box with OK and a question with Yes and No.
// Both go through the dialog service, so tests answer them by script.
#pragma once

#include <string_view>

#include "platform/window.h"

// The window that owns the boxes shown without an explicit owner (the main
// window registers itself when it is created; None: no owner).
void MessageBoxSetOwner(WindowHandle owner);

// Information box with OK, owned by the registered owner.
void ShowMessage(std::string_view caption, std::string_view text);

// Question with Yes and No: 1 for Yes, -1 for No.
int AskYesNo(std::string_view caption, std::string_view text);
int AskYesNoFor(WindowHandle owner, std::string_view caption, std::string_view text);
