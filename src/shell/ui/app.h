#pragma once
// What every window uses of the shell, in one include: the window registry, the
// lent grids, the application state, the text and locale conversions, the
// folder choice and the help menu. Each lives in a header of its own.
#include "shell/ui/folders.h"
#include "shell/ui/help_menu.h"
#include "shell/ui/locale_forms.h"
#include "shell/ui/state_hub.h"
#include "shell/ui/text.h"
#include "shell/ui/window_registry.h"
