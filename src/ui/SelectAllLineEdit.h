#pragma once

#include <QLineEdit>

// A single-line field whose whole text is selected whenever it gains the focus
// (by Tab, access key, the program or a click), so that typing replaces all of it.
class SelectAllLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // The click that brought the focus would otherwise place the cursor and
    // undo the selection.
    bool m_clickSelectsAll = false;
};
