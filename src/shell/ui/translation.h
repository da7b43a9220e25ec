#pragma once
// The program in the user's language. The English texts are the keys: each window's
// texts are tr() of its own class (one translation context per window), the texts the
// core makes are ds::Text (context "ds"). A language adds translations/drawsmith_<code>.ts
// (scripts/update-translations keeps it in step with the sources), built into a .qm
// resource. English needs nothing.
#include <QString>

#include "shell/text.h"

class QLocale;

namespace ds::ui {

// Installs the program's translation for `locale`'s language (and Qt's own for
// its standard buttons, when the system has it). False when there is none, as for
// English; a translation installed before is removed first.
bool install_translation(const QLocale& locale);
// Back to English.
void remove_translation();

// A text of the core in the installed language: its form looked up (blanks around it
// kept), then its parts put in, each looked up in turn unless kept as it is.
QString tr_text(const ds::Text& text);

}  // namespace ds::ui
