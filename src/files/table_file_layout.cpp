// Reading the row heights, column widths and scroll origin of a table file.
#include <algorithm>

#include "files/table_file_fields.h"
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

class LayoutReader final : public FieldSink {
 public:
  explicit LayoutReader(TableRecord& t) : t_(t) {}

  void LineEnd(std::string_view raw) override { Field(raw); }

  // A field ended by a TAB or a line end.
  void Field(std::string_view raw) override {
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

bool ReadLayoutSection(WindowHandle hwnd, const TableFileBytes& file, std::int64_t from, std::int64_t to) {
  bool origin = false;
  bool read = true;
  int top = 1;
  int left = 1;
  {
    TableLockGuard t(hwnd);
    if (!t) return true;
    LayoutReader reader(*t.get());
    FieldSplitter splitter(FIELDS_ANY_BREAK, kLayoutFieldBytes);
    read = ForEachChunk(*file.pSource, from, std::min(to, file.iEnd),
                        [&](std::string_view bytes) { splitter.Feed(bytes, reader); });
    splitter.Finish(reader);
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
  return read;
}
