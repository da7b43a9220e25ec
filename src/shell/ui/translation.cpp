#include "shell/ui/translation.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTranslator>
#include <QWidget>
#include <memory>
#include <vector>

namespace ds::ui {

namespace {

constexpr char context[] = "Drawsmith";

std::unique_ptr<QTranslator>& own_translator() {
  static std::unique_ptr<QTranslator> t;
  return t;
}
// Texts already looked up (grids ask again at every paint).
QHash<QString, QString>& cache() {
  static QHash<QString, QString> c;
  return c;
}
std::unique_ptr<QTranslator>& qt_translator() {
  static std::unique_ptr<QTranslator> t;
  return t;
}

QString fixed_translation(const QString& english) {
  const QByteArray key = english.toUtf8();
  return QCoreApplication::translate(context, key.constData());
}

struct Template {
  QString english;
  QRegularExpression pattern;
  std::vector<int> numbers;  // the placeholder of each capture, in order
};

const std::vector<Template>& templates() {
  static const std::vector<Template> list = [] {
    std::vector<Template> out;
    static const QRegularExpression placeholder(QStringLiteral("%(\\d)"));
    for (const QString& english : composed_templates()) {
      Template t{english, {}, {}};
      QString regex = QStringLiteral("^");
      qsizetype at = 0;
      for (auto it = placeholder.globalMatch(english); it.hasNext();) {
        const auto m = it.next();
        regex += QRegularExpression::escape(english.mid(at, m.capturedStart() - at));
        regex += QStringLiteral("(.+?)");
        t.numbers.push_back(m.captured(1).toInt());
        at = m.capturedEnd();
      }
      regex += QRegularExpression::escape(english.mid(at)) + QStringLiteral("$");
      t.pattern = QRegularExpression(regex, QRegularExpression::DotMatchesEverythingOption);
      out.push_back(std::move(t));
    }
    return out;
  }();
  return list;
}

// `text` with "%n" replaced by parts[n], every placeholder in one pass (a part may
// itself hold "%").
QString fill(const QString& text, const std::vector<QString>& parts) {
  QString out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('%') && i + 1 < text.size() && text[i + 1].isDigit()) {
      const int n = text[i + 1].digitValue();
      if (n < static_cast<int>(parts.size())) {
        out += parts[static_cast<std::size_t>(n)];
        ++i;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

QString translate_text(const QString& english, int depth) {
  if (english.isEmpty() || !own_translator()) return english;
  const QString fixed = fixed_translation(english);
  if (fixed != english || depth > 2) return fixed;
  // Blanks around a text (a part glued to another) stay where they were.
  const QString core = english.trimmed();
  if (core.isEmpty()) return english;
  if (core.size() != english.size()) {
    const qsizetype lead = english.indexOf(core);
    return english.left(lead) + translate_text(core, depth) + english.mid(lead + core.size());
  }
  for (const Template& t : templates()) {
    const auto m = t.pattern.match(english);
    if (!m.hasMatch()) continue;
    std::vector<QString> parts(10);
    for (std::size_t i = 0; i < t.numbers.size(); ++i)
      parts[static_cast<std::size_t>(t.numbers[i])] =
          translate_text(m.captured(static_cast<int>(i) + 1), depth + 1);
    // A template the same in both languages still translates its parts.
    const QString french = fill(fixed_translation(t.english), parts);
    if (french != english) return french;
  }
  return english;
}

void translate_property(QWidget* w, const char* property) {
  const QVariant value = w->property(property);
  if (value.userType() != QMetaType::QString) return;
  const QString text = value.toString();
  const QString french = translated(text);
  if (french != text) w->setProperty(property, french);
}

}  // namespace

const QStringList& composed_templates() {
  static const QStringList list = {
      QStringLiteral("%1 rows exported to %2"),
      QStringLiteral("%1 rows copied to the clipboard"),
      QStringLiteral("Your data lives in %1"),
      QStringLiteral("Import draws into '%1'"),
      QStringLiteral("How many numbers the targeted set holds (%1 to %2)"),
      QStringLiteral("A wheel named %1 is already saved. Replace it?"),
      QStringLiteral("The file \"%1\" cannot be read."),
      QStringLiteral("The file '%1' cannot be read."),
      QStringLiteral("The lotto '%1' cannot be used: %2"),
      QStringLiteral("The draws of '%1' must be corrected first: %2"),
      QStringLiteral("The lotto '%1' was not saved."),
      QStringLiteral("The lotto '%1' was saved."),
      QStringLiteral("%1 draws saved for '%2'."),
      QStringLiteral("%1 draws added to '%2'."),
      QStringLiteral("%1: %2 draws"),
      QStringLiteral("Read %1 rows of '%2'."),
      QStringLiteral("Saved %1 rows of '%2'."),
      QStringLiteral("The set '%1' was not saved."),
      QStringLiteral("No data for this criteria. %1"),
      QStringLiteral("%1 The tickets shown are still those chosen before."),
      QStringLiteral("The file is not a list of tickets: %1"),
      QStringLiteral("The file of %1 was removed outside this window. Save writes it again."),
      QStringLiteral("Incorrect data in the cell %1"),
      QStringLiteral("%1 Please calculate Forecasting Abilities."),
      QStringLiteral("Saved as %1; the Systems window lists it under Made wheels."),
      QStringLiteral("No draw falls in the period from %1 to %2. The draw history runs from %3 to %4."),
      QStringLiteral("%1 (%2 numbers)"),
      QStringLiteral("%1 (%2)"),
      QStringLiteral("The draw typed in the boxes (%1) is not added. Add it before going on?"),
      QStringLiteral("The definition of '%1' is not saved. Save it before going on?"),
      QStringLiteral("The draws added to '%1' are not saved. Save them before going on?"),
      QStringLiteral(
          "The row of %1 already holds a set (%2). Replace it with the proposal, or put the proposal in "
          "a new row?"),
      QStringLiteral("Nothing was written: the row of %1 keeps its set."),
      QStringLiteral(
          "The file %1 now lacks %2 of the %3 read from it: another program shortened or emptied it "
          "since this window read it.%4\n\nKeep them (they are saved again with yours), or remove "
          "them as the file did? (Cancel saves nothing.)"),
      QStringLiteral("Another copy of Drawsmith (or another program) kept '%1' locked for a save for several "
                     "seconds, so nothing was saved. Please save again in a moment (%2)."),
      QStringLiteral(
          "The file 'draws.txt' of '%1' was changed outside this window while the import was being "
          "reviewed. Nothing was imported. Save your draws first (Save merges them with the file), "
          "then import again."),
      QStringLiteral("'draws.txt' of '%1'"),
      QStringLiteral("of the set '%1'"),
  };
  return list;
}

bool install_translation(const QLocale& locale) {
  remove_translation();
  if (locale.language() == QLocale::English || locale.language() == QLocale::C) return false;
  auto own = std::make_unique<QTranslator>();
  if (!own->load(locale, QStringLiteral("drawsmith"), QStringLiteral("_"), QStringLiteral(":/i18n")))
    return false;
  QCoreApplication::installTranslator(own.get());
  own_translator() = std::move(own);
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(qt.get());
    qt_translator() = std::move(qt);
  }
  return true;
}

void remove_translation() {
  cache().clear();
  for (auto* t : {&own_translator(), &qt_translator()}) {
    if (*t) QCoreApplication::removeTranslator(t->get());
    t->reset();
  }
}

QString translated(const QString& english) {
  if (english.isEmpty() || !own_translator()) return english;
  const auto it = cache().constFind(english);
  if (it != cache().constEnd()) return *it;
  const QString french = translate_text(english, 0);
  cache().insert(english, french);
  return french;
}

void translate_window(QWidget* window) {
  if (!window || !own_translator()) return;
  QList<QWidget*> widgets = window->findChildren<QWidget*>();
  widgets.prepend(window);
  for (QWidget* w : widgets) {
    if (w->isWindow()) {
      const QString title = w->windowTitle();
      if (const QString french = translated(title); french != title) w->setWindowTitle(french);
    }
    translate_property(w, "toolTip");
    translate_property(w, "statusTip");
    translate_property(w, "accessibleName");
    if (auto* label = qobject_cast<QLabel*>(w))
      translate_property(label, "text");
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
      translate_property(button, "text");
    else if (auto* box = qobject_cast<QGroupBox*>(w))
      translate_property(box, "title");
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
      translate_property(edit, "placeholderText");
    else if (auto* menu = qobject_cast<QMenu*>(w))
      translate_property(menu, "title");
    else if (auto* tabs = qobject_cast<QTabWidget*>(w))
      for (int i = 0; i < tabs->count(); ++i) tabs->setTabText(i, translated(tabs->tabText(i)));
  }
  for (QAction* a : window->findChildren<QAction*>()) {
    if (const QString french = translated(a->text()); french != a->text()) a->setText(french);
    if (const QString french = translated(a->toolTip()); french != a->toolTip()) a->setToolTip(french);
  }
}

}  // namespace ds::ui
