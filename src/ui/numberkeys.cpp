#include "numberkeys.h"

#include "1-state/numbertext.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QToolTip>

bool isTypedCharacter(const QKeyEvent *event)
{
    const QString text = event->text();
    return text.size() == 1 && text.at(0).isPrint() &&
           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

std::optional<char> numberCharacter(const QKeyEvent *event, bool fractions)
{
    const QString decimal = QLocale().decimalPoint();
    return lumidex::numberKey(event->text().at(0).unicode(),
                              decimal.size() == 1 ? decimal.at(0).unicode() : U'.', fractions);
}

void showRefusal(QLineEdit *field, const QString &typed)
{
    const QString decimal = QLocale().decimalPoint();
    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())),
                       QLineEdit::tr("\"%1\" cannot be part of a number: type digits and %2")
                           .arg(typed, decimal == QLatin1String(".")
                                           ? QStringLiteral("\".\"")
                                           : QStringLiteral("\"%1\" or \".\"").arg(decimal)),
                       field, {}, 3000);
}

namespace {

class NumberKeys : public QObject
{
public:
    NumberKeys(QLineEdit *field, bool fractions) : QObject(field), m_fractions(fractions) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *field = qobject_cast<QLineEdit *>(watched);
        if (!field || event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!isTypedCharacter(key))
            return false;
        const std::optional<char> c = numberCharacter(key, m_fractions);
        if (!c) {
            showRefusal(field, key->text());
            return true;
        }
        if (key->text() == QChar::fromLatin1(*c))
            return false; // the field takes it as typed
        field->insert(QString(QChar::fromLatin1(*c)));
        return true;
    }

private:
    bool m_fractions;
};

} // namespace

void installNumberKeys(QLineEdit *field, bool fractions)
{
    field->installEventFilter(new NumberKeys(field, fractions));
}
