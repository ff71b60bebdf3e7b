#pragma once

// Number fields typed as the user's desktop writes numbers: where the decimal separator is a
// comma, the comma key types the field's decimal point; a character that cannot be part of
// the number is refused where the installer sees it (a note at the field), never joined to the
// digits. The field's text keeps ".", so what is stored and printed does not depend on the
// desktop.

#include <QString>
#include <optional>

class QKeyEvent;
class QLineEdit;

// A printable key typed into a number field: the character the field's text takes ("." for the
// locale's decimal separator), or nothing when it cannot be part of a number. Keys that are no
// typed character (Enter, arrows, shortcuts) are not asked about.
bool isTypedCharacter(const QKeyEvent *event);
std::optional<char> numberCharacter(const QKeyEvent *event, bool fractions);

// Says at the field that `typed` cannot go into it.
void showRefusal(QLineEdit *field, const QString &typed);

// For a plain field with a validator: the locale's separator types ".", anything else the
// validator would drop silently is refused visibly.
void installNumberKeys(QLineEdit *field, bool fractions);
