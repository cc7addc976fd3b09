#include "platform/clipboard.h"

#include "platform/backend.h"

void ClipboardSetText(std::string_view text) { Backend().SetClipboardText(text); }

std::string ClipboardGetText() { return Backend().ClipboardText(); }

void ClipboardSetImage(const ClipboardImage& image) { Backend().SetClipboardImage(image); }

ClipboardImage ClipboardGetImage() { return Backend().ClipboardImageData(); }
