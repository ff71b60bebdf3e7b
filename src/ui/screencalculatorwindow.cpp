#include "screencalculatorwindow.h"

#include "1-state/translation.h"
#include "readablecolour.h"
#include "screenwidgets.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

using lumidex::Dimension;
using lumidex::ScreenWindow;

namespace {

QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The access key of a caption, upper case; a null character when it has none.
QChar mnemonicOf(const QString &caption)
{
    const qsizetype at = caption.indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < caption.size() ? caption.at(at + 1).toUpper() : QChar();
}

// A field caption as shown: without its access key when a menu of the window has that key.
QString captionShown(const std::string &caption, const QString &menuKeys)
{
    QString text = QString::fromStdString(caption);
    if (const QChar key = mnemonicOf(text); !key.isNull() && menuKeys.contains(key))
        text.remove(text.indexOf(QLatin1Char('&')), 1);
    return text;
}

} // namespace

ScreenCalculatorWindow::ScreenCalculatorWindow(ScreenWindow &window, QWidget *parent)
    : QMainWindow(parent), m_window(window)
{
    setObjectName(QStringLiteral("Screens"));
    setWindowTitle(QStringLiteral("Lumidex[*]"));

    // Order matters: the connections need every widget and action in place.
    createActions();
    createMenus();
    createCentralWidget();
    createConnections();
    refresh();
}

void ScreenCalculatorWindow::createActions()
{
    m_file.openProject = new QAction(tr("&Open Project"), this);
    m_file.openProject->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    m_file.exit = new QAction(tr("E&xit"), this);
    m_file.exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    m_options.alwaysOnTop = new QAction(tr("&Always on top"), this);
    m_options.alwaysOnTop->setCheckable(true);
    m_options.tooltips = new QAction(tr("&Tooltips"), this);
    m_options.tooltips->setCheckable(true);
    const std::array<QString, 3> unitCaptions{tr("&Inches"), tr("&Feet"), tr("&Metric")};
    const std::array<QKeySequence, 3> unitKeys{QKeySequence(Qt::CTRL | Qt::Key_I),
                                               QKeySequence(Qt::CTRL | Qt::Key_F),
                                               QKeySequence(Qt::CTRL | Qt::Key_M)};
    // Not an exclusive group: the units are menu check marks like every other choice, and the
    // calculator keeps exactly one of them checked.
    for (std::size_t i = 0; i < 3; ++i) {
        m_options.units[i] = new QAction(unitCaptions[i], this);
        m_options.units[i]->setCheckable(true);
        m_options.units[i]->setShortcut(unitKeys[i]);
    }
    // The old menu had this entry without an action; printing belongs to the installation
    // window.
    m_options.print = new QAction(tr("&Print"), this);

    const auto presets = lumidex::aspectPresets();
    for (std::size_t i = 0; i < m_screen.presets.size(); ++i) {
        const QString caption =
            i < presets.size()
                ? QString::fromStdString(lumidex::translate("ScreenModel", presets[i].menuCaption))
                : qt(lumidex::translate("ScreenModel", lumidex::CustomMenuCaption));
        m_screen.presets[i] = new QAction(caption, this);
        m_screen.presets[i]->setCheckable(true);
    }
    m_screen.determine = new QAction(tr("&Determine Aspect Ratio"), this);
    m_screen.film = new QAction(QStringLiteral("&Decimal  (Film)"), this);
    m_screen.film->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    m_screen.video = new QAction(QStringLiteral("&Ratio       (Video)"), this);
    m_screen.video->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    m_screen.film->setCheckable(true);
    m_screen.video->setCheckable(true);
    m_screen.brightnessSeating = new QAction(tr("&Brightness and Seating..."), this);

    m_help.contents = new QAction(tr("&Contents"), this);
    m_help.contents->setShortcut(QKeySequence::HelpContents);
    m_help.support = new QAction(tr("&Obtaining Technical Support"), this);
    m_help.about = new QAction(tr("&About Lumidex!"), this);
}

