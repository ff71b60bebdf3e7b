#include "3-catalogue/catalogue.h"
#include "artwork.h"
#include "screencalculatorwindow.h"
#include "screenwidgets.h"
#include "scripteddialogs.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleOptionMenuItem>
#include <QTest>
#include <QToolButton>

using lumidex::Dimension;
using lumidex::fakes::ScriptedDialogs;

namespace {

struct CountingHost : lumidex::ScreenWindowHost
{
    void showInstallationWindow() override { ++handOffs; }
    int handOffs = 0;
};

QAction *findAction(QWidget *window, const QString &text)
{
    const auto actions = window->findChildren<QAction *>();
    for (QAction *a : actions) {
        if (a->text() == text)
            return a;
    }
    return nullptr;
}

QStringList menuTexts(QMenu *menu)
{
    QStringList texts;
    for (QAction *a : menu->actions())
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

} // namespace

class ScreenCalculatorWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_state = {};
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_core = std::make_unique<lumidex::ScreenWindow>(m_state, *m_dialogs, m_host,
                                                         lumidex::screenSizesOf);
        m_core->load({});
        m_window = std::make_unique<ScreenCalculatorWindow>(*m_core);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup()
    {
        m_window.reset();
        m_core.reset();
    }

    void menusReadAsTheInstallerKnowsThem()
    {
        const auto menus = m_window->menuBar()->actions();
        QStringList top;
        for (QAction *a : menus)
            top << a->text();
        QCOMPARE(top, (QStringList{"&File", "&Options", "&Screen", "&Help"}));
        QCOMPARE(menuTexts(menus[0]->menu()), (QStringList{"&Open Project", "-", "E&xit"}));
        QCOMPARE(menuTexts(menus[1]->menu()),
                 (QStringList{"&Always on top", "&Tooltips", "&Units", "&Print"}));
        QCOMPARE(menuTexts(menus[2]->menu()),
                 (QStringList{"Change Aspect &Ratio", "&Determine Aspect Ratio", "Measurement", "-",
                              "&Brightness and Seating..."}));
        QCOMPARE(
            menuTexts(menus[3]->menu()),
            (QStringList{"&Contents", "-", "&Obtaining Technical Support", "&About Lumidex!"}));
        QCOMPARE(
            menuTexts(menus[2]->menu()->actions()[0]->menu()),
            (QStringList{"1.33 - Television (acadamy)", "1.66 - European Widescreen",
                         "1.78 - High Definition", "1.85 - American Widescreen",
                         "2.00 - Anamorphic Mode 1", "2.35 - Anamorphic Mode 2", "Custom..."}));
        QCOMPARE(menuTexts(menus[2]->menu()->actions()[2]->menu()),
                 (QStringList{"&Decimal  (Film)", "&Ratio       (Video)"}));
        QCOMPARE(findAction(m_window.get(), "&Metric")->shortcut(), QKeySequence("Ctrl+M"));
        QCOMPARE(findAction(m_window.get(), "&Ratio       (Video)")->shortcut(),
                 QKeySequence("Ctrl+R"));
    }

    void typingDiagonalAndEnterCompletesTheScreen()
    {
        DimensionEdit *diag = m_window->field(Dimension::Diagonal);
        diag->setFocus();
        diag->selectAll();
        QTest::keyClicks(diag, "1x0/0");
        QCOMPARE(diag->text(), QStringLiteral("10/0")); // the letter is discarded
        QCOMPARE(m_window->calcButton()->text(), QStringLiteral("&ReCalculate"));
        QVERIFY(!m_window->field(Dimension::Width)->isEnabled());
        diag->selectAll();
        QTest::keyClicks(diag, "100");
        QTest::keyClick(diag, Qt::Key_Return);
        QCOMPARE(m_window->field(Dimension::Width)->text(), QStringLiteral("80"));
        QCOMPARE(m_window->field(Dimension::Height)->text(), QStringLiteral("60"));
        QCOMPARE(m_window->calcButton()->text(), QStringLiteral("&Layout"));
        QVERIFY(m_window->field(Dimension::Width)->isEnabled());
        QVERIFY(m_window->calcButton()->hasFocus());
    }

    // Every way of changing a field's text goes through the same rule as a typed digit. Before,
    // Delete and the rest emptied the field beside a "&Layout" that handed over the old screen.
    void everyEditStartsAnEntry_data()
    {
        QTest::addColumn<QString>("edit");
        for (const char *edit :
             {"Delete", "Backspace on a selection", "Ctrl+X", "Ctrl+V", "middle-click paste"})
            QTest::newRow(edit) << QString::fromLatin1(edit);
    }

