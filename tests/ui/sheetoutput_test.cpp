#include "4-crt/tipswindow.h"
#include "8-print/printjob.h"
#include "9-session/session.h"
#include "filetrouble.h"
#include "scripteddialogs.h"
#include "sheetoutput.h"
#include "sheetprinting.h"
#include "tipsdialog.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using lumidex::fakes::ScriptedDialogs;

namespace {

enum class Output
{
    ExportPdf,
    PrintToFile,
};

enum class Trouble
{
    None,
    FullDisk,         // a small file system, filled up by the PDF
    WriteError,       // a file size limit: the write fails part way
    DirectoryInTheWay // a folder of the PDF's name
};

enum class Route
{
    PreviewsPrint,    // File, Print Preview, then its own Print
    TipsWindowsPrint, // the installer's tips window, "&Print"
};

} // namespace

class SheetOutputTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_session = std::make_unique<lumidex::Session>(
            *m_dialogs, lumidex::StartOptions{lumidex::Unit::Inches, false, true, {}});
        m_session->screenWindow().calc();
    }

    void cleanup() { m_session.reset(); }

    void writeFailureLeavesThePreviousFile_data()
    {
        QTest::addColumn<Output>("output");
        QTest::addColumn<Trouble>("trouble");
        for (const auto &[output, name] : {std::pair{Output::ExportPdf, "export"},
                                           std::pair{Output::PrintToFile, "print to file"}}) {
            const QByteArray n(name);
            QTest::newRow(n + ", written") << output << Trouble::None;
            QTest::newRow(n + ", full disk") << output << Trouble::FullDisk;
            QTest::newRow(n + ", write error") << output << Trouble::WriteError;
            QTest::newRow(n + ", directory in the way") << output << Trouble::DirectoryInTheWay;
        }
    }

    // Either the whole new PDF or the previous file, and nothing else in the folder.
    void writeFailureLeavesThePreviousFile()
    {
        QFETCH(Output, output);
        QFETCH(Trouble, trouble);
        QTemporaryDir temporary;
        QDir dir(temporary.path());
        std::optional<lumidex::fakes::SmallDisk> disk;
        if (trouble == Trouble::FullDisk &&
            !disk.emplace(temporary.path().toStdString(), "8k").mounted())
            QSKIP("no small file system can be mounted here");
        const QString path = dir.filePath(QStringLiteral("sheets.pdf"));
        const QByteArray previous = "the previous sheets";
        if (trouble == Trouble::DirectoryInTheWay) {
            QVERIFY(dir.mkpath(QStringLiteral("sheets.pdf/inside")));
        } else {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(previous);
        }

        lumidex::ProjectDocument &document = m_session->document();
        bool written = false;
        {
            const lumidex::fakes::FileSizeLimit limit(
                trouble == Trouble::WriteError ? 4096 : RLIM_INFINITY);
            if (output == Output::ExportPdf) {
                QString why;
                written = writeSheetsPdf(document, {}, path, QStringLiteral("test"), &why);
                QCOMPARE(why.isEmpty(), written);
            } else {
                QPrinter printer(QPrinter::HighResolution);
                printer.setOutputFileName(path);
                const std::unique_ptr<lumidex::SheetSink> sheets =
                    SheetPrinting::jobSheets(printer);
                lumidex::PrintRequest request;
                request.copyPerJob = false;
                written = lumidex::printInstallation(document, request, *sheets) ==
                          lumidex::PrintOutcome::Printed;
            }
        }

        QCOMPARE(written, trouble == Trouble::None);
        QCOMPARE(dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("sheets.pdf")});
        if (trouble == Trouble::DirectoryInTheWay) {
            QVERIFY(QFileInfo::exists(path + QStringLiteral("/inside")));
            return;
        }
        QFile result(path);
        QVERIFY(result.open(QIODevice::ReadOnly));
        const QByteArray bytes = result.readAll();
        if (written) {
            QVERIFY(bytes.startsWith("%PDF"));
            QVERIFY(bytes.trimmed().endsWith("%%EOF"));
        } else {
            QCOMPARE(bytes, previous);
        }
    }

    void everyPrintRouteKeepsThePreviousFile_data()
    {
        QTest::addColumn<Route>("route");
        QTest::addColumn<Trouble>("trouble");
        for (const auto &[route, name] : {std::pair{Route::PreviewsPrint, "preview's print"},
                                          std::pair{Route::TipsWindowsPrint, "tips' print"}}) {
            const QByteArray n(name);
            QTest::newRow(n + ", written") << route << Trouble::None;
            QTest::newRow(n + ", full disk") << route << Trouble::FullDisk;
            QTest::newRow(n + ", write error") << route << Trouble::WriteError;
        }
    }

    // Print Preview's own Print and the tips window's Print go the one way File, Print goes: a
    // file chosen in the print dialog is written whole, or "Print Error" says so once and the
    // previous file stays as it was.
    void everyPrintRouteKeepsThePreviousFile()
    {
        QFETCH(Route, route);
        QFETCH(Trouble, trouble);
        QTemporaryDir temporary;
        QDir dir(temporary.path());
        std::optional<lumidex::fakes::SmallDisk> disk;
        if (trouble == Trouble::FullDisk &&
            !disk.emplace(temporary.path().toStdString(), "8k").mounted()) {
            disk.reset();
            trouble = Trouble::WriteError; // the next best: a write that fails part way
        }
        const QString path = dir.filePath(QStringLiteral("sheets.pdf"));
        const QByteArray previous = "the previous sheets";
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(previous);
        }
        const PrintChooser toFile = [path](QPrinter &printer, int, QWidget *) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return true;
        };
        {
            const lumidex::fakes::FileSizeLimit limit(
                trouble == Trouble::WriteError ? 4096 : RLIM_INFINITY);
            if (route == Route::PreviewsPrint) {
                SheetPrinting printing(m_session->document(), *m_dialogs, nullptr);
                printing.setPrintChooser(toFile);
                QTimer::singleShot(0, this, [] {
                    QWidget *preview = QApplication::activeModalWidget();
                    QVERIFY(preview);
                    const QString print =
                        QCoreApplication::translate("QPrintPreviewDialog", "Print");
                    for (QAction *action : preview->findChildren<QAction *>()) {
                        if (action->text() == print)
                            action->trigger();
                    }
                });
                printing.preview();
            } else {
                lumidex::TipsWindow tips(lumidex::Series::CR7100, 80.0f, {125, -40, 0, 7});
                TipsDialog window(tips);
                window.setPrinting(*m_dialogs, toFile);
                window.show();
                window.print();
            }
        }

        std::vector<std::string> errors;
        for (const auto &m : m_dialogs->messages)
            errors.push_back(m.text);
        QCOMPARE(errors, trouble == Trouble::None ? std::vector<std::string>{}
                                                  : std::vector<std::string>{"Print Error"});
        QCOMPARE(dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("sheets.pdf")});
        QFile result(path);
        QVERIFY(result.open(QIODevice::ReadOnly));
        const QByteArray bytes = result.readAll();
        if (trouble == Trouble::None)
            QVERIFY(bytes.startsWith("%PDF") && bytes.trimmed().endsWith("%%EOF"));
        else
            QCOMPARE(bytes, previous);
    }

private:
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<lumidex::Session> m_session;
};

QTEST_MAIN(SheetOutputTest)
#include "sheetoutput_test.moc"