void ScreenCalculatorWindow::createMenus()
{
    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->addAction(m_file.openProject);
    file->addSeparator();
    file->addAction(m_file.exit);

    QMenu *options = menuBar()->addMenu(tr("&Options"));
    options->addAction(m_options.alwaysOnTop);
    options->addAction(m_options.tooltips);
    QMenu *units = options->addMenu(tr("&Units"));
    for (QAction *a : m_options.units)
        units->addAction(a);
    options->addAction(m_options.print);

    QMenu *screen = menuBar()->addMenu(tr("&Screen"));
    QMenu *ratio = screen->addMenu(tr("Change Aspect &Ratio"));
    for (QAction *a : m_screen.presets)
        ratio->addAction(a);
    screen->addAction(m_screen.determine);
    QMenu *measurement = screen->addMenu(tr("Measurement"));
    measurement->addAction(m_screen.film);
    measurement->addAction(m_screen.video);
    screen->addSeparator();
    screen->addAction(m_screen.brightnessSeating);

    QMenu *help = menuBar()->addMenu(tr("&Help"));
    for (QAction *menu : menuBar()->actions()) {
        if (const QChar key = mnemonicOf(menu->text()); !key.isNull())
            m_menuKeys.append(key);
    }
    help->addAction(m_help.contents);
    help->addSeparator();
    help->addAction(m_help.support);
    help->addAction(m_help.about);
}

void ScreenCalculatorWindow::createCentralWidget()
{
    auto *central = new QWidget(this);

    m_determinePanel = new QLabel(tr("Enter two of the three dimensions"), central);
    m_determinePanel->setObjectName(QStringLiteral("Panel3D4"));
    m_determinePanel->setAlignment(Qt::AlignCenter);
    m_determinePanel->setFrameShape(QFrame::StyledPanel);
    m_determinePanel->setAutoFillBackground(true);
    QPalette notice = m_determinePanel->palette();
    notice.setColor(QPalette::Window, QColor(255, 248, 220));
    notice.setColor(QPalette::WindowText, Qt::black); // a note on cream paper, whatever the desktop
    m_determinePanel->setPalette(notice);

    // Reading order: diagonal, width, height.
    const std::array<Dimension, 3> order{Dimension::Diagonal, Dimension::Width, Dimension::Height};
    const std::array<const char *, 3> names{"hite", "Wid", "diag"};
    auto *fields = new QGridLayout;
    fields->setHorizontalSpacing(6);
    fields->setVerticalSpacing(8);
    int row = 0;
    for (Dimension d : order) {
        auto *edit = new DimensionEdit(m_window, d, central);
        edit->setObjectName(QString::fromLatin1(names[index(d)]));
        edit->setAlignment(Qt::AlignRight);
        edit->setMinimumWidth(90);
        auto *label = new QLabel(central);
        // A caption whose access key a menu already has ("&Height" beside "&Help") gives it
        // to the menu: Alt+H opens Help, as in every other window.
        if (captionShown(m_window.field(d).label, m_menuKeys).contains(QLatin1Char('&')))
            label->setBuddy(edit);
        label->setMinimumWidth(110);
        auto *spinner = new Spinner(central);
        spinner->setObjectName(QStringLiteral("ScreenSpinner%1").arg(index(d)));
        m_fields[index(d)] = edit;
        m_labels[index(d)] = label;
        m_spinners[index(d)] = spinner;
        fields->addWidget(label, row, 0);
        fields->addWidget(edit, row, 1);
        fields->addWidget(spinner, row, 2);
        ++row;
    }
    m_units = new ClickableLabel(central);
    m_units->setObjectName(QStringLiteral("unitz"));
    fields->addWidget(m_units, row, 0, 1, 3);
    fields->setRowStretch(row + 1, 1);

    m_preview = new ScreenPreview(central);
    m_aspect = new ClickableLabel(central);
    m_aspect->setObjectName(QStringLiteral("Aspct"));
    QFont bold = m_aspect->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    m_aspect->setFont(bold);
    m_aspectChange = new QToolButton(central);
    m_aspectChange->setObjectName(QStringLiteral("AspectChange"));
    m_aspectChange->setText(QStringLiteral("A"));
    m_aspectChange->setToolTip(tr("Next aspect ratio"));

    auto *aspectRow = new QHBoxLayout;
    aspectRow->addStretch();
    aspectRow->addWidget(m_aspect);
    aspectRow->addWidget(m_aspectChange);
    aspectRow->addStretch();
    auto *previewColumn = new QVBoxLayout;
    previewColumn->addWidget(m_preview, 1);
    previewColumn->addLayout(aspectRow);

    m_expert = new QToolButton(central);
    m_expert->setObjectName(QStringLiteral("Image1"));
    m_expert->setIcon(QIcon(QStringLiteral(":/lumidex/expert.svg")));
    m_expert->setIconSize(QSize(32, 32));
    m_expert->setAutoRaise(true);
    m_expert->setToolTip(tr("Expert mode on or off"));
    // A picture and no caption: a screen reader needs a name to say.
    m_expert->setAccessibleName(tr("Expert mode"));
    m_calc = new QPushButton(central);
    m_calc->setObjectName(QStringLiteral("Calc"));
    m_calc->setMinimumWidth(130);
    m_calc->setAutoDefault(false);

    auto *top = new QHBoxLayout;
    top->addLayout(fields);
    top->addSpacing(12);
    top->addLayout(previewColumn, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_expert);
    bottom->addStretch();
    bottom->addWidget(m_calc);

    auto *layout = new QVBoxLayout(central);
    layout->addWidget(m_determinePanel);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
    setCentralWidget(central);

    setTabOrder(m_fields[index(Dimension::Diagonal)], m_fields[index(Dimension::Width)]);
    setTabOrder(m_fields[index(Dimension::Width)], m_fields[index(Dimension::Height)]);
    setTabOrder(m_fields[index(Dimension::Height)], m_calc);

    m_iconTimer = new QTimer(this);
    m_iconTimer->setInterval(1000);
}

