#include "shell/app_state.h"

#include "shell/text.h"

namespace ds {

namespace {

void fill_catalogue(MessageCatalogue& m) {
  m.type_data = DS_TR_NOOP("Please type the data in the field.");
  m.data_not_correct = DS_TR_NOOP("Sorry, the data is not correct.");
  m.select_lotto = DS_TR_NOOP("Please select a Lotto in the 'Lotto' window.");
  m.select_tset = DS_TR_NOOP("Please select a Targeted Set in the 'Targeted Sets' window.");
  m.select_system = DS_TR_NOOP("Please select a system in the 'Systems' window.");
  m.incorrect_date = DS_TR_NOOP("Incorrect date.");
  m.please_calculate_fa = DS_TR_NOOP(" Please calculate Forecasting Abilities.");
  m.incorrect_lotto = DS_TR_NOOP("Incorrect data about Lotto.");
  m.incorrect_tset_size = DS_TR_NOOP("Incorrect size of the Targeted Set.");
  m.type_name = DS_TR_NOOP("Please type a name.");
  m.select_numbers = DS_TR_NOOP("Please select numbers in the draw");
  m.select_size = DS_TR_NOOP("Please select the size of the set.");
  m.select_index = DS_TR_NOOP("Please select an Index.");
  m.select_number = DS_TR_NOOP("Please select a Number.");
  m.index_exceeds = DS_TR_NOOP("The index exceeds the size of the set.");
  m.number_repeated = DS_TR_NOOP("This number was previously selected.");
  m.bad_cell = DS_TR_NOOP("Incorrect data in the cell ");
  m.strategy_name = DS_TR_NOOP("Name of the strategy");
  m.select_tset_row = DS_TR_NOOP("Please select a row in the 'Targeted Sets' table.");
  m.no_draws_data = DS_TR_NOOP("There is no draws data on the 'Lotto' form.");
  m.permission_refused = DS_TR_NOOP("permission to write there was refused");
  m.disk_full = DS_TR_NOOP("the disk is full");
  m.file_not_created = DS_TR_NOOP("the file cannot be created");
  m.file_not_written = DS_TR_NOOP("the file could not be written completely");
  m.file_not_replaced = DS_TR_NOOP("the file could not be replaced");
  m.folder_has_name = DS_TR_NOOP("a folder has that name");
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
