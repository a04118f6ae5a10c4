#include "graph/core/plot.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace tools::graph::core;

namespace
{

/// Every character 7 pixels wide, numbers 12 pixels high.
int sevenEach(std::string_view text)
{
    return 7 * static_cast<int>(text.size());
}

PlotRequest numbered(PlotWindow window, int width = 400, int height = 300)
{
    PlotRequest r;
    r.window = window;
    r.width = width;
    r.height = height;
    r.numbering.on = true;
    r.numbering.decimals = 15;
    r.numbering.fontPixels = 12;
    r.numbering.textWidth = sevenEach;
    return r;
}

struct Rect {
    int left, top, right, bottom;
};

Rect rectOf(const AxisLabel &label)
{
    const int w = sevenEach(label.text);
    const int h = 12;
    switch (label.anchor) {
    case LabelAnchor::Below:
        return { label.x - w / 2, label.y, label.x + w / 2, label.y + h };
    case LabelAnchor::Above:
        return { label.x - w / 2, label.y - h, label.x + w / 2, label.y };
    case LabelAnchor::Left:
        return { label.x - w, label.y - h / 2, label.x, label.y + h / 2 };
    case LabelAnchor::Right:
        break;
    }
    return { label.x, label.y - h / 2, label.x + w, label.y + h / 2 };
}

std::vector<std::string> textsOf(const std::vector<AxisLabel> &labels, LabelAnchor anchor)
{
    std::vector<std::string> texts;
    for (const AxisLabel &label : labels) {
        if (label.anchor == anchor) {
            texts.push_back(label.text);
        }
    }
    return texts;
}

TEST(axisLabels, OffUnlessAskedFor)
{
    PlotRequest r = numbered({ -10.0, 10.0, -10.0, 10.0 });
    r.numbering.on = false;
    r.numbering.roots = { 1.0 };
    const PlotDrawing drawing = drawPlot(r, nullptr);
    EXPECT_TRUE(drawing.labels.empty());
    EXPECT_TRUE(drawing.roots.empty());
}

TEST(axisLabels, TheTickValuesInTheDisplayFormat)
{
    PlotRequest r = numbered({ -10.0, 10.0, -10.0, 10.0 }, 800, 800);
    r.ticks = true;
    r.tickFreq = 5.0;
    const auto labels = drawPlot(r, nullptr).labels;
    // Below the x axis: every tick, 0 included, the ends moved onto the picture; left of the y axis: every tick
    // but 0, which the x axis names.
    EXPECT_EQ(textsOf(labels, LabelAnchor::Below), (std::vector<std::string> { "-10", "-5", "0", "5", "10" }));
    EXPECT_EQ(textsOf(labels, LabelAnchor::Left), (std::vector<std::string> { "-10", "-5", "5", "10" }));
    // The origin's 0 stands beside the y axis (column 400), not across it.
    const auto zero = std::find_if(labels.begin(), labels.end(), [](const AxisLabel &label) {
        return label.text == "0";
    });
    ASSERT_NE(zero, labels.end());
    EXPECT_LE(rectOf(*zero).right, 400);
    // A spacing that is not exact in binary still reads as written, and large values are grouped.
    r.window = { 0.0, 1.0, 0.0, 1.0 };
    r.tickFreq = 0.1;
    const auto tenths = textsOf(drawPlot(r, nullptr).labels, LabelAnchor::Above); // the axis is the bottom edge
    EXPECT_NE(std::find(tenths.begin(), tenths.end(), "0.3"), tenths.end());
    EXPECT_NE(std::find(tenths.begin(), tenths.end(), "0.7"), tenths.end());
    r.window = { 0.0, 20000.0, -1.0, 1.0 };
    r.tickFreq = 5000.0;
    const auto thousands = textsOf(drawPlot(r, nullptr).labels, LabelAnchor::Below);
    EXPECT_NE(std::find(thousands.begin(), thousands.end(), "15,000"), thousands.end());
}

TEST(axisLabels, NeverOverlappingAndAlwaysOnThePicture)
{
    // Dense ticks, wide numbers, windows with and without the axes, tiny and huge ranges.
    const std::vector<PlotWindow> windows {
        { -100.0, 100.0, -100.0, 100.0 },
        { -1e-7, 3e-7, -2e-7, 5e-7 },
        { 1e12, 3e12, 5.0, 9.0 },
        { -3.0, -1.0, -100000.0, 100.0 },
        { -0.001, 1000.0, -1000.0, 0.0001 },
    };
    for (const PlotWindow &w : windows) {
        for (const double tick : { 1e-9, 0.5, 5.0, 1e11 }) {
            PlotRequest r = numbered(w, 451, 301);
            r.ticks = true;
            r.tickFreq = tick;
            const auto labels = drawPlot(r, nullptr).labels;
            EXPECT_FALSE(labels.empty()) << w.xmin << " " << w.ymin << " " << tick;
            for (std::size_t i = 0; i < labels.size(); ++i) {
                const Rect a = rectOf(labels[i]);
                EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= r.width && a.bottom <= r.height)
                    << labels[i].text;
                for (std::size_t j = i + 1; j < labels.size(); ++j) {
                    const Rect b = rectOf(labels[j]);
                    const bool apart =
                        a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
                    EXPECT_TRUE(apart) << labels[i].text << " meets " << labels[j].text;
                }
            }
        }
    }
}

