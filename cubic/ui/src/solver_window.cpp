#include "cubic/solver_window.h"

#include "cubic/texts.h"
#include "frontend/kit/accessible_names.h"
#include "frontend/kit/dialog_parts.h"
#include "frontend/kit/text_colours.h"
#include "platform/clipboard.h"
#include "platform/shell.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

#include <algorithm>

namespace cubic
{
namespace
{

using frontend::TextColour;
using frontend::textColour;

QFont fixedPitch()
{
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

// A label's caption with its access key ("&S") shown underlined, as rich text; "&&" is a plain "&".
QString underlinedAccessKey(const QString &caption)
{
    QString html;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size()) {
            ++i;
            const QString letter = QString(caption[i]).toHtmlEscaped();
            html += caption[i] == u'&' ? letter : QStringLiteral("<u>") + letter + QStringLiteral("</u>");
        } else {
            html += QString(caption[i]).toHtmlEscaped();
        }
    }
    return html;
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// The maker's logo: a cubic curve crossing its axis three times.
QPixmap logo()
{
    QPixmap picture(48, 48);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::gray, 1));
    painter.drawLine(2, 24, 46, 24);
    QPainterPath curve;
    for (int x = 4; x <= 44; ++x) {
        const double t = (x - 24) / 10.0;
        const double y = 24 - 4 * (t * t * t - 3 * t);
        x == 4 ? curve.moveTo(x, y) : curve.lineTo(x, y);
    }
    painter.setPen(QPen(Qt::darkBlue, 2));
    painter.drawPath(curve);
    return picture;
}

} // namespace

SolverWindow::SolverWindow(platform::MessageService &messages,
    platform::Clipboard &clipboard,
    platform::Shell &shell,
    int rootRows,
    QWidget *parent)
    : QWidget(parent)
    , m_messages(messages)
    , m_clipboard(clipboard)
    , m_shell(shell)
{
    auto *layout = new QVBoxLayout(this);
    BuildEntryFrame(layout);
    BuildRootRows(layout, rootRows);
    m_lblDiscriminant = new QLabel(this);
    m_lblDiscriminant->setObjectName(QStringLiteral("lblDiscriminant"));
    m_lblDiscriminant->setTextFormat(Qt::RichText);
    m_lblDiscriminant->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_lblDiscriminant);
    BuildButtons(layout);
    BuildAboutFrame(layout);
    SetCaption(texts::StartCaption());
}

SolverWindow::~SolverWindow() = default;

void SolverWindow::BuildEntryFrame(QBoxLayout *layout)
{
    auto *frmEnter = new QGroupBox(texts::EquationEntry(), this);
    frmEnter->setObjectName(QStringLiteral("frmEnter"));
    auto *column = new QVBoxLayout(frmEnter);
    m_lblEnter = new QLabel(frmEnter);
    m_lblEnter->setObjectName(QStringLiteral("lblEnter"));
    column->addWidget(m_lblEnter);
    auto *frmEquation = new QFrame(frmEnter);
    frmEquation->setObjectName(QStringLiteral("frmEquation"));
    frmEquation->setFrameShape(QFrame::StyledPanel);
    m_entryRow = new QHBoxLayout(frmEquation);
    column->addWidget(frmEquation);
    auto *lblCoef = new QLabel(texts::CoefficientForms(), frmEnter);
    lblCoef->setObjectName(QStringLiteral("lblCoef"));
    column->addWidget(lblCoef);
    layout->addWidget(frmEnter);
}

void SolverWindow::BuildRootRows(QBoxLayout *layout, int rows)
{
    auto *FrmRoots = new QGroupBox(texts::Roots(), this);
    FrmRoots->setObjectName(QStringLiteral("FrmRoots"));
    auto *grid = new QGridLayout(FrmRoots);
    for (int row = 0; row < rows; ++row) {
        const QString index = QString::number(row + 1);
        auto *lblX = new QLabel(texts::XEquals(), FrmRoots);
        lblX->setObjectName(QStringLiteral("lblX") + index);
        lblX->setFont(fixedPitch());
        QLabel *indexLabel = attachSmallLabel(lblX, QStringLiteral("Label") + index, index, false);
        auto *txtX = new QLineEdit(FrmRoots);
        txtX->setObjectName(QStringLiteral("txtX") + index);
        txtX->setAccessibleName(frontend::names::root(row + 1));
        txtX->setReadOnly(true);
        txtX->setFocusPolicy(Qt::ClickFocus);
        txtX->setFont(fixedPitch());
        QPalette face = txtX->palette();
        face.setColor(QPalette::Base, face.color(QPalette::Window));
        txtX->setPalette(face);
        grid->addWidget(lblX, row, 0);
        grid->addWidget(txtX, row, 1);
        m_rootLabels.append(std::array<QLabel *, 2> { lblX, indexLabel });
        m_rootBoxes.append(txtX);
        PaintRow(row, RowColour::Neutral);
    }
    layout->addWidget(FrmRoots);
}

