#include "sources/plugin_calls.h"

#include <array>
#include <vector>

#include "platform/notices.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"

namespace {

using ErrorBuffer = std::array<char, CARTOVEL_PLUGIN_ERROR_BYTES>;

// A buffer handed to a plug-in: empty before the call.
template <std::size_t N>
void ClearBuffer(std::array<char, N>& buffer) {
  buffer[0] = '\0';
}

// The text a plug-in left in a buffer of `cap` bytes, its last byte forced
// to a terminator first.
std::string TakeText(char* buffer, std::size_t cap) {
  buffer[cap - 1] = '\0';
  return std::string(buffer, TextLength(buffer, cap));
}

template <std::size_t N>
std::string TakeText(std::array<char, N>& buffer) {
  return TakeText(buffer.data(), N);
}

}  // namespace

int PluginDescribe(const PluginApi& api, int capacity, std::string* text) {
  std::vector<char> buffer(static_cast<std::size_t>(capacity), '\0');
  ErrorBuffer error;
  ClearBuffer(error);
  const std::int32_t status = api.GetDLLDescription(buffer.data(), capacity, error.data());
  buffer.back() = '\0';
  if (status == -1) {
    *text = TakeText(error);
    return -1;
  }
  *text = TakeText(buffer.data(), buffer.size());
  return 0;
}

int PluginMenuItem(const PluginApi& api, int function, int item, std::string_view name, std::string* text) {
  std::array<char, CARTOVEL_PLUGIN_ITEM_BYTES> buffer;
  std::array<char, CARTOVEL_PLUGIN_NAME_BYTES> nameBuffer;
  ErrorBuffer error;
  ClearBuffer(buffer);
  ClearBuffer(error);
  TextCopyTo(nameBuffer.data(), nameBuffer.size(), function < 0 ? name : std::string_view());
  const std::size_t cap = function < 0 ? buffer.size() : CARTOVEL_PLUGIN_LISTING_BYTES;
  const std::int32_t status = api.GetDLLMenuItems(function, item, buffer.data(), nameBuffer.data(), error.data());
  buffer[cap - 1] = '\0';
  nameBuffer.back() = '\0';
  *text = status == -1 ? TakeText(error) : TakeText(buffer.data(), cap);
  return status == -1 ? -1 : 0;
}

int PluginSelectItem(const PluginApi& api, int item, std::string_view name, std::string_view value,
                     std::string* error) {
  std::array<char, CARTOVEL_PLUGIN_NAME_BYTES> nameBuffer;
  std::array<char, CARTOVEL_PLUGIN_VALUE_BYTES> valueBuffer;
  ErrorBuffer errorBuffer;
  TextCopyTo(nameBuffer.data(), nameBuffer.size(), name);
  TextCopyTo(valueBuffer.data(), valueBuffer.size(), value);
  ClearBuffer(errorBuffer);
  if (api.SetSelectedDLLMenuItem(item, nameBuffer.data(), valueBuffer.data(), errorBuffer.data()) != -1) return 0;
  *error = TakeText(errorBuffer);
  return -1;
}

int PluginSendCell(const PluginApi& api, int range, int row, int col, bool numeric, const char* text,
                   std::string* error) {
  ErrorBuffer errorBuffer;
  ClearBuffer(errorBuffer);
  const std::int16_t flag = numeric ? 1 : 0;
  if (api.SendDataToDllBuff(range, row, col, range + 1, flag, text, errorBuffer.data()) != -1) return 0;
  *error = TakeText(errorBuffer);
  return -1;
}

int PluginCompute(const PluginApi& api, std::string* error) {
  ErrorBuffer errorBuffer;
  ClearBuffer(errorBuffer);
  if (api.CallDLLFunction(errorBuffer.data()) != -1) return 0;
  *error = TakeText(errorBuffer);
  return -1;
}

int PluginResultSize(const PluginApi& api, std::int32_t* rows, std::int32_t* cols) {
  std::int32_t available = 0;
  *rows = 0;
  *cols = 0;
  api.GetResultAvailableFromDLL(&available, rows, cols);
  return available != 0 && *rows > 0 && *cols > 0 ? 1 : 0;
}

int PluginResultCell(const PluginApi& api, int row, int col, std::string* text) {
  std::array<char, CARTOVEL_PLUGIN_RESULT_BYTES> buffer;
  ErrorBuffer error;
  ClearBuffer(buffer);
  ClearBuffer(error);
  std::int32_t status = 0;
  if (api.GetResultDataFromDLLBuff(row, col, CARTOVEL_PLUGIN_RESULT_BYTES, &status, buffer.data(), error.data()) ==
      -1) {
    *text = TakeText(error);
    return -1;
  }
  *text = status == 1 ? TakeText(buffer) : std::string("NULL");
  return 0;
}

void PluginReportError(std::string_view text) { ReportNotice(Text(TXT_CAPTION_ERROR_SHORT), text); }
