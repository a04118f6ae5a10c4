#include "graph/picture_size.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tools::graph
{
namespace
{

/// The widest picture offered: far beyond any screen, still a bitmap a program can hold.
constexpr int largestWidth = 16000;

} // namespace

PictureSizeDialog::PictureSizeDialog(QSize screen, QWidget *parent)
    : QDialog(parent)
    , m_screen(screen.expandedTo(QSize(1, 1)))
{
    setObjectName(QStringLiteral("frmPictureSize"));
    setWindowTitle(tr("Kovalin - Graph - [Picture Size]"));
    m_spnWidth = new QSpinBox;
    m_spnWidth->setObjectName(QStringLiteral("spnWidth"));
    m_spnWidth->setRange(16, largestWidth);
    m_spnWidth->setSuffix(tr(" pixels"));
    m_lblHeight = new QLabel;
    m_lblHeight->setObjectName(QStringLiteral("lblHeight"));
    auto *form = new QFormLayout;
    form->addRow(tr("&Width:"), m_spnWidth);
    form->addRow(tr("Height:"), m_lblHeight);
    auto *hint = new QLabel(tr("The picture is the graph as the screen shows it, enlarged or reduced to this size."));
    hint->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("btnCancel"));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(hint);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_spnWidth, &QSpinBox::valueChanged, this, &PictureSizeDialog::spnWidth_Change);
    m_spnWidth->setValue(std::clamp(m_screen.width(), m_spnWidth->minimum(), m_spnWidth->maximum()));
    spnWidth_Change(m_spnWidth->value());
    m_spnWidth->selectAll();
    m_spnWidth->setFocus();
}

QSize PictureSizeDialog::chosenSize() const
{
    const int width = m_spnWidth->value();
    const double height = static_cast<double>(width) * m_screen.height() / m_screen.width();
    return { width, std::max(1, static_cast<int>(std::lround(height))) };
}

void PictureSizeDialog::spnWidth_Change(int)
{
    m_lblHeight->setText(tr("%1 pixels").arg(chosenSize().height()));
}

} // namespace tools::graph
