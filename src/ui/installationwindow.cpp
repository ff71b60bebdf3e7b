#include "installationwindow.h"

#include "1-state/translation.h"
#include "3-catalogue/catalogue.h"
#include "drawingview.h"
#include "keyfilterededit.h"
#include "readablecolour.h"
#include "screenwidgets.h"
#include "sheetview.h"

#include <QAbstractItemView>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>

using lumidex::Dimension;
using lumidex::Model;
using lumidex::Series;

namespace {

QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QKeySequence shortcutOf(std::string_view text)
{
    return QKeySequence(qt(text));
}

} // namespace

// Pages change one at a time. Showing a page can raise a message, and the message's own event
// loop runs inside the scroll bar's mouse press: the arrow's repeat must not go on adding
// pages meanwhile.
class PageScrollBar : public QScrollBar
{
public:
    using QScrollBar::QScrollBar;
    void stopRepeating() { setRepeatAction(SliderNoAction); }
};

// The Position menu's keys work from every field: a field would otherwise take Ctrl+C as
// Copy (Ctrl+Insert still copies).
class PositionKeysFirst : public QObject
{
public:
    PositionKeysFirst(const std::array<QAction *, 4> &positions, QObject *parent)
        : QObject(parent), m_positions(positions)
    {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ShortcutOverride) {
            const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
            for (const QAction *a : m_positions) {
                if (!a->shortcut().isEmpty() && a->shortcut() == pressed)
                    return true; // left unaccepted: the shortcut goes to the menu
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::array<QAction *, 4> m_positions;
};

InstallationWindow::InstallationWindow(lumidex::ProjectDocument &document, QWidget *parent)
    : QMainWindow(parent), m_document(document), m_window(document.window())
{
    setObjectName(QStringLiteral("Throw"));

    // Order matters: the connections need every widget and action in place.
    createActions();
    createMenus();
    createCentralWidget();
    createConnections();
    nameControls();
    auto *positionKeys = new PositionKeysFirst(m_position, this);
    for (QLineEdit *field : findChildren<QLineEdit *>())
        field->installEventFilter(positionKeys);
    refresh();
}

void InstallationWindow::createActions()
{
    m_file.newProject = new QAction(tr("&New Project"), this);
    m_file.open = new QAction(tr("&Open Project"), this);
    m_file.save = new QAction(tr("&Save Project"), this);
    m_file.saveAs = new QAction(tr("Save &As Project"), this);
    // The keys every desktop program has for these; none of them is taken by another entry.
    m_file.newProject->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    m_file.open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_file.save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_file.saveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_file.deletePage = new QAction(tr("&Delete Page"), this);
    m_file.print = new QAction(tr("&Print"), this);
    m_file.print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    m_file.printPreview = new QAction(tr("Print Pre&view..."), this);
    m_file.exportPdf = new QAction(tr("Export PD&F..."), this);
    // W: D is Delete Page's.
    m_file.exportDrawing = new QAction(tr("Export Dra&wing..."), this);
    m_file.exit = new QAction(tr("E&xit"), this);
    m_file.exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    const std::array<QString, 3> units{tr("Inches"), tr("Feet"), tr("Millimeters")};
    const std::array<QKeySequence, 3> unitKeys{QKeySequence(Qt::CTRL | Qt::Key_I),
                                               QKeySequence(Qt::CTRL | Qt::Key_F),
                                               QKeySequence(Qt::CTRL | Qt::Key_M)};
    for (std::size_t i = 0; i < 3; ++i) {
        m_units[i] = new QAction(units[i], this);
        m_units[i]->setCheckable(true);
        m_units[i]->setShortcut(unitKeys[i]);
    }
    m_tips = new QAction(tr("&Tool Tips"), this);
    m_lensFinder = new QAction(tr("&Lens Finder..."), this);
    m_tips->setCheckable(true);
    m_throwPoint[0] = new QAction(tr("Front of Lens"), this);
    m_throwPoint[1] = new QAction(tr("Standard hole for installation"), this);
    for (QAction *a : m_throwPoint)
        a->setCheckable(true);

    for (const lumidex::SeriesEntry &s : lumidex::crtSeries()) {
        QAction *a = new QAction(qt(s.caption), this);
        a->setCheckable(true);
        a->setShortcut(shortcutOf(s.shortcut));
        m_series[std::size_t(s.series)] = a;
    }
    for (const lumidex::ModelEntry &m : lumidex::dataProjectors()) {
        std::vector<QAction *> lenses;
        for (std::size_t k = 0; k < m.lenses.size(); ++k) {
            // Lens names are translated; projector names are names.
            QAction *a = new QAction(m.hasLensSubmenu ? QString::fromStdString(lumidex::translate(
                                                            "Catalogue", m.lenses[k].caption))
                                                      : qt(m.caption),
                                     this);
            a->setCheckable(true);
            if (k == 0 && !m.shortcut.empty())
                a->setShortcut(shortcutOf(m.shortcut));
            lenses.push_back(a);
        }
        m_lenses.push_back(std::move(lenses));
    }

    const std::array<QString, 4> positions{tr("&Top of Screen"), tr("&Center of Screen"),
                                           tr("&Bottom of Screen"), tr("&Special")};
    const std::array<QKeySequence, 4> positionKeys{
        QKeySequence(Qt::CTRL | Qt::Key_T), QKeySequence(Qt::CTRL | Qt::Key_C),
        QKeySequence(Qt::CTRL | Qt::Key_B), QKeySequence()};
    for (std::size_t i = 0; i < 4; ++i) {
        m_position[i] = new QAction(positions[i], this);
        m_position[i]->setCheckable(true);
        m_position[i]->setShortcut(positionKeys[i]);
    }
    m_helpContents = new QAction(tr("&Contents"), this);
    m_about = new QAction(tr("&About Lumidex!"), this);
}

void InstallationWindow::createMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->addActions({m_file.newProject, m_file.open, m_file.save, m_file.saveAs});
    file->addSeparator();
    file->addAction(m_file.deletePage);
    file->addSeparator();
    file->addActions({m_file.print, m_file.printPreview, m_file.exportPdf, m_file.exportDrawing});
    file->addSeparator();
    file->addAction(m_file.exit);

    QMenu *options = menuBar()->addMenu(tr("&Options"));
    QMenu *units = options->addMenu(tr("&Measurement Units"));
    for (QAction *a : m_units)
        units->addAction(a);
    options->addAction(m_tips);
    options->addAction(m_lensFinder);
    QMenu *point = options->addMenu(tr("Throw Distance Point"));
    point->addActions({m_throwPoint[0], m_throwPoint[1]});

    QMenu *projector = menuBar()->addMenu(tr("&Projector"));
    for (QAction *a : m_series)
        projector->addAction(a);
    projector->addSeparator();
    const auto models = lumidex::dataProjectors();
    for (std::size_t i = 0; i < models.size(); ++i) {
        if (!models[i].hasLensSubmenu) {
            projector->addAction(m_lenses[i].front());
            continue;
        }
        QMenu *sub = projector->addMenu(qt(models[i].caption));
        for (QAction *a : m_lenses[i])
            sub->addAction(a);
    }

    QMenu *position = menuBar()->addMenu(tr("Po&sition"));
    for (QAction *a : m_position)
        position->addAction(a);

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->addAction(m_helpContents);
    help->addAction(m_about);
}

void InstallationWindow::createCentralWidget()
{
    m_sheet = new SheetView(this);

    m_drawing = new DrawingView(m_window, m_sheet);
    m_sheet->place(m_drawing, "drawing");

    auto staticLabel = [this](std::string_view name) {
        const lumidex::SheetItem *item = lumidex::sheetItem(name);
        auto *label = new QLabel(qt(lumidex::sheetCaption(*item)), m_sheet);
        m_sheet->place(label, name);
        return label;
    };
    auto valueLabel = [this](std::string_view name) {
        auto *label = new ClickableLabel(m_sheet);
        label->setObjectName(qt(name));
        label->setFrameShape(QFrame::Box);
        label->setAlignment(Qt::AlignCenter);
        // A value box looks like a field: the palette's field colours, so that its text reads
        // on a dark desktop as on a light one.
        label->setAutoFillBackground(true);
        label->setBackgroundRole(QPalette::Base);
        label->setForegroundRole(QPalette::Text);
        m_sheet->place(label, name);
        return label;
    };
    auto textField = [this](std::string_view name, const QString &text) {
        auto *edit = new QLineEdit(text, m_sheet);
        edit->setObjectName(qt(name));
        m_sheet->place(edit, name);
        return edit;
    };
    // Title block fields belong to the page: the window logic keeps their texts.
    auto titleField = [this, &textField](std::string_view name, lumidex::PageText field,
                                         int maxLength) {
        QLineEdit *edit = textField(name, {});
        if (maxLength > 0)
            edit->setMaxLength(maxLength);
        connect(edit, &QLineEdit::textEdited, this, [this, field](const QString &text) {
            m_window.setTitleText(field, text.toStdString());
            // A typed title-block text changes the page: the title mark and the recovery copy
            // follow it at once, not at the next redraw.
            setWindowModified(m_document.modified());
            emit pageTextEdited();
        });
        m_titleFields.emplace_back(edit, field);
        return edit;
    };

    // Drawing frame: lens, input signal, throw angle, LX-530 screen set-up.
    m_lensCaption = staticLabel("Label2(2)");
    m_lensLabel = valueLabel("lblLens");
    m_inputCaption = staticLabel("Label2(0)");
    m_inputSignal = new QComboBox(m_sheet);
    m_inputSignal->setObjectName(QStringLiteral("cmbInputSignal"));
    m_sheet->place(m_inputSignal, "cmbInputSignal");
    m_throwAngleCaption = staticLabel("Label2(1)");
    m_throwAngle = valueLabel("lblTA");
    m_aspectMode = valueLabel("lblAspectRatio");

    // File information.
    titleField("Text1(10)", lumidex::PageText::Title, 0);
    titleField("Text1(9)", lumidex::PageText::Date, 0);
    staticLabel("Label3");
    titleField("Text1(8)", lumidex::PageText::Author, 0);

    // Screen details: the size fields feed the screen calculator.
    const std::array<std::pair<Dimension, std::string_view>, 3> sizes{
        {{Dimension::Height, "Text1(16)"},
         {Dimension::Width, "Text1(13)"},
         {Dimension::Diagonal, "Text1(14)"}}};
    for (std::string_view label : {"Label2(14)", "Label2(15)", "Label2(16)", "Label2(17)"})
        staticLabel(label);
    for (const auto &[d, name] : sizes) {
        auto *edit = new KeyFilteredEdit(
            [this, d = d](char key) { return m_window.sizeKeyPress(d, key); }, m_sheet);
        edit->setObjectName(qt(name));
        edit->setAlignment(Qt::AlignRight);
        connect(edit, &QLineEdit::textEdited, this, [this, d = d](const QString &text) {
            m_window.setSizeText(d, text.toStdString());
        });
        m_size[std::size_t(d)] = edit;
        m_sheet->place(edit, name);
    }
    m_aspect = valueLabel("txtAspect");

    // Approvals and notes.
    staticLabel("Label2(12)");
    titleField("Text1(17)", lumidex::PageText::ApprovedBy, 24);
    titleField("Text1(18)", lumidex::PageText::Approval2, 24);
    staticLabel("Label2(13)");
    m_notes = titleField("Text1(19)", lumidex::PageText::Notes, 0);

    // Measure and revision.
    staticLabel("Label2(3)");
    m_measurement = valueLabel("lblMeasurement");
    staticLabel("Label2(4)");
    titleField("Text1(21)", lumidex::PageText::Revision, 10);

    // Pages.
    for (std::size_t i = 0; i < m_pageNumbers.size(); ++i) {
        m_pageNumbers[i] =
            textField(i == 0 ? "txtPageNum(0)" : "txtPageNum(1)", QStringLiteral("1"));
        m_pageNumbers[i]->setReadOnly(true);
        m_pageNumbers[i]->setAlignment(Qt::AlignCenter);
    }
    staticLabel("Label2(7)");
    for (std::size_t i = 0; i < m_pageButtons.size(); ++i) {
        const std::string_view name = i == 0 ? "cmdPage(0)" : "cmdPage(1)";
        m_pageButtons[i] = new QPushButton(qt(lumidex::sheetItem(name)->caption), m_sheet);
        m_pageButtons[i]->setObjectName(qt(name));
        m_sheet->place(m_pageButtons[i], name);
    }
    m_pageScroll = new PageScrollBar(Qt::Horizontal, m_sheet);
    m_pageScroll->setObjectName(QStringLiteral("HScroll1"));
    m_pageScroll->setRange(1, lumidex::MaxPages);
    m_pageScroll->setToolTip(tr("Click right button to create/scroll through pages, left to "
                                "scroll backwards."));
    m_sheet->place(m_pageScroll, "HScroll1");

    // On a small or high-DPI screen the window can be smaller than the sheet at its smallest:
    // the sheet then scrolls, and every field stays reachable.
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("sheetScroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setWidget(m_sheet);
    m_scroll->setFocusPolicy(Qt::NoFocus); // Tab goes to the fields, not to the scrolling
    m_scroll->setAccessibleName(tr("Installation sheet"));
    m_scroll->horizontalScrollBar()->setAccessibleName(tr("Scroll the sheet sideways"));
    m_scroll->verticalScrollBar()->setAccessibleName(tr("Scroll the sheet up and down"));
    setCentralWidget(m_scroll);
    m_sheet->orderTabsAsRead();
    m_drawing->setFocus();
}

// What a screen reader says for each control of the sheet. The sheet's captions stand apart
// from their fields, so the fields are named from them here; fields without a caption of their
// own are named for what they hold.
void InstallationWindow::nameControls()
{
    const auto captionOf = [](std::string_view label) {
        QString caption = qt(lumidex::sheetCaption(*lumidex::sheetItem(label)));
        caption.remove(QLatin1Char('&'));
        if (caption.endsWith(QLatin1Char(':')))
            caption.chop(1);
        return caption;
    };
    const std::array<std::pair<const char *, QString>, 22> names{{
        {"Text1(10)", tr("Title")},
        {"Text1(9)", tr("Date")},
        {"Text1(8)", captionOf("Label3")},
        {"Text1(16)", captionOf("Label2(14)")},
        {"Text1(13)", captionOf("Label2(15)")},
        {"Text1(14)", captionOf("Label2(16)")},
        {"txtAspect", captionOf("Label2(17)")},
        {"Text1(17)", captionOf("Label2(12)")},
        {"Text1(18)", tr("Approved by, second signature")},
        {"Text1(19)", captionOf("Label2(13)")},
        {"lblMeasurement", captionOf("Label2(3)")},
        {"Text1(21)", captionOf("Label2(4)")},
        {"lblLens", captionOf("Label2(2)")},
        {"cmbInputSignal", captionOf("Label2(0)")},
        {"lblTA", captionOf("Label2(1)")},
        {"lblAspectRatio", tr("Screen set-up")},
        {"txtPageNum(0)", tr("Page shown")},
        {"txtPageNum(1)", tr("Pages in the project")},
        {"cmdPage(0)", tr("Previous page")},
        {"cmdPage(1)", tr("Next page")},
        {"HScroll1", tr("Page")},
        {"hdimbox", tr("Throw distance")},
    }};
    for (const auto &[name, accessibleName] : names) {
        if (auto *w = findChild<QWidget *>(QString::fromLatin1(name)))
            w->setAccessibleName(accessibleName);
    }
    // The list that drops down takes the focus while it is open: a screen reader names it
    // after its box.
    m_inputSignal->view()->setAccessibleName(m_inputSignal->accessibleName());
}

QSize InstallationWindow::sizeHint() const
{
    // The sheet's own size, not the scroll area's guess.
    return QSize(m_sheet->sizeHint().width(),
                 m_sheet->sizeHint().height() + menuBar()->sizeHint().height());
}

void InstallationWindow::createConnections()
{
    // The core tells the window once per action, after every recalculation and screen
    // correction it took: the actions below only forward, and never refresh themselves.
    m_window.setChangedCallback([this] { refresh(); });

    connect(m_file.exit, &QAction::triggered, this, &QWidget::hide);
    connect(m_file.newProject, &QAction::triggered, this, [this] {
        const bool started = m_document.newProject();
        if (started)
            emit newProjectStarted();
    });
    connect(m_file.open, &QAction::triggered, this, [this] { m_document.openProject(); });
    connect(m_file.save, &QAction::triggered, this, [this] { m_document.saveProject(); });
    connect(m_file.deletePage, &QAction::triggered, this, [this] { m_document.deletePage(); });
    connect(m_file.saveAs, &QAction::triggered, this, [this] { m_document.saveProjectAs(); });
    connect(m_file.print, &QAction::triggered, this, &InstallationWindow::printRequested);
    connect(m_file.printPreview, &QAction::triggered, this,
            &InstallationWindow::printPreviewRequested);
    connect(m_file.exportPdf, &QAction::triggered, this, &InstallationWindow::exportPdfRequested);
    connect(m_file.exportDrawing, &QAction::triggered, this,
            &InstallationWindow::exportDrawingRequested);
    for (int i = 0; i < 2; ++i) {
        connect(m_pageButtons[std::size_t(i)], &QPushButton::clicked, this,
                [this, i] { m_document.pageButton(i); });
    }
    connect(m_pageScroll, &QScrollBar::valueChanged, this, &InstallationWindow::scrollToPage);
    for (std::size_t i = 0; i < m_units.size(); ++i) {
        connect(m_units[i], &QAction::triggered, this,
                [this, i] { m_window.selectUnits(lumidex::unitFromIndex(int(i))); });
    }
    connect(m_tips, &QAction::triggered, this, [this] { m_window.toggleTooltips(); });
    connect(m_lensFinder, &QAction::triggered, this, &InstallationWindow::lensFinderRequested);
    for (int i = 0; i < 2; ++i) {
        connect(m_throwPoint[std::size_t(i)], &QAction::triggered, this,
                [this, i] { m_window.selectThrowPoint(i); });
    }
    for (const lumidex::SeriesEntry &s : lumidex::crtSeries()) {
        connect(m_series[std::size_t(s.series)], &QAction::triggered, this,
                [this, series = s.series] { m_window.selectSeries(series); });
    }
    const auto models = lumidex::dataProjectors();
    for (std::size_t m = 0; m < models.size(); ++m) {
        for (std::size_t k = 0; k < m_lenses[m].size(); ++k) {
            connect(m_lenses[m][k], &QAction::triggered, this,
                    [this, model = models[m].model, k] { m_window.selectLens(model, int(k)); });
        }
    }
    for (int i = 0; i < 4; ++i) {
        connect(m_position[std::size_t(i)], &QAction::triggered, this,
                [this, i] { m_window.selectPosition(i); });
    }
    connect(m_helpContents, &QAction::triggered, this,
            [this] { emit helpRequested(lumidex::HelpRequest::contents()); });
    // F1 asks about what has the focus: the drawing is the projector's, as a click on its
    // picture is; elsewhere the contents, as in the screen calculator.
    auto *contextHelp = new QShortcut(QKeySequence::HelpContents, this);
    connect(contextHelp, &QShortcut::activated, this, [this] {
        const QWidget *focus = QApplication::focusWidget();
        if (focus && (focus == m_drawing || m_drawing->isAncestorOf(focus)))
            emit helpRequested(
                lumidex::HelpRequest::topic(lumidex::helpIdOf(m_window.state().inputs.selection)));
        else
            emit helpRequested(lumidex::HelpRequest::contents());
    });
    connect(m_about, &QAction::triggered, this, &InstallationWindow::aboutRequested);
    connect(m_inputSignal, &QComboBox::activated, this,
            [this](int index) { m_window.chooseInputSignal(index); });
    connect(m_throwAngle, &ClickableLabel::clicked, this, [this] { m_window.throwAngleClick(); });
    connect(m_aspect, &ClickableLabel::doubleClicked, this,
            [this] { m_window.aspectDoubleClick(); });
    connect(m_measurement, &ClickableLabel::doubleClicked, this, [this] { m_window.cycleUnits(); });
    connect(m_drawing, &DrawingView::pictureClicked, this,
            [this](int id) { emit helpRequested(lumidex::HelpRequest::topic(id)); });
}

void InstallationWindow::scrollToPage(int value)
{
    if (m_pageChanging)
        return; // the scroll bar is put back to the page shown afterwards
    m_pageChanging = true;
    m_pageScroll->stopRepeating();
    m_document.pageScroll(value);
    m_pageChanging = false;
    if (m_pageScroll->value() != m_document.currentPage()) {
        const QSignalBlocker quiet(m_pageScroll);
        m_pageScroll->setValue(m_document.currentPage());
    }
}

QAction *InstallationWindow::lensAction(Model model, int lens) const
{
    return m_lenses[std::size_t(model)][std::size_t(lens)];
}

QAction *InstallationWindow::seriesAction(Series series) const
{
    return m_series[std::size_t(series)];
}

void InstallationWindow::refresh()
{
    const lumidex::InstallationState &state = m_window.state();
    const lumidex::Selection &sel = state.inputs.selection;
    for (const lumidex::SeriesEntry &s : lumidex::crtSeries())
        m_series[std::size_t(s.series)]->setChecked(sel.isCrt() && sel.series == s.series);
    const auto models = lumidex::dataProjectors();
    for (std::size_t m = 0; m < models.size(); ++m) {
        for (std::size_t k = 0; k < m_lenses[m].size(); ++k)
            m_lenses[m][k]->setChecked(sel.isModel(models[m].model) && sel.lens == int(k));
    }
    for (int i = 0; i < 4; ++i) {
        m_position[std::size_t(i)]->setEnabled(m_window.positionEnabled(i));
        m_position[std::size_t(i)]->setChecked(m_window.checkedPosition() == i);
    }
    for (int i = 0; i < 3; ++i)
        m_units[std::size_t(i)]->setChecked(lumidex::unitIndex(m_window.checkedUnit()) == i);
    m_tips->setChecked(state.tipsEnabled);
    for (int i = 0; i < 2; ++i)
        m_throwPoint[std::size_t(i)]->setChecked(m_window.checkedThrowPoint() == i);

    m_sheet->setPanelCaption(1, QString::fromStdString(m_window.frameTitle()));
    setWindowTitle(QString::fromStdString(m_document.caption()) + QStringLiteral("[*]"));
    setWindowModified(m_document.modified());
    m_file.deletePage->setEnabled(m_document.canDeletePage());
    m_pageNumbers[0]->setText(QString::number(m_document.currentPage()));
    m_pageNumbers[1]->setText(QString::number(m_document.pageCount()));
    if (m_pageScroll->value() != m_document.currentPage()) {
        const QSignalBlocker quiet(m_pageScroll);
        m_pageScroll->setValue(m_document.currentPage());
    }
    m_lensLabel->setText(QString::fromStdString(m_window.lensLabel()));
    m_lensLabel->setVisible(!m_window.lensLabel().empty());
    m_lensCaption->setVisible(!m_window.lensLabel().empty());
    const bool signals_ = m_window.inputSignalVisible();
    m_inputCaption->setVisible(signals_);
    m_inputSignal->setVisible(signals_);
    if (signals_) {
        QStringList items;
        for (const std::string &s : m_window.inputSignals())
            items << QString::fromStdString(s);
        QStringList current;
        for (int i = 0; i < m_inputSignal->count(); ++i)
            current << m_inputSignal->itemText(i);
        if (current != items) {
            m_inputSignal->clear();
            m_inputSignal->addItems(items);
        }
        m_inputSignal->setCurrentIndex(m_window.inputSignalIndex());
    }
    const QString angle = QString::fromStdString(m_window.throwAngleText());
    m_throwAngle->setText(angle);
    m_throwAngle->setVisible(!angle.isEmpty());
    m_throwAngleCaption->setVisible(!angle.isEmpty());
    m_aspectMode->setText(QString::fromStdString(m_window.aspectModeCaption()));
    m_aspectMode->setVisible(!m_window.aspectModeCaption().empty());

    for (Dimension d : lumidex::AllDimensions) {
        KeyFilteredEdit *edit = m_size[std::size_t(d)];
        const QString text = QString::fromStdString(m_window.sizeText(d));
        if (edit->text() != text)
            edit->setText(text);
        edit->setEnabled(m_window.sizeEnabled(d));
    }
    m_aspect->setText(QString::fromStdString(m_window.aspectText()));
    m_measurement->setText(QString::fromStdString(m_window.unitsCaption()));
    for (const auto &[edit, field] : m_titleFields) {
        const QString text = QString::fromStdString(m_window.titleText(field));
        if (edit->text() != text) {
            edit->setText(text);
            edit->setCursorPosition(0); // show the start of a long text
        }
    }
    QPalette p = m_notes->palette();
    const lumidex::NoteColour colour = m_window.notesColour();
    p.setColor(QPalette::Text,
               fieldTextColour(m_notes, colour == lumidex::NoteColour::Red    ? QColor(255, 0, 0)
                                        : colour == lumidex::NoteColour::Blue ? QColor(0, 0, 255)
                                                                              : QColor(0, 0, 0)));
    m_notes->setPalette(p);
    // The automatic notes run longer than the field; the whole note shows over it.
    m_notes->setToolTip(m_notes->text());
    m_drawing->refresh();
    emit refreshed();
}

void InstallationWindow::closeEvent(QCloseEvent *event)
{
    // Closing only hides the window: the project stays for its next showing.
    event->ignore();
    m_window.closeWindow();
    hide();
}

void InstallationWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_tips->setChecked(m_window.state().tipsEnabled);
    QMainWindow::changeEvent(event);
}
