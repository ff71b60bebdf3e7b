#include "installationwindow.h"

#include "drawingview.h"
#include "keyfilterededit.h"
#include "screenwidgets.h"

#include <QActionGroup>
#include <QComboBox>
#include <QDate>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

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

InstallationWindow::InstallationWindow(lumidex::ThrowWindow &window, QWidget *parent)
    : QMainWindow(parent), m_window(window)
{
    setObjectName(QStringLiteral("Throw"));
    setWindowTitle(QStringLiteral("Installation Dimensions"));

    // Order matters: the connections need every widget and action in place.
    createActions();
    createMenus();
    createCentralWidget();
    createConnections();
    refresh();
}

void InstallationWindow::createActions()
{
    m_file.newProject = new QAction(tr("&New Project"), this);
    m_file.open = new QAction(tr("&Open Project"), this);
    m_file.save = new QAction(tr("&Save Project"), this);
    m_file.saveAs = new QAction(tr("Save &As Project"), this);
    m_file.print = new QAction(tr("&Print"), this);
    m_file.print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    // Project files and printing arrive with the pages; until then the entries are shown
    // but not offered.
    for (QAction *a : {m_file.newProject, m_file.open, m_file.save, m_file.saveAs, m_file.print})
        a->setEnabled(false);
    m_file.exit = new QAction(tr("E&xit"), this);

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
            QAction *a = new QAction(qt(m.hasLensSubmenu ? m.lenses[k].caption : m.caption), this);
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
    file->addAction(m_file.print);
    file->addSeparator();
    file->addAction(m_file.exit);

    QMenu *options = menuBar()->addMenu(tr("&Options"));
    QMenu *units = options->addMenu(tr("&Measurement Units"));
    for (QAction *a : m_units)
        units->addAction(a);
    options->addAction(m_tips);
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
    auto *central = new QWidget(this);

    m_frame = new QGroupBox(central);
    m_frame->setObjectName(QStringLiteral("fraThrow1"));
    m_drawing = new DrawingView(m_window, m_frame);
    m_lensLabel = new QLabel(m_frame);
    m_lensLabel->setObjectName(QStringLiteral("lblLens"));
    m_inputCaption = new QLabel(tr("Input:"), m_frame);
    m_inputSignal = new QComboBox(m_frame);
    m_inputSignal->setObjectName(QStringLiteral("cmbInputSignal"));
    m_throwAngleCaption = new QLabel(tr("Throw Angle:"), m_frame);
    m_throwAngle = new ClickableLabel(m_frame);
    m_throwAngle->setObjectName(QStringLiteral("lblTA"));
    m_aspectMode = new QLabel(m_frame);
    m_aspectMode->setObjectName(QStringLiteral("lblAspectRatio"));

    auto *info = new QHBoxLayout;
    info->addWidget(new QLabel(tr("Lens:"), m_frame));
    info->addWidget(m_lensLabel);
    info->addSpacing(16);
    info->addWidget(m_inputCaption);
    info->addWidget(m_inputSignal);
    info->addSpacing(16);
    info->addWidget(m_throwAngleCaption);
    info->addWidget(m_throwAngle);
    info->addSpacing(16);
    info->addWidget(m_aspectMode);
    info->addStretch();
    auto *frameLayout = new QVBoxLayout(m_frame);
    frameLayout->addWidget(m_drawing, 1);
    frameLayout->addLayout(info);

    // Title block: file information, screen details, approvals and notes, measure.
    auto *fileInfo = new QGroupBox(tr("File Information"), central);
    auto *title = new QLineEdit(QStringLiteral("                   Enter title here"), fileInfo);
    auto *date = new QLineEdit(QDate::currentDate().toString(Qt::ISODate), fileInfo);
    auto *author = new QLineEdit(QStringLiteral(" Author"), fileInfo);
    auto *fileForm = new QFormLayout(fileInfo);
    fileForm->addRow(title);
    fileForm->addRow(date);
    fileForm->addRow(tr("By:"), author);

    auto *screen = new QGroupBox(tr("Screen Details"), central);
    auto *screenForm = new QFormLayout(screen);
    const std::array<std::pair<Dimension, QString>, 3> sizes{
        {{Dimension::Height, tr("Height:")},
         {Dimension::Width, tr("Width:")},
         {Dimension::Diagonal, tr("Diagonal:")}}};
    const std::array<QString, 3> tips{tr("Enter new vertical screen size"),
                                      tr("Enter new horizontal screen size"),
                                      tr("Enter new diagonal screen size.")};
    for (const auto &[d, caption] : sizes) {
        auto *edit = new KeyFilteredEdit(
            [this, d = d](char key) {
                const bool goesIn = m_window.sizeKeyPress(d, key);
                refresh();
                return goesIn;
            },
            screen);
        edit->setToolTip(tips[std::size_t(d)]);
        edit->setAlignment(Qt::AlignRight);
        connect(edit, &QLineEdit::textEdited, this, [this, d = d](const QString &text) {
            m_window.setSizeText(d, text.toStdString());
        });
        m_size[std::size_t(d)] = edit;
        screenForm->addRow(caption, edit);
    }
    m_aspect = new ClickableLabel(screen);
    m_aspect->setObjectName(QStringLiteral("txtAspect"));
    m_aspect->setFrameShape(QFrame::StyledPanel);
    m_aspect->setToolTip(tr("Double click to cycle through aspect ratios."));
    screenForm->addRow(tr("Aspect:"), m_aspect);

    auto *approvals = new QGroupBox(central);
    auto *approvalForm = new QGridLayout(approvals);
    approvalForm->addWidget(new QLabel(tr("Approved by:"), approvals), 0, 0);
    auto *approved = new QLineEdit(approvals);
    approved->setMaxLength(24);
    auto *approved2 = new QLineEdit(approvals);
    approved2->setMaxLength(24);
    approvalForm->addWidget(approved, 0, 1);
    approvalForm->addWidget(approved2, 0, 2);
    approvalForm->addWidget(new QLabel(tr("Notes:"), approvals), 1, 0);
    m_notes = new QLineEdit(approvals);
    m_notes->setObjectName(QStringLiteral("notes"));
    approvalForm->addWidget(m_notes, 1, 1, 1, 2);

    auto *measure = new QGroupBox(central);
    auto *measureForm = new QFormLayout(measure);
    m_measurement = new ClickableLabel(measure);
    m_measurement->setObjectName(QStringLiteral("lblMeasurement"));
    m_measurement->setFrameShape(QFrame::StyledPanel);
    m_measurement->setToolTip(tr("Double click to cycle through measurement units."));
    auto *revision = new QLineEdit(measure);
    revision->setMaxLength(10);
    revision->setToolTip(tr("Enter new revision number."));
    measureForm->addRow(tr("Measure:"), m_measurement);
    measureForm->addRow(tr("Revision:"), revision);

    auto *titleBlock = new QHBoxLayout;
    titleBlock->addWidget(fileInfo, 3);
    titleBlock->addWidget(screen, 2);
    titleBlock->addWidget(approvals, 4);
    titleBlock->addWidget(measure, 1);

    auto *layout = new QVBoxLayout(central);
    layout->addWidget(m_frame, 1);
    layout->addLayout(titleBlock);
    setCentralWidget(central);
}

