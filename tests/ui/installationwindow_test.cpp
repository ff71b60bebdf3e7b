#include "5-drawing/sheetlayout.h"
#include "8-print/sheet.h"
#include "9-session/session.h"
#include "drawingview.h"
#include "installationwindow.h"
#include "keyfilterededit.h"
#include "lensfinderdialog.h"
#include "qtdialogs.h"
#include "scripteddialogs.h"
#include "sheetoutput.h"
#include "sheetprinting.h"
#include "sheetrenderer.h"
#include "sxgadialog.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

using lumidex::Dimension;
using lumidex::Model;
using lumidex::Series;
using lumidex::fakes::ScriptedDialogs;

namespace {

QStringList menuTexts(QMenu *menu)
{
    QStringList texts;
    for (QAction *a : menu->actions())
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

QMenu *topMenu(QMainWindow *window, const QString &title)
{
    for (QAction *a : window->menuBar()->actions()) {
        if (a->text() == title)
            return a->menu();
    }
    return nullptr;
}

// Dialogs that stay open a while, as a message box does while the installer reads it: its
// event loop runs inside whatever raised it.
struct ReadingDialogs : ScriptedDialogs
{
    void message(std::string_view text, lumidex::MessageIcon icon, std::string_view title) override
    {
        ScriptedDialogs::message(text, icon, title);
        if (readingMs > 0)
            QTest::qWait(readingMs);
    }
    int readingMs = 0;
};

} // namespace

class InstallationWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dialogs = std::make_unique<ReadingDialogs>();
        m_session = std::make_unique<lumidex::Session>(
            *m_dialogs, lumidex::StartOptions{lumidex::Unit::Inches, false, true, {}});
        m_window = std::make_unique<InstallationWindow>(m_session->document());
        m_session->screenWindow().calc(); // "&Layout"
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup()
    {
        m_window.reset();
        m_session.reset();
    }