void SolverWindow::BuildButtons(QBoxLayout *layout)
{
    auto *row = new QHBoxLayout;
    m_cmdCalculate = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton), texts::Solve(), this);
    m_cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
    m_cmdCalculate->setToolTip(texts::SolveTip());
    // Pressed by Enter while it has the focus; made automatic too, it would lose its default mark on leaving.
    m_cmdCalculate->setDefault(true);
    m_cmdCopy = frontend::button(texts::Copy(), "cmdCopy", texts::CopyTip());
    m_cmdCopy->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    m_cmdCopy->setEnabled(false);
    m_cmdClear = frontend::button(texts::Clear(), "cmdClear", texts::ClearTip());
    row->addWidget(m_cmdCalculate);
    row->addWidget(m_cmdCopy);
    row->addWidget(m_cmdClear);
    layout->addLayout(row);
    connect(m_cmdCalculate, &QPushButton::clicked, this, &SolverWindow::cmdCalculate_Click);
    connect(m_cmdCopy, &QPushButton::clicked, this, &SolverWindow::cmdCopy_Click);
    connect(m_cmdClear, &QPushButton::clicked, this, &SolverWindow::cmdClear_Click);
}

void SolverWindow::BuildAboutFrame(QBoxLayout *layout)
{
    auto *frmAbout = new QGroupBox(texts::About(), this);
    frmAbout->setObjectName(QStringLiteral("frmAbout"));
    auto *row = new QHBoxLayout(frmAbout);
    auto *picLogo = new QLabel(frmAbout);
    picLogo->setObjectName(QStringLiteral("picLogo"));
    picLogo->setPixmap(logo());
    row->addWidget(picLogo);
    auto *lines = new QVBoxLayout;
    for (const QString &line : texts::AboutLines()) {
        lines->addWidget(new QLabel(line, frmAbout));
    }
    m_lblEmail = new QLabel(texts::SupportAddress(), frmAbout);
    m_lblEmail->setObjectName(QStringLiteral("lblEmail"));
    m_lblEmail->setToolTip(texts::EmailTip());
    m_lblEmail->setCursor(Qt::PointingHandCursor);
    setTextColour(m_lblEmail, textColour(TextColour::Blue, palette()));
    m_lblEmail->installEventFilter(this);
    lines->addWidget(m_lblEmail);
    row->addLayout(lines, 1);
    layout->addWidget(frmAbout);
}

QLineEdit *SolverWindow::addCoefficientBox(const QString &name, int power)
{
    auto *box = new QLineEdit(m_entryRow->parentWidget());
    box->setObjectName(name);
    box->setAccessibleName(frontend::names::coefficient(power));
    box->setFont(fixedPitch());
    box->installEventFilter(this);
    m_entryRow->addWidget(box);
    // The entry row is built after the rest of the window: put it first in the tab order.
    if (m_boxes.isEmpty()) {
        box->setFocus();
    } else {
        setTabOrder(m_boxes.back(), box);
    }
    setTabOrder(box, m_cmdCalculate);
    m_boxes.append(box);
    return box;
}

QLabel *SolverWindow::addEntryLabel(const QString &name, const QString &text)
{
    auto *label = new QLabel(text, m_entryRow->parentWidget());
    label->setObjectName(name);
    label->setFont(fixedPitch());
    m_entryRow->addWidget(label);
    return label;
}

void SolverWindow::setEnterPrompt(const QString &text)
{
    m_lblEnter->setText(text);
}

QLabel *SolverWindow::attachSmallLabel(QLabel *host, const QString &name, const QString &text, bool raised)
{
    auto *small = new QLabel(text, host);
    small->setObjectName(name);
    QFont font = host->font();
    font.setPointSizeF(font.pointSizeF() * 0.7);
    small->setFont(font);
    small->adjustSize();
    const QFontMetrics metrics(host->font());
    small->move(metrics.horizontalAdvance(QLatin1Char('x')), raised ? 0 : metrics.height() - small->height() + 2);
    return small;
}

