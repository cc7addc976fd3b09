#include "shell/system_name.h"

#include <cstdio>

#include "platform/codepage.h"
#include "platform/text_buffer.h"
#include "resources/language.h"

int ParseSystemNameText(std::string_view bytes, ProgramState& program) {
  bytes = bytes.substr(0, SYS_NAME_FILE_LIMIT);
  for (auto& field : program.sysFields) ClearText(field);

  std::string_view raw[SYS_FIELD_COUNT];
  int count = 0;
  std::size_t pos = 0;
  while (count < SYS_FIELD_COUNT) {
    const std::size_t open = bytes.find('[', pos);
    if (open == std::string_view::npos) break;
    const std::size_t close = bytes.find(']', open + 1);
    if (close == std::string_view::npos) break;
    raw[count++] = bytes.substr(open + 1, close - open - 1);
    pos = close + 1;
  }

  const std::string_view language = raw[SYS_FIELD_LANGUAGE];
  LanguageSetChinese(!language.empty() && language[0] == 'C');
  for (int i = 0; i < count; ++i) {
    CopyText(program.sysFields[i], FileTextToUtf8(raw[i], LanguageIsChinese()));
  }
  return count;
}

int ReadSystemNameFile(std::string_view dir, ProgramState& program) {
  const std::string path = std::string(dir) + "/CVLib/SysName.TXT";
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) {
    ParseSystemNameText({}, program);
    return -1;
  }
  char buf[SYS_NAME_FILE_LIMIT];
  const std::size_t n = std::fread(buf, 1, sizeof buf, file);
  std::fclose(file);
  return ParseSystemNameText(std::string_view(buf, n), program);
}

std::string_view SysFieldText(const ProgramState& program, int field) {
  if (field < 0 || field >= SYS_FIELD_COUNT) return {};
  return TextOf(program.sysFields[field]);
}