void InstallationWindow::createConnections()
{
    m_window.setChangedCallback([this] { refresh(); });

    connect(m_file.exit, &QAction::triggered, this, &QWidget::hide);
    for (std::size_t i = 0; i < m_units.size(); ++i) {
        connect(m_units[i], &QAction::triggered, this,
                [this, i] { m_window.selectUnits(lumidex::unitFromIndex(int(i))); });
    }
    connect(m_tips, &QAction::triggered, this, [this] { m_window.toggleTooltips(); });
    for (int i = 0; i < 2; ++i) {
        connect(m_throwPoint[std::size_t(i)], &QAction::triggered, this, [this, i] {
            m_window.selectThrowPoint(i);
            refresh();
        });
    }
    for (const lumidex::SeriesEntry &s : lumidex::crtSeries()) {
        connect(m_series[std::size_t(s.series)], &QAction::triggered, this,
                [this, series = s.series] {
                    m_window.selectSeries(series);
                    refresh();
                });
    }
    const auto models = lumidex::dataProjectors();
    for (std::size_t m = 0; m < models.size(); ++m) {
        for (std::size_t k = 0; k < m_lenses[m].size(); ++k) {
            connect(m_lenses[m][k], &QAction::triggered, this, [this, model = models[m].model, k] {
                m_window.selectLens(model, int(k));
                refresh();
            });
        }
    }
    for (int i = 0; i < 4; ++i) {
        connect(m_position[std::size_t(i)], &QAction::triggered, this, [this, i] {
            m_window.selectPosition(i);
            refresh();
        });
    }
    connect(m_helpContents, &QAction::triggered, this,
            [this] { emit helpRequested(lumidex::HelpRequest::contents()); });
    connect(m_about, &QAction::triggered, this, &InstallationWindow::aboutRequested);
    connect(m_inputSignal, &QComboBox::activated, this, [this](int index) {
        m_window.chooseInputSignal(index);
        refresh();
    });
    connect(m_throwAngle, &ClickableLabel::doubleClicked, this, [this] {
        m_window.throwAngleClick();
        refresh();
    });
    connect(m_aspect, &ClickableLabel::doubleClicked, this, [this] {
        m_window.aspectDoubleClick();
        refresh();
    });
    connect(m_measurement, &ClickableLabel::doubleClicked, this, [this] {
        m_window.cycleUnits();
        refresh();
    });
    connect(m_drawing, &DrawingView::pictureClicked, this,
            [this](int id) { emit helpRequested(lumidex::HelpRequest::topic(id)); });
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
    const lumidex::Selection &sel = state.selection;
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

    m_frame->setTitle(QString::fromStdString(m_window.frameTitle()));
    m_lensLabel->setText(QString::fromStdString(m_window.lensLabel()));
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
    const QString notes = QString::fromStdString(m_window.notes());
    if (m_notes->text() != notes) {
        m_notes->setText(notes);
        m_notes->setCursorPosition(0); // show the start of a long note
    }
    QPalette p = m_notes->palette();
    switch (m_window.notesColour()) {
    case lumidex::NoteColour::Red:
        p.setColor(QPalette::Text, QColor(255, 0, 0));
        break;
    case lumidex::NoteColour::Blue:
        p.setColor(QPalette::Text, QColor(0, 0, 255));
        break;
    case lumidex::NoteColour::Black:
        p.setColor(QPalette::Text, QColor(0, 0, 0));
        break;
    }
    m_notes->setPalette(p);
    m_drawing->refresh();
}

void InstallationWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_tips->setChecked(m_window.state().tipsEnabled);
    QMainWindow::changeEvent(event);
}
