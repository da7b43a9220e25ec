// Drawsmith: start-up, and the commands run without a window:
//   drawsmith --import FILE --lotto NAME [--day-month | --month-day]
//   drawsmith --make-wheel V --ticket K --guarantee T-if-M [--seconds S] [--seed N] [--threads N]
//             [--steps N] --out FILE
//   drawsmith --check-wheel FILE [--guarantee T-if-M] [--set n1,n2,...]
//   drawsmith --library | --library-wheel V --ticket K --guarantee T-if-M --out FILE
//   drawsmith --wheel-filter --system ID|--wheel FILE --set N1,N2,... --filter EXPR... [--lotto NAME]
//   drawsmith --stats --lotto NAME [--from YYYY-MM-DD] [--to YYYY-MM-DD]
//   drawsmith --filter-rate --lotto NAME --filter EXPR [--filter EXPR]... [--from D] [--to D]
//   drawsmith --play FILE --lotto NAME --from YYYY-MM-DD --to YYYY-MM-DD
//   drawsmith --ledger --lotto NAME
//   drawsmith --update --lotto NAME [--url URL] [--check-url URL] [--day-month | --month-day]
// (every option: `drawsmith --help`, ds::command_line_help in shell/program_info.h).
#include <QApplication>
#include <QCoreApplication>
#include <QLocale>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "analyses/ledger.h"
#include "analyses/stats_command.h"
#include "app/register_windows.h"
#include "lotto/draw_import.h"
#include "lotto/history_update.h"
#include "lotto/lotto_files.h"
#include "lotto/ui/history_fetch.h"
#include "shell/data_lock.h"
#include "shell/files.h"
#include "shell/program_info.h"
#include "shell/samples.h"
#include "shell/ui/app.h"
#include "shell/ui/session.h"
#include "shell/ui/state_hub.h"
#include "shell/ui/translation.h"
#include "systems/wheel_command.h"
#include "systems/wheel_filter_command.h"
#include "wheels/wheel_library.h"

namespace {
// QApplication aborts with a long diagnostic when there is no display; say it plainly instead.
bool display_available() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform && *platform) return true;
  const char* x = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x && *x) || (wayland && *wayland);
}

void find_folders(ds::AppState& s) {
  ds::ui::choose_folders(s, QCoreApplication::applicationDirPath(),
                         QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
  s.date_format = ds::ui::date_format_from_locale(QLocale::system());
  s.number_format = ds::ui::number_format_from_locale(QLocale::system());
  ds::remove_leftover_temporaries(s.app_folder);
}

// The modes that read the data folder the program would use: the application object
// (for the standard folders), the folders, the samples installed when missing; then
// `run`, whose output is printed.
int in_data_folder(int argc, char** argv, const std::function<ds::CommandRun(const ds::AppState&)>& run) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("Drawsmith"));
  ds::AppState s;
  find_folders(s);
  ds::create_samples(s.program_folder, s.app_folder);
  const ds::CommandRun done = run(s);
  std::fputs(done.out.c_str(), stdout);
  std::fputs(done.err.c_str(), stderr);
  return done.exit_code;
}

// Imports without a window: prints the preview's summary and any message;
// 0 when the file was imported (or held nothing new), 1 otherwise.
int import_from_command_line(int argc, char** argv) {
  std::string file, lotto;
  ds::DayMonthOrder order = ds::DayMonthOrder::unknown;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--import") == 0 && i + 1 < argc)
      file = argv[++i];
    else if (std::strcmp(argv[i], "--lotto") == 0 && i + 1 < argc)
      lotto = argv[++i];
    else if (std::strcmp(argv[i], "--day-month") == 0)
      order = ds::DayMonthOrder::day_month;
    else if (std::strcmp(argv[i], "--month-day") == 0)
      order = ds::DayMonthOrder::month_day;
    else {
      std::fprintf(stderr, "Unknown argument '%s'.\n", argv[i]);
      file.clear();
      break;
    }
  }
  if (file.empty() || lotto.empty()) {
    std::fprintf(stderr, "Usage: drawsmith --import FILE --lotto NAME [--day-month | --month-day]\n");
    return 1;
  }
  return in_data_folder(argc, argv, [&](const ds::AppState& s) {
    const ds::ImportFileRun run =
        ds::import_draws_file(file, ds::lotto_folder(s.app_folder), lotto, s.date_format, order);
    ds::CommandRun done;
    if (!run.summary.empty() && run.summary != run.message) done.out = run.summary + "\n";
    if (!run.message.empty()) {
      done.exit_code = 1;
      done.err = run.message + "\n" + (run.order_needed ? "Give --day-month or --month-day.\n" : "");
      return done;
    }
    done.out += run.status + "\n";
    return done;
  });
}

