#pragma once

#include <QString>

// The checks on a new bookmark's link text and address, shared by the window and
// the command line so that both refuse the same entries with the same words.
namespace EntryCheck {

enum class Verdict {
    Ok,
    RefusedCharacter, // the link text holds a character that would break the file
    EmptyName,
    EmptyUrl,
};

// The link text is checked for refused characters first, then for being blank
// (nothing but spaces, control and format characters); the address only for
// being blank.
Verdict check(const QString &text, const QString &url);
// The message for a verdict other than Ok.
QString message(Verdict verdict);

inline const QString RefusedCharacters = QStringLiteral("\\/?\"&<:>*|");

} // namespace EntryCheck
