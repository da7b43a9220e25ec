#pragma once
// What a window's handler decides besides the changes it makes: the message the
// user sees, the window brought forward and the status line. Every handler's
// result derives from Outcome and adds the control that gets the focus (an enum
// of its window, which the window maps to the objectName of a control) and the
// changes the window applies. A window shows the common part with one call,
// ds::ui::apply_outcome (shell/ui/apply_outcome.h).
#include <optional>
#include <string>
#include <vector>

#include "shell/window_id.h"

namespace ds {

struct Outcome {
  std::string message;                // shown in a message box; "" for none
  WindowId show = WindowId::none;     // brought forward after the message (where a missing choice is made)
  std::optional<std::string> status;  // the status line's new text ("" empties it); unset leaves it
  bool status_stays = false;          // the text stays until the next; otherwise it goes after a few seconds
};

// Asked before work not yet saved would be given up (another lotto or set
// chosen, the window closed, the program ended): answered by one of `buttons`
// (Save, Discard) or Cancel, which keeps everything as it was.
struct UnsavedQuestion {
  std::string question;
  std::vector<std::string> buttons{"Save", "Discard"};
};

}  // namespace ds
