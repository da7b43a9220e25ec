#pragma once
// The program in the user's language. The English texts written in the windows
// and the core are the keys; a language adds translations/drawsmith_<code>.ts
// (context "Drawsmith"), built into a .qm resource. English needs nothing.
#include <QString>
#include <QStringList>

class QLocale;
class QWidget;

namespace ds::ui {

// Installs the program's translation for `locale`'s language (and Qt's own for
// its standard buttons, when the system has it). False when there is none, as for
// English; a translation installed before is removed first.
bool install_translation(const QLocale& locale);
// Back to English.
void remove_translation();

// `english` in the installed language: a fixed text, or a composed one matched
// against the templates of composed_templates() and rebuilt from the translated
// template (its variable parts translated too when they are fixed texts). The text
// itself when nothing translates it.
QString translated(const QString& english);

// The English templates of composed texts, "%1" ... for their variable parts.
const QStringList& composed_templates();

// Translates the fixed texts of `window` and its children: titles, labels, buttons,
// group boxes, tabs, menus and actions, placeholders and tooltips. The window
// registry runs it on every window it makes and shows.
void translate_window(QWidget* window);

}  // namespace ds::ui