    void everyEditStartsAnEntry()
    {
        QFETCH(QString, edit);
        DimensionEdit *diag = m_window->field(Dimension::Diagonal);
        diag->setFocus();
        diag->selectAll();
        QClipboard *clipboard = QGuiApplication::clipboard();
        if (edit == "Delete") {
            QTest::keyClick(diag, Qt::Key_Delete);
        } else if (edit == "Backspace on a selection") {
            QTest::keyClick(diag, Qt::Key_Backspace);
        } else if (edit == "Ctrl+X") {
            QTest::keyClick(diag, Qt::Key_X, Qt::ControlModifier);
        } else if (edit == "Ctrl+V") {
            clipboard->setText(QStringLiteral("120"));
            QTest::keyClick(diag, Qt::Key_V, Qt::ControlModifier);
        } else {
            if (!clipboard->supportsSelection())
                QSKIP("this platform has no selection to paste");
            clipboard->setText(QStringLiteral("120"), QClipboard::Selection);
            QTest::mouseClick(diag, Qt::MiddleButton, {}, QPoint(4, 4));
        }
        QVERIFY(diag->text() != QStringLiteral("100"));
        QCOMPARE(m_window->calcButton()->text(), QStringLiteral("&ReCalculate"));
        QVERIFY(!m_window->field(Dimension::Width)->isEnabled());
        QVERIFY(!m_window->field(Dimension::Height)->isEnabled());
        // Calc enters the field: the screen shown is the screen handed over next.
        QTest::mouseClick(m_window->calcButton(), Qt::LeftButton);
        QCOMPARE(m_window->calcButton()->text(), QStringLiteral("&Layout"));
        QCOMPARE(m_window->field(Dimension::Diagonal)->text(),
                 QString::number(double(m_state.screen.diagonal)));
        QCOMPARE(m_host.handOffs, 0);
    }

    void escapeLeavesTheEntry()
    {
        DimensionEdit *width = m_window->field(Dimension::Width);
        width->setFocus();
        width->selectAll();
        QTest::keyClicks(width, "95");
        QTest::keyClick(width, Qt::Key_Escape);
        QCOMPARE(m_window->calcButton()->text(), QStringLiteral("&Layout"));
        QCOMPARE(width->text(), QStringLiteral("80"));
        QVERIFY(m_window->field(Dimension::Height)->isEnabled());
    }

