#include "shell/ui/state_hub.h"

namespace ds::ui {

StateHub::StateHub(QObject* parent) : QObject(parent) {}

void StateHub::change(Changed what, const std::function<void(AppState&)>& edit) {
  edit(state_);
  announce(what);
}

void StateHub::announce(Changed what) {
  switch (what) {
    case Changed::nothing:
      return;
    case Changed::lotto:
      emit lottoChanged();
      return;
    case Changed::draws:
      emit drawsChanged();
      return;
    case Changed::tset:
      emit tsetChanged();
      return;
    case Changed::tset_rows:
      emit tsetChanged();
      emit tsetRowsWritten();
      return;
    case Changed::system:
      emit systemChanged();
      return;
    case Changed::forecasting:
      emit forecastingChanged();
      return;
  }
}

void StateHub::reset() {
  AppState fresh;
  fresh.program_folder = state_.program_folder;
  fresh.app_folder = state_.app_folder;
  fresh.date_format = state_.date_format;
  fresh.number_format = state_.number_format;
  state_ = std::move(fresh);
  restored_.clear();
}

}  // namespace ds::ui