void ScreenCalculatorWindow::createConnections()
{
    m_window.setChangedCallback([this] { refresh(); });

    connect(m_file.exit, &QAction::triggered, this, &ScreenCalculatorWindow::exitRequested);
    connect(m_file.openProject, &QAction::triggered, this,
            &ScreenCalculatorWindow::openProjectRequested);
    connect(m_options.alwaysOnTop, &QAction::triggered, this, [this] {
        m_window.toggleAlwaysOnTop();
        applyAlwaysOnTop();
    });
    connect(m_options.tooltips, &QAction::triggered, this, [this] { m_window.toggleTooltips(); });
    for (std::size_t i = 0; i < m_options.units.size(); ++i) {
        connect(m_options.units[i], &QAction::triggered, this,
                [this, i] { m_window.selectUnits(lumidex::unitFromIndex(int(i))); });
    }
    for (std::size_t i = 0; i < m_screen.presets.size(); ++i) {
        connect(m_screen.presets[i], &QAction::triggered, this,
                [this, i] { m_window.selectPreset(int(i)); });
    }
    connect(m_screen.determine, &QAction::triggered, this, [this] {
        m_window.enterDetermineMode();
        m_fields[index(Dimension::Diagonal)]->setFocus();
    });
    connect(m_screen.film, &QAction::triggered, this, [this] { m_window.selectMeasurement(true); });
    connect(m_screen.video, &QAction::triggered, this,
            [this] { m_window.selectMeasurement(false); });
    connect(m_screen.brightnessSeating, &QAction::triggered, this,
            &ScreenCalculatorWindow::brightnessSeatingRequested);
    connect(m_help.contents, &QAction::triggered, this,
            [this] { emit helpRequested(lumidex::HelpRequest::contents()); });
    connect(m_help.support, &QAction::triggered, this, [this] {
        emit helpRequested(lumidex::HelpRequest::topic(lumidex::HelpTechnicalSupport));
    });
    connect(m_help.about, &QAction::triggered, this, &ScreenCalculatorWindow::aboutRequested);

    for (Dimension d : lumidex::AllDimensions) {
        connect(m_fields[index(d)], &DimensionEdit::shiftClicked, this,
                [this, d] { m_window.shiftClick(d); });
        connect(m_spinners[index(d)], &Spinner::up, this, [this, d] { m_window.spinUp(d); });
        connect(m_spinners[index(d)], &Spinner::down, this, [this, d] { m_window.spinDown(d); });
    }
    connect(m_units, &ClickableLabel::doubleClicked, this, [this] { m_window.cycleUnits(); });
    connect(m_aspect, &ClickableLabel::doubleClicked, this, [this] { m_window.nextPreset(); });
    connect(m_aspectChange, &QToolButton::clicked, this, [this] { m_window.nextPreset(); });
    connect(m_expert, &QToolButton::clicked, this, [this] { m_window.toggleExpertMode(); });
    connect(m_calc, &QPushButton::clicked, this, [this] { m_window.calc(); });
    connect(m_iconTimer, &QTimer::timeout, this, &ScreenCalculatorWindow::showNextIconFrame);
}

