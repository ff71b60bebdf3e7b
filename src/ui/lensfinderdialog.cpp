#include "lensfinderdialog.h"

#include "2-screen/screenmodel.h"
#include "3-catalogue/catalogue.h"
#include "3-catalogue/throwformulas.h"
#include "6-installation/throwwindow.h"
#include "numberkeys.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QVBoxLayout>

LensFinderDialog::LensFinderDialog(lumidex::ThrowWindow &window, const lumidex::FocusTables &focus,
                                   QWidget *parent)
    : QDialog(parent), m_window(window), m_focus(focus)
{
    setObjectName(QStringLiteral("lensFinder"));
    setWindowTitle(tr("Lens Finder"));

    const lumidex::Unit units = m_window.state().screen.displayUnits;
    const QString unitName = units == lumidex::Unit::Feet          ? tr("feet")
                             : units == lumidex::Unit::Millimetres ? tr("millimetres")
                                                                   : tr("inches");
    m_distance = new QLineEdit(this);
    m_distance->setObjectName(QStringLiteral("distance"));
    m_distance->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), this));
    installNumberKeys(m_distance, false);
    auto *find = new QPushButton(tr("&Find"), this);
    find->setObjectName(QStringLiteral("find"));
    auto *form = new QFormLayout;
    form->addRow(tr("Distance available (%1):").arg(unitName), m_distance);

    m_table = new QTableWidget(0, 3, this);
    m_table->setObjectName(QStringLiteral("matches"));
    m_table->setAccessibleName(tr("Projectors and lenses"));
    m_table->setHorizontalHeaderLabels({tr("Projector and lens"), tr("Nearest"), tr("Farthest")});
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();

    m_summary = new QLabel(QString::fromStdString(lumidex::lensSearchSummary(0, 0, units)), this);
    m_summary->setObjectName(QStringLiteral("summary"));
    m_summary->setWordWrap(true);

    // Select is an action of its own, not the box's accept button, so that the box does not
    // make it the default button that Enter would press; Find is the default instead.
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    m_select = buttons->addButton(tr("&Select"), QDialogButtonBox::ActionRole);
    m_select->setObjectName(QStringLiteral("select"));
    m_select->setEnabled(false);
    find->setDefault(true);

    auto *top = new QHBoxLayout;
    top->addLayout(form, 1);
    top->addWidget(find);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Projectors and lenses that fill the current screen from "
                                    "this distance, best fit first:"),
                                 this));
    layout->addLayout(top);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_summary);
    layout->addWidget(buttons);
    resize(560, 420);

    // Enter in the distance field (or anywhere but on another button) presses Find.
    connect(find, &QPushButton::clicked, this, &LensFinderDialog::search);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &LensFinderDialog::choose);
    connect(m_table, &QTableWidget::currentCellChanged, this,
            [this](int row) { m_select->setEnabled(row >= 0 && row < int(m_matches.size())); });
    connect(m_select, &QPushButton::clicked, this, &LensFinderDialog::choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void LensFinderDialog::search()
{
    const lumidex::InstallationState &state = m_window.state();
    const lumidex::Unit units = state.screen.displayUnits;
    const double distance = lumidex::toInches(m_distance->text().toStdString(), units);
    m_matches =
        lumidex::findLenses(state.screen, lumidex::mountedAt(state.inputs), distance, m_focus);
    m_table->setRowCount(int(m_matches.size()));
    for (int row = 0; row < int(m_matches.size()); ++row) {
        const lumidex::LensMatch &m = m_matches[std::size_t(row)];
        auto text = [units](double inches) {
            return QString::fromStdString(lumidex::formatLength(inches, units));
        };
        m_table->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(m.caption)));
        m_table->setItem(row, 1,
                         new QTableWidgetItem(text(m.zoom ? m.throwNear : m.throwDistance)));
        m_table->setItem(row, 2,
                         new QTableWidgetItem(m.zoom ? text(m.throwFar) : tr("fixed lens")));
    }
    if (!m_matches.empty())
        m_table->selectRow(0);
    m_select->setEnabled(!m_matches.empty() && m_table->currentRow() >= 0);
    m_summary->setText(
        QString::fromStdString(lumidex::lensSearchSummary(distance, m_matches.size(), units)));
}

void LensFinderDialog::choose()
{
    const int row = m_table->currentRow();
    if (row < 0 || row >= int(m_matches.size()))
        return;
    const lumidex::Selection &s = m_matches[std::size_t(row)].selection;
    accept();
    if (s.isCrt())
        m_window.selectSeries(s.series);
    else
        m_window.selectLens(s.model, s.lens);
}
