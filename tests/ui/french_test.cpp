// The windows under a French locale: the translation built from
// translations/drawsmith_fr.ts, fixed captions and composed messages.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QStatusBar>
#include <QTableWidget>
#include <QXmlStreamReader>

#include "shell/ui/app.h"
#include "shell/ui/translation.h"
#include "support/window_test.h"
#include "systems/ui/make_wheel_window.h"

using namespace ds::ui;

namespace {

// French for the test function's length, English again after it whatever happens.
struct FrenchForAWhile {
  bool installed = install_translation(QLocale(QLocale::French, QLocale::Canada));
  ~FrenchForAWhile() { remove_translation(); }
};

// The English sources of the .ts whose French differs from them.
QSet<QString> translated_sources() {
  QFile file(QStringLiteral(DRAWSMITH_DATA_DIR "/../translations/drawsmith_fr.ts"));
  QSet<QString> out;
  if (!file.open(QIODevice::ReadOnly)) return out;
  QXmlStreamReader xml(&file);
  QString source;
  while (!xml.atEnd()) {
    if (!xml.readNextStartElement()) continue;
    if (xml.name() == QLatin1String("source")) {
      source = xml.readElementText();
    } else if (xml.name() == QLatin1String("translation")) {
      if (xml.readElementText() != source) out.insert(source);
    }
  }
  return out;
}

// What a user reads in `window`: its title, captions, tooltips, menus, and the
// headings of its grids.
QStringList visible_texts(QWidget* window) {
  QStringList texts{window->windowTitle()};
  for (QWidget* w : window->findChildren<QWidget*>()) {
    texts << w->toolTip();
    if (auto* l = qobject_cast<QLabel*>(w)) texts << l->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) texts << b->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) texts << g->title();
    if (auto* e = qobject_cast<QLineEdit*>(w)) texts << e->placeholderText();
    if (auto* v = qobject_cast<QAbstractItemView*>(w); v && v->model()) {
      const QAbstractItemModel* m = v->model();
      for (int c = 0; c < m->columnCount(); ++c) texts << m->headerData(c, Qt::Horizontal).toString();
      if (m->rowCount() > 0) texts << m->index(0, 0).data().toString();
    }
  }
  for (QAction* a : window->findChildren<QAction*>()) texts << a->text();
  texts.removeAll(QString());
  return texts;
}

// English words no French caption holds.
const QRegularExpression english_words(QStringLiteral(
    "\\b(the|of|and|Please|Select|Save|Draws?|Numbers?|Tickets?|Print|Copy|Export|Open|Check|Period|"
    "Prizes?|Average|Cost|Name|New|Edit|Add|Random|Frequenc(y|ies)|Wins?|Hits|Total|Size|Help|Exit|"
    "About|Back|Forward|Guarantee|Seconds|Seed|Stop|Start|Wheels?|Systems?|Targeted|Not selected)\\b"));

}  // namespace

class FrenchTest : public test::WindowTest {
  Q_OBJECT

 private slots:
  void the_language_follows_the_locale() {
    QVERIFY(!install_translation(QLocale(QLocale::English, QLocale::Canada)));
    QVERIFY(!install_translation(QLocale(QLocale::German, QLocale::Germany)));
    QCOMPARE(tr_text(ds::Text("Save")), QStringLiteral("Save"));
    {
      FrenchForAWhile french;
      QVERIFY(french.installed);
      QCOMPARE(tr_text(ds::Text("Save")), QStringLiteral("Enregistrer"));
      QCOMPARE(QCoreApplication::translate("ds::ui::LottoWindow", "Save"), QStringLiteral("Enregistrer"));
    }
    // Removed: English again.
    QCOMPARE(tr_text(ds::Text("Save")), QStringLiteral("Save"));
    QCOMPARE(tr_text(DS_TR("%1 draws saved for '%2'.").arg(12).arg("Canada_6_49")),
             QStringLiteral("12 draws saved for 'Canada_6_49'."));
  }

  void composed_messages_keep_their_variable_parts() {
    FrenchForAWhile french;
    QVERIFY(french.installed);
    QCOMPARE(tr_text(DS_TR("%1 draws saved for '%2'.").arg(12).arg("Canada_6_49")),
             QString::fromUtf8("12 tirages enregistrés pour « Canada_6_49 »."));
    // A fixed message inside a composed one, and the parts in the French order.
    QCOMPARE(tr_text(DS_TR("The lotto '%1' cannot be used: %2").arg("Mine").arg(ds::Text("Incorrect date."))),
             QString::fromUtf8("Le lotto « Mine » ne peut pas être utilisé : Date incorrecte."));
    QCOMPARE(tr_text(DS_TR("Read %1 of '%2'.").arg(DS_TR("%1 rows").arg(3)).arg("Forecaster1")),
             QString::fromUtf8("3 lignes lues de « Forecaster1 »."));
    // A name is never translated, even when it is a word of the program; a part
    // holding "%1" is put in as it is.
    QCOMPARE(tr_text(DS_TR("%1: %2 draws").arg("Save").arg(3)), QString::fromUtf8("Save : 3 tirages"));
    QCOMPARE(tr_text(DS_TR("The file '%1' cannot be read.").arg("/tmp/100%1 x")),
             QString::fromUtf8("Le fichier « /tmp/100%1 x » ne peut pas être lu."));
    QCOMPARE(tr_text(ds::Text(" Please calculate Forecasting Abilities.")),
             QString::fromUtf8(" Veuillez calculer les capacités de prévision."));
    QCOMPARE(tr_text(ds::Text("Canada_6_49")), QStringLiteral("Canada_6_49"));
  }

