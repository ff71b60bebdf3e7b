#include "qtdialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

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
    // A plain choice until the installation window brings its own configuration dialog.
    QMessageBox box(QMessageBox::Question, QStringLiteral("5:4 and 4:3 Aspect Ratio Support"),
                    QStringLiteral("Please select the installation configuration you are using "
                                   "with the LX-530 by clicking on the appropriate button. For "
                                   "more information, please refer to your Operation Manual."),
                    QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton *fiveFour =
        box.addButton(QStringLiteral("4:3 screen for 5:4 image"), QMessageBox::AcceptRole);
    QPushButton *fourThree =
        box.addButton(QStringLiteral("4:3 screen for 4:3 image"), QMessageBox::AcceptRole);
    box.addButton(QStringLiteral("&Cancel"), QMessageBox::RejectRole);
    box.exec();
    if (box.clickedButton() == fourThree)
        return 0;
    if (box.clickedButton() == fiveFour)
        return 1;
    return -1;
}
