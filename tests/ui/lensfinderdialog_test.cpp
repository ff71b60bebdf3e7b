#include "6-installation/positions.h"
#include "9-session/session.h"
#include "lensfinderdialog.h"
#include "scripteddialogs.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using lumidex::fakes::ScriptedDialogs;

enum class Finish
{
    None,        // only the keys typed
    Select,      // the Select button
    DoubleClick, // a double-click on the second row
    Cancel       // the Cancel button
};
Q_DECLARE_METATYPE(Finish)

class LensFinderDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void enterSearchesAndOnlySelectOrDoubleClickChooses_data()
    {
        QTest::addColumn<QString>("distance");
        QTest::addColumn<Finish>("finish");
        QTest::addColumn<int>("chosenRow"); // -1: the projector is left as it was
        QTest::addColumn<bool>("open");
        QTest::addColumn<QString>("summary");
        QTest::newRow("enterSearchesAndStaysOpen")
            << "171" << Finish::None << -1 << true << "projectors and lenses fit";
        QTest::newRow("noMatchSaysSo") << "3" << Finish::None << -1 << true
                                       << "No projector and lens fills this screen from 3 inches.";
        QTest::newRow("emptyDistanceAsksForOne")
            << "" << Finish::None << -1 << true << "Type the distance the room offers";
        QTest::newRow("selectChoosesTheFirstRow")
            << "171" << Finish::Select << 0 << false << "projectors and lenses fit";
        QTest::newRow("doubleClickChoosesItsRow")
            << "171" << Finish::DoubleClick << 1 << false << "projectors and lenses fit";
        QTest::newRow("selectWithoutMatchIsOffered")
            << "3" << Finish::Select << -1 << true << "No projector";
        QTest::newRow("cancelKeepsTheProjector")
            << "171" << Finish::Cancel << -1 << false << "projectors and lenses fit";
    }

    void enterSearchesAndOnlySelectOrDoubleClickChooses()
    {
        QFETCH(QString, distance);
        QFETCH(Finish, finish);
        QFETCH(int, chosenRow);
        QFETCH(bool, open);
        QFETCH(QString, summary);

        ScriptedDialogs dialogs;
        lumidex::Session session(dialogs,
                                 lumidex::StartOptions{lumidex::Unit::Inches, false, true, {}});
        session.screenWindow().calc(); // "&Layout"
        const lumidex::Selection before = session.state().inputs.selection;
        LensFinderDialog finder(session.throwWindow(), session.focusTables());
        finder.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finder));

        auto *field = finder.findChild<QLineEdit *>("distance");
        auto *table = finder.findChild<QTableWidget *>("matches");
        auto *select = finder.findChild<QPushButton *>("select");
        field->setFocus();
        QTest::keyClicks(field, distance);
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(finder.isVisible());
        QVERIFY(finder.findChild<QLabel *>("summary")->text().contains(summary));
        QCOMPARE(select->isEnabled(), table->rowCount() > 0);
        const std::vector<lumidex::LensMatch> matches =
            lumidex::findLenses(session.state().screen, lumidex::mountedAt(session.state().inputs),
                                distance.toDouble(), session.focusTables());
        QCOMPARE(table->rowCount(), int(matches.size()));

        switch (finish) {
        case Finish::None:
            break;
        case Finish::Select:
            QTest::mouseClick(select, Qt::LeftButton);
            break;
        case Finish::DoubleClick: {
            const QRect cell = table->visualRect(table->model()->index(chosenRow, 0));
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
            break;
        }
        case Finish::Cancel:
            finder.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click();
            break;
        }
        QCOMPARE(finder.isVisible(), open);
        QVERIFY(session.state().inputs.selection ==
                (chosenRow < 0 ? before : matches[std::size_t(chosenRow)].selection));
    }
};

QTEST_MAIN(LensFinderDialogTest)
#include "lensfinderdialog_test.moc"
