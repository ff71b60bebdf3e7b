#include "helpwindow.h"
#include "installationwindow.h"
#include "program.h"
#include "project/projectfile.h"
#include "screencalculatorwindow.h"
#include "scripteddialogs.h"
#include "singleinstance.h"
#include "splashwindow.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using lumidex::fakes::ScriptedDialogs;

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
        QCOMPARE(program.mainWindow()->windowTitle(), QStringLiteral("Lumidex"));

        // "&Ok" a second time does not show the main window again.
        program.mainWindow()->hide();
        program.start();
        QTest::mouseClick(program.splash()->findChild<QPushButton *>("start"), Qt::LeftButton);
        QVERIFY(!program.mainWindow()->isVisible());
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
        QCOMPARE(program.installationWindow()->windowTitle(),
                 QStringLiteral("Installation Dimensions"));
        QCOMPARE(dialogs.messages.size(), std::size_t(1));
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
        QWidget *tip = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "frmHelp")
                tip = w;
        }
        QVERIFY(tip);
        QTest::mouseMove(ratio, QPoint(5, 5));
        QTRY_VERIFY(tip->isVisible());
        QCOMPARE(static_cast<QLabel *>(tip)->text(),
                 QStringLiteral("Double click to cycle through aspect ratios"));
        QTest::mouseMove(preview, QPoint(10, 10));
        QTRY_VERIFY(!tip->isVisible());
        program.state().tipsEnabled = false;
        QTest::mouseMove(ratio, QPoint(6, 6));
        QTest::qWait(20);
        QVERIFY(!tip->isVisible());
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
