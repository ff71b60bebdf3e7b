#include "7-project/projectfile.h"
#include "artwork.h"
#include "drawingview.h"
#include "helpwindow.h"
#include "installationwindow.h"
#include "program.h"
#include "qtdialogs.h"
#include "screencalculatorwindow.h"
#include "scripteddialogs.h"
#include "sheetview.h"
#include "singleinstance.h"
#include "splashwindow.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <functional>

using lumidex::fakes::ScriptedDialogs;

namespace {

// The program's tip window ("frmHelp"), a window of its own.
QWidget *tipWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "frmHelp")
            return w;
    }
    return nullptr;
}

} // namespace

class ProgramTest : public QObject
{
    Q_OBJECT

private slots:
    void startUpShowsSplashThenMainWindowOnce()
    {
        ScriptedDialogs dialogs;
        Program program({}, QCoreApplication::applicationDirPath(), &dialogs);
        program.start();
        QVERIFY(program.splash()->isVisible());
        QVERIFY(!program.mainWindow()->isVisible());
        QCOMPARE(program.splash()->findChild<QLabel *>("lblVersion")->text(),
                 QStringLiteral("Version 3.21"));

        QTest::mouseClick(program.splash()->findChild<QPushButton *>("start"), Qt::LeftButton);
        QVERIFY(!program.splash()->isVisible());
        QVERIFY(program.mainWindow()->isVisible());
        QCOMPARE(program.mainWindow()->windowTitle().remove("[*]"), QStringLiteral("Lumidex"));

        // "&Ok" a second time does not show the main window again.
        program.mainWindow()->hide();
        program.start();
        QTest::mouseClick(program.splash()->findChild<QPushButton *>("start"), Qt::LeftButton);
        QVERIFY(!program.mainWindow()->isVisible());
    }

