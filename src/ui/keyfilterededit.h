#pragma once

#include <QLineEdit>
#include <functional>

// A field whose typed keys pass a filter first: the filter gets the character (8 for
// Backspace, 13 for Enter; the desktop's decimal comma as ".") and says whether it goes into
// the text. Pasted text is held to digits, "." and "/", like typed text.
class KeyFilteredEdit : public QLineEdit
{
    Q_OBJECT

public:
    using Filter = std::function<bool(char)>;
    explicit KeyFilteredEdit(Filter filter, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    Filter m_filter;
};