bool SolverWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_lblEmail) {
        if (event->type() == QEvent::MouseButtonPress) {
            lblEmail_MouseDown();
        } else if (event->type() == QEvent::MouseButtonRelease) {
            lblEmail_MouseUp();
            if (m_lblEmail->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint())) {
                lblEmail_Click();
            }
        }
    } else if (event->type() == QEvent::FocusIn) {
        if (auto *box = qobject_cast<QLineEdit *>(watched); box && m_boxes.contains(box)) {
            txtCoefficient_GotFocus(box);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SolverWindow::cmdCalculate_Click()
{
    const SolveOutcome outcome = Solve(BoxTexts());
    for (qsizetype i = 0; i < m_boxes.size(); ++i) {
        m_boxes[i]->setText(QString::fromStdString(outcome.boxes[static_cast<std::size_t>(i)]));
    }
    for (const Notice notice : outcome.notices) {
        if (notice == Notice::DivisionByZero) {
            m_messages.show(texts::DivisionByZero(), this);
        } else {
            ErrorValue();
        }
    }
    if (outcome.display) {
        ShowRoots(*outcome.display);
    }
}

void SolverWindow::cmdClear_Click()
{
    // Only the first four boxes count: with all of them empty nothing is cleared.
    const bool filled = std::any_of(m_boxes.begin(), m_boxes.begin() + 4, [](const QLineEdit *box) {
        return !box->text().isEmpty();
    });
    if (filled && m_messages.show(texts::ClearQuestion(), this) == platform::Answer::Yes) {
        ClearAll();
    }
    m_boxes.front()->setFocus();
}

void SolverWindow::cmdCopy_Click()
{
    std::array<std::string, kMaxRows> roots;
    for (qsizetype row = 0; row < m_rootBoxes.size(); ++row) {
        roots[static_cast<std::size_t>(row)] = m_rootBoxes[row]->text().toStdString();
    }
    m_clipboard.setText(QString::fromStdString(CopyLine(BoxTexts(), roots)));
    m_messages.show(texts::Copied(), this);
}

void SolverWindow::txtCoefficient_GotFocus(QLineEdit *box)
{
    box->selectAll();
    // A mouse click places the cursor after the focus arrives; select again once it has.
    QTimer::singleShot(0, box, &QLineEdit::selectAll);
}

void SolverWindow::lblEmail_Click()
{
    m_shell.openUrl(QStringLiteral("mailto:") + texts::SupportAddress());
}

void SolverWindow::lblEmail_MouseDown()
{
    setTextColour(m_lblEmail, textColour(TextColour::Red, palette()));
}

void SolverWindow::lblEmail_MouseUp()
{
    setTextColour(m_lblEmail, textColour(TextColour::Blue, palette()));
}

void SolverWindow::ShowRoots(const Display &display)
{
    for (qsizetype row = 0; row < m_rootBoxes.size(); ++row) {
        const auto k = static_cast<std::size_t>(row);
        m_rootBoxes[row]->setText(QString::fromStdString(display.roots[k]));
        PaintRow(static_cast<int>(row), display.colours[k]);
    }
    SetCaption(CaptionText(display.nature));
    m_cmdCopy->setEnabled(true);
}

void SolverWindow::ErrorValue()
{
    m_messages.show(InputErrorMessage(), this);
    ClearRoots();
    m_cmdCopy->setEnabled(false);
    SetCaption(texts::FixCaption());
    m_boxes.front()->setFocus();
}

void SolverWindow::ClearAll()
{
    for (QLineEdit *box : std::as_const(m_boxes)) {
        box->clear();
    }
    ClearRoots();
    m_cmdCopy->setEnabled(false);
    SetCaption(texts::StartCaption());
    m_boxes.front()->setFocus();
}

void SolverWindow::ClearRoots()
{
    for (qsizetype row = 0; row < m_rootBoxes.size(); ++row) {
        m_rootBoxes[row]->clear();
        PaintRow(static_cast<int>(row), RowColour::Neutral);
    }
}

void SolverWindow::PaintRow(int row, RowColour colour)
{
    const QColor shown = colour == RowColour::Blue ? textColour(TextColour::Blue, palette())
        : colour == RowColour::Red                 ? textColour(TextColour::Red, palette())
                                                   : palette().color(QPalette::ButtonText);
    for (QLabel *label : m_rootLabels[row]) {
        setTextColour(label, shown);
    }
}

void SolverWindow::SetCaption(const QString &caption)
{
    m_lblDiscriminant->setText(underlinedAccessKey(caption));
}

std::vector<std::string> SolverWindow::BoxTexts() const
{
    std::vector<std::string> texts;
    for (const QLineEdit *box : m_boxes) {
        texts.push_back(box->text().toStdString());
    }
    return texts;
}

} // namespace cubic
