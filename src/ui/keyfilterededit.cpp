#include "keyfilterededit.h"

#include <QKeyEvent>
#include <QRegularExpressionValidator>
#include <QTimer>

KeyFilteredEdit::KeyFilteredEdit(Filter filter, QWidget *parent)
    : QLineEdit(parent), m_filter(std::move(filter))
{
    setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9./]*")), this));
}

void KeyFilteredEdit::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        m_filter(13);
        return;
    }
    if (key == Qt::Key_Backspace) {
        if (m_filter(8))
            QLineEdit::keyPressEvent(event);
        return;
    }
    const QString text = event->text();
    const bool printable = text.size() == 1 && text.at(0).isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (printable) {
        const char16_t c = text.at(0).unicode();
        if (c < 128 && m_filter(static_cast<char>(c)))
            QLineEdit::keyPressEvent(event);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void KeyFilteredEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}
