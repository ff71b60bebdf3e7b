#include "brightnessseatingwindow.h"
#include "helpwindow.h"
#include "installationwindow.h"
#include "keyfilterededit.h"
#include "program.h"
#include "screencalculatorwindow.h"
#include "screenwidgets.h"
#include "scripteddialogs.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTest>
#include <QWindow>

using lumidex::RoomField;
using lumidex::fakes::ScriptedDialogs;

namespace {

QAction *findAction(QWidget *window, const QString &text)
{
    const auto actions = window->findChildren<QAction *>();
    for (QAction *a : actions) {
        if (a->text() == text)
            return a;
    }
    return nullptr;
}

QString valueOf(QWidget *window, const char *row)
{
    const auto *label = window->findChild<QLabel *>(QString::fromLatin1(row));
    return label ? label->text() : QStringLiteral("no row %1").arg(row);
}

} // namespace

class BrightnessSeatingWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void opensFromTheScreenMenuAndFollowsBothWindows()
    {
        ScriptedDialogs dialogs;
        Program program({}, QCoreApplication::applicationDirPath(), &dialogs);
        program.mainWindow()->show();
        findAction(program.mainWindow(), "&Brightness and Seating...")->trigger();
        BrightnessSeatingWindow *w = program.brightnessSeatingWindow();
        QVERIFY(w && w->isVisible());
        QVERIFY(!w->isModal());
        QCOMPARE(w->windowTitle(), QStringLiteral("Brightness and Seating"));
        // A window of its own: minimising it leaves the calculator, which is not its owner.
        QVERIFY(w->isWindow() && !w->parentWidget());
        QVERIFY(!w->windowHandle()->transientParent());
        w->showMinimized();
        QVERIFY(!program.mainWindow()->isMinimized());
        w->showNormal();

        // Typed by keyboard: Tab moves from field to field in reading order.
        w->activateWindow();
        w->field(RoomField::Lumens)->setFocus();
        QTest::keyClicks(w->field(RoomField::Lumens), "2x000");
        QCOMPARE(w->field(RoomField::Lumens)->text(), QStringLiteral("2000"));
        QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
        QCOMPARE(w->focusWidget(), w->field(RoomField::Gain));
        QCOMPARE(valueOf(w, "lblLuminance"), QString::fromUtf8("60.0 fL, 206 cd/m²"));

        // The screen calculator changes the screen, the installation window the units.
        auto *diag = program.mainWindow()->field(lumidex::Dimension::Diagonal);
        diag->setFocus();
        diag->selectAll();
        QTest::keyClicks(diag, "120");
        QTest::keyClick(diag, Qt::Key_Return);
        QCOMPARE(valueOf(w, "lblView30"), QStringLiteral("179.1 in"));
        program.screenWindow().calc(); // "&Layout"
        findAction(program.installationWindow(), "Feet")->trigger();
        QCOMPARE(valueOf(w, "lblView30"), QStringLiteral("14.9 ft"));
        QCOMPARE(w->findChild<QLabel *>("lblArea")->text(),
                 QString::fromUtf8("48.00 sq ft, 4.46 m²"));
    }

    void ctrlCCopiesTheWindowAndF1OpensItsHelp()
    {
        ScriptedDialogs dialogs;
        Program program({}, QCoreApplication::applicationDirPath(), &dialogs);
        program.showBrightnessSeating();
        BrightnessSeatingWindow *w = program.brightnessSeatingWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        KeyFilteredEdit *gain = w->field(RoomField::Gain);
        gain->setFocus();
        gain->selectAll();
        QTest::keyClick(gain, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(),
                 QString::fromStdString(w->room().text())); // the window, not the field
        QTest::keyClick(gain, Qt::Key_F1);
        QVERIFY(program.helpWindow());
        QVERIFY(program.helpWindow()->currentText().contains("SMPTE ST 431-1"));
    }
};

QTEST_MAIN(BrightnessSeatingWindowTest)
#include "brightnessseatingwindow_test.moc"
