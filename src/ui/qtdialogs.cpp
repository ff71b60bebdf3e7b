#include "qtdialogs.h"

#include "sxgadialog.h"
#include "tipsdialog.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QFileDialog>
#include <QFontMetrics>
#include <QIdentityProxyModel>
#include <QImage>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
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

// The file list's first column header carries a blank image to indent its caption; the file
// model makes a new one at every paint, and each new image adds an entry to the pixmap cache.
// One image for the dialog's life keeps the header as it looks and the cache as it was.
class SteadyHeaderModel : public QIdentityProxyModel
{
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        QVariant data = QIdentityProxyModel::headerData(section, orientation, role);
        if (role != Qt::DecorationRole || data.typeId() != QMetaType::QImage)
            return data;
        if (m_indent.isNull())
            m_indent = QPixmap::fromImage(data.value<QImage>());
        return m_indent;
    }

private:
    mutable QPixmap m_indent;
};

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

lumidex::SaveChoice QtDialogs::askToSave(std::string_view projectName)
{
    QMessageBox box(QMessageBox::Warning, toQt(lumidex::ProgramTitle),
                    QObject::tr("Save the changes to %1?").arg(toQt(projectName)),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    QApplication::activeWindow());
    box.setInformativeText(QObject::tr("Your changes are lost if you do not save them."));
    box.setDefaultButton(QMessageBox::Save);
    // Access keys, so that the answer is one Alt+letter away.
    box.button(QMessageBox::Save)->setText(QObject::tr("&Save"));
    box.button(QMessageBox::Discard)->setText(QObject::tr("&Discard"));
    box.button(QMessageBox::Cancel)->setText(QObject::tr("&Cancel"));
    switch (box.exec()) {
    case QMessageBox::Save:
        return lumidex::SaveChoice::Save;
    case QMessageBox::Discard:
        return lumidex::SaveChoice::Discard;
    default:
        return lumidex::SaveChoice::Cancel;
    }
}

bool QtDialogs::confirm(std::string_view text, std::string_view title, std::string_view accept,
                        lumidex::ConfirmDefault defaultButton)
{
    QMessageBox box(QMessageBox::Question, toQt(lumidex::titleOrDefault(title)),
                    withLineBreaks(text), QMessageBox::Cancel, QApplication::activeWindow());
    QPushButton *yes = box.addButton(toQt(accept), QMessageBox::AcceptRole);
    if (defaultButton == lumidex::ConfirmDefault::Accept)
        box.setDefaultButton(yes);
    else
        box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == static_cast<QAbstractButton *>(yes);
}

lumidex::RecoveryChoice QtDialogs::offerRecovery(std::string_view text)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Recover Project"), withLineBreaks(text),
                    QMessageBox::NoButton, QApplication::activeWindow());
    QPushButton *restore = box.addButton(QObject::tr("&Restore"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QObject::tr("&Discard"), QMessageBox::DestructiveRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(restore);
    box.setInformativeText(QObject::tr("Cancel keeps the copy and offers it again at the next "
                                       "start."));
    box.exec();
    if (box.clickedButton() == static_cast<QAbstractButton *>(restore))
        return lumidex::RecoveryChoice::Restore;
    if (box.clickedButton() == static_cast<QAbstractButton *>(discard))
        return lumidex::RecoveryChoice::Discard;
    return lumidex::RecoveryChoice::Cancel;
}

lumidex::ChangedFileChoice QtDialogs::askChangedFile(std::string_view fileName)
{
    QMessageBox box(QMessageBox::Warning, toQt(lumidex::ProgramTitle),
                    QObject::tr("%1 was changed by another program since it was opened or "
                                "saved.")
                        .arg(toQt(fileName)),
                    QMessageBox::NoButton, QApplication::activeWindow());
    box.setInformativeText(QObject::tr("Overwriting it loses the other program's changes."));
    QPushButton *overwrite = box.addButton(QObject::tr("&Overwrite"), QMessageBox::DestructiveRole);
    QPushButton *saveAs = box.addButton(QObject::tr("Save &As..."), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(saveAs);
    box.exec();
    if (box.clickedButton() == static_cast<QAbstractButton *>(overwrite))
        return lumidex::ChangedFileChoice::Overwrite;
    if (box.clickedButton() == static_cast<QAbstractButton *>(saveAs))
        return lumidex::ChangedFileChoice::SaveAs;
    return lumidex::ChangedFileChoice::Cancel;
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
    dialog.setPrinting(*this);
    dialog.exec();
}

QtDialogs::~QtDialogs()
{
    delete m_openDialog.data();
    delete m_saveDialog.data();
}

std::optional<std::string> QtDialogs::askFileName(QPointer<QFileDialog> &kept,
                                                  QFileDialog::AcceptMode mode,
                                                  const QString &title)
{
    QWidget *over = QApplication::activeWindow();
    if (!kept) {
        // Set up once: changing the mode later would make the dialog's buttons afresh.
        kept = new QFileDialog(over, title);
        kept->setProxyModel(new SteadyHeaderModel(kept));
        kept->setNameFilter(QStringLiteral("*.lmx"));
        kept->setAcceptMode(mode);
        // Open needs a project that exists; Save asks before it replaces one.
        kept->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                          : QFileDialog::AnyFile);
        // A name typed without an extension is saved as a project file, and the overwrite
        // question is asked about that name.
        if (mode == QFileDialog::AcceptSave)
            kept->setDefaultSuffix(QStringLiteral("lmx"));
    } else if (kept->parentWidget() != over) {
        kept->setParent(over, kept->windowFlags());
    }
    QFileDialog &dialog = *kept;
    // Each time the name field starts empty, as a new dialog's would, so that a typed name is
    // not appended to the last one. Setting the text (rather than clearing it) also drops the
    // field's undo history, which would otherwise grow with every name typed.
    auto *nameField = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    if (nameField)
        nameField->setText(QString());
    const int result = dialog.exec();
    // The name's completion list outlives the hidden dialog; left open it would take the keys.
    if (nameField && nameField->completer() && nameField->completer()->popup())
        nameField->completer()->popup()->hide();
    if (result != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString name = dialog.selectedFiles().constFirst();
    if (name.isEmpty())
        return std::nullopt;
    return name.toStdString();
}

std::optional<std::string> QtDialogs::openFileName()
{
    return askFileName(m_openDialog, QFileDialog::AcceptOpen, QStringLiteral("Open Project"));
}

std::optional<std::string> QtDialogs::saveFileName()
{
    return askFileName(m_saveDialog, QFileDialog::AcceptSave, QStringLiteral("Save Project"));
}
