#include "qtdialogs.h"

#include "sxgadialog.h"
#include "tipsdialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLayout>
#include <QMessageBox>

namespace {

QString toQt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QMessageBox::Icon toQt(lumidex::MessageIcon icon)
{
    switch (icon) {
    case lumidex::MessageIcon::Information:
        return QMessageBox::Information;
    case lumidex::MessageIcon::Critical:
        return QMessageBox::Critical;
    case lumidex::MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case lumidex::MessageIcon::Question:
        return QMessageBox::Question;
    case lumidex::MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// A window manager cuts a title that is wider than its window ("Custo... t ratio"): a prompt is
// made wide enough for its title in a title bar's larger bold font, with room for the title
// bar's icon, buttons and padding. The dialog's layout sets its least size, so the room is made
// in the layout.
void makeRoomForTitle(QDialog &dialog)
{
    dialog.sizeHint(); // an input dialog lays itself out when first asked for its size
    QLayout *layout = dialog.layout();
    if (!layout)
        return;
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.15);
    const QFontMetrics metrics(titleFont);
    const int titleBarControls = 5 * (metrics.height() + 8);
    const QMargins margins = layout->contentsMargins();
    const int width = metrics.horizontalAdvance(dialog.windowTitle()) + titleBarControls -
                      margins.left() - margins.right();
    layout->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed));
}

// Old messages and prompts separate lines with a lone carriage return; show it as a line break.
QString withLineBreaks(std::string_view text)
{
    QString body = toQt(text);
    body.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return body;
}

} // namespace

void QtDialogs::message(std::string_view text, lumidex::MessageIcon icon, std::string_view title)
{
    QMessageBox box(toQt(icon), toQt(lumidex::titleOrDefault(title)), withLineBreaks(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

std::optional<std::string> QtDialogs::input(std::string_view prompt, std::string_view title,
                                            std::string_view defaultText)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(toQt(title));
    dialog.setLabelText(withLineBreaks(prompt));
    dialog.setTextValue(toQt(defaultText));
    makeRoomForTitle(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue().toStdString();
}

int QtDialogs::sxgaChoice()
{
    SxgaDialog dialog(QApplication::activeWindow());
    const int result = dialog.exec();
    // Closing the window counts as cancelling.
    return result == 0 || result == 1 ? result : -1;
}

void QtDialogs::showTips(lumidex::TipsWindow &tips)
{
    TipsDialog dialog(tips, QApplication::activeWindow());
    dialog.exec();
}

std::optional<std::string> QtDialogs::openFileName()
{
    const QString name =
        QFileDialog::getOpenFileName(QApplication::activeWindow(), QStringLiteral("Open Project"),
                                     QString(), QStringLiteral("*.lmx"));
    if (name.isEmpty())
        return std::nullopt;
    return name.toStdString();
}

std::optional<std::string> QtDialogs::saveFileName()
{
    // The dialog asks before it replaces an existing file.
    const QString name =
        QFileDialog::getSaveFileName(QApplication::activeWindow(), QStringLiteral("Save Project"),
                                     QString(), QStringLiteral("*.lmx"));
    if (name.isEmpty())
        return std::nullopt;
    return name.toStdString();
}