    // "&Height" and "&Help" share the H: the menu has it, as in every other window.
    void altHOpensTheHelpMenu()
    {
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_window->field(Dimension::Diagonal)->setFocus();
        QCOMPARE(m_window->fieldLabel(Dimension::Height)->text(), QStringLiteral("Height"));
        QMenu *help = m_window->menuBar()->actions().last()->menu();
        QTest::keyClick(m_window.get(), Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(help->isVisible());
        QVERIFY(!m_window->field(Dimension::Height)->hasFocus());
        help->close();
    }

    void restoringAfterTheAnimationBringsBackTheProgramIcon()
    {
        const QIcon own = programIcon();
        QApplication::setWindowIcon(own);
        m_window->showMinimized();
        QTest::qWait(1100); // one frame of the animation
        QVERIFY(m_window->windowIcon().cacheKey() != own.cacheKey());
        m_window->showNormal();
        QCOMPARE(m_window->windowIcon().cacheKey(), own.cacheKey());
    }

    // The units are menu check marks, not radio bullets.
    void unitsShowCheckMarks()
    {
        struct Probe : QMenu
        {
            using QMenu::initStyleOption;
        } probe;
        for (const char *unit : {"&Inches", "&Feet", "&Metric"}) {
            QAction *a = findAction(m_window.get(), unit);
            probe.addAction(a);
            QStyleOptionMenuItem option;
            probe.initStyleOption(&option, a);
            QCOMPARE(option.checkType, QStyleOptionMenuItem::NonExclusive);
        }
    }

    void outOfRangeFieldsTurnRed()
    {
        DimensionEdit *height = m_window->field(Dimension::Height);
        height->setFocus();
        height->selectAll();
        QTest::keyClicks(height, "200");
        QTest::keyClick(height, Qt::Key_Enter);
        QCOMPARE(height->palette().color(QPalette::Text), QColor(255, 0, 0));
        height->selectAll();
        QTest::keyClicks(height, "100");
        QTest::keyClick(height, Qt::Key_Enter);
        QCOMPARE(height->palette().color(QPalette::Text), QColor(0, 0, 0));
    }

    void shiftClickCyclesTheFieldUnit()
    {
        DimensionEdit *diag = m_window->field(Dimension::Diagonal);
        QTest::mouseClick(diag, Qt::LeftButton, Qt::ShiftModifier);
        QCOMPARE(diag->text(), QStringLiteral("8.3"));
        QCOMPARE(m_window->fieldLabel(Dimension::Diagonal)->text(),
                 QStringLiteral("&Diagonal: Ft"));
        QTest::mouseClick(diag, Qt::LeftButton, Qt::ShiftModifier);
        QCOMPARE(diag->text(), QStringLiteral("2540"));
    }

    void spinnerStepsOneInch()
    {
        QTest::mouseClick(m_window->spinner(Dimension::Width)->upButton(), Qt::LeftButton);
        QCOMPARE(m_window->field(Dimension::Width)->text(), QStringLiteral("81"));
        QCOMPARE(m_state.screen.width, 81.0f);
    }

    void unitsShortcutAndMenuCheck()
    {
        QAction *feet = findAction(m_window.get(), "&Feet");
        feet->trigger();
        QVERIFY(feet->isChecked());
        QVERIFY(!findAction(m_window.get(), "&Inches")->isChecked());
        QCOMPARE(m_window->findChild<QLabel *>("unitz")->text(), QStringLiteral("Units:  Feet"));
        QCOMPARE(m_window->field(Dimension::Diagonal)->text(), QStringLiteral("8.3"));
    }

    void presetsCheckOneItemAndShowCaption()
    {
        findAction(m_window.get(), "1.78 - High Definition")->trigger();
        QCOMPARE(m_window->findChild<QLabel *>("Aspct")->text(), QStringLiteral("1.78:1"));
        QVERIFY(findAction(m_window.get(), "1.78 - High Definition")->isChecked());
        QVERIFY(!findAction(m_window.get(), "1.33 - Television (acadamy)")->isChecked());
        findAction(m_window.get(), "&Ratio       (Video)")->trigger();
        QCOMPARE(m_window->findChild<QLabel *>("Aspct")->text(), QStringLiteral("16:9"));
        QTest::mouseClick(m_window->findChild<QToolButton *>("AspectChange"), Qt::LeftButton);
        QCOMPARE(m_window->findChild<QLabel *>("Aspct")->text(), QStringLiteral("37:20"));
    }

    void determineModeByKeyboard()
    {
        findAction(m_window.get(), "&Determine Aspect Ratio")->trigger();
        QVERIFY(m_window->findChild<QLabel *>("Panel3D4")->isVisible());
        QVERIFY(!m_window->spinner(Dimension::Width)->isVisible());
        QCOMPARE(m_window->calcButton()->text(), QStringLiteral("&Cancel"));
        DimensionEdit *width = m_window->field(Dimension::Width);
        DimensionEdit *height = m_window->field(Dimension::Height);
        width->setFocus();
        width->selectAll();
        QTest::keyClicks(width, "96");
        height->setFocus();
        height->selectAll();
        QTest::keyClicks(height, "54");
        QVERIFY(!m_window->field(Dimension::Diagonal)->isEnabled());
        QCOMPARE(m_window->calcButton()->text(), QStringLiteral("&Calculate"));
        QTest::keyClick(height, Qt::Key_Return);
        QCOMPARE(m_window->field(Dimension::Diagonal)->text(), QStringLiteral("110"));
        QCOMPARE(m_window->findChild<QLabel *>("Aspct")->text(), QStringLiteral("1.78:1"));
        QVERIFY(findAction(m_window.get(), "Custom...")->isChecked());
        QVERIFY(!m_window->findChild<QLabel *>("Panel3D4")->isVisible());
        QVERIFY(m_window->spinner(Dimension::Width)->isVisible());
    }

    void layoutHandsOverWithTipOnce()
    {
        QTest::mouseClick(m_window->calcButton(), Qt::LeftButton);
        QTest::mouseClick(m_window->calcButton(), Qt::LeftButton);
        QCOMPARE(m_host.handOffs, 2);
        QCOMPARE(m_dialogs->messages.size(), std::size_t(1));
        QCOMPARE(m_dialogs->messages[0].title, std::string("Installer's Tip"));
    }

    void alwaysOnTopSetsTheWindowFlag()
    {
        QAction *onTop = findAction(m_window.get(), "&Always on top");
        onTop->trigger();
        QVERIFY(onTop->isChecked());
        QVERIFY(m_window->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(m_window->isVisible());
        onTop->trigger();
        QVERIFY(!(m_window->windowFlags() & Qt::WindowStaysOnTopHint));
    }

private:
    lumidex::InstallationState m_state;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    CountingHost m_host;
    std::unique_ptr<lumidex::ScreenWindow> m_core;
    std::unique_ptr<ScreenCalculatorWindow> m_window;
};

QTEST_MAIN(ScreenCalculatorWindowTest)
#include "screencalculatorwindow_test.moc"
