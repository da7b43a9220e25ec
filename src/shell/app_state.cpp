#include "shell/app_state.h"

namespace ds {

namespace {

void fill_catalogue(MessageCatalogue& m) {
  m.type_data = "Please type the data in the field.";
  m.data_not_correct = "Sorry, the data is not correct.";
  m.select_lotto = "Please select a Lotto in the 'Lotto' window.";
  m.select_tset = "Please select a Targeted Set in the 'Targeted Sets' window.";
  m.select_system = "Please select a system in the 'Systems' window.";
  m.incorrect_date = "Incorrect date.";
  m.please_calculate_fa = " Please calculate Forecasting Abilities.";
  m.incorrect_lotto = "Incorrect data about Lotto.";
  m.incorrect_tset_size = "Incorrect size of the Targeted Set.";
  m.type_name = "Please type a name.";
  m.select_numbers = "Please select numbers in the draw";
  m.select_size = "Please select the size of the set.";
  m.select_index = "Please select an Index.";
  m.select_number = "Please select a Number.";
  m.index_exceeds = "The index exceeds the size of the set.";
  m.number_repeated = "This number was previously selected.";
  m.bad_cell = "Incorrect data in the cell ";
  m.strategy_name = "Name of the strategy";
  m.select_tset_row = "Please select a row in the 'Targeted Sets' table.";
  m.no_draws_data = "There is no draws data on the 'Lotto' form.";
  m.permission_refused = "permission to write there was refused";
  m.disk_full = "the disk is full";
  m.file_not_created = "the file cannot be created";
  m.file_not_written = "the file could not be written completely";
  m.file_not_replaced = "the file could not be replaced";
  m.folder_has_name = "a folder has that name";
}

}  // namespace

const MessageCatalogue& messages() {
  static const MessageCatalogue texts = [] {
    MessageCatalogue m;
    fill_catalogue(m);
    return m;
  }();
  return texts;
}

}  // namespace ds

namespace ds {

ChosenGrids chosen_grids(const AppState& state) {
  ChosenGrids g;
  if (!state.lotto_name.empty() && state.draws_read) g.draws = &state.draws;
  if (!state.tset_name.empty()) g.sets = &state.tset_rows;
  return g;
}

}  // namespace ds
