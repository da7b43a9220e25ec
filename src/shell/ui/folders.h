#pragma once
// Where the program's files and the user's data live.
#include <QString>

#include "shell/app_state.h"

namespace ds::ui {

// Sets the program and data folders of the state: the data lives beside the
// program unless that folder cannot be written, then in the user's data folder.
void choose_folders(AppState& state, const QString& program_folder, const QString& user_data_folder);

}  // namespace ds::ui
