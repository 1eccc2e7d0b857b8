#pragma once

#include "platform/UserPrompts.h"

#include <QList>

#include <functional>

// Records what the program would have shown, and answers as a test tells it to.
class FakePrompts : public UserPrompts
{
public:
    struct Shown
    {
        QString text;
        Icon icon;
    };

    QList<Shown> messages;
    QList<std::optional<QString>> fileChoices; // answers to the file dialog, in order
    QStringList dialogFolders;                 // where each file dialog started
    QList<bool> answers;              // answers to the questions, in order; then the default, no
    QList<std::optional<QString>> texts; // what is typed at each question for text, in order; then cancel
    std::function<void()> whileAsked; // what happens while a question is open

    void message(const QString &text, Icon icon) override { messages.append({text, icon}); }
    bool confirm(const QString &) override { return false; }
    bool ask(const QString &text, const QString &yes, const QString &no) override
    {
        // Among the messages, in the order shown, with the buttons after a "|".
        messages.append({text + u'|' + yes + u'|' + no, Icon::None});
        if (whileAsked)
            whileAsked();
        return !answers.isEmpty() && answers.takeFirst();
    }
    std::optional<QString> askText(const QString &question, const QString &initial) override
    {
        messages.append({question + u'|' + initial, Icon::None});
        return texts.isEmpty() ? std::nullopt : texts.takeFirst();
    }
        std::optional<QString> chooseBookmarkFile(const QString &startFolder) override
    {
        dialogFolders.append(startFolder);
        return fileChoices.isEmpty() ? std::nullopt : fileChoices.takeFirst();
    }
};
