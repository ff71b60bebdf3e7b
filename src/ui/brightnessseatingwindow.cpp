#include "brightnessseatingwindow.h"

#include "drawingrenderer.h"
#include "keyfilterededit.h"
#include "readablecolour.h"
#include "sheetprinting.h"

#include <QAction>
#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

using lumidex::RoomField;

// The top view: the screen from above, its viewing arcs and the seats, painted by the
// installation drawing's renderer.
class TopView : public QWidget
{
public:
    TopView(const lumidex::RoomWindow &room, QWidget *parent) : QWidget(parent), m_room(room)
    {
        setObjectName(QStringLiteral("topView"));
        const lumidex::Figure &f = room.topView();
        setMinimumSize(320, 320 * f.height / std::max(1, f.width));
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        m_renderer.render(painter, m_room.topView(), QRectF(rect()));
    }

private:
    const lumidex::RoomWindow &m_room;
    DrawingRenderer m_renderer;
};

namespace {

QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

BrightnessSeatingWindow::BrightnessSeatingWindow(const lumidex::InstallationState &state,
                                                 lumidex::Dialogs &dialogs, QWidget *parent)
    : QWidget(parent, Qt::Window), m_room(state), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("BrightnessSeating"));
    setWindowTitle(qt(lumidex::translate("RoomWindow", lumidex::RoomWindow::Caption)));

    // Order matters: the connections need every widget and action in place.
    createActions();
    createCentralWidget();
    createConnections();
    showValues();
}

void BrightnessSeatingWindow::createActions()
{
    m_actions.copy = new QAction(tr("&Copy"), this);
    m_actions.copy->setShortcut(QKeySequence::Copy);
    m_actions.print = new QAction(tr("&Print..."), this);
    m_actions.print->setShortcut(QKeySequence::Print);
    m_actions.help = new QAction(tr("&Help"), this);
    m_actions.help->setShortcut(QKeySequence::HelpContents);
    // Escape closes the window, as it did when it was a dialog.
    m_actions.close = new QAction(tr("Close"), this);
    m_actions.close->setShortcut(QKeySequence(Qt::Key_Escape));
    addActions({m_actions.copy, m_actions.print, m_actions.help, m_actions.close});
}

QSize BrightnessSeatingWindow::sizeHint() const
{
    // The figures' own size, not the scroll area's guess.
    const QSize figures = m_scroll->widget()->sizeHint();
    const QSize all = QWidget::sizeHint();
    const QMargins m = layout()->contentsMargins();
    return QSize(std::max(all.width(), figures.width() + m.left() + m.right()),
                 all.height() - m_scroll->sizeHint().height() + figures.height());
}

