#include "ui/QtUserPrompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

namespace {
const QString Title = QStringLiteral("Linkcrate");

QMessageBox::Icon boxIcon(UserPrompts::Icon icon)
{
    switch (icon) {
    case UserPrompts::Icon::None:
        return QMessageBox::NoIcon;
    case UserPrompts::Icon::Information:
        return QMessageBox::Information;
    case UserPrompts::Icon::Exclamation:
        return QMessageBox::Warning;
    case UserPrompts::Icon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}
} // namespace

QWidget *QtUserPrompts::owner() const
{
    // A dialog is centred on its parent; a window not yet shown sits at the
    // screen's corner, so until then the dialog is centred on the screen.
    return m_parent && m_parent->isVisible() ? m_parent : nullptr;
}

void QtUserPrompts::message(const QString &text, Icon icon)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(boxIcon(icon), Title, shown, QMessageBox::Ok, owner());
    box.exec();
}

bool QtUserPrompts::confirm(const QString &text)
{
    return QMessageBox::question(owner(), Title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

bool QtUserPrompts::ask(const QString &text, const QString &yes, const QString &no)
{
    QMessageBox box(QMessageBox::Question, Title, text, QMessageBox::NoButton, owner());
    QAbstractButton *go = box.addButton(yes, QMessageBox::AcceptRole);
    QPushButton *stay = box.addButton(no, QMessageBox::RejectRole);
    box.setDefaultButton(stay);
    box.setEscapeButton(stay);
    box.exec();
    return box.clickedButton() == go;
}

std::optional<QString> QtUserPrompts::askText(const QString &question, const QString &initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(owner(), Title, question, QLineEdit::Normal, initial, &ok);
    return ok ? std::optional(text) : std::nullopt;
}

std::optional<QString> QtUserPrompts::chooseBookmarkFile(const QString &startFolder)
{
    QFileDialog dialog(owner(), QCoreApplication::translate("QtUserPrompts", "Please select the Netscape Bookmarks file"),
                       startFolder.isEmpty() ? QDir::homePath() : startFolder);
    // "*.htm" alone would not match the "bookmarks.html" that browsers export.
    dialog.setNameFilters({QCoreApplication::translate("QtUserPrompts", "Netscape Bookmark files (*.htm *.html)"), QCoreApplication::translate("QtUserPrompts", "All files (*)")});
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}
