#pragma once

#include <QSize>

class QWidget;

// Where the window's controls stand. Places are given in twips (1/1440 inch),
// as the window was drawn; with larger fonts they are minimums and a control
// grows to what its text needs. When the window is resized the Add button keeps
// its right margin, the fields and the tree take the width that is left, and the
// tree the height.
class WindowLayout
{
public:
    struct Controls
    {
        QWidget *label1, *text, *label2, *url, *add, *tree, *path;
    };
    WindowLayout(const QWidget &window, const Controls &controls);

    int twipsToPixelsX(int twips) const;
    int twipsToPixelsY(int twips) const;
    // The design size, or more where the texts need it.
    QSize naturalSize() const;
    // Puts each control in its place for the window's size now.
    void arrange() const;

private:
    // Where the controls stand before the resize rule: the design's places, or
    // more where a larger font needs it.
    struct Grown
    {
        int labelWidth, labelHeight, fieldLeft, buttonWidth, buttonHeight;
        int row1Height, row2Top, row2Height, treeTop, pathHeight;
    };
    Grown grown() const;

    const QWidget &m_window;
    Controls m_c;
};
