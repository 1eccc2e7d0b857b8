#include "ui/ImageList.h"

QString ImageList::file(int number) const
{
    return number >= 1 && number <= count() ? m_files[number - 1] : QString();
}

QIcon ImageList::icon(int number, int selectedNumber) const
{
    const auto cached = m_icons.constFind({number, selectedNumber});
    if (cached != m_icons.cend())
        return *cached;
    QIcon &icon = m_icons[{number, selectedNumber}];
    if (!file(number).isEmpty())
        icon.addFile(file(number), {}, QIcon::Normal);
    if (!file(selectedNumber).isEmpty())
        icon.addFile(file(selectedNumber), {}, QIcon::Selected);
    return icon;
}
