// What an operation has to tell the user: notices of a caption and a text.
// Plain logic (readers, writers, formulas) reports them here instead of
// raising message boxes; whoever runs the operation opens a NoticeScope and
// decides how they are presented: a window as message boxes when its command
// ends, the command-line conversion as lines on standard error. A question
// or any other dialog shown meanwhile first presents what is pending, so the
// user sees everything in the order it was reported.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct Notice {
  std::string szCaption;
  std::string szText;
};

// How the notices of a scope reach the user.
enum NoticePresentation : int {
  NOTICES_AS_MESSAGE_BOXES,  // one information box each, through the dialog service
  NOTICES_TO_STANDARD_ERROR,  // one line each: "caption: text"
};

// Report a notice. Outside any scope it is presented at once as a message
// box; inside one it waits for the scope's end (or the next dialog).
void ReportNotice(std::string_view caption, std::string_view text);

// Present the notices waiting in the open scope now (nothing outside one).
void PresentPendingNotices();

// Collects the notices of one operation and presents them when it ends.
// Scopes nest: an inner scope hands its notices to the outermost one, which
// alone presents them.
class NoticeScope {
 public:
  explicit NoticeScope(NoticePresentation presentation = NOTICES_AS_MESSAGE_BOXES);
  ~NoticeScope();
  NoticeScope(const NoticeScope&) = delete;
  NoticeScope& operator=(const NoticeScope&) = delete;

  // The notices reported so far and not yet presented, taken out of the
  // scope (the caller presents them itself).
  std::vector<Notice> Take();
};
