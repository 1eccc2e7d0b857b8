#pragma once

#include <QString>

#include <optional>

// The modal questions and messages the program puts to the user. The window
// gets a Qt implementation; tests get a recording fake, so that no test ever
// shows a real dialog.
class UserPrompts
{
public:
    enum class Icon { None, Information, Exclamation, Critical };

    virtual ~UserPrompts() = default;

    // A message box captioned with the program's title, with an OK button only.
    virtual void message(const QString &text, Icon icon) = 0;
    // A yes/no question; true for yes.
    virtual bool confirm(const QString &text) = 0;
    // A question with buttons of its own: `yes` says go ahead, `no` (the
    // default, also Esc) leaves things as they are; true for `yes`.
    virtual bool ask(const QString &text, const QString &yes, const QString &no)
    {
        Q_UNUSED(yes);
        Q_UNUSED(no);
        return confirm(text);
    }
    // Asks for a line of text (a new folder's name), the field holding `initial`;
    // no value when the user cancels.
    virtual std::optional<QString> askText(const QString &question, const QString &initial)
    {
        Q_UNUSED(question);
        Q_UNUSED(initial);
        return std::nullopt;
    }
    // Asks for the bookmark file, starting in `startFolder` (the home folder when
    // empty); no value when the user cancels.
    virtual std::optional<QString> chooseBookmarkFile(const QString &startFolder) = 0;
};