// --update: the addresses, the fetch of each, then the core's checks and the import.
int update_from_command_line(int argc, char** argv, const std::vector<std::string>& args) {
  const ds::UpdateRequest request = ds::parse_update_arguments(args);
  if (!request.error.empty()) {
    std::fprintf(stderr, "%s\n%s", request.error.c_str(), ds::update_usage);
    return 2;
  }
  return in_data_folder(argc, argv, [&request](const ds::AppState& s) {
    const auto games = ds::lotto_folder(s.app_folder);
    std::string error;
    const auto sources = ds::update_sources(request, games, error);
    if (!sources) return ds::CommandRun{1, "", error + "\n"};
    const ds::FetchedPage history = ds::ui::fetch_page(QString::fromStdString(sources->history));
    ds::FetchedPage check;
    // The second copy is fetched only for a history that may be one.
    if (!sources->check.empty() && ds::fetched_page_refusal(history, sources->history).empty())
      check = ds::ui::fetch_page(QString::fromStdString(sources->check));
    return ds::update_draws(request, *sources, history, sources->check.empty() ? nullptr : &check, games,
                            s.date_format);
  });
}

bool wants_import(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--import") == 0) return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (const auto text = ds::help_or_version(args)) {
    std::fputs(text->c_str(), stdout);
    return 0;
  }
  if (ds::wants_wheel_filter_command(args))
    return in_data_folder(argc, argv, [&args](const ds::AppState& s) {
      return ds::wheel_filter_command(args, s.app_folder, s.date_format);
    });
  if (ds::wants_wheel_command(args)) {
    // the wheel library is shipped beside the program, as the samples and the help are
    const QCoreApplication app(argc, argv);
    const std::filesystem::path library =
        std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / ds::wheel_library_name;
    const ds::CommandRun run = ds::run_wheel_command(args, library);
    std::fputs(run.out.c_str(), stdout);
    std::fputs(run.err.c_str(), stderr);
    return run.exit_code;
  }
  if (ds::wants_stats_command(args))
    return in_data_folder(argc, argv, [&args](const ds::AppState& s) {
      return ds::run_stats_command(args, ds::lotto_folder(s.app_folder), s.date_format);
    });
  if (ds::wants_update_command(args)) return update_from_command_line(argc, argv, args);
  if (ds::wants_ledger_command(args))
    return in_data_folder(argc, argv, [&args](const ds::AppState& s) {
      return ds::run_ledger_command(args, ds::lotto_folder(s.app_folder), s.date_format);
    });
  if (wants_import(argc, argv)) return import_from_command_line(argc, argv);
  if (const std::string wrong = ds::window_arguments_error(args); !wrong.empty()) {
    std::fputs(wrong.c_str(), stderr);
    return 2;
  }
  if (!display_available()) {
    std::fprintf(stderr, "Drawsmith needs a graphical display, and none was found (DISPLAY is not set).\n");
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Drawsmith"));
  // The windows speak the system's language when the program has it (LANG=fr_CA.UTF-8
  // gives French), English otherwise.
  ds::ui::install_translation(QLocale::system());
  ds::ui::StateHub hub;  // the user's choices, owned here and handed to every window
  find_folders(hub.writable());
  ds::ui::register_windows(hub);
  ds::ui::registry().show(ds::ui::WindowId::main);
  ds::ui::restore_last_choices(hub);  // the lotto, set and system of the last run
  const int code = QApplication::exec();
  ds::ui::remember_session();
  // A clean exit gives the data folder's lock back (a lock of another copy stays).
  ds::release_data_lock(hub.state().app_folder, ds::this_process());
  return code;
}
