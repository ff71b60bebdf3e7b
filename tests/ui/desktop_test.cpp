// What a desktop user expects of any program here: keys that do not fight each other, Tab in
// reading order, a help window that goes with Escape, a name for every control a screen reader
// reaches.

#include "3-catalogue/catalogue.h"
#include "brightnessseatingwindow.h"
#include "drawingview.h"
#include "helpwindow.h"
#include "installationwindow.h"
#include "program.h"
#include "screencalculatorwindow.h"
#include "scripteddialogs.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QShortcut>
#include <QTest>
#include <cmath>

using lumidex::fakes::ScriptedDialogs;

namespace {

// Every key a window answers to, with the entries that take it.
QMultiMap<QString, QString> keysOf(QWidget *window)
{
    QMultiMap<QString, QString> keys;
    for (QAction *a : window->findChildren<QAction *>()) {
        if (!a->shortcut().isEmpty())
            keys.insert(a->shortcut().toString(), a->text());
    }
    for (QShortcut *s : window->findChildren<QShortcut *>())
        keys.insert(s->key().toString(), QStringLiteral("shortcut"));
    return keys;
}

double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QAction *fileEntry(QMainWindow *window, const QString &text)
{
    for (QAction *a : window->menuBar()->actions().first()->menu()->actions()) {
        if (a->text() == text)
            return a;
    }
    return nullptr;
}

} // namespace

class DesktopTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_program = std::make_unique<Program>(lumidex::StartOptions{},
                                              QCoreApplication::applicationDirPath(), &m_dialogs);
        m_program->start();
        m_program->screenWindow().calc(); // "&Layout"
    }

    void cleanup() { m_program.reset(); }

    void standardKeysAreOnTheFileMenus_data()
    {
        QTest::addColumn<bool>("installation");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QKeySequence>("key");
        QTest::newRow("calculator open") << false << "&Open Project" << QKeySequence("Ctrl+O");
        QTest::newRow("calculator exit") << false << "E&xit" << QKeySequence("Ctrl+Q");
        QTest::newRow("new") << true << "&New Project" << QKeySequence("Ctrl+N");
        QTest::newRow("open") << true << "&Open Project" << QKeySequence("Ctrl+O");
        QTest::newRow("save") << true << "&Save Project" << QKeySequence("Ctrl+S");
        QTest::newRow("save as") << true << "Save &As Project" << QKeySequence("Ctrl+Shift+S");
        QTest::newRow("print") << true << "&Print" << QKeySequence("Ctrl+P");
        QTest::newRow("exit") << true << "E&xit" << QKeySequence("Ctrl+Q");
    }

    void standardKeysAreOnTheFileMenus()
    {
        QFETCH(bool, installation);
        QFETCH(QString, entry);
        QFETCH(QKeySequence, key);
        QMainWindow *window = installation
                                  ? static_cast<QMainWindow *>(m_program->installationWindow())
                                  : m_program->mainWindow();
        QAction *action = fileEntry(window, entry);
        QVERIFY(action);
        QCOMPARE(action->shortcut(), key);
    }

    void noKeyIsTakenTwiceInAWindow()
    {
        for (QWidget *window : {static_cast<QWidget *>(m_program->mainWindow()),
                                static_cast<QWidget *>(m_program->installationWindow())}) {
            const QMultiMap<QString, QString> keys = keysOf(window);
            for (const QString &key : keys.uniqueKeys())
                QVERIFY2(keys.count(key) == 1,
                         qPrintable(window->objectName() + ": " + key + " is taken by " +
                                    QStringList(keys.values(key)).join(", ")));
        }
    }

    void tabFollowsTheSheetAsItIsRead()
    {
        InstallationWindow *window = m_program->installationWindow();
        QStringList order;
        QWidget *first = window->drawingView();
        QWidget *w = first;
        do {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window) && w->isEnabled() &&
                !w->objectName().isEmpty())
                order << w->objectName();
            w = w->nextInFocusChain();
        } while (w != first && order.size() < 40);
        // The drawing and its distance box, then the bottom panels from left to right (the
        // input signal list is hidden for this projector).
        const QStringList reading{"drawing",       "hdimbox",       "Text1(10)",  "Text1(9)",
                                  "Text1(8)",      "Text1(16)",     "Text1(13)",  "Text1(14)",
                                  "Text1(17)",     "Text1(18)",     "Text1(19)",  "Text1(21)",
                                  "txtPageNum(0)", "txtPageNum(1)", "cmdPage(0)", "cmdPage(1)"};
        QCOMPARE(order, reading);
    }

    void f1AsksAboutWhatHasTheFocus()
    {
        InstallationWindow *window = m_program->installationWindow();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        std::vector<lumidex::HelpRequest> asked;
        connect(window, &InstallationWindow::helpRequested, this,
                [&asked](const lumidex::HelpRequest &r) { asked.push_back(r); });
        window->drawingView()->setFocus();
        QTest::keyClick(window->drawingView(), Qt::Key_F1);
        window->findChild<QWidget *>("Text1(8)")->setFocus();
        QTest::keyClick(window->findChild<QWidget *>("Text1(8)"), Qt::Key_F1);
        QCOMPARE(asked.size(), std::size_t{2});
        // The drawing is the projector's topic, as a click on its picture; a title field has
        // none of its own.
        QCOMPARE(asked[0].contextId, lumidex::helpIdOf(m_program->state().inputs.selection));
        QCOMPARE(asked[1].command, lumidex::HelpCommand::Finder);
    }

    // Thirteen fields were heard as "edit" and nothing more before.
    void everyControlHasAnAccessibleName()
    {
        m_program->showBrightnessSeating();
        QStringList unnamed;
        int controls = 0;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (!window->isVisible())
                continue;
            for (QWidget *w : window->findChildren<QWidget *>()) {
                const bool control =
                    qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w) ||
                    qobject_cast<QComboBox *>(w) || qobject_cast<QAbstractSlider *>(w) ||
                    qobject_cast<QAbstractItemView *>(w) || (w->focusPolicy() & Qt::TabFocus);
                if (!control || !w->isVisibleTo(window) || qobject_cast<QMenu *>(w))
                    continue;
                ++controls;
                QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
                if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
                    unnamed << window->objectName() + "/" + w->objectName() + " (" +
                                   w->metaObject()->className() + ")";
            }
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(", ")));
        QVERIFY2(controls > 25, qPrintable(QString::number(controls))); // the walk reached them
    }

    void theDrawingReadsOutItsDimensions()
    {
        QAccessibleInterface *drawing =
            QAccessible::queryAccessibleInterface(m_program->installationWindow()->drawingView());
        const QString text = drawing->text(QAccessible::Description);
        QVERIFY2(text.contains(QRegularExpression("Throw distance [0-9]+ inches")),
                 qPrintable(text));
        QVERIFY2(text.contains(QRegularExpression("Screen height 60 inches")), qPrintable(text));
    }

    // The Lens, Aspect and Measure boxes were white on white with a dark palette.
    void aDarkPaletteKeepsEveryTextReadable()
    {
        const QPalette light = QApplication::palette();
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(53, 53, 53));
        dark.setColor(QPalette::WindowText, Qt::white);
        dark.setColor(QPalette::Base, QColor(35, 35, 35));
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::Button, QColor(53, 53, 53));
        dark.setColor(QPalette::ButtonText, Qt::white);
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(dark);
        QCoreApplication::processEvents();
        m_program->screenWindow().calc(); // redisplay in the new colours
        QStringList unreadable;
        for (QWidget *window : {static_cast<QWidget *>(m_program->mainWindow()),
                                static_cast<QWidget *>(m_program->installationWindow())}) {
            for (QWidget *w : window->findChildren<QWidget *>()) {
                if (!w->isVisibleTo(window))
                    continue;
                QColor text;
                QColor ground;
                if (auto *edit = qobject_cast<QLineEdit *>(w)) {
                    if (edit->text().isEmpty())
                        continue;
                    text = edit->palette().color(QPalette::Text);
                    ground = edit->palette().color(QPalette::Base);
                } else if (auto *label = qobject_cast<QLabel *>(w)) {
                    if (label->text().isEmpty() || !label->autoFillBackground())
                        continue;
                    text = label->palette().color(label->foregroundRole());
                    ground = label->palette().color(label->backgroundRole());
                } else {
                    continue;
                }
                if (contrast(text, ground) < 3.0)
                    unreadable << window->objectName() + "/" + w->objectName();
            }
        }
        QApplication::setPalette(light);
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(", ")));
    }

    // At QT_SCALE_FACTOR=2 a 1600x1000 screen is 800x500 logical pixels; the installation
    // window and Brightness and Seating were taller than that.
    void theBigWindowsFitSmallAndHighDpiScreens_data()
    {
        QTest::addColumn<QSize>("screen"); // logical pixels
        QTest::newRow("1366x768 at scale 1") << QSize(1366, 768);
        QTest::newRow("1600x1000 at scale 2") << QSize(800, 500);
    }

    void theBigWindowsFitSmallAndHighDpiScreens()
    {
        QFETCH(QSize, screen);
        const QSize room = screen - QSize(16, 48); // the window manager's frame and title
        m_program->showBrightnessSeating();
        QWidget *brightness = m_program->brightnessSeatingWindow();
        for (QWidget *window :
             {static_cast<QWidget *>(m_program->installationWindow()), brightness}) {
            QVERIFY2(window->minimumSizeHint().width() <= room.width() &&
                         window->minimumSizeHint().height() <= room.height(),
                     qPrintable(window->objectName()));
            window->resize(window->minimumSizeHint().expandedTo(room.boundedTo(window->size())));
        }
        // Close stays in view, and the last of the sheet's fields can be scrolled to.
        QPushButton *close = nullptr;
        for (QPushButton *b : brightness->findChildren<QPushButton *>()) {
            if (b->text() == QStringLiteral("Close"))
                close = b;
        }
        QVERIFY(close);
        QVERIFY(brightness->rect().contains(
            QRect(close->mapTo(brightness, QPoint(0, 0)), close->size())));
        auto *scroll = m_program->installationWindow()->findChild<QScrollArea *>("sheetScroll");
        QWidget *last = m_program->installationWindow()->findChild<QWidget *>("HScroll1");
        scroll->ensureWidgetVisible(last);
        QVERIFY(scroll->viewport()->rect().contains(
            QRect(last->mapTo(scroll->viewport(), QPoint(0, 0)), last->size())));
    }

    // A German "12,5" became 125: the comma was dropped.
    void numbersAreTypedAsTheDesktopWritesThem_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<float>("diagonal");
        QTest::newRow("German comma") << QLocale(QLocale::German) << "12,5" << 12.5f;
        QTest::newRow("German full stop") << QLocale(QLocale::German) << "12.5" << 12.5f;
        QTest::newRow("English comma refused, a thousands separator")
            << QLocale(QLocale::English) << "12,5" << 125.0f;
        QTest::newRow("letter refused") << QLocale(QLocale::German) << "1x2" << 12.0f;
    }

    void numbersAreTypedAsTheDesktopWritesThem()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, typed);
        QFETCH(float, diagonal);
        const QLocale before;
        QLocale::setDefault(locale);
        auto *field = m_program->mainWindow()->findChild<QLineEdit *>("diag");
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, typed);
        QTest::keyClick(field, Qt::Key_Enter);
        QLocale::setDefault(before);
        QCOMPARE(m_program->state().screen.diagonal, diagonal);
    }

    void helpWindowClosesWithEscapeAndCtrlW_data()
    {
        QTest::addColumn<QKeySequence>("key");
        QTest::newRow("Escape") << QKeySequence(Qt::Key_Escape);
        QTest::newRow("Ctrl+W") << QKeySequence(Qt::CTRL | Qt::Key_W);
    }

    void helpWindowClosesWithEscapeAndCtrlW()
    {
        QFETCH(QKeySequence, key);
        m_program->openHelp(lumidex::HelpRequest::contents());
        HelpWindow *help = m_program->helpWindow();
        QVERIFY(QTest::qWaitForWindowActive(help));
        QTest::keySequence(help, key);
        QTRY_VERIFY(!help->isVisible());
    }

private:
    ScriptedDialogs m_dialogs;
    std::unique_ptr<Program> m_program;
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
