#pragma once

#include "platform/UserPrompts.h"

#include <QList>

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
    int fileDialogs = 0;
    bool confirmAnswer = true;
    QStringList questions;

    void message(const QString &text, Icon icon) override { messages.append({text, icon}); }
    bool confirm(const QString &text) override
    {
        questions.append(text);
        return confirmAnswer;
    }
    std::optional<QString> chooseBookmarkFile() override
    {
        ++fileDialogs;
        return fileChoices.isEmpty() ? std::nullopt : fileChoices.takeFirst();
    }
};