void BrightnessSeatingWindow::createCentralWidget()
{
    auto *inputs = new QGridLayout;
    inputs->setHorizontalSpacing(8);
    int row = 0;
    for (RoomField f : lumidex::AllRoomFields) {
        auto *edit = new KeyFilteredEdit(&lumidex::RoomWindow::acceptsKey, this);
        edit->setObjectName(qt(lumidex::RoomWindow::fieldName(f)));
        edit->setAlignment(Qt::AlignRight);
        edit->setMaximumWidth(110);
        edit->setText(QString::fromStdString(m_room.fieldText(f)));
        edit->installEventFilter(this);
        auto *label = new QLabel(this);
        label->setBuddy(edit);
        m_fields[index(f)] = edit;
        m_fieldLabels[index(f)] = label;
        inputs->addWidget(label, row, 0);
        inputs->addWidget(edit, row, 1);
        ++row;
    }
    inputs->setRowStretch(row, 1);

    m_view = new TopView(m_room, this);
    auto *top = new QHBoxLayout;
    top->addLayout(inputs);
    top->addSpacing(16);
    top->addWidget(m_view, 1);

    // The results in two columns: the picture's brightness, then where the seats go. Values
    // have room for the longest of them, so that the window keeps its size as they change.
    const int valueWidth = fontMetrics().horizontalAdvance(
        QStringLiteral("10160 mm: 55.3\u00B0, outside 26\u00B0 to 50\u00B0"));
    const auto &sections = m_room.sections();
    const std::size_t split = (sections.size() + 1) / 2;
    std::array<QGridLayout *, 2> columns{new QGridLayout, new QGridLayout};
    std::array<int, 2> rows{};
    for (std::size_t s = 0; s < sections.size(); ++s) {
        const std::size_t c = s < split ? 0 : 1;
        QGridLayout *grid = columns[c];
        grid->setHorizontalSpacing(10);
        auto *title = new QLabel(QString::fromStdString(sections[s].title), this);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        if (rows[c] > 0)
            grid->setRowMinimumHeight(rows[c]++, 6);
        grid->addWidget(title, rows[c]++, 0, 1, 2);
        for (const lumidex::RoomRow &r : sections[s].rows) {
            auto *caption = new QLabel(this);
            auto *value = new QLabel(this);
            value->setObjectName(qt(r.name));
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
            value->setMinimumWidth(valueWidth);
            value->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
            grid->addWidget(caption, rows[c], 0);
            grid->addWidget(value, rows[c]++, 1);
            m_rows.emplace_back(caption, value);
        }
    }
    for (std::size_t c = 0; c < columns.size(); ++c) {
        columns[c]->setColumnStretch(1, 1);
        columns[c]->setRowStretch(rows[c], 1);
    }
    auto *results = new QHBoxLayout;
    results->addLayout(columns[0], 1);
    results->addSpacing(20);
    results->addLayout(columns[1], 1);

    m_buttons.copy = new QPushButton(m_actions.copy->text(), this);
    m_buttons.print = new QPushButton(m_actions.print->text(), this);
    m_buttons.help = new QPushButton(m_actions.help->text(), this);
    m_buttons.close = new QPushButton(tr("Close"), this);
    m_buttons.copy->setToolTip(tr("Copy the window as text (Ctrl+C)"));
    m_buttons.print->setToolTip(tr("Print the window on one page (Ctrl+P)"));
    m_buttons.help->setToolTip(tr("Help on this window (F1)"));
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {m_buttons.copy, m_buttons.print, m_buttons.help}) {
        b->setAutoDefault(false); // Enter in a field must not press a button
        buttons->addWidget(b);
    }
    buttons->addStretch();
    m_buttons.close->setAutoDefault(false);
    buttons->addWidget(m_buttons.close);

    // The figures scroll where the screen is too small for them; the buttons stay in view.
    auto *content = new QWidget;
    auto *contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addLayout(top, 1);
    contentLayout->addSpacing(8);
    contentLayout->addLayout(results);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("figuresScroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_scroll->setWidget(content);
    m_scroll->setFocusPolicy(Qt::NoFocus); // Tab goes to the fields, not to the scrolling
    m_scroll->setAccessibleName(tr("Figures"));
    m_scroll->horizontalScrollBar()->setAccessibleName(tr("Scroll the figures sideways"));
    m_scroll->verticalScrollBar()->setAccessibleName(tr("Scroll the figures up and down"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_scroll, 1);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    QWidget *previous = m_fields.front();
    for (std::size_t i = 1; i < m_fields.size(); ++i) {
        setTabOrder(previous, m_fields[i]);
        previous = m_fields[i];
    }
    for (QPushButton *b : {m_buttons.copy, m_buttons.print, m_buttons.help, m_buttons.close}) {
        setTabOrder(previous, b);
        previous = b;
    }
}

void BrightnessSeatingWindow::createConnections()
{
    for (RoomField f : lumidex::AllRoomFields) {
        connect(m_fields[index(f)], &QLineEdit::textEdited, this, [this, f](const QString &text) {
            m_room.setFieldText(f, text.toStdString());
            showValues();
        });
    }
    connect(m_actions.copy, &QAction::triggered, this, &BrightnessSeatingWindow::copyToClipboard);
    connect(m_actions.print, &QAction::triggered, this, &BrightnessSeatingWindow::print);
    connect(m_actions.help, &QAction::triggered, this, [this] {
        emit helpRequested(lumidex::HelpRequest::topic(lumidex::HelpBrightnessSeating));
    });
    connect(m_buttons.copy, &QPushButton::clicked, m_actions.copy, &QAction::trigger);
    connect(m_buttons.print, &QPushButton::clicked, m_actions.print, &QAction::trigger);
    connect(m_buttons.help, &QPushButton::clicked, m_actions.help, &QAction::trigger);
    connect(m_buttons.close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_actions.close, &QAction::triggered, this, &QWidget::close);
}

void BrightnessSeatingWindow::refresh()
{
    m_room.refresh();
    showValues();
}

void BrightnessSeatingWindow::showValues()
{
    for (RoomField f : lumidex::AllRoomFields) {
        const QString text = QString::fromStdString(m_room.fieldText(f));
        if (m_fields[index(f)]->text() != text)
            m_fields[index(f)]->setText(text);
        m_fieldLabels[index(f)]->setText(QString::fromStdString(m_room.fieldLabel(f)));
    }
    std::size_t i = 0;
    for (const lumidex::RoomSection &s : m_room.sections()) {
        for (const lumidex::RoomRow &r : s.rows) {
            if (i >= m_rows.size())
                break;
            auto [caption, value] = m_rows[i++];
            caption->setText(QString::fromStdString(r.label));
            value->setText(QString::fromStdString(r.value));
            QPalette p = value->palette();
            p.setColor(QPalette::WindowText,
                       r.warning
                           ? readableColour(QColor(255, 0, 0), palette().color(QPalette::Window))
                           : palette().color(QPalette::WindowText));
            value->setPalette(p);
        }
    }
    m_view->update();
}

void BrightnessSeatingWindow::copyToClipboard()
{
    QGuiApplication::clipboard()->setText(QString::fromStdString(m_room.text()));
}

void BrightnessSeatingWindow::print()
{
    printRoomPage(m_room, m_dialogs, this);
}

bool BrightnessSeatingWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Ctrl+C copies the whole window even while a field has the keyboard: the installer wants
    // the results, not the number just typed (a field's own Copy stays in its context menu).
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) {
        event->ignore();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
