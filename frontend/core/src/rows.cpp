#include "frontend/core/rows.h"

#include <cmath>

namespace frontend::core
{
namespace
{

constexpr int rowGap = 15;
constexpr int panelMargin = 315;
constexpr int labelOffset = 45;
constexpr int scrollStep = 20;

/// `count` rows from the top, the panel sized for `gaps` gaps; `slot(i)` gives the position of index i.
template <typename Slot>
RowLayout layRows(int count, int gaps, int rowHeight, int firstTop, Slot slot)
{
    RowLayout layout;
    layout.panelHeight = count * rowHeight + panelMargin + gaps * rowGap;
    for (int i = 0; i < count; ++i) {
        const int position = slot(i);
        const int top = firstTop + position * rowHeight + position * rowGap;
        layout.boxTops.push_back(top);
        layout.labelTops.push_back(top + labelOffset);
    }
    return layout;
}

} // namespace

RowLayout CoefficientRows(int degree, int rowHeight, int firstTop)
{
    // n + 1 rows but n - 1 gaps counted, as the panels have always been sized.
    return layRows(degree + 1, degree - 1, rowHeight, firstTop, [degree](int i) {
        return degree - i;
    });
}

RowLayout RootRows(int count, int rowHeight, int firstTop)
{
    return layRows(count, count - 1, rowHeight, firstTop, [](int i) {
        return i;
    });
}

ScrollRange LoadBars(int panelHeight, int viewportHeight)
{
    const int excess = panelHeight - viewportHeight;
    if (excess <= 0) {
        return { 0, false };
    }
    return { static_cast<int>(std::lround(excess / static_cast<double>(scrollStep))), true };
}

ScrollRange LoadRootBars(int count, int panelHeight, int viewportHeight)
{
    ScrollRange range = LoadBars(panelHeight, viewportHeight);
    if (count == 7) {
        range.visible = false;
    }
    return range;
}

int PanelTop(int scrollValue)
{
    return -scrollStep * scrollValue;
}

} // namespace frontend::core