  // The prize table's words in French, read back into the file's words.
  void the_prize_table_speaks_french_and_saves_the_files_words() {
    FrenchForAWhile french;
    QVERIFY(french.installed);
    show(int(WindowId::lotto));
    dialogs.answers.push_back("Max");
    click("cmdLottoCreate");
    type("cmbPlayN", "50");
    type("cmbPickN", "7");
    auto* table = find<QTableWidget>("msfPrizes");
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("non"));
    QCOMPARE(table->item(1, 4)->text(), QStringLiteral("fixe"));
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Principaux"));
    QVERIFY(table->columnWidth(0) >= table->fontMetrics().horizontalAdvance(QStringLiteral("Principaux")));
    table->item(0, 3)->setText(QStringLiteral("1000"));
    table->item(0, 4)->setText(QStringLiteral("Moyen"));
    click("cmdLottoSave");
    QVERIFY(test::read_all(path("Games/Max/game.txt"))
                .contains("tier 7 no 0 average 1000\r\ntier 6 yes 0 fixed 0\r\n"));
  }

  // After a search, and after a check: the status lines in French, numbers and the
  // catalogue's name kept.
  void the_wheel_windows_speak_french_after_a_run() {
    FrenchForAWhile french;
    QVERIFY(french.installed);
    auto* mw = qobject_cast<MakeWheelWindow*>(show(int(WindowId::make_wheel)));
    QVERIFY(mw);
    for (auto [box, value] :
         {std::pair{"txtV", "10"}, {"txtK", "6"}, {"txtT", "3"}, {"txtM", "3"}, {"txtSeconds", "1"}})
      type(box, value);
    click("cmdStart");
    QTRY_VERIFY_WITH_TIMEOUT(!mw->running(), 20000);
    QCOMPARE(
        text("lblResult"),
        QString::fromUtf8(
            "10 billets de 6 numéros sur 10 numéros, garantie 3 si 3 : vérifiée cas par cas, elle tient."));
    QCOMPARE(text("lblBound"),
             QString::fromUtf8("Borne de Schönheim 7 (3 au-dessus); publié librement 10 (à égalité)."));
    QCOMPARE(text("lblCatalogue"),
             QString::fromUtf8("Le système du catalogue 10_3_6 joue 10 billets : pas moins que cette roue."));
    QVERIFY2(text("lblProgress").startsWith(QString::fromUtf8("Meilleure jusqu'ici : 10 billets; 0:0")),
             qPrintable(text("lblProgress")));
    for (const char* label : {"lblResult", "lblBound", "lblCatalogue", "lblProgress"})
      QVERIFY2(!english_words.match(text(label)).hasMatch(), qPrintable(text(label)));
  }

  void every_window_has_its_own_context() {
    QFile file(QStringLiteral(DRAWSMITH_DATA_DIR "/../translations/drawsmith_fr.ts"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QSet<QString> contexts;
    while (!xml.atEnd())
      if (xml.readNextStartElement() && xml.name() == QLatin1String("name"))
        contexts.insert(xml.readElementText());
    for (const char* window :
         {"LottoWindow", "TsetsWindow", "TsetGeneratorWindow", "SystemWindow", "PerformanceWindow",
          "BacktestWindow", "ForecastingWindow", "ProfitabilityWindow", "MakeWheelWindow", "CheckWheelWindow",
          "StatisticsWindow", "TicketsWindow", "MainWindow"})
      QVERIFY2(contexts.contains(QStringLiteral("ds::ui::") + QLatin1String(window)), window);
    QVERIFY(contexts.contains(QStringLiteral("ds")));  // the core's texts
    QVERIFY(!contexts.contains(QStringLiteral("Drawsmith")));
  }

  void the_windows_speak_french() {
    FrenchForAWhile french;
    QVERIFY(french.installed);
    choose_samples();
    // The Lotto window: its buttons, its status line and its grid's headings.
    show(int(WindowId::lotto));
    QCOMPARE(find<QAbstractButton>("cmdDrawSave")->text(), QStringLiteral("Enregistrer"));
    QVERIFY(choose("cmbName", QStringLiteral("Canada_6_49")));
    const QString status = static_cast<QMainWindow*>(w)->statusBar()->currentMessage();
    QVERIFY2(
        status.startsWith(QStringLiteral("Canada_6_49 : ")) && status.endsWith(QStringLiteral(" tirages")),
        qPrintable(status));
    show(int(WindowId::backtest));
    QCOMPARE(w->windowTitle(), QString::fromUtf8("Test rétrospectif"));
    QCOMPARE(find<QLabel>("lblTset")->text(), QString::fromUtf8("Forecaster1 (10 numéros)"));
    show(int(WindowId::system));
    QCOMPARE(find<QAbstractButton>("cmdCopy")->text(), QStringLiteral("&Copier"));

    const QSet<QString> english = translated_sources();
    QVERIFY(english.size() > 200);
    // Names, numbers and words the same in both languages.
    const QSet<QString> allowed{QStringLiteral("Lotto"), QStringLiteral("OK"), QStringLiteral("Drawsmith")};
    QStringList left;
    for (int id = int(WindowId::main); id <= int(WindowId::check_wheel); ++id) {
      QWidget* window = registry().show(static_cast<WindowId>(id));
      QVERIFY(window);
      for (const QString& text : visible_texts(window)) {
        if (allowed.contains(text)) continue;
        if (english.contains(text) || english_words.match(text).hasMatch())
          left << window->objectName() + ": " + text;
      }
    }
    shown();
    left.removeDuplicates();
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QStringLiteral("\n"))));
  }
};

DS_UI_TEST(FrenchTest);

#include "french_test.moc"
