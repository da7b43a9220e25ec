#include "shell/ui/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <vector>

namespace ds::ui {

namespace {

std::unique_ptr<QTranslator>& own_translator() {
  static std::unique_ptr<QTranslator> t;
  return t;
}
std::unique_ptr<QTranslator>& qt_translator() {
  static std::unique_ptr<QTranslator> t;
  return t;
}

QString look_up(const std::string& english) {
  const QString text = QString::fromStdString(english);
  if (!own_translator() || text.isEmpty()) return text;
  const QByteArray whole = text.toUtf8();
  const QString translated_whole = QCoreApplication::translate("ds", whole.constData());
  if (translated_whole != text) return translated_whole;
  // A text glued to another keeps its blanks; the form is looked up without them.
  const QString core = text.trimmed();
  if (core.isEmpty() || core.size() == text.size()) return text;
  const QByteArray key = core.toUtf8();
  const QString translated = QCoreApplication::translate("ds", key.constData());
  const qsizetype lead = text.indexOf(core);
  return text.left(lead) + translated + text.mid(lead + core.size());
}

}  // namespace

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
  for (auto* t : {&own_translator(), &qt_translator()}) {
    if (*t) QCoreApplication::removeTranslator(t->get());
    t->reset();
  }
}

QString tr_text(const ds::Text& text) {
  if (text.kept_as_is()) return QString::fromStdString(text.english_form());
  const QString form = look_up(text.english_form());
  if (text.parts().empty()) return form;
  std::vector<std::string> parts;
  parts.reserve(text.parts().size());
  for (const ds::Text& p : text.parts()) parts.push_back(tr_text(p).toStdString());
  return QString::fromStdString(ds::Text::fill(form.toStdString(), parts));
}

}  // namespace ds::ui
