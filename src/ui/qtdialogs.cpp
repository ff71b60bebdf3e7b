#include "qtdialogs.h"

#include "sxgadialog.h"
#include "tipsdialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
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

} // namespace

void QtDialogs::message(std::string_view text, lumidex::MessageIcon icon, std::string_view title)
{
    // Old messages separate lines with a lone carriage return; show it as a line break.
    QString body = toQt(text);
    body.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(toQt(icon), toQt(lumidex::titleOrDefault(title)), body, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
}

std::optional<std::string> QtDialogs::input(std::string_view prompt, std::string_view title,
                                            std::string_view defaultText)
{
    bool ok = false;
    const QString answer =
        QInputDialog::getText(QApplication::activeWindow(), toQt(title), toQt(prompt),
                              QLineEdit::Normal, toQt(defaultText), &ok);
    if (!ok)
        return std::nullopt;
    return answer.toStdString();
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
