#include "graph/frm_graph_parameters.h"

#include "frontend/kit/accessible_names.h"
#include "frontend/kit/dialog_parts.h"
#include "frontend/kit/feedback.h"
#include "frontend/kit/messages.h"
#include "frontend/kit/qt_text.h"
#include "graph/messages.h"
#include "platform/message_service.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QVBoxLayout>

namespace tools::graph
{
namespace
{

using core::ParameterBox;
using frontend::toQt;
using frontend::toStd;

QCheckBox *checkBox(const char *name, const QString &caption)
{
    auto *check = new QCheckBox(caption);
    check->setObjectName(QLatin1String(name));
    return check;
}

/// A scroll bar that sets a value: it shows the focus, which the style leaves out on scroll bars.
class ValueScrollBar final : public QScrollBar
{
public:
    ValueScrollBar()
        : QScrollBar(Qt::Horizontal)
    {
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QScrollBar::paintEvent(event);
        if (hasFocus()) {
            QStylePainter painter(this);
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.backgroundColor = palette().color(QPalette::Window);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }
};

QString percent(int value)
{
    return QString::number(value) + QLatin1Char('%');
}

} // namespace

FrmGraphParameters::FrmGraphParameters(frontend::core::GraphSettings &settings,
    platform::MessageService &messages,
    const QString &function,
    const core::ParameterEntries &entries,
    QWidget *parent)
    : QDialog(parent)
    , m_settings(settings)
    , m_messages(messages)
{
    setObjectName(QStringLiteral("frmGraphParameters"));
    setWindowTitle(tr("Kovalin - Graph - [Parameters]"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildParametersFrame());
    layout->addWidget(buildButtons());
    frontend::setMainAction(this, "btnGraph");
    m_txtFunction->setText(function);
    Form_Load(entries);
    m_txtXMin->setFocus();
}

QLineEdit *FrmGraphParameters::addBox(QGridLayout *grid, int row, const char *name, const QString &caption)
{
    auto *box = new QLineEdit;
    box->setObjectName(QLatin1String(name));
    auto *label = new QLabel(caption);
    label->setBuddy(box);
    frontend::names::nameAfter(box, label);
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    return box;
}

QWidget *FrmGraphParameters::buildParametersFrame()
{
    auto *frame = new QGroupBox(tr("Specifications of Function's Graph"));
    frame->setObjectName(QStringLiteral("frmNewLength"));
    auto *layout = new QVBoxLayout(frame);
    auto *prompt = new QLabel(tr("Please enter the parameters of the graph to be created from the function below"));
    prompt->setObjectName(QStringLiteral("lblPrompt"));
    prompt->setWordWrap(true);
    layout->addWidget(prompt);

    auto *grid = new QGridLayout;
    m_txtFunction = addBox(grid, 0, "txtFunction", tr("Function:"));
    m_txtFunction->setReadOnly(true);
    m_txtFunction->setFocusPolicy(Qt::ClickFocus); // the Tab key goes through what can be changed
    m_txtXMin = addBox(grid, 1, "txtXMin", tr("Minimum 'x' value:"));
    m_txtXMax = addBox(grid, 2, "txtXMax", tr("Maximum 'x' value:"));
    m_txtYMin = addBox(grid, 3, "txtYMin", tr("Minimum 'y' value:"));
    m_txtYMax = addBox(grid, 4, "txtYMax", tr("Maximum 'y' value:"));
    for (QLineEdit *window : { m_txtXMin, m_txtXMax, m_txtYMin, m_txtYMax }) {
        frontend::makeNumberBox(window); // selects its whole text on gaining the focus
    }

    m_ScrPercent = new ValueScrollBar;
    m_ScrPercent->setObjectName(QStringLiteral("ScrPercent"));
    m_ScrPercent->setRange(1, 100);
    // A scroll bar takes no focus unless told, and its arrow keys move the other way (as content scrolls);
    // this one sets a value, which the keyboard must reach and Left lowers.
    m_ScrPercent->setFocusPolicy(Qt::StrongFocus);
    m_ScrPercent->setInvertedControls(false);
    m_txtPercentQuality = new QLineEdit;
    m_txtPercentQuality->setObjectName(QStringLiteral("txtPercentQuality"));
    m_ScrPercent->setAccessibleName(tr("Graph quality"));
    m_txtPercentQuality->setAccessibleName(tr("Graph quality in percent"));
    m_txtPercentQuality->setEnabled(false);
    m_txtPercentQuality->setMaximumWidth(60);
    auto *quality = new QHBoxLayout;
    quality->addWidget(m_ScrPercent, 1);
    quality->addWidget(m_txtPercentQuality);
    grid->addWidget(new QLabel(tr("Graph quality (1-100%):")), 5, 0);
    grid->addLayout(quality, 5, 1);

    m_chkTick = checkBox("chkTick", tr("&Tickmarks"));
    m_txtTickFreq = new QLineEdit;
    m_txtTickFreq->setObjectName(QStringLiteral("txtTickFreq"));
    m_txtTickFreq->setAccessibleName(tr("Spacing of the tick marks"));
    grid->addWidget(m_chkTick, 6, 0);
    grid->addWidget(m_txtTickFreq, 6, 1);
    m_chkGrid = checkBox("chkGrid", tr("&Gridlines"));
    m_txtGridFreq = new QLineEdit;
    m_txtGridFreq->setObjectName(QStringLiteral("txtGridFreq"));
    m_txtGridFreq->setAccessibleName(tr("Spacing of the grid lines"));
    grid->addWidget(m_chkGrid, 7, 0);
    grid->addWidget(m_txtGridFreq, 7, 1);
    m_chkNumbers = checkBox("chkNumbers", tr("&Numbered axes"));
    m_chkNumbers->setToolTip(tr("Write the values along the axes and mark the real roots found by Solve"));
    grid->addWidget(m_chkNumbers, 8, 0, 1, 2);
    layout->addLayout(grid);
    layout->addWidget(buildCurves());

    connect(m_chkTick, &QCheckBox::clicked, this, &FrmGraphParameters::chkTick_Click);
    connect(m_chkGrid, &QCheckBox::clicked, this, &FrmGraphParameters::chkGrid_Click);
    // valueChanged follows both a change and a drag of the thumb.
    connect(m_ScrPercent, &QScrollBar::valueChanged, this, &FrmGraphParameters::ScrPercent_Change);
    return frame;
}

QWidget *FrmGraphParameters::buildCurves()
{
    auto *frame = new QGroupBox(tr("The function's derivatives and integral may also be plotted:"));
    frame->setObjectName(QStringLiteral("Frame2"));
    auto *layout = new QHBoxLayout(frame);
    m_chkDer1 = checkBox("chkDer1", tr("&First derivative"));
    m_chkDer2 = checkBox("chkDer2", tr("&Second derivative"));
    m_chkInt = checkBox("chkInt", tr("&Integral"));
    layout->addWidget(m_chkDer1);
    layout->addWidget(m_chkDer2);
    layout->addWidget(m_chkInt);
    return frame;
}

QWidget *FrmGraphParameters::buildButtons()
{
    auto *buttons = new QWidget;
    auto *layout = new QHBoxLayout(buttons);
    layout->addStretch(1);
    auto *cancel = new QPushButton(tr("Cancel"));
    cancel->setObjectName(QStringLiteral("btnCancel"));
    auto *graph = new QPushButton(tr("Graph"));
    graph->setObjectName(QStringLiteral("btnGraph"));
    graph->setToolTip(tr("Plot function"));
    layout->addWidget(cancel);
    layout->addWidget(graph);
    connect(cancel, &QPushButton::clicked, this, &FrmGraphParameters::btnCancel_Click);
    connect(graph, &QPushButton::clicked, this, &FrmGraphParameters::btnGraph_Click);
    return buttons;
}

void FrmGraphParameters::Form_Load(const core::ParameterEntries &entries)
{
    for (const ParameterBox which : { ParameterBox::XMin,
             ParameterBox::XMax,
             ParameterBox::YMin,
             ParameterBox::YMax,
             ParameterBox::TickFreq,
             ParameterBox::GridFreq }) {
        box(which)->setText(toQt(core::textOf(entries.texts, which)));
    }
    m_ScrPercent->setValue(entries.texts.quality);
    ScrPercent_Change(m_ScrPercent->value());
    m_chkTick->setChecked(entries.ticks);
    m_chkGrid->setChecked(entries.grid);
    m_chkDer1->setChecked(entries.der1);
    m_chkDer2->setChecked(entries.der2);
    m_chkInt->setChecked(entries.integral);
    m_chkNumbers->setChecked(entries.numbers);
    chkTick_Click();
    chkGrid_Click();
}

QString FrmGraphParameters::functionText() const
{
    return m_txtFunction->text();
}

void FrmGraphParameters::chkTick_Click()
{
    m_txtTickFreq->setEnabled(m_chkTick->isChecked());
}

void FrmGraphParameters::chkGrid_Click()
{
    m_txtGridFreq->setEnabled(m_chkGrid->isChecked());
}

void FrmGraphParameters::ScrPercent_Change(int value)
{
    m_txtPercentQuality->setText(percent(value));
}

void FrmGraphParameters::btnCancel_Click()
{
    reject();
}

QLineEdit *FrmGraphParameters::box(ParameterBox which) const
{
    switch (which) {
    case ParameterBox::XMin:
        return m_txtXMin;
    case ParameterBox::XMax:
        return m_txtXMax;
    case ParameterBox::YMin:
        return m_txtYMin;
    case ParameterBox::YMax:
        return m_txtYMax;
    case ParameterBox::TickFreq:
        return m_txtTickFreq;
    case ParameterBox::GridFreq:
        break;
    }
    return m_txtGridFreq;
}

core::ParameterEntries FrmGraphParameters::entries() const
{
    core::ParameterEntries e;
    e.texts = { toStd(m_txtXMin->text()),
        toStd(m_txtXMax->text()),
        toStd(m_txtYMin->text()),
        toStd(m_txtYMax->text()),
        m_ScrPercent->value(),
        toStd(m_txtTickFreq->text()),
        toStd(m_txtGridFreq->text()) };
    // A spacing box is enabled exactly while its check box is ticked.
    e.ticks = m_chkTick->isChecked();
    e.grid = m_chkGrid->isChecked();
    e.der1 = m_chkDer1->isChecked();
    e.der2 = m_chkDer2->isChecked();
    e.integral = m_chkInt->isChecked();
    e.numbers = m_chkNumbers->isChecked();
    return e;
}

void FrmGraphParameters::showRefusal(const core::ParameterCheck &check)
{
    if (check.ConversionFailed) {
        m_messages.show(frontend::msg::divisionByZero(), this);
    }
    m_messages.show(msg::forFault(check.fault), this);
    if (check.focus) {
        box(*check.focus)->setFocus();
    }
}

void FrmGraphParameters::btnGraph_Click()
{
    const core::ParameterCheck check = core::CheckGraphParameters(entries());
    for (const ParameterBox filled : check.filledWithZero) {
        box(filled)->setText(QStringLiteral("0"));
    }
    if (!check.passed()) {
        showRefusal(check);
        return;
    }
    core::StoreGraphParameters(m_settings, check.entries);
    accept();
}

} // namespace tools::graph