    void menusOfferTheWholeCatalogue()
    {
        QStringList top;
        for (QAction *a : m_window->menuBar()->actions())
            top << a->text();
        QCOMPARE(top, (QStringList{"&File", "&Options", "&Projector", "Po&sition", "&Help"}));
        QCOMPARE(menuTexts(topMenu(m_window.get(), "&File")),
                 (QStringList{"&New Project", "&Open Project", "&Save Project", "Save &As Project",
                              "-", "&Delete Page", "-", "&Print", "Print Pre&view...",
                              "Export PD&F...", "Export Dra&wing...", "-", "E&xit"}));
        // Every entry of the File menu has an access key of its own.
        QSet<QChar> keys;
        for (const QString &text : menuTexts(topMenu(m_window.get(), "&File"))) {
            const qsizetype amp = text.indexOf('&');
            if (amp < 0)
                continue;
            const QChar key = text[amp + 1].toLower();
            QVERIFY2(!keys.contains(key), qPrintable(text));
            keys.insert(key);
        }
        const QList<QAction *> file = topMenu(m_window.get(), "&File")->actions();
        QVERIFY(file[7]->isEnabled());
        QCOMPARE(file[7]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
        QCOMPARE(
            menuTexts(topMenu(m_window.get(), "Po&sition")),
            (QStringList{"&Top of Screen", "&Center of Screen", "&Bottom of Screen", "&Special"}));
        const QStringList projector = menuTexts(topMenu(m_window.get(), "&Projector"));
        QCOMPARE(projector.size(), 5 + 1 + 14);
        QCOMPARE(projector.mid(0, 5), (QStringList{"CR-7100", "CR-7300", "CR-7400/CR-7400H",
                                                   "CR-75xx Series/CR-7600/7620J-M", "CR-7200"}));
        QCOMPARE(projector.last(), QStringLiteral("LX-550/LX-560"));
        QCOMPARE(m_window->seriesAction(Series::CR7100)->shortcut(), QKeySequence("F2"));
        QCOMPARE(m_window->lensAction(Model::LX410, 0)->shortcut(), QKeySequence("F7"));
        QCOMPARE(m_window->lensAction(Model::LX460, 0)->shortcut(), QKeySequence("F11"));
        QCOMPARE(m_window->lensAction(Model::LX530, 0)->shortcut(), QKeySequence("Ctrl+F7"));
        QCOMPARE(m_window->lensAction(Model::DX520, 0)->text(),
                 QStringLiteral("Optional Zoom Lens (LN-107) "));
        QCOMPARE(m_window->lensAction(Model::LX540, 0)->text(), QStringLiteral("LX-540"));
    }

    void choosingALensChecksOnlyItAndShowsDistances()
    {
        m_window->lensAction(Model::LX460, 0)->trigger();
        int checked = 0;
        for (const lumidex::SeriesEntry &s : lumidex::crtSeries())
            checked += m_window->seriesAction(s.series)->isChecked();
        for (const lumidex::ModelEntry &m : lumidex::dataProjectors()) {
            for (std::size_t k = 0; k < m.lenses.size(); ++k)
                checked += m_window->lensAction(m.model, int(k))->isChecked();
        }
        QCOMPARE(checked, 1);
        QVERIFY(m_window->lensAction(Model::LX460, 0)->isChecked());
        QCOMPARE(m_window->findChild<QLabel *>("lblLens")->text(),
                 QStringLiteral("Standard Zoom Lens"));
        QCOMPARE(m_window->drawingView()->distanceBox()->text(), QStringLiteral("151"));
        QVERIFY(m_window->drawingView()->distanceBox()->isReadOnly());
        QCOMPARE(m_window->findChild<QLabel *>("lblLens")->text(),
                 QStringLiteral("Standard Zoom Lens"));
        QVERIFY(m_window->positionAction(1)->isEnabled());
        QVERIFY(!m_window->positionAction(3)->isEnabled());
    }

    void inputSignalListFollowsTheModel()
    {
        m_window->lensAction(Model::LX450, 0)->trigger();
        auto *signal = m_window->findChild<QComboBox *>("cmbInputSignal");
        QVERIFY(signal->isVisible());
        QCOMPARE(signal->count(), 2);
        const QString standard = m_window->drawingView()->distanceBox()->text();
        signal->setCurrentIndex(1);
        emit signal->activated(1);
        QVERIFY(m_window->drawingView()->distanceBox()->text() != standard);
        m_window->lensAction(Model::LX460, 0)->trigger();
        QVERIFY(!signal->isVisible());
    }

    void sizeFieldHandsTheScreenToTheCalculator()
    {
        m_window->lensAction(Model::LX460, 0)->trigger();
        KeyFilteredEdit *width = m_window->sizeField(Dimension::Width);
        width->setFocus();
        width->selectAll();
        QTest::keyClicks(width, "1x20");
        QCOMPARE(width->text(), QStringLiteral("120"));
        QVERIFY(!m_window->sizeField(Dimension::Height)->isEnabled());
        QTest::keyClick(width, Qt::Key_Return);
        QCOMPARE(m_session->screenWindow().field(Dimension::Height).text, std::string("90"));
        QCOMPARE(m_window->sizeField(Dimension::Diagonal)->text(), QStringLiteral("150"));
        QVERIFY(m_window->sizeField(Dimension::Height)->isEnabled());
    }

    // Ctrl+C chooses "Center of Screen" wherever the cursor is, a text field included.
    void positionKeysWorkFromEveryField()
    {
        m_window->seriesAction(Series::CR7300)->trigger();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        for (const char *name : {"Text1(13)", "Text1(19)", "Text1(10)", "hdimbox"}) {
            m_window->positionAction(0)->trigger();
            auto *field = m_window->findChild<QLineEdit *>(QString::fromLatin1(name));
            QVERIFY2(field, name);
            field->setFocus();
            QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
            QVERIFY2(m_window->positionAction(1)->isChecked(), name);
        }
    }

    void crtSeriesTakesATypedDistance()
    {
        m_window->seriesAction(Series::CR7100)->trigger();
        QLineEdit *box = m_window->drawingView()->distanceBox();
        QVERIFY(!box->isReadOnly());
        QVERIFY(m_window->positionAction(3)->isEnabled());
        m_window->seriesAction(Series::CR7500)->trigger();
        QVERIFY(!m_window->positionAction(3)->isEnabled());
    }

    void drawingPaintsAtAnySize()
    {
        m_window->lensAction(Model::LX550, 1)->trigger();
        for (const QSize size : {QSize(300, 180), QSize(1900, 1000)}) {
            m_window->drawingView()->resize(size);
            const QImage image = m_window->drawingView()->grab().toImage();
            QCOMPARE(image.size(), size);
        }
    }

    void pageButtonsAddAndMoveBetweenPages()
    {
        auto *next = m_window->findChild<QPushButton *>("cmdPage(1)");
        auto *back = m_window->findChild<QPushButton *>("cmdPage(0)");
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(m_window->findChild<QLineEdit *>("txtPageNum(0)")->text(), QStringLiteral("2"));
        QCOMPARE(m_window->findChild<QLineEdit *>("txtPageNum(1)")->text(), QStringLiteral("2"));
        QCOMPARE(m_window->findChild<QLineEdit *>("Text1(19)")->text(),
                 QStringLiteral(" New Page"));
        QTest::mouseClick(back, Qt::LeftButton);
        QCOMPARE(m_window->findChild<QLineEdit *>("txtPageNum(0)")->text(), QStringLiteral("1"));
        QCOMPARE(m_window->findChild<QScrollBar *>("HScroll1")->value(), 1);
    }

    // One action of the installer redraws the window once, however many recalculations and
    // screen corrections the core goes through for it.
    void oneActionPaintsOnce()
    {
        struct PaintCounter : QObject
        {
            using QObject::QObject;
            bool eventFilter(QObject *, QEvent *event) override
            {
                paints += event->type() == QEvent::Paint;
                return false;
            }
            int paints = 0;
        } counter;
        m_window->drawingView()->installEventFilter(&counter);
        QSignalSpy refreshes(m_window.get(), &InstallationWindow::refreshed);
        KeyFilteredEdit *width = m_window->sizeField(Dimension::Width);
        const std::vector<std::pair<const char *, std::function<void()>>> actions{
            {"projector choice", [&] { m_window->lensAction(Model::LX460, 0)->trigger(); }},
            {"typed size with Enter", [&] { QTest::keyClick(width, Qt::Key_Return); }},
            {"page move",
             [&] {
                 QTest::mouseClick(m_window->findChild<QPushButton *>("cmdPage(1)"),
                                   Qt::LeftButton);
             }},
        };
        QStringList counts;
        for (const auto &[name, act] : actions) {
            if (std::string_view(name) == "typed size with Enter") {
                width->setFocus();
                width->selectAll();
                QTest::keyClicks(width, "120");
            }
            QTest::qWait(20);
            refreshes.clear();
            counter.paints = 0;
            act();
            QTest::qWait(20);
            counts << QStringLiteral("%1: %2 refreshes, %3 paints")
                          .arg(QLatin1String(name))
                          .arg(refreshes.size())
                          .arg(counter.paints);
        }
        qInfo("%s", qPrintable(counts.join(QStringLiteral("; "))));
        QCOMPARE(counts, (QStringList{"projector choice: 1 refreshes, 1 paints",
                                      "typed size with Enter: 1 refreshes, 1 paints",
                                      "page move: 1 refreshes, 1 paints"}));
    }

    void closingOnlyHidesTheWindow()
    {
        m_window->close();
        QVERIFY(!m_window->isVisible());
        m_window->show();
        QCOMPARE(m_window->findChild<QLineEdit *>("txtPageNum(1)")->text(), QStringLiteral("1"));
    }

    void lensFinderSelectsTheChosenLens()
    {
        LensFinderDialog finder(m_session->throwWindow(), m_session->focusTables());
        finder.show(); // Enter presses the window's Find button, as it does on screen
        auto *distance = finder.findChild<QLineEdit *>("distance");
        QTest::keyClicks(distance, "171");
        QTest::keyClick(distance, Qt::Key_Return);
        auto *table = finder.findChild<QTableWidget *>();
        QVERIFY(table->rowCount() > 3);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("LX-460 Standard Zoom Lens"));
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("151"));
        emit table->cellDoubleClicked(0, 0);
        QCOMPARE(finder.result(), int(QDialog::Accepted));
        QVERIFY(m_session->state().inputs.selection ==
                lumidex::Selection::dataProjector(Model::LX460, 0));
    }

    // The sheet on an image: the grey frame around the window's area, the heavy screen line
    // and a projector picture land where the page mapping puts them.
    void sheetPaintsFrameScreenAndProjector()
    {
        m_session->throwWindow().selectLens(Model::LX460, 0);
        const std::vector<lumidex::SheetElement> sheet =
            lumidex::composeSheet(m_session->document());
        QImage image(2200, 1600, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        SheetRenderer renderer;
        QVERIFY(renderer.render(painter, sheet));
        painter.end();

        // Page x = (sheet x + 400) / (1.1 x sheet width) of the image.
        const auto at = [&](double x, double y) {
            return QPoint(int((x + 400) * image.width() / (1.1 * lumidex::SheetWidth)),
                          int((y + 200) * image.height() / (1.1 * lumidex::SheetHeight)));
        };
        QCOMPARE(QColor(image.pixel(at(lumidex::SheetWidth / 2.0, 0))), QColor(0x80, 0x80, 0x80));
        const auto dark = [&](const QRect &r) {
            int n = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    n += qGray(image.pixel(x, y)) < 96;
            return n;
        };
        int checked = 0;
        for (const lumidex::SheetElement &e : sheet) {
            if (e.name == "screen_pic") {
                ++checked;
                const QPoint mid = at(e.x1, (e.y1 + e.y2) / 2);
                QVERIFY(dark(QRect(mid - QPoint(3, 3), QSize(7, 7))) > 10);
            }
            if (e.kind == lumidex::SheetElementKind::Picture && e.name == "nearPicture") {
                ++checked;
                const QRect r(at(e.rect.left, e.rect.top),
                              at(e.rect.left + e.rect.width, e.rect.top + e.rect.height));
                QVERIFY(dark(r.adjusted(0, 20, 0, 20)) > 0);
            }
        }
        QCOMPARE(checked, 2);
    }

    // All pages into one PDF; the window keeps the page it showed; a file that cannot be
    // written leaves nothing behind.
    void exportWritesEveryPageAndKeepsThePageShown()
    {
        lumidex::ProjectDocument &w = m_session->document();
        w.pageButton(1);
        w.pageButton(1);
        w.pageScroll(2);
        QTemporaryDir dir;
        const QString path = dir.filePath("sheets.pdf");
        QString why;
        QVERIFY(writeSheetsPdf(w, {}, path, "test", &why));
        QCOMPARE(w.currentPage(), 2);
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(bytes.count("/Type /Page\n"), 3);

        const QString missing = dir.filePath("no-such-folder/sheets.pdf");
        QVERIFY(!writeSheetsPdf(w, {}, missing, "test", &why));
        QVERIFY(!why.isEmpty());
        QVERIFY(!QFile::exists(missing));
    }

    // What the print dialog leaves in the printer becomes the print request.
    void printDialogChoicesBecomeTheRequest_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("copies");
        QTest::addColumn<bool>("toFile");
        QTest::addColumn<int>("expectedRange");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        using R = lumidex::PrintRange;
        QTest::newRow("all") << int(QPrinter::AllPages) << 1 << false << int(R::All) << 1 << 1;
        QTest::newRow("current page")
            << int(QPrinter::CurrentPage) << 1 << false << int(R::Selection) << 1 << 1;
        QTest::newRow("selection")
            << int(QPrinter::Selection) << 1 << false << int(R::Selection) << 1 << 1;
        QTest::newRow("range, two copies")
            << int(QPrinter::PageRange) << 2 << false << int(R::Pages) << 2 << 3;
        QTest::newRow("to a file") << int(QPrinter::AllPages) << 3 << true << int(R::All) << 1 << 1;
    }

    void printDialogChoicesBecomeTheRequest()
    {
        QFETCH(int, range);
        QFETCH(int, copies);
        QFETCH(bool, toFile);
        QFETCH(int, expectedRange);
        QFETCH(int, from);
        QFETCH(int, to);
        QPrinter printer;
        if (toFile)
            printer.setOutputFileName(QDir::temp().filePath("lumidex-never-written.pdf"));
        printer.setPrintRange(QPrinter::PrintRange(range));
        printer.setFromTo(2, 3);
        printer.setCopyCount(copies);
        const lumidex::PrintRequest r = SheetPrinting::requestOf(printer);
        QCOMPARE(int(r.range), expectedRange);
        QCOMPARE(r.copies, copies);
        // Whether a real printer is there depends on the machine; a file never takes a job per
        // copy.
        if (toFile)
            QVERIFY(!r.copyPerJob);
        if (r.range == lumidex::PrintRange::Pages) {
            QCOMPARE(r.fromPage, from);
            QCOMPARE(r.toPage, to);
        }
    }

    // A message while a page is shown keeps the scroll bar's arrow pressed, but moves no page.
    void oneScrollBarChangeMovesOnePage()
    {
        lumidex::ThrowWindow &w = m_session->throwWindow();
        w.selectSeries(Series::CR7200);
        m_dialogs->answers.push_back("-25"); // each showing says "Invalid parameter"
        w.selectPosition(3);
        m_session->document().pageButton(1);
        m_session->document().pageButton(0);
        auto *scroll = m_window->findChild<QScrollBar *>("HScroll1");
        QStyleOptionSlider option;
        option.initFrom(scroll);
        option.orientation = scroll->orientation();
        option.minimum = scroll->minimum();
        option.maximum = scroll->maximum();
        option.sliderPosition = option.sliderValue = scroll->value();
        const QRect arrow = scroll->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                            QStyle::SC_ScrollBarAddLine, scroll);
        m_dialogs->readingMs = 900; // beyond the arrow's repeat delay
        QTest::mousePress(scroll, Qt::LeftButton, {}, arrow.center());
        QTest::mouseRelease(scroll, Qt::LeftButton, {}, arrow.center());
        m_dialogs->readingMs = 0;
        QCOMPARE(m_session->document().currentPage(), 2);
        QCOMPARE(m_session->document().pageCount(), 2);
        QCOMPARE(scroll->value(), 2);
    }

    // One click on the throw angle asks for a custom angle.
    void throwAngleAnswersOneClick()
    {
        m_session->throwWindow().selectSeries(Series::CR7300);
        auto *angle = m_window->findChild<QLabel *>("lblTA");
        QVERIFY(angle && angle->isVisible());
        m_dialogs->answers.push_back("-5");
        QTest::mouseClick(angle, Qt::LeftButton);
        QCOMPARE(m_dialogs->prompts.size(), std::size_t(1));
        QCOMPARE(angle->text(), QStringLiteral("-5"));
    }

    // The angle prompt breaks its lines where the text has carriage returns.
    void anglePromptBreaksItsLines()
    {
        QtDialogs dialogs;
        QString label;
        QTimer::singleShot(0, this, [&label] {
            auto *prompt = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            QVERIFY(prompt);
            label = prompt->labelText();
            prompt->reject();
        });
        QVERIFY(!dialogs.input(lumidex::AnglePrompt, lumidex::AnglePromptTitle, "14"));
        QVERIFY(!label.contains(QLatin1Char('\r')));
        QCOMPARE(label.count(QLatin1Char('\n')), 6);
    }

    void sxgaDialogReturnsTheChoiceOrCancel()
    {
        for (const auto &[button, expected] :
             {std::pair{"cmdAspectMode0", 0}, std::pair{"cmdAspectMode1", 1},
              std::pair{"cmdCancel", -1}}) {
            SxgaDialog dialog;
            QTimer::singleShot(0, &dialog, [&dialog, name = button] {
                dialog.findChild<QPushButton *>(QString::fromLatin1(name))->click();
            });
            QCOMPARE(dialog.exec(), expected);
        }
        SxgaDialog closed;
        QTimer::singleShot(0, &closed, [&closed] { closed.reject(); });
        QCOMPARE(closed.exec(), -1);
    }

private:
    std::unique_ptr<ReadingDialogs> m_dialogs;
    std::unique_ptr<lumidex::Session> m_session;
    std::unique_ptr<InstallationWindow> m_window;
};

QTEST_MAIN(InstallationWindowTest)
#include "installationwindow_test.moc"
