#include "ui/WindowLayout.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

constexpr int TwipsPerInch = 1440;

struct Place
{
    int left, top, width, height;
};
constexpr Place Label1Place{120, 120, 495, 255};
constexpr Place TextPlace{720, 120, 2655, 285};
constexpr Place Label2Place{120, 480, 495, 255};
constexpr Place UrlPlace{720, 480, 3375, 285};
constexpr Place TreePlace{120, 840, 3975, 2295};
constexpr Place AddPlace{3480, 120, 615, 255};
constexpr int DesignWidth = 4185;
constexpr int DesignHeight = 3225;

// What resizing keeps fixed, read off the places: the right margin of the
// button, the address field and the tree, the gaps between controls, and the
// margin under the tree.
constexpr int RightMargin = DesignWidth - (AddPlace.left + AddPlace.width);
constexpr int ButtonGap = AddPlace.left - (TextPlace.left + TextPlace.width);
constexpr int LabelGap = TextPlace.left - (Label1Place.left + Label1Place.width);
constexpr int RowGap = UrlPlace.top - (TextPlace.top + TextPlace.height);
constexpr int BottomMargin = DesignHeight - (TreePlace.top + TreePlace.height);
static_assert(UrlPlace.left + UrlPlace.width + RightMargin == DesignWidth
                  && TreePlace.left + TreePlace.width + RightMargin == DesignWidth,
              "the button, the address field and the tree end at one right margin");
static_assert(TreePlace.top - (UrlPlace.top + UrlPlace.height) == RowGap, "the rows are evenly spaced");

} // namespace

WindowLayout::WindowLayout(const QWidget &window, const Controls &controls)
    : m_window(window)
    , m_c(controls)
{
}

int WindowLayout::twipsToPixelsX(int twips) const
{
    return int(std::lround(double(twips) * m_window.logicalDpiX() / TwipsPerInch));
}

int WindowLayout::twipsToPixelsY(int twips) const
{
    return int(std::lround(double(twips) * m_window.logicalDpiY() / TwipsPerInch));
}

WindowLayout::Grown WindowLayout::grown() const
{
    const auto px = [this](int twips) { return twipsToPixelsX(twips); };
    const auto py = [this](int twips) { return twipsToPixelsY(twips); };
    Grown g;
    g.labelWidth = std::max({px(Label1Place.width), m_c.label1->sizeHint().width(), m_c.label2->sizeHint().width()});
    g.labelHeight = std::max(py(Label1Place.height), m_c.label1->sizeHint().height());
    g.fieldLeft = std::max(px(TextPlace.left), px(Label1Place.left) + g.labelWidth + px(LabelGap));
    g.buttonWidth = std::max(px(AddPlace.width), m_c.add->sizeHint().width());
    g.buttonHeight = std::max(py(AddPlace.height), m_c.add->sizeHint().height());
    g.row1Height = std::max(py(TextPlace.height), m_c.text->sizeHint().height());
    g.row2Top = std::max(py(UrlPlace.top), py(TextPlace.top) + std::max(g.row1Height, g.buttonHeight) + py(RowGap));
    g.row2Height = std::max(py(UrlPlace.height), m_c.url->sizeHint().height());
    g.treeTop = std::max(py(TreePlace.top), g.row2Top + g.row2Height + py(RowGap));
    g.pathHeight = m_c.path->sizeHint().height();
    return g;
}

QSize WindowLayout::naturalSize() const
{
    // The path line comes under the tree of the design's size.
    const Grown g = grown();
    const int width = g.fieldLeft + twipsToPixelsX(TextPlace.width + ButtonGap) + g.buttonWidth
        + twipsToPixelsX(RightMargin);
    const int height = g.treeTop + twipsToPixelsY(TreePlace.height) + g.pathHeight + 2 * twipsToPixelsY(BottomMargin);
    return {std::max(twipsToPixelsX(DesignWidth), width), height};
}

void WindowLayout::arrange() const
{
    const auto px = [this](int twips) { return twipsToPixelsX(twips); };
    const auto py = [this](int twips) { return twipsToPixelsY(twips); };
    const Grown g = grown();
    m_c.label1->setGeometry(px(Label1Place.left), py(Label1Place.top), g.labelWidth, g.labelHeight);
    m_c.label2->setGeometry(px(Label2Place.left), g.row2Top, g.labelWidth, g.labelHeight);

    // A value that would be negative (a very small window) is skipped, and that
    // control keeps its last size.
    const int W = m_window.width();
    const int H = m_window.height();
    const int buttonLeft = W - px(RightMargin) - g.buttonWidth;
    if (buttonLeft >= 0)
        m_c.add->setGeometry(buttonLeft, py(AddPlace.top), g.buttonWidth, g.buttonHeight);
    if (const int w = buttonLeft - px(ButtonGap) - g.fieldLeft; w >= 0)
        m_c.text->setGeometry(g.fieldLeft, py(TextPlace.top), w, g.row1Height);
    if (const int w = W - px(RightMargin) - g.fieldLeft; w >= 0)
        m_c.url->setGeometry(g.fieldLeft, g.row2Top, w, g.row2Height);
    QWidget *tree = m_c.tree;
    const int treeWidth = W - px(RightMargin) - px(TreePlace.left);
    const int treeHeight = H - 2 * py(BottomMargin) - g.pathHeight - g.treeTop;
    tree->setGeometry(px(TreePlace.left), g.treeTop, treeWidth >= 0 ? treeWidth : tree->width(),
                      treeHeight >= 0 ? treeHeight : tree->height());
    m_c.path->setGeometry(px(TreePlace.left), g.treeTop + tree->height() + py(BottomMargin), tree->width(),
                          g.pathHeight);
}
