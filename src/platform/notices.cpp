#include "platform/notices.h"

#include <cstdio>
#include <utility>

#include "platform/message_box.h"

namespace {

// The open scopes of the program (one thread runs all windows).
struct NoticeState {
  int iDepth = 0;
  NoticePresentation presentation = NOTICES_AS_MESSAGE_BOXES;
  std::vector<Notice> pending;
};

NoticeState& State() {
  static NoticeState state;
  return state;
}

// Show one notice the way the outermost scope asks.
void Present(const Notice& notice, NoticePresentation presentation) {
  if (presentation == NOTICES_TO_STANDARD_ERROR) {
    std::fprintf(stderr, "%s: %s\n", notice.szCaption.c_str(), notice.szText.c_str());
  } else {
    ShowMessage(notice.szCaption, notice.szText);
  }
}

}  // namespace

void ReportNotice(std::string_view caption, std::string_view text) {
  NoticeState& state = State();
  Notice notice{std::string(caption), std::string(text)};
  if (state.iDepth == 0) {
    Present(notice, NOTICES_AS_MESSAGE_BOXES);
    return;
  }
  state.pending.push_back(std::move(notice));
}

void PresentPendingNotices() {
  NoticeState& state = State();
  // Taken first: presenting may run dialogs that report again.
  std::vector<Notice> pending;
  pending.swap(state.pending);
  for (const Notice& notice : pending) Present(notice, state.presentation);
}

NoticeScope::NoticeScope(NoticePresentation presentation) {
  NoticeState& state = State();
  if (state.iDepth++ == 0) state.presentation = presentation;
}

NoticeScope::~NoticeScope() {
  NoticeState& state = State();
  if (state.iDepth == 1) {
    while (!state.pending.empty()) PresentPendingNotices();
  }
  --state.iDepth;
}

std::vector<Notice> NoticeScope::Take() {
  std::vector<Notice> taken;
  taken.swap(State().pending);
  return taken;
}
