// Unsaved work is never lost: the program asks before it drops changes, keeps a recovery copy
// while there are any, offers it back after a crash, and opens a project handed over by a
// second copy only once the changes of the one open are settled.

#include "7-project/filereplace.h"
#include "7-project/projectfile.h"
#include "installationwindow.h"
#include "program.h"
#include "recoverycopy.h"
#include "screencalculatorwindow.h"
#include "scripteddialogs.h"
#include "singleinstance.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using lumidex::Model;
using lumidex::SaveChoice;
using lumidex::fakes::ScriptedDialogs;

namespace {

QAction *fileAction(QMainWindow *window, const QString &text)
{
    for (QAction *top : window->menuBar()->actions()) {
        if (top->text() != QLatin1String("&File"))
            continue;
        for (QAction *a : top->menu()->actions()) {
            if (a->text() == text)
                return a;
        }
    }
    return nullptr;
}

} // namespace

class UnsavedWorkTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The program's own data folder, where the recovery copy lives.
        QCoreApplication::setApplicationName(QStringLiteral("Lumidex"));
        QCoreApplication::setOrganizationName(QStringLiteral("Varnel"));
    }

    void init()
    {
        if (!qEnvironmentVariableIsSet("LUMIDEX_KILLED"))
            RecoveryCopy().remove();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_program = std::make_unique<Program>(
            lumidex::StartOptions{}, QCoreApplication::applicationDirPath(), m_dialogs.get());
    }

    void cleanup()
    {
        m_program.reset();
        if (!qEnvironmentVariableIsSet("LUMIDEX_KILLED"))
            RecoveryCopy().remove();
    }

    void aChangeMarksBothWindowsAndKeepsACopyUntilSaved_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::newRow("projector chosen") << false;
        QTest::newRow("title typed") << true;
    }

    void aChangeMarksBothWindowsAndKeepsACopyUntilSaved()
    {
        QFETCH(bool, typed);
        m_program->start();
        QVERIFY(!m_program->mainWindow()->isWindowModified());
        if (typed) {
            auto *title = m_program->installationWindow()->findChild<QLineEdit *>("Text1(10)");
            QVERIFY(title);
            QTest::keyClicks(title, "Main hall");
        } else {
            change();
        }
        QVERIFY(m_program->mainWindow()->isWindowModified());
        QVERIFY(m_program->installationWindow()->isWindowModified());
        QTRY_VERIFY_WITH_TIMEOUT(m_program->recoveryCopy().exists(), 2000);

        QTemporaryDir dir;
        m_dialogs->fileNames.push_back(dir.filePath("site.lmx").toStdString());
        m_program->document().saveProject();
        m_program->installationWindow()->refresh();
        QVERIFY(!m_program->installationWindow()->isWindowModified());
        QVERIFY(!m_program->recoveryCopy().exists());
    }

    void endingAsksAboutUnsavedChanges_data()
    {
        QTest::addColumn<SaveChoice>("answer");
        QTest::addColumn<bool>("saveFails");
        QTest::addColumn<bool>("ends");
        QTest::newRow("cancelled") << SaveChoice::Cancel << false << false;
        QTest::newRow("discarded") << SaveChoice::Discard << false << true;
        QTest::newRow("saved") << SaveChoice::Save << false << true;
        QTest::newRow("save failed") << SaveChoice::Save << true << false;
    }

    void endingAsksAboutUnsavedChanges()
    {
        QFETCH(SaveChoice, answer);
        QFETCH(bool, saveFails);
        QFETCH(bool, ends);
        QTemporaryDir dir;
        m_program->start();
        change();
        QSignalSpy quit(m_program.get(), &Program::quitRequested);
        m_dialogs->saveAnswer = answer;
        m_dialogs->fileNames.push_back(
            dir.filePath(saveFails ? "no such folder/site.lmx" : "site.lmx").toStdString());
        m_program->mainWindow()->close();
        QCOMPARE(m_dialogs->saveQuestions, std::vector<std::string>{"Untitled"});
        QCOMPARE(quit.count(), ends ? 1 : 0);
        QCOMPARE(m_program->document().modified(), !ends || answer == SaveChoice::Discard);
        QCOMPARE(QFile::exists(dir.filePath("site.lmx")), answer == SaveChoice::Save && !saveFails);
        if (ends)
            QVERIFY(!m_program->recoveryCopy().exists());
    }

    void restoresWhatAKilledRunKept()
    {
        if (!qEnvironmentVariableIsSet("LUMIDEX_KILLED"))
            QSKIP("run by the recovery_after_kill test, after a program was killed");
        QFile kept(RecoveryCopy().projectPath());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        const QByteArray bytes = kept.readAll();
        m_program->start();
        QTRY_COMPARE(m_dialogs->recoveryOffers.size(), std::size_t(1));
        QVERIFY(m_dialogs->recoveryOffers[0].find("an untitled project") != std::string::npos);
        lumidex::ProjectDocument &doc = m_program->document();
        QVERIFY(doc.modified());
        QCOMPARE(doc.pageCount(), 2);
        QCOMPARE(doc.project().page(1).text(lumidex::PageText::Notes), "before the cut");
        QCOMPARE(doc.contentToSave().page(2).text(lumidex::PageText::Notes), "page two");
        const std::vector<std::uint8_t> restored = lumidex::encodeRecoveryCopy(doc.contentToSave());
        QCOMPARE(
            QByteArray(reinterpret_cast<const char *>(restored.data()), qsizetype(restored.size())),
            bytes);
        QVERIFY(m_program->installationWindow()->isWindowModified());
    }

    // The copy holds a private project: other users may neither read it nor look into its
    // folder. It keeps every character typed, also those a project file cannot hold.
    void recoveryCopyIsPrivateAndKeepsEveryCharacter()
    {
        const QString typed = QStringLiteral("Ø→€ hall");
        m_program->start();
        auto *title = m_program->installationWindow()->findChild<QLineEdit *>("Text1(10)");
        QVERIFY(title);
        title->selectAll();
        title->insert(typed); // as typed: keyClicks() knows no keys beyond ASCII
        RecoveryCopy &copy = m_program->recoveryCopy();
        QTRY_VERIFY_WITH_TIMEOUT(copy.exists(), 2000);
        const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                            QFileDevice::ExeGroup | QFileDevice::ReadOther |
                            QFileDevice::WriteOther | QFileDevice::ExeOther;
        QCOMPARE(QFileInfo(copy.folder()).permissions() & others, QFileDevice::Permissions());
        for (const QString &file : QDir(copy.folder()).entryList(QDir::Files))
            QCOMPARE(QFileInfo(QDir(copy.folder()).filePath(file)).permissions() & others,
                     QFileDevice::Permissions());

        // A crash: the program goes without ending cleanly; the next one restores the copy.
        m_program.reset();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_program = std::make_unique<Program>(
            lumidex::StartOptions{}, QCoreApplication::applicationDirPath(), m_dialogs.get());
        m_program->start();
        QTRY_COMPARE(m_dialogs->recoveryOffers.size(), std::size_t(1));
        title = m_program->installationWindow()->findChild<QLineEdit *>("Text1(10)");
        QCOMPARE(title->text(), typed);
    }

    void recoveryOfferAnswers_data()
    {
        QTest::addColumn<lumidex::RecoveryChoice>("answer");
        QTest::addColumn<bool>("deleteConfirmed");
        QTest::addColumn<bool>("copyKept");
        QTest::newRow("cancel keeps it") << lumidex::RecoveryChoice::Cancel << true << true;
        QTest::newRow("discard confirmed") << lumidex::RecoveryChoice::Discard << true << false;
        QTest::newRow("discard not confirmed") << lumidex::RecoveryChoice::Discard << false << true;
    }

    // Only an explicit, confirmed Discard deletes a copy; one kept is offered again at the next
    // start, and the run's own changes never write over it.
    void recoveryOfferAnswers()
    {
        QFETCH(lumidex::RecoveryChoice, answer);
        QFETCH(bool, deleteConfirmed);
        QFETCH(bool, copyKept);
        lumidex::Project left = lumidex::newProject("01-02-2026");
        left.page(1).text(lumidex::PageText::Title) = "left by a crash";
        QVERIFY(RecoveryCopy().keep(left, ""));
        m_dialogs->recoveryAnswer = answer;
        m_dialogs->confirmAnswer = deleteConfirmed;
        m_program->start();
        QTRY_COMPARE(m_dialogs->recoveryOffers.size(), std::size_t(1));
        QCOMPARE(m_dialogs->confirmations.size(),
                 std::size_t(answer == lumidex::RecoveryChoice::Discard ? 1 : 0));
        QVERIFY(!m_program->document().modified());
        change();
        QTRY_VERIFY_WITH_TIMEOUT(m_program->recoveryCopy().exists(), 2000);
        const std::optional<RecoveryCopy::Found> found = RecoveryCopy().find();
        QCOMPARE(found && found->project == left, copyKept);
        QCOMPARE(RecoveryCopy::leftIn(RecoveryCopy::defaultFolder()).size(),
                 std::size_t(copyKept ? 2 : 1));
        m_program->quit(); // a clean end removes only the run's own copy
        QCOMPARE(RecoveryCopy::leftIn(RecoveryCopy::defaultFolder()).size(),
                 std::size_t(copyKept ? 1 : 0));
        for (RecoveryCopy &copy : RecoveryCopy::leftIn(RecoveryCopy::defaultFolder()))
            copy.remove();
    }

    // A save killed while it rewrote a project in place left the old project in the program's
    // folder: the next start offers it back, bound to its file, as unsaved changes.
    void oldProjectOfAKilledSaveIsOfferedBack()
    {
        QTemporaryDir dir;
        const std::string path = dir.filePath("site1.lmx").toStdString();
        lumidex::Project old = lumidex::newProject("01-02-2026");
        old.page(1).text(lumidex::PageText::Title) = "as it was";
        std::string error;
        QVERIFY(lumidex::saveProjectFile(path, old, &error));
        lumidex::FileReplaceHooks killed;
        killed.folderWriteError = EACCES; // as in a folder the user may not write
        killed.stopAfterBytes = 7;
        const std::vector<std::uint8_t> newer =
            lumidex::encodeProject(lumidex::newProject("03-04-2026"));
        QVERIFY(lumidex::replaceFileContents(path, newer, killed,
                                             RecoveryCopy::defaultFolder().toStdString()));

        m_program->start();
        QTRY_COMPARE(m_dialogs->recoveryOffers.size(), std::size_t(1));
        QVERIFY(m_dialogs->recoveryOffers[0].find("while it saved site1.lmx") != std::string::npos);
        lumidex::ProjectDocument &doc = m_program->document();
        QCOMPARE(doc.projectFileName(), path);
        QVERIFY(doc.modified());
        QCOMPARE(doc.project().page(1).text(lumidex::PageText::Title), "as it was");
        const std::vector<RecoveryCopy> left = RecoveryCopy::leftIn(RecoveryCopy::defaultFolder());
        QCOMPARE(left.size(), std::size_t(1)); // the run's own copy took the old one's place
        QVERIFY(!left[0].holdsOldFile());
        QVERIFY(doc.saveProject());
        QCOMPARE(lumidex::openProjectFile(path, nullptr)->page(1).text(lumidex::PageText::Title),
                 "as it was");
    }

    void secondCopyHandsItsProjectOver_data()
    {
        QTest::addColumn<SaveChoice>("answer");
        QTest::addColumn<bool>("opens");
        QTest::newRow("changes discarded") << SaveChoice::Discard << true;
        QTest::newRow("cancelled") << SaveChoice::Cancel << false;
    }

    void secondCopyHandsItsProjectOver()
    {
        QFETCH(SaveChoice, answer);
        QFETCH(bool, opens);
        QTemporaryDir dir;
        const QString path = dir.filePath("hall.lmx");
        std::string error;
        QVERIFY(lumidex::saveProjectFile(path.toStdString(), lumidex::newProject("01-02-2026"),
                                         &error));
        const QString name =
            QStringLiteral("lumidex-test-%1").arg(QCoreApplication::applicationPid());
        SingleInstance first(name);
        QVERIFY(first.claim());
        connect(&first, &SingleInstance::openRequested, m_program.get(), &Program::openHandedOver);
        m_program->start();
        change();
        m_dialogs->saveAnswer = answer;
        SingleInstance second(name);
        QVERIFY(!second.claim(path));
        QTRY_COMPARE(m_dialogs->saveQuestions.size(), std::size_t(1));
        QCOMPARE(m_program->document().projectFileName() == path.toStdString(), opens);
    }

    // Open Project in the screen calculator loads the project for the installation window's
    // next showing: the window stays hidden and the first Layout's tip waits for Layout.
    void openingFromTheCalculatorShowsNothingElse()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("hall.lmx");
        std::string error;
        QVERIFY(lumidex::saveProjectFile(path.toStdString(), lumidex::newProject("01-02-2026"),
                                         &error));
        m_program->start();
        m_program->mainWindow()->show();
        m_dialogs->fileNames.push_back(path.toStdString());
        fileAction(m_program->mainWindow(), QStringLiteral("&Open Project"))->trigger();
        QCOMPARE(m_program->document().projectFileName(), path.toStdString());
        QVERIFY(!m_program->installationWindow()->isVisible());
        QVERIFY(m_dialogs->messages.empty());
    }

    void deletePageIsOfferedFromTwoPages()
    {
        InstallationWindow *w = m_program->installationWindow();
        QAction *remove = fileAction(w, QStringLiteral("&Delete Page"));
        QVERIFY(remove);
        QVERIFY(!remove->isEnabled());
        m_program->document().pageButton(1);
        w->refresh();
        QVERIFY(remove->isEnabled());
        remove->trigger();
        QCOMPARE(m_dialogs->confirmations,
                 std::vector<std::string>{"Delete page 2 of 2 of the project?"});
        QCOMPARE(m_program->document().pageCount(), 1);
        QVERIFY(!remove->isEnabled());
    }

private:
    void change()
    {
        m_program->document().window().selectLens(Model::LX460, 0);
        m_program->installationWindow()->refresh();
    }

    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<Program> m_program;
};

QTEST_MAIN(UnsavedWorkTest)
#include "unsavedwork_test.moc"
