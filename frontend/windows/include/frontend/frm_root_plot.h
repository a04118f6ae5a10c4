#pragma once
// The roots of a solve in the complex plane, opened modally from the results window: the picture, the root
// nearest to the pointer with its accuracy, and the picture fitted to all roots, copied or saved.

#include "frontend/core/solved_roots.h"
#include "frontend/kit/picture_export.h"
#include "platform/services.h"

#include <QDialog>

class QLabel;

namespace frontend
{

class RootPlotView;

class FrmRootPlot : public QDialog
{
    Q_OBJECT
public:
    FrmRootPlot(const core::SolvedRoots &roots, platform::Services services, QWidget *parent = nullptr);

    /// The text told of root `index` (from 0): its number, its value and its accuracy.
    QString rootText(int index) const;

private:
    void btnFitAll_Click();
    void btnCopyPicture_Click();
    void btnSavePng_Click();
    void btnSaveSvg_Click();
    void picRoots_NearestChanged(int index);
    void savePictureAs(PictureFormat format);
    PaintPicture painting() const;

    core::SolvedRoots m_roots;
    platform::Services m_services;
    RootPlotView *m_picRoots;
    QLabel *m_lblNearest;
};

} // namespace frontend
