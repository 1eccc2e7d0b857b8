#pragma once

#include "platform/UserPrompts.h"

class QWidget;

// The prompts as real dialogs.
class QtUserPrompts : public UserPrompts
{
public:
    void setParentWidget(QWidget *parent) { m_parent = parent; }

    void message(const QString &text, Icon icon) override;
    bool confirm(const QString &text) override;
    std::optional<QString> chooseBookmarkFile() override;

private:
    QWidget *m_parent = nullptr;
};
