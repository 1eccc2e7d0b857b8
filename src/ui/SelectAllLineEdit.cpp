#include "ui/SelectAllLineEdit.h"

#include <QFocusEvent>
#include <QMouseEvent>

void SelectAllLineEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    selectAll();
    m_clickSelectsAll = event->reason() == Qt::MouseFocusReason;
}

void SelectAllLineEdit::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    if (m_clickSelectsAll)
        selectAll();
}

void SelectAllLineEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (m_clickSelectsAll) {
        selectAll();
        m_clickSelectsAll = false;
    }
}