void ScreenCalculatorWindow::refresh()
{
    for (Dimension d : lumidex::AllDimensions) {
        const lumidex::ScreenField &f = m_window.field(d);
        DimensionEdit *edit = m_fields[index(d)];
        const QString text = QString::fromStdString(f.text);
        if (edit->text() != text)
            edit->setText(text);
        edit->setEnabled(f.enabled);
        QPalette p = edit->palette();
        p.setColor(QPalette::Text,
                   fieldTextColour(edit, f.colour == lumidex::TextColour::Red ? QColor(255, 0, 0)
                                                                              : QColor(0, 0, 0)));
        edit->setPalette(p);
        const QString caption = captionShown(f.label, m_menuKeys);
        m_labels[index(d)]->setText(caption);
        // The caption names the field for a screen reader even where it gave its access key
        // to a menu and so is no buddy of the field.
        edit->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
        m_spinners[index(d)]->setVisible(f.spinnerVisible);
    }
    m_units->setText(QString::fromStdString(m_window.unitsCaption()));
    m_aspect->setText(QString::fromStdString(m_window.aspectCaption()));
    m_aspect->setVisible(m_window.aspectVisible());
    m_determinePanel->setVisible(m_window.determinePanelVisible());
    m_calc->setText(QString::fromStdString(m_window.calcCaption()));
    m_preview->setOutline(m_window.visibleOutline());

    for (std::size_t i = 0; i < m_screen.presets.size(); ++i)
        m_screen.presets[i]->setChecked(int(i) == m_window.checkedPreset());
    m_screen.film->setChecked(m_window.filmChecked());
    m_screen.video->setChecked(!m_window.filmChecked());
    for (std::size_t i = 0; i < m_options.units.size(); ++i)
        m_options.units[i]->setChecked(int(i) == lumidex::unitIndex(m_window.checkedUnit()));
    m_options.alwaysOnTop->setChecked(m_window.alwaysOnTop());
    m_options.tooltips->setChecked(m_window.tooltipsChecked());

    if (m_window.takeCalcFocusRequest())
        m_calc->setFocus();
    emit refreshed();
}

void ScreenCalculatorWindow::applyAlwaysOnTop()
{
    if (m_onTop == m_window.alwaysOnTop())
        return;
    m_onTop = m_window.alwaysOnTop();
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, m_onTop);
    if (wasVisible)
        show(); // changing the flags hides a window
}

void ScreenCalculatorWindow::showNextIconFrame()
{
    // The animation pictures are loaded the first time the window is minimised.
    if (m_iconFrames[0].isNull()) {
        m_iconFrames = {QIcon(QStringLiteral(":/lumidex/pj1.svg")),
                        QIcon(QStringLiteral(":/lumidex/pj2.svg")),
                        QIcon(QStringLiteral(":/lumidex/pj3.svg"))};
    }
    setWindowIcon(m_iconFrames[std::size_t(m_window.nextIconFrame())]);
}

void ScreenCalculatorWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange) {
        if (isMinimized()) {
            if (!m_iconTimer->isActive())
                m_restingIcon = windowIcon(); // the program's own, unless set otherwise
            m_iconTimer->start();
        } else if (m_iconTimer->isActive()) {
            m_iconTimer->stop();
            setWindowIcon(m_restingIcon);
        }
    } else if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        m_window.activate();
    }
    QMainWindow::changeEvent(event);
}

void ScreenCalculatorWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape from a field or the Calc button: a field's own keys leave it unhandled.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_window.cancelEntry();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void ScreenCalculatorWindow::closeEvent(QCloseEvent *event)
{
    // The program ends, once the project's changes are settled; until then the window stays.
    event->ignore();
    emit exitRequested();
}