TEST(axisLabels, AFinerDeviceWritesTheSameNumbersInTheSamePlaces)
{
    for (const double scale : { 2.0, 2.09, 13.7 }) {
        PlotRequest screen = numbered({ -100.0, 100.0, -100.0, 100.0 }, 728, 485);
        screen.ticks = true;
        screen.tickFreq = 5.0;
        PlotRequest fine = screen;
        fine.width = static_cast<int>(std::lround(728 * scale));
        fine.height = static_cast<int>(std::lround(485 * scale));
        fine.scale = scale;
        const PlotDrawing a = drawPlot(screen, nullptr);
        const PlotDrawing b = drawPlot(fine, nullptr);
        ASSERT_EQ(a.labels.size(), b.labels.size()) << scale;
        for (std::size_t i = 0; i < a.labels.size(); ++i) {
            EXPECT_EQ(a.labels[i].text, b.labels[i].text);
            EXPECT_NEAR(b.labels[i].x, a.labels[i].x * scale, 2.0 * scale);
            EXPECT_NEAR(b.labels[i].y, a.labels[i].y * scale, 2.0 * scale);
        }
        EXPECT_EQ(b.fontPixels, std::lround(12 * scale));
    }
}

TEST(axisLabels, RoundStepsWithoutTicksOrGrid)
{
    PlotRequest r = numbered({ -100.0, 100.0, -100.0, 100.0 }, 800, 600);
    const auto below = textsOf(drawPlot(r, nullptr).labels, LabelAnchor::Below);
    EXPECT_EQ(below, (std::vector<std::string> { "-100", "-80", "-60", "-40", "-20", "0", "20", "40", "60", "80",
                         "100" }));
}

TEST(axisLabels, AlongTheEdgeWhereTheAxisIsOutOfView)
{
    // The window lies right of and above the origin: the x numbers along the bottom edge, the y numbers
    // along the left edge.
    PlotRequest r = numbered({ 10.0, 20.0, 10.0, 20.0 });
    const auto labels = drawPlot(r, nullptr).labels;
    ASSERT_FALSE(labels.empty());
    for (const AxisLabel &label : labels) {
        if (label.anchor == LabelAnchor::Above) {
            EXPECT_GT(label.y, 280);
        } else {
            EXPECT_EQ(label.anchor, LabelAnchor::Right);
            EXPECT_LT(label.x, 20);
        }
    }
}

TEST(rootMarks, TheKnownRealRootsOnTheXAxis)
{
    PlotRequest r = numbered({ -10.0, 10.0, -10.0, 10.0 }, 200, 100);
    r.numbering.roots = { -5.0, 2.5, 11.0 };
    const auto marks = drawPlot(r, nullptr).roots;
    ASSERT_EQ(marks.size(), 2u); // 11 is outside the window
    EXPECT_EQ(marks[0].x, 50);
    EXPECT_EQ(marks[1].x, 125);
    EXPECT_EQ(marks[0].y, 50);
    EXPECT_GT(marks[0].radius, 0);
    r.window = { -10.0, 10.0, 1.0, 10.0 }; // the x axis is below the window
    EXPECT_TRUE(drawPlot(r, nullptr).roots.empty());
}

TEST(decimalsOf, TheDecimalsOfASpacing)
{
    EXPECT_EQ(decimalsOf(5.0), 0u);
    EXPECT_EQ(decimalsOf(0.1), 1u);
    EXPECT_EQ(decimalsOf(0.25), 2u);
    EXPECT_EQ(decimalsOf(1.0 / 3.0), 9u); // as many as tell the numbers apart
    EXPECT_EQ(decimalsOf(2e-7), 7u);
}

} // namespace
