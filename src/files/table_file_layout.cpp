// Reading the row heights, column widths and scroll origin of a table file.
#include <algorithm>

#include "files/table_file_keys.h"
#include "files/table_file_sections.h"
#include "table/cell_reference.h"
#include "platform/number_text.h"
#include "platform/scrollbar.h"
#include "table/table_access.h"
#include "table/table_range.h"

namespace {

// A layout field keeps at most this many bytes.
constexpr std::size_t kLayoutFieldBytes = 19;
// Heights and widths read from a file stay within this many pixels, so
// that sums over a whole table cannot overflow.
constexpr int kMaxLinePixels = 10000;

class LayoutReader {
 public:
  explicit LayoutReader(TableRecord& t) : t_(t) {}

  // A field ended by a TAB or a line end.
  void Field(std::string_view raw) {
    const std::string_view text = raw.substr(0, std::min(raw.size(), kLayoutFieldBytes));
    if (text.empty()) return;
    for (const int key : {KEY_CELL_H, KEY_CELL_W, KEY_LEFT_TOP}) {
      if (text == TableFileKeyText(key)) {
        iMode_ = key;
        iCount_ = 0;
        return;
      }
    }
    ++iCount_;
    if (iMode_ == KEY_CELL_H && iCount_ < t_.iRows) {
      t_.rowHeight[static_cast<std::size_t>(iCount_)] = std::clamp(TextToInt(text), 0, kMaxLinePixels);
    } else if (iMode_ == KEY_CELL_W && iCount_ < t_.iCols) {
      t_.colWidth[static_cast<std::size_t>(iCount_)] = std::clamp(TextToInt(text), 0, kMaxLinePixels);
    } else if (iMode_ == KEY_LEFT_TOP) {
      int row = RefRow(text, t_.iRows);
      int col = RefCol(text, t_.iCols);
      if (row <= 0 || col <= 0) row = col = 1;
      t_.iTopRow = row;
      t_.iLeftCol = col;
      bOrigin_ = true;
    }
  }

  bool OriginRead() const { return bOrigin_; }

 private:
  TableRecord& t_;
  int iMode_ = -1;
  int iCount_ = 0;
  bool bOrigin_ = false;
};

}  // namespace

void ReadLayoutSection(WindowHandle hwnd, std::string_view buffer, std::size_t from, std::size_t to) {
  bool origin = false;
  int top = 1;
  int left = 1;
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    to = std::min(to, buffer.size());
    LayoutReader reader(*t.get());
    std::size_t start = from;
    for (std::size_t i = from; i < to; ++i) {
      const char c = buffer[i];
      if (c == '\t' || c == '\r' || c == '\n') {
        reader.Field(buffer.substr(start, i - start));
        start = i + 1;
      }
    }
    if (start < to) reader.Field(buffer.substr(start, to - start));
    origin = reader.OriginRead();
    if (origin) {
      top = t->iTopRow;
      left = t->iLeftCol;
      // The shown origin becomes the one selected cell.
      SelectFirstCell(*t.get());
      t->selRowFrom[0] = t->selRowTo[0] = top;
      t->selColFrom[0] = t->selColTo[0] = left;
      t->selKind[0] = SELECT_BLOCK;
    }
  }
  if (origin) {
    SetScrollPos(hwnd, SCROLLBAR_VERT, top);
    SetScrollPos(hwnd, SCROLLBAR_HORZ, left);
  }
}