    // The pixels embedded at build time are read back as the SVG draws them: no row, colour
    // channel or byte order astray. Other pixel ratios draw the SVG afresh.
    void startUpArtworkIsTheSvgAsDrawn()
    {
        QImage drawn(StartupArtworkSize, QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        QSvgRenderer(QStringLiteral(":/lumidex/splash.svg")).render(&painter);
        painter.end();
        QCOMPARE(startupArtwork(1.0).toImage().convertToFormat(drawn.format()), drawn);

        const QPixmap sharp = startupArtwork(2.0);
        QCOMPARE(sharp.size(), StartupArtworkSize * 2);
        QCOMPARE(sharp.deviceIndependentSize(), QSizeF(StartupArtworkSize));
        QCOMPARE(programIcon().availableSizes().size(), 6);
    }

    void commandLineProjectOpensAfterStartUp_data()
    {
        QTest::addColumn<QByteArray>("content"); // "-": no file at all
        QTest::addColumn<QString>("message");    // start of the message shown, empty: none
        const std::vector<std::uint8_t> project =
            lumidex::encodeProject(lumidex::newProject("12-08-2026"));
        QTest::newRow("opens") << QByteArray(reinterpret_cast<const char *>(project.data()),
                                             qsizetype(project.size()))
                               << QString();
        QTest::newRow("missing") << QByteArray("-")
                                 << QStringLiteral("Unable to open project to filename: %1\r"
                                                   "Error code: 2\r");
        QTest::newRow("damaged") << QByteArray("\x05\x00 not a project")
                                 << QStringLiteral("Unable to open project to filename: %1\r"
                                                   "Error code: 22\r");
    }

    void commandLineProjectOpensAfterStartUp()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("room.lmx"));
        if (content != "-") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        ScriptedDialogs dialogs;
        lumidex::StartOptions options;
        options.projectFile = path.toStdString();
        options.expertMode = true; // no installer's tip as the page loads
        Program program(options, QCoreApplication::applicationDirPath(), &dialogs);
        QVERIFY(dialogs.messages.empty());
        program.start();
        QTRY_VERIFY(message.isEmpty() ? program.installationWindow()->windowTitle().contains(
                                            QStringLiteral("room.lmx"))
                                      : !dialogs.messages.empty());
        QVERIFY(program.splash()->isVisible());
        if (message.isEmpty()) {
            QVERIFY(dialogs.messages.empty());
        } else {
            QCOMPARE(dialogs.messages.size(), std::size_t(1));
            QVERIFY(QString::fromStdString(dialogs.messages[0].text).startsWith(message.arg(path)));
        }
    }

    void layoutShowsTheInstallationWindow()
    {
        ScriptedDialogs dialogs;
        Program program({}, QCoreApplication::applicationDirPath(), &dialogs);
        program.screenWindow().calc();
        QVERIFY(program.installationWindow()->isVisible());
        QCOMPARE(program.installationWindow()->windowTitle().remove("[*]"),
                 QStringLiteral("Installation Dimensions"));
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
    }

    // New Project puts the installation window back in the middle of the screen; New
    // cancelled at the unsaved-changes question leaves it where the installer moved it.
    void newProjectCentresTheInstallationWindow_data()
    {
        QTest::addColumn<lumidex::SaveChoice>("answer");
        QTest::addColumn<bool>("centred");
        QTest::newRow("changes discarded") << lumidex::SaveChoice::Discard << true;
        QTest::newRow("cancelled") << lumidex::SaveChoice::Cancel << false;
    }

    void newProjectCentresTheInstallationWindow()
    {
        QFETCH(lumidex::SaveChoice, answer);
        QFETCH(bool, centred);
        ScriptedDialogs dialogs;
        dialogs.saveAnswer = answer;
        Program program({}, QCoreApplication::applicationDirPath(), &dialogs);
        program.screenWindow().calc();
        InstallationWindow *window = program.installationWindow();
        const QPoint moved = window->pos() + QPoint(137, 123);
        window->move(moved);
        program.document().window().setTitleText(lumidex::PageText::Title, "Hall");
        for (QAction *top : window->menuBar()->actions()) {
            for (QAction *a : top->menu() ? top->menu()->actions() : QList<QAction *>()) {
                if (a->text() == QLatin1String("&New Project"))
                    a->trigger();
            }
        }
        QCOMPARE(dialogs.saveQuestions.size(), std::size_t(1));
        const QPoint offCentre = window->frameGeometry().center() -
                                 QGuiApplication::primaryScreen()->availableGeometry().center();
        QCOMPARE(offCentre.manhattanLength() <= 2, centred);
        if (!centred)
            QCOMPARE(window->pos(), moved);
    }

    void closingAWindowEndsTheProgram()
    {
        ScriptedDialogs dialogs;
        Program program({}, QCoreApplication::applicationDirPath(), &dialogs);
        QSignalSpy quit(&program, &Program::quitRequested);
        program.start();
        program.splash()->close();
        QCOMPARE(quit.count(), 1);
        program.mainWindow()->show();
        program.mainWindow()->close();
        QCOMPARE(quit.count(), 2);
    }

    void helpOpensTopicsByContextId()
    {
        ScriptedDialogs dialogs;
        Program program({}, QCoreApplication::applicationDirPath(), &dialogs);
        program.openHelp(lumidex::HelpRequest::topic(lumidex::HelpTechnicalSupport));
        QVERIFY(program.helpWindow()->currentText().contains("Obtaining Technical Support"));
        program.openHelp(lumidex::HelpRequest::topic(510));
        QVERIFY(program.helpWindow()->currentText().contains("LX-460"));
        program.openHelp(lumidex::HelpRequest::contents());
        QVERIFY(program.helpWindow()->currentText().contains("Lumidex Help Contents"));
        // Centred like every other window.
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint offCentre = program.helpWindow()->frameGeometry().center() - area.center();
        QVERIFY2(offCentre.manhattanLength() <= 4,
                 qPrintable(QStringLiteral("%1 %2").arg(offCentre.x()).arg(offCentre.y())));
    }

    void missingHelpIsExplainedAndTheProgramCarriesOn()
    {
        QTemporaryDir empty;
        HelpWindow help(empty.path() + QStringLiteral("/help"));
        help.showRequest(lumidex::HelpRequest::topic(12));
        QVERIFY(help.isVisible());
        QVERIFY(help.currentText().contains("Help is not available"));
        QVERIFY(help.currentText().contains("12.html"));
    }

    void tipsFollowThePointerAndTheSwitch()
    {
        ScriptedDialogs dialogs;
        Program program({}, QCoreApplication::applicationDirPath(), &dialogs);
        program.mainWindow()->show();
        QVERIFY(QTest::qWaitForWindowExposed(program.mainWindow()));
        auto *ratio = program.mainWindow()->findChild<QWidget *>("Aspct");
        auto *preview = program.mainWindow()->findChild<QWidget *>("Panel3D5");
        QWidget *tip = tipWindow();
        QVERIFY(tip);
        QTest::mouseMove(ratio, QPoint(5, 5));
        QTRY_VERIFY(tip->isVisible());
        auto *text = tip->findChild<QLabel *>("Label1");
        QCOMPARE(text->text(), QStringLiteral("Double click to cycle through aspect ratios"));
        // The label one pixel in, the window 4 px wider and 2 px taller than it.
        QCOMPARE(text->pos(), QPoint(1, 0));
        QCOMPARE(tip->size(), text->size() + QSize(4, 2));
        QTest::mouseMove(preview, QPoint(10, 10));
        QTRY_VERIFY(!tip->isVisible());
        // A tip does not stay over the window the installer goes on to.
        QTest::mouseMove(ratio, QPoint(5, 5));
        QTRY_VERIFY(tip->isVisible());
        QEvent deactivate(QEvent::WindowDeactivate);
        QApplication::sendEvent(program.mainWindow(), &deactivate);
        QVERIFY(!tip->isVisible());
        program.state().tipsEnabled = false;
        QTest::mouseMove(ratio, QPoint(6, 6));
        QTest::qWait(20);
        QVERIFY(!tip->isVisible());
    }

    // The installation window's captions let the pointer through to the sheet behind them; the
    // tip stays while the pointer is over the caption.
    void installationCaptionsShowTheirTips()
    {
        ScriptedDialogs dialogs;
        Program program({}, QCoreApplication::applicationDirPath(), &dialogs);
        program.showInstallationWindow();
        QVERIFY(QTest::qWaitForWindowExposed(program.installationWindow()));
        QWidget *tip = tipWindow();
        QVERIFY(tip);
        // A place on the sheet between its fields hides the tip.
        QWidget *sheet = program.installationWindow()->sheet();
        QPoint between;
        for (int y = 2; y < sheet->height() && between.isNull(); y += 7) {
            for (int x = 2; x < sheet->width(); x += 7) {
                if (!sheet->childAt(x, y)) {
                    between = QPoint(x, y);
                    break;
                }
            }
        }
        QVERIFY(!between.isNull());
        for (const char *name : {"txtAspect", "lblMeasurement"}) {
            auto *caption = program.installationWindow()->findChild<QWidget *>(name);
            QVERIFY(caption);
            QTest::mouseMove(sheet, between);
            QTRY_VERIFY(!tip->isVisible());
            QTest::mouseMove(caption, QPoint(5, 5));
            QTRY_VERIFY2(tip->isVisible(), name);
            QVERIFY(tip->findChild<QLabel *>("Label1")->text().startsWith("Double click to cycle"));
        }
    }

    // The distance box's tip leaves when the pointer moves on over the drawing, and a box that
    // only shows a data projector's distance offers none.
    void distanceTipLeavesOverTheDrawing()
    {
        ScriptedDialogs dialogs;
        Program program({}, QCoreApplication::applicationDirPath(), &dialogs);
        program.showInstallationWindow();
        QVERIFY(QTest::qWaitForWindowExposed(program.installationWindow()));
        QWidget *tip = tipWindow();
        QVERIFY(tip);
        DrawingView *drawing = program.installationWindow()->drawingView();
        QLineEdit *box = drawing->distanceBox();
        QVERIFY(!box->isReadOnly()); // a CRT series at start
        QTest::mouseMove(box, QPoint(5, 5));
        QTRY_VERIFY(tip->isVisible());
        QTest::mouseMove(drawing, QPoint(10, 10));
        QTRY_VERIFY(!tip->isVisible());
        program.installationWindow()->lensAction(lumidex::Model::LX460, 0)->trigger();
        QVERIFY(box->isReadOnly());
        QTest::mouseMove(box, QPoint(6, 6));
        QTest::qWait(20);
        QVERIFY(!tip->isVisible());
    }

    void platformTooltipsFollowTheSwitch_data()
    {
        QTest::addColumn<bool>("installation");
        QTest::addColumn<QString>("tip");
        QTest::newRow("spinner up") << false << QStringLiteral("One inch larger");
        QTest::newRow("spinner down") << false << QStringLiteral("One inch smaller");
        QTest::newRow("aspect button") << false << QStringLiteral("Next aspect ratio");
        QTest::newRow("expert switch") << false << QStringLiteral("Expert mode on or off");
        QTest::newRow("page scroll bar")
            << true
            << QStringLiteral("Click right button to create/scroll through pages, left to "
                              "scroll backwards.");
    }

    void platformTooltipsFollowTheSwitch()
    {
        QFETCH(bool, installation);
        QFETCH(QString, tip);
        ScriptedDialogs dialogs;
        Program program({}, QCoreApplication::applicationDirPath(), &dialogs);
        QWidget *window = installation ? static_cast<QWidget *>(program.installationWindow())
                                       : static_cast<QWidget *>(program.mainWindow());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QWidget *control = nullptr;
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (w->toolTip() == tip)
                control = w;
        }
        QVERIFY(control);
        const auto hover = [control] {
            QToolTip::hideText();
            // A tooltip fades out: wait until the last one has gone.
            if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
                return QStringLiteral("(the last tooltip stayed)");
            const QPoint inside(2, 2);
            QHelpEvent event(QEvent::ToolTip, inside, control->mapToGlobal(inside));
            QApplication::sendEvent(control, &event);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(hover(), tip);
        program.state().tipsEnabled = false;
        QCOMPARE(hover(), QString());
        program.state().tipsEnabled = true;
        QCOMPARE(hover(), tip);
        QToolTip::hideText();
    }

    // Alt and a letter must reach one entry: two entries of a menu sharing a letter leave the
    // second out of reach of the keyboard.
    void everyMenuEntryHasItsOwnAccessKey()
    {
        ScriptedDialogs dialogs;
        Program program({}, QCoreApplication::applicationDirPath(), &dialogs);
        std::function<void(const QList<QAction *> &, const QString &)> check =
            [&check](const QList<QAction *> &actions, const QString &where) {
                QHash<QChar, QString> taken;
                for (QAction *a : actions) {
                    const QString text = a->text();
                    const qsizetype amp = text.indexOf(QLatin1Char('&'));
                    if (amp >= 0 && amp + 1 < text.size()) {
                        const QChar key = text.at(amp + 1).toLower();
                        QVERIFY2(!taken.contains(key),
                                 qPrintable(where + ": " + taken.value(key) + " and " + text));
                        taken.insert(key, text);
                    }
                    if (a->menu())
                        check(a->menu()->actions(), where + " > " + text);
                }
            };
        check(program.mainWindow()->menuBar()->actions(), QStringLiteral("screen calculator"));
        check(program.installationWindow()->menuBar()->actions(),
              QStringLiteral("installation window"));
    }

    // The custom ratio prompt was too narrow for "Custom aspect ratio" in its title bar.
    void promptsAreWideEnoughForTheirTitles()
    {
        QtDialogs dialogs;
        QFont bold = QApplication::font();
        bold.setBold(true);
        for (const char *title : {"Custom aspect ratio", "Custom Projector Placement"}) {
            int width = 0;
            QTimer::singleShot(0, qApp, [&width] {
                if (QWidget *prompt = QApplication::activeModalWidget()) {
                    width = prompt->width();
                    if (auto *dialog = qobject_cast<QDialog *>(prompt))
                        dialog->reject();
                }
            });
            QVERIFY(!dialogs.input("Please enter aspect ratio:", title, "1.33"));
            QVERIFY2(width > QFontMetrics(bold).horizontalAdvance(QString::fromLatin1(title)) + 60,
                     title);
        }
    }

    void aboutIsOneModelessWindow()
    {
        ScriptedDialogs dialogs;
        Program program({}, QCoreApplication::applicationDirPath(), &dialogs);
        program.mainWindow()->show();
        QMetaObject::invokeMethod(program.mainWindow(), "aboutRequested");
        QWidget *about = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "credits")
                about = w;
        }
        QVERIFY(about && about->isVisible());
        QVERIFY(!about->isModal());
        QCOMPARE(about->findChild<QLabel *>("lblVersion")->text(), QStringLiteral("Version 3.21"));
        QVERIFY(!about->findChild<QLabel *>("Image6")->pixmap().isNull()); // the bitmap
        QVERIFY(about->findChild<QWidget *>("Image7")->isVisible());       // the vector picture
        const QPoint where = about->pos();
        about->findChild<QPushButton *>("Command6")->click();
        QVERIFY(!about->isVisible());
        QMetaObject::invokeMethod(program.mainWindow(), "aboutRequested");
        QVERIFY(about->isVisible());
        QCOMPARE(about->pos(), where);
    }

    void secondCopyBringsTheFirstToTheFront()
    {
        const QString name =
            QStringLiteral("lumidex-test-%1").arg(QCoreApplication::applicationPid());
        SingleInstance first(name);
        QVERIFY(first.claim());
        QSignalSpy raised(&first, &SingleInstance::activationRequested);
        SingleInstance second(name);
        QVERIFY(!second.claim());
        QVERIFY(raised.wait(3000));
    }

    void bringToFrontRestoresAMinimisedMainWindow()
    {
        ScriptedDialogs dialogs;
        Program program({}, QCoreApplication::applicationDirPath(), &dialogs);
        program.mainWindow()->showMinimized();
        program.bringToFront();
        QVERIFY(!program.mainWindow()->isMinimized());
        QVERIFY(program.mainWindow()->isVisible());
    }
};

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
