// The Wheel Filter window over a made wheel of the Systems window. The figures come from
// a separate brute-force script over the 10! numberings: with sum:100-150 odd:3-3 the
// set's own order makes 1 of the 3 tickets pass, 37,008 numberings make all 3 pass.
#include "systems/ui/wheel_filter_dialog.h"

#include <QComboBox>

#include "shell/ui/app.h"
#include "support/window_test.h"

using namespace ds::ui;

class WheelFilterDialogTest : public test::WindowTest {
  Q_OBJECT
 private slots:
  void renumbers_the_shown_wheel_and_saves_the_passing_tickets() {
    QDir().mkpath(path("Wheels"));
    test::write_all(path("Wheels/a4if6.txt"),
                    "# wheel v=10 k=6 t=4 m=6 made=by hand\n1 2 3 4 5 6\n1 2 3 7 8 9\n4 5 6 7 8 10\n");
    choose_samples();  // the set 41 17 5 46 12 22 4 21 35 38
    show(int(WindowId::system));
    QVERIFY(choose("cmbList", "a4if6"));
    click("cmdFilters");
    auto* dw = qobject_cast<WheelFilterDialog*>(registry().existing(WindowId::wheel_filter));
    QVERIFY(dw && dw->isVisible());
    w = dw;
    QVERIFY(!enabled("cmdSave"));
    type("txtFilters", "sum:100-150 odd:9-3");
    click("cmdSearch");
    QCOMPARE(shown().size(), 1);  // the range runs the wrong way
    QVERIFY(!dw->running());
    type("txtFilters", "sum:100-150 odd:3-3");
    key("txtFilters", Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(!dw->running(), 15000);
    QCOMPARE(text("lblIdentity"), QStringLiteral("In the set's own order: 1 of 3 tickets passes."));
    QVERIFY(text("lblBest").startsWith("Renumbered: 3 of 3 tickets pass"));
    QCOMPARE(text("lblKept"), QStringLiteral("Playing only these 3 tickets: 4 if 6."));
    click("cmdSave");
    QVERIFY(test::read_all(path("Wheels/a4if6_filtered.txt")).startsWith("# wheel v=10 k=6 t=4 m=6 made="));
    show(int(WindowId::system));
    QVERIFY(choose("cmbList", "a4if6_filtered"));
  }
};

DS_UI_TEST(WheelFilterDialogTest);
#include "wheel_filter_dialog_test.moc"
