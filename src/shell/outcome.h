#pragma once
// The contract between a window and its core. A window owns a model, a plain
// struct of its core file holding everything it keeps apart from its widgets.
// Each control calls one core function over the model and the texts of the
// boxes; the function changes the model and returns an outcome: the message the
// user sees, the window brought forward, the status line (Outcome), the control
// that gets the focus (FocusOutcome, an enum of the window ending with `count`),
// and the texts the window shows anew. The window shows the model and the
// outcome with one call of its own, ending in ds::ui::apply_outcome
// (shell/ui/apply_outcome.h), which maps the focus enum to objectNames through a
// table checked when the window compiles.
#include <optional>
#include <string>
#include <vector>

#include "shell/text.h"
#include "shell/window_id.h"

namespace ds {

struct Outcome {
  Text message;                    // shown in a message box; "" for none
  WindowId show = WindowId::none;  // brought forward after the message (where a missing choice is made)
  std::optional<Text> status;      // the status line's new text ("" empties it); unset leaves it
  bool status_stays = false;       // the text stays until the next; otherwise it goes after a few seconds
};

template <class Focus>
struct FocusOutcome : Outcome {
  Focus focus = Focus::none;
};

// What Print decides: the page and how the print dialog names it, or the
// message when there is nothing to print.
struct PrintOutcome : Outcome {
  std::string title;     // the print dialog's title
  std::string document;  // the document's name for the printer
  std::string html;      // "" when nothing is printed
};

// Asked before work not yet saved would be given up (another lotto or set
// chosen, the window closed, the program ended): answered by one of `buttons`
// (Save, Discard) or Cancel, which keeps everything as it was.
inline std::vector<Text> save_or_discard() { return {DS_TR("Save"), DS_TR("Discard")}; }
struct UnsavedQuestion {
  Text question;
  std::vector<Text> buttons = save_or_discard();
};

}  // namespace ds
