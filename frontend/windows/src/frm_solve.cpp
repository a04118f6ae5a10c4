#include "frontend/frm_solve.h"

#include "frontend/frm_root_plot.h"
#include "frontend/kit/dialog_parts.h"
#include "frontend/kit/picture_export.h"
#include "frontend/kit/qt_text.h"
#include "frontend/kit/screen_fit.h"
#include "frontend/messages.h"
#include "platform/file_dialogs.h"
#include "platform/message_service.h"
#include "platform/modal_runner.h"

#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace frontend
{
namespace
{

/// The accuracy column's three fields, each as wide as its header word or its widest value.
struct AccuracyColumns {
    QString bound = FrmSolve::tr("Error bound");
    QString digits = FrmSolve::tr("Digits");
    QString multiplicity = FrmSolve::tr("Multiplicity");
    qsizetype boundWidth = std::max<qsizetype>(bound.size(), 8) + 2; // "1.2e-16" and "unknown"
    qsizetype digitsWidth = digits.size() + 2;

    QString header() const
    {
        return bound.leftJustified(boundWidth) + digits.leftJustified(digitsWidth) + multiplicity;
    }

    QString entry(const core::RootAccuracy &accuracy) const
    {
        if (!accuracy.found) {
            return FrmSolve::tr("root not found");
        }
        const std::string text = core::boundText(accuracy.errorBound);
        const QString shown = text.empty() ? FrmSolve::tr("unknown") : toQt(text);
        return shown.leftJustified(boundWidth) + QString::number(accuracy.correctDigits).leftJustified(digitsWidth)
            + toQt(core::multiplicityText(accuracy.multiplicity));
    }
};

/// Two lists read as one table: they scroll together and select the same row.
void keepInStep(QListWidget *a, QListWidget *b)
{
    QObject::connect(a->verticalScrollBar(), &QScrollBar::valueChanged, b->verticalScrollBar(), &QScrollBar::setValue);
    QObject::connect(b->verticalScrollBar(), &QScrollBar::valueChanged, a->verticalScrollBar(), &QScrollBar::setValue);
    QObject::connect(a, &QListWidget::currentRowChanged, b, [b](int row) {
        b->setCurrentRow(row);
    });
    QObject::connect(b, &QListWidget::currentRowChanged, a, [a](int row) {
        a->setCurrentRow(row);
    });
}

/// A multiple root: its multiplicity, its centre and how far from it its roots lie.
QString clusterEntry(const core::RootCluster &cluster, std::size_t decimals)
{
    return FrmSolve::tr("%1 about %2: within %3, %4 correct digits")
        .arg(toQt(core::multiplicityText(static_cast<int>(cluster.members.size()))),
            toQt(core::pointText(cluster.centre, decimals)),
            toQt(core::boundText(cluster.radius)),
            QString::number(core::CorrectDigits(cluster.centre, cluster.radius)));
}

} // namespace

FrmSolve::FrmSolve(platform::Services services, QWidget *parent)
    : ResultsWindow(services.messages, services.clipboard, parent)
    , m_services(services)
    , m_frmSolved(new QGroupBox)
    , m_lstAccuracy(makeList("lstAccuracy"))
    , m_lstClusters(makeList("lstClusters"))
{
    setObjectName(QStringLiteral("frmSolve"));
    setWindowTitle(tr("Kovalin - Equation Solver - [Roots]"));
    m_frmSolved->setObjectName(QStringLiteral("frmSolved"));
    auto *roots = new QHBoxLayout;
    roots->addWidget(buildRoots(), 1);
    roots->addWidget(buildNature());
    m_lblClusters = label(
        tr("Multiple roots (the centre of a cluster is usually far more accurate than its members):"), "lblClusters");
    m_lstClusters->setMaximumHeight(4 * m_lstClusters->fontMetrics().height());
    m_lstClusters->setAccessibleName(tr("Multiple roots"));
    auto *inside = new QVBoxLayout(m_frmSolved);
    inside->addWidget(label(tr("Equation:"), "lblLengthNew"));
    inside->addWidget(txtEquation());
    inside->addWidget(label(tr("Below are all of the roots of the given equation:"), "lblHere_0"));
    inside->addLayout(roots, 1);
    inside->addWidget(m_lblClusters);
    inside->addWidget(m_lstClusters);
    inside->addWidget(label(tr("The equation and its solutions may be draged into a text editor."), "lblHere_1"));
    m_lblClusters->hide();
    m_lstClusters->hide();
    m_btnPlotRoots = button(tr("Plot Roots..."), "btnPlotRoots", tr("Show the roots in the complex plane"));
    m_btnSaveRoots = button(tr("Save CSV..."), "btnSaveRoots", tr("Save the roots with their accuracy as CSV"));
    m_btnPlotRoots->setEnabled(false);
    m_btnSaveRoots->setEnabled(false);
    connect(m_btnPlotRoots, &QPushButton::clicked, this, &FrmSolve::btnPlotRoots_Click);
    connect(m_btnSaveRoots, &QPushButton::clicked, this, &FrmSolve::btnSaveRoots_Click);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new WindowBody(m_frmSolved), 1);
    layout->addWidget(buildButtons(tr("Copy equation and roots"), { m_btnPlotRoots, m_btnSaveRoots }));
    fitToScreen(this, QSize(860, 600));
}

