#include "shell/ui/session.h"

#include <QEvent>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <QWidget>
#include <vector>

#include "shell/files.h"
#include "shell/ui/app.h"
#include "shell/ui/state_hub.h"

namespace ds::ui {

namespace {

// The windows whose period is remembered, and its two boxes.
bool has_period(const QWidget* w) {
  const QString name = w->objectName();
  return name == QLatin1String("frmFability") || name == QLatin1String("frmBacktest") ||
         name == QLatin1String("frmStatistics");
}

QString place_key(const QWidget* w, const char* what) {
  return QStringLiteral("windows/%1/%2").arg(w->objectName(), QLatin1String(what));
}

// Files found damaged in this run. QSettings reports a format error only to the first
// object that reads a file (later ones share its parsed copy), so it is kept here.
QSet<QString>& damaged_files() {
  static QSet<QString> files;
  return files;
}

// The store, or nullptr when its file did not parse.
std::unique_ptr<QSettings> readable_settings() {
  auto s = open_settings();
  return damaged_files().contains(s->fileName()) ? nullptr : std::move(s);
}

// A store whose file did not parse is removed before it is written again.
std::unique_ptr<QSettings> writable_settings() {
  auto s = open_settings();
  if (damaged_files().remove(s->fileName())) {
    const QString file = s->fileName();
    s.reset();
    QFile::remove(file);
    s = open_settings();
  }
  return s;
}

// The hub whose choices are remembered, named by the root.
const StateHub*& session_hub() {
  static const StateHub* hub = nullptr;
  return hub;
}

// The state the session remembers; a fresh one before the root names its hub.
const AppState& remembered_state() {
  static const AppState none;
  return session_hub() ? session_hub()->state() : none;
}

void save_period(QWidget* w) {
  auto* from = w->findChild<QLineEdit*>(QStringLiteral("txtFrom"));
  auto* to = w->findChild<QLineEdit*>(QStringLiteral("txtTo"));
  if (!from || !to) return;
  const DateFormat& format = remembered_state().date_format;
  const auto from_day = parse_date(ss(from->text()), format);
  const auto to_day = parse_date(ss(to->text()), format);
  if (!from_day || !to_day || *from_day > *to_day) return;  // nothing worth keeping
  RememberedChoices c;
  c.periods[ss(w->objectName())] = {*from_day, *to_day};
  auto s = writable_settings();
  for (const auto& [key, value] : choice_settings(c)) s->setValue(qs(key), qs(value));
}

void save_place(QWidget* w) {
  if (w->objectName().isEmpty()) return;
  auto s = writable_settings();
  s->setValue(place_key(w, "geometry"), w->saveGeometry());
  if (auto* main = qobject_cast<QMainWindow*>(w)) s->setValue(place_key(w, "state"), main->saveState());
  s.reset();
  if (has_period(w)) save_period(w);
}

class Watcher : public QObject {
 public:
  std::vector<QPointer<QWidget>> windows;

  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::Hide && !event->spontaneous()) {
      auto* w = qobject_cast<QWidget*>(object);
      if (w && w->isWindow()) {
        save_place(w);
        remember_choices();
      }
    }
    return false;
  }
};

Watcher& watcher() {
  static Watcher w;
  return w;
}

}  // namespace

std::unique_ptr<QSettings> open_settings() {
  auto s = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Drawsmith"), QStringLiteral("Drawsmith"));
  if (s->status() == QSettings::FormatError) damaged_files().insert(s->fileName());
  // Junk the reader skips in silence counts as damage too: the file is written afresh.
  if (QFile f(s->fileName()); f.open(QIODevice::ReadOnly) && settings_text_damaged(f.readAll().toStdString()))
    damaged_files().insert(s->fileName());
  return s;
}

SettingTexts read_settings() {
  SettingTexts texts;
  auto s = readable_settings();
  if (!s) return texts;
  for (const QString& key : s->allKeys()) {
    const QVariant v = s->value(key);
    if (v.typeId() == QMetaType::QString) texts[ss(key)] = ss(v.toString());
  }
  return texts;
}

void remember_for(const StateHub& hub) { session_hub() = &hub; }

void watch_window(QWidget* window) {
  window->installEventFilter(&watcher());
  auto& list = watcher().windows;
  std::erase_if(list, [](const QPointer<QWidget>& p) { return p.isNull(); });
  list.emplace_back(window);
}

void restore_window(QWidget* w) {
  if (w->objectName().isEmpty()) return;
  auto s = readable_settings();
  if (!s) return;
  // A value of the wrong kind is refused by restoreGeometry/restoreState.
  w->restoreGeometry(s->value(place_key(w, "geometry")).toByteArray());
  if (auto* main = qobject_cast<QMainWindow*>(w))
    main->restoreState(s->value(place_key(w, "state")).toByteArray());
  s.reset();
  if (!has_period(w)) return;
  const RememberedChoices c = choices_from_settings(read_settings());
  const auto period = c.periods.find(ss(w->objectName()));
  auto* from = w->findChild<QLineEdit*>(QStringLiteral("txtFrom"));
  auto* to = w->findChild<QLineEdit*>(QStringLiteral("txtTo"));
  if (period == c.periods.end() || !from || !to) return;
  from->setText(qs(format_date(period->second.from, remembered_state().date_format)));
  to->setText(qs(format_date(period->second.to, remembered_state().date_format)));
}

void remember_choices() {
  const AppState& st = remembered_state();
  RememberedChoices c;
  c.lotto = st.lotto_name;
  c.tset_size = st.tset_size;
  c.tset = st.tset_name;
  c.system = st.system_id;
  if (st.lotto.second_n > 0) c.second = numbers_text(st.second_picks);
  const RememberedChoices before = choices_from_settings(read_settings());
  const std::filesystem::path lotto_folder = st.app_folder / "Games" / before.lotto;
  const bool lotto_there = !before.lotto.empty() && (file_exists(lotto_folder / "param.tix") ||
                                                     file_exists(lotto_folder / "game.txt"));
  c = choices_to_keep(c, before, lotto_there);
  auto s = writable_settings();
  s->remove(QStringLiteral("choices"));
  for (const auto& [key, value] : choice_settings(c)) s->setValue(qs(key), qs(value));
}

void remember_session() {
  for (const QPointer<QWidget>& w : watcher().windows)
    if (w && w->isVisible()) save_place(w);
  remember_choices();
}

}  // namespace ds::ui
