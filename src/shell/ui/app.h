#pragma once
// The one application state of a run and the registry of its windows.
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <map>

#include "shell/app_state.h"
#include "shell/grid.h"

class QLocale;
class QMainWindow;

namespace ds::ui {

enum class WindowId {
  main,
  lotto,
  tsets,
  system,
  performance,
  fability,
  profitability,
  tset_generator,
  help,
};

// One instance per window. `get` creates a window hidden on first use (its
// constructor is its load step); `show` also shows it modeless and brings it to
// the front. A window the user closed is deleted and created afresh next time.
class WindowRegistry {
 public:
  using Factory = std::function<QWidget*()>;
  void set_factory(WindowId id, Factory factory);
  QWidget* get(WindowId id);
  template <class T>
  T* get_as(WindowId id) {
    return qobject_cast<T*>(get(id));
  }
  QWidget* show(WindowId id);
  // The instance if it exists, without creating it.
  QWidget* existing(WindowId id) const;
  // Closes and forgets every window (tests start each case afresh).
  void close_all();

 private:
  std::map<WindowId, Factory> factories_;
  std::map<WindowId, QPointer<QWidget>> windows_;
};

// The grids one window lends to others. Each stays owned, and written, by one
// window: the draws by Lotto, the sets by Targeted Sets (the generator writes its
// proposal into the current set row through that window), the frequencies by the
// generator and the forecasting table by Forecasting Abilities. Readers get a
// read-only view and never reorder or change it.
enum class LentGrid { draws, sets, frequencies, forecasting };

// The window that owns a lent grid.
WindowId owner_of(LentGrid grid);

// Windows that lend a grid implement this.
class GridSource {
 public:
  virtual ~GridSource() = default;
  // The grid, or nullptr when this window does not own it.
  virtual const TextGrid* lent_grid(LentGrid grid) const = 0;
};

// A read-only view of a lent grid, its owner window created hidden (its load
// step run) when it does not exist yet; nullptr when no such window can be made.
const TextGrid* borrow_grid(LentGrid grid);

AppState& state();
WindowRegistry& registry();

// Region forms of `locale` as the core's formats: four-digit years always; ISO
// where the region's short form has month names or blanks.
DateFormat date_format_from_locale(const QLocale& locale);
NumberFormat number_format_from_locale(const QLocale& locale);

// Sets the program and data folders: the data lives beside the program unless
// that folder cannot be written, then in the user's data folder.
void choose_folders(const QString& program_folder, const QString& user_data_folder);

// Registers the factories of every window of the program.
void register_windows();

// Adds the "&Help" menu (About, User Guide, Exit) to a window; the User Guide
// opens `guide_page` (for instance "lotto.htm").
void add_help_menu(QMainWindow* window, const QString& guide_page);
// Opens the one help window on a page of the program folder.
void show_help(const QString& page, const QString& caption);

// Text conversions between the core and the widgets.
inline QString qs(const std::string& s) { return QString::fromStdString(s); }
inline std::string ss(const QString& s) { return s.toStdString(); }

}  // namespace ds::ui