QWidget *FrmSolve::buildRoots()
{
    auto *frmX = new QGroupBox;
    frmX->setObjectName(QStringLiteral("frmX"));
    const AccuracyColumns columns;
    auto *rootHeader = caption(tr("Root"), "lblRootHeader");
    m_lblAccuracyHeader = caption(columns.header(), "lblAccuracyHeader");
    for (QLabel *header : { rootHeader, m_lblAccuracyHeader }) {
        header->setFont(fixedFont());
        header->setIndent(lstRoots()->frameWidth() + 3); // over the lists' text
    }
    // One scroll bar on the right serves both lists; both keep their horizontal bar, so their rows line up.
    lstRoots()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstRoots()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_lstAccuracy->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_lstAccuracy->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_lstAccuracy->setDragEnabled(false);
    m_lstAccuracy->setAccessibleName(tr("Accuracy of each root"));
    m_lstAccuracy->setAccessibleDescription(columns.header().simplified());
    const QFontMetrics metrics(m_lstAccuracy->font());
    m_lstAccuracy->setMinimumWidth(metrics.horizontalAdvance(columns.header() + QStringLiteral("    "))
        + m_lstAccuracy->verticalScrollBar()->sizeHint().width());
    // Room for a root of the usual size before its list scrolls sideways.
    lstRoots()->setMinimumWidth(metrics.horizontalAdvance(QString(22, QLatin1Char('0'))));
    keepInStep(lstRoots(), m_lstAccuracy);
    auto *grid = new QGridLayout(frmX);
    grid->setHorizontalSpacing(0);
    grid->addWidget(rootHeader, 0, 0);
    grid->addWidget(m_lblAccuracyHeader, 0, 1);
    grid->addWidget(lstRoots(), 1, 0);
    grid->addWidget(m_lstAccuracy, 1, 1);
    grid->setColumnStretch(0, 1);
    return frmX;
}

QWidget *FrmSolve::buildNature()
{
    auto *frame = new QGroupBox(tr("Nature of Roots"));
    frame->setObjectName(QStringLiteral("frmNature"));
    m_lblNumReal = caption(QString(), "lblNumReal");
    m_lblNumImaginary = caption(QString(), "lblNumImaginary");
    m_lblNumNotFound = caption(QString(), "lblNumNotFound");
    // Told only when the engine could not find every root.
    m_lblNotFound = caption(tr("Number of roots not found:"), "lblNature_2");
    m_lblNotFound->hide();
    m_lblNumNotFound->hide();
    auto *grid = new QGridLayout(frame);
    grid->addWidget(caption(tr("Number of real roots:"), "lblNature_0"), 0, 0);
    grid->addWidget(m_lblNumReal, 0, 1);
    grid->addWidget(caption(tr("Number of imaginary roots:"), "lblNature_1"), 1, 0);
    grid->addWidget(m_lblNumImaginary, 1, 1);
    grid->addWidget(m_lblNotFound, 2, 0);
    grid->addWidget(m_lblNumNotFound, 2, 1);
    grid->setRowStretch(3, 1);
    return frame;
}

void FrmSolve::setDegree(const QString &degree)
{
    m_frmSolved->setTitle(tr("Roots of Equation - [Degree: ") + degree + QStringLiteral("]"));
}

void FrmSolve::showRoots(const core::RootList &roots)
{
    std::vector<std::string> entries = roots.entries;
    for (const std::size_t at : roots.notFound) {
        entries[at] = toStd(tr("(root could not be found)"));
    }
    fillList(lstRoots(), entries);
    m_lblNumReal->setText(QString::number(roots.realCount));
    m_lblNumImaginary->setText(QString::number(roots.imaginaryCount));
    m_lblNumNotFound->setText(QString::number(roots.notFound.size()));
    m_lblNotFound->setVisible(!roots.notFound.empty());
    m_lblNumNotFound->setVisible(!roots.notFound.empty());
}

void FrmSolve::showAccuracy(const core::SolvedRoots &solved)
{
    m_solved = solved;
    const AccuracyColumns columns;
    std::vector<std::string> entries;
    std::vector<RootNature> natures;
    for (std::size_t i = 0; i < solved.values.size(); ++i) {
        entries.push_back(toStd(columns.entry(solved.accuracy.roots[i])));
        natures.push_back(!solved.accuracy.roots[i].found ? RootNature::NotFound
                : solved.imaginary[i]                     ? RootNature::Complex
                                                          : RootNature::Real);
    }
    fillList(m_lstAccuracy, entries, 0);
    colourRoots(natures);
    std::vector<std::string> clusters;
    for (const core::RootCluster &cluster : solved.accuracy.clusters) {
        if (cluster.members.size() > 1) {
            clusters.push_back(toStd(clusterEntry(cluster, solved.decimals)));
        }
    }
    fillList(m_lstClusters, clusters, 0);
    m_lblClusters->setVisible(!clusters.empty());
    m_lstClusters->setVisible(!clusters.empty());
    m_btnPlotRoots->setEnabled(!solved.values.empty());
    m_btnSaveRoots->setEnabled(!solved.values.empty());
}

void FrmSolve::btnPlotRoots_Click()
{
    FrmRootPlot plot(m_solved, m_services, this);
    m_services.modal.run(plot);
}

void FrmSolve::btnSaveRoots_Click()
{
    const auto typed = m_services.fileDialogs.saveFile(this, msg::saveRootsCsv());
    if (!typed || typed->isEmpty()) {
        return;
    }
    const QString path = withSuffix(*typed, QStringLiteral("csv"));
    if (!core::SaveAccuracyCsv(toPath(path), m_solved.values, m_solved.accuracy)) {
        m_services.messages.show(msg::rootsNotSaved(QDir::toNativeSeparators(path)), this);
    }
}

} // namespace frontend
