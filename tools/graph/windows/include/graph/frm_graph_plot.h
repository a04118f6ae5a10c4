#pragma once
// The plot window: the current polynomial and its selected companion curves over the window of the graph
// settings, the pointer read-out with the vertical line and the tangent, zoom in by dragging and zoom out
// with the right button, Redraw to the window's size, Copy as a bitmap, Save as PNG, SVG or PDF, Print,
// and Modify to change the parameters.

#include "frontend/core/state.h"
#include "graph/core/plot.h"
#include "platform/services.h"

#include <QDialog>

#include <optional>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace tools::graph
{

class Picture;

class FrmGraphPlot : public QDialog
{
    Q_OBJECT
public:
    /// Draws `equation` (which outlives the window) with the display precision `decimals` over the window of
    /// `settings`, which zooming changes.
    FrmGraphPlot(const frontend::core::Equation &equation,
        std::size_t decimals,
        frontend::core::GraphSettings &settings,
        platform::Services services,
        const QString &function,
        QWidget *parent = nullptr);

    /// The real roots to mark on the x axis when the axes are numbered (the solve's, when known).
    void setKnownRoots(std::vector<double> roots);
    QString functionText() const;
    /// The window was closed by Modify: the parameters dialog is due.
    bool modifyRequested() const { return m_modify; }
    /// The window of the last drawing.
    const core::PlotWindow &plotWindow() const { return m_window; }

    /// Draws from the graph settings.
    void PlotGraph();
    /// Zooms out (`a` not 0) or redraws the current window (`a` 0) at the picture's present size.
    void PlotGraph2(double a);
    /// The last drawing redone for a device `pixels` large: the same picture, in as much detail.
    core::PlotDrawing drawingAt(QSize pixels) const;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    QGroupBox *buildFunctionFrame();
    QWidget *buildButtons();
    void layoutChildren();
    void draw();

    void Form_Load();
    void Picture1_MouseMove(Qt::MouseButtons buttons, QPointF position);
    void Picture1_MouseDown(Qt::MouseButton button, QPointF position);
    void Picture1_MouseUp(Qt::MouseButton button, QPointF position);
    void chkZoom_Click();
    void btnCopy_Click();
    void btnSave_Click();
    void btnPrint_Click();
    void btnRedraw_Click();
    void btnModify_Click();
    void btnClose_Click();

    bool zooming() const;
    void showCurveReadOut(double x);
    void zoomInto(const core::ZoomRect &rect);
    void showPictureMenu(QPoint global);
    std::optional<QSize> askPngSize(QSize size);

    const frontend::core::Equation &m_equation;
    std::size_t m_decimals;
    frontend::core::GraphSettings &m_settings;
    platform::Services m_services;
    std::optional<core::PlotPolynomial> m_polynomial; // the plot coefficients of the last drawing
    core::PlotWindow m_window; // the window of the last drawing
    core::PlotRequest m_request; // the last drawing, in the picture's own pixels
    std::vector<double> m_roots;
    bool m_loaded = false;
    bool m_zoomHelpShown = false;
    bool m_dragging = false;
    bool m_modify = false;
    core::GraphPoint m_start; // drag start and current corner, in graph units
    core::GraphPoint m_corner;

    Picture *m_picture = nullptr;
    QToolButton *m_chkZoom = nullptr;
    QLabel *m_lblXY = nullptr;
    QGroupBox *m_frmNewLength = nullptr;
    QLineEdit *m_txtFunction = nullptr;
    QWidget *m_buttons = nullptr;
};

} // namespace tools::graph
