#include "keyfilterededit.h"

#include "numberkeys.h"

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
    if (isTypedCharacter(event)) {
        // The field's filter sees the character as the text holds it ("." for the desktop's
        // decimal comma) and may refuse it as well; a refused key is said so at the field.
        const std::optional<char> c = numberCharacter(event, true);
        if (c && m_filter(*c))
            insert(QString(QChar::fromLatin1(*c)));
        else
            showRefusal(this, event->text());
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void KeyFilteredEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}
