// Calls into the loaded plug-in with buffers of the sizes the interface
// promises. A plug-in is outside code: after every call the last byte of
// each buffer it could write is forced to a terminator, so a text that
// filled its buffer is cut and never read past its end.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "sources/plugin_library.h"

// GetDLLDescription with a buffer of `capacity` bytes: 0 and the text, or
// -1 and the plug-in's error text in `text`.
int PluginDescribe(const PluginApi& api, int capacity, std::string* text);

// GetDLLMenuItems of function `function` (-1: the one named `name`), item
// `item`. Listing calls (function >= 0) get a 50-byte text buffer, dialog
// calls 501 bytes. 0 and the text, or -1 and the error text in `text`.
int PluginMenuItem(const PluginApi& api, int function, int item, std::string_view name, std::string* text);

// SetSelectedDLLMenuItem; on -1 the error text goes to `error`.
int PluginSelectItem(const PluginApi& api, int item, std::string_view name, std::string_view value,
                     std::string* error);

// SendDataToDllBuff for one cell; on -1 the error text goes to `error`.
int PluginSendCell(const PluginApi& api, int range, int row, int col, bool numeric, const char* text,
                   std::string* error);

// CallDLLFunction; on -1 the error text goes to `error`.
int PluginCompute(const PluginApi& api, std::string* error);

// GetResultAvailableFromDLL: 1 with the size when a result of at least one
// row and one column is available, 0 otherwise (no flag, or a size below
// 1).
int PluginResultSize(const PluginApi& api, std::int32_t* rows, std::int32_t* cols);

// GetResultDataFromDLLBuff for one cell: 0 with the text to store ("NULL"
// when the plug-in has no value there), or -1 with the error text in
// `text`.
int PluginResultCell(const PluginApi& api, int row, int col, std::string* text);

// The error text of a failed call: what the plug-in left in its buffer.
// Reported under the caption "Error".
void PluginReportError(std::string_view text);
