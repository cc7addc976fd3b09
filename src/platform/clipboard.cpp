#include "platform/clipboard.h"

#include "platform/backend.h"

void ClipboardSetText(std::string_view text) { Backend().SetClipboardText(text); }

std::string ClipboardGetText() { return Backend().ClipboardText(); }

void ClipboardSetImage(ClipboardImage image) { Backend().SetClipboardImage(std::move(image)); }

ClipboardImage ClipboardGetImage() { return Backend().ClipboardImageData(); }
