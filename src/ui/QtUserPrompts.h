#pragma once

#include "platform/UserPrompts.h"

class QWidget;

// The prompts as real dialogs, centred on the window once it is shown.
class QtUserPrompts : public UserPrompts
{
public:
    void setParentWidget(QWidget *parent) { m_parent = parent; }

    void message(const QString &text, Icon icon) override;
    bool confirm(const QString &text) override;
    bool ask(const QString &text, const QString &yes, const QString &no) override;
    std::optional<QString> askText(const QString &question, const QString &initial) override;
    std::optional<QString> chooseBookmarkFile(const QString &startFolder) override;

private:
    QWidget *owner() const;

    QWidget *m_parent = nullptr;
};
