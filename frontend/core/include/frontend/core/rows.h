#pragma once
// Row arithmetic of the coefficient and root panels, in twips (the windows convert to pixels).

#include <vector>

namespace frontend::core
{

/// The template row every row array is created from: its height and the top of the first row.
inline constexpr int templateRowHeight = 330;
inline constexpr int templateRowTop = 60;

struct RowLayout {
    int panelHeight = 0; // height of the scrolling panel
    std::vector<int> boxTops; // by index: top of row i's box
    std::vector<int> labelTops; // by index: top of row i's label (45 below its box)
};

/// Coefficient rows for degree n, the leading one (index n) at the top: row i sits (n - i) rows down.
RowLayout CoefficientRows(int degree, int rowHeight, int firstTop);
/// Root rows 1..n, root 1 at the top; index k - 1 holds row k.
RowLayout RootRows(int count, int rowHeight, int firstTop);

/// Scroll bar of a panel in its viewport: the maximum in steps of 20 twips, and whether it is shown.
struct ScrollRange {
    int maximum = 0;
    bool visible = false;
};
ScrollRange LoadBars(int panelHeight, int viewportHeight);
/// The scroll bar of the creator's roots: as LoadBars, except that exactly seven roots never show it.
ScrollRange LoadRootBars(int count, int panelHeight, int viewportHeight);
/// The panel's top for a scroll value.
int PanelTop(int scrollValue);

} // namespace frontend::core
