#include "frontend/kit/results_window.h"

#include "frontend/core/copy_text.h"
#include "frontend/kit/dialog_parts.h"
#include "frontend/kit/messages.h"
#include "frontend/kit/qt_text.h"
#include "platform/clipboard.h"
#include "platform/message_service.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace frontend
{

void fillList(QListWidget *list, const std::vector<std::string> &entries, int extentPixels)
{
    list->clear();
    const QFontMetrics metrics(list->font());
    int widest = extentPixels;
    for (const std::string &entry : entries) {
        const QString text = toQt(entry);
        list->addItem(text);
        // A little room for the item's own margins.
        widest = std::max(widest, metrics.horizontalAdvance(text) + 2 * metrics.averageCharWidth());
    }
    // Every row as wide as the extent: the list then scrolls sideways over all of it.
    const int height = metrics.height() + 2;
    for (int row = 0; row < list->count(); ++row) {
        list->item(row)->setSizeHint(QSize(widest, height));
    }
}

ResultsWindow::ResultsWindow(platform::MessageService &messages, platform::Clipboard &clipboard, QWidget *parent)
    : QDialog(parent)
    , m_messages(messages)
    , m_clipboard(clipboard)
    , m_txtEquation(new QLineEdit(this))
    , m_lstRoots(makeList("lstRoots"))
    , m_txtCopy(new QPlainTextEdit(this))
{
    m_txtEquation->setObjectName(QStringLiteral("txtEquation"));
    m_txtEquation->setReadOnly(true);
    m_txtEquation->setFocusPolicy(Qt::ClickFocus); // selected and dragged with the mouse; Tab passes it by
    m_txtEquation->setFont(fixedFont());
    m_txtEquation->setDragEnabled(true);
    m_lstRoots->setParent(this);
    m_txtEquation->setAccessibleName(tr("Equation"));
    m_lstRoots->setAccessibleName(tr("Roots"));
    m_txtCopy->setAccessibleName(tr("Text copied"));
    m_txtCopy->setObjectName(QStringLiteral("txtCopy"));
    m_txtCopy->hide();
}

void ResultsWindow::setEquation(const QString &text)
{
    m_txtEquation->setText(text);
    m_txtEquation->setCursorPosition(0);
}

QListWidget *ResultsWindow::makeList(const char *name)
{
    auto *list = new QListWidget;
    list->setObjectName(QLatin1String(name));
    list->setFont(fixedFont());
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setDragEnabled(true);
    return list;
}

QWidget *ResultsWindow::buildButtons(const QString &copyTip, const std::vector<QPushButton *> &own)
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    auto *copy = button(tr("Copy"), "btnCopy");
    copy->setToolTip(copyTip);
    connect(copy, &QPushButton::clicked, this, &ResultsWindow::btnCopy_Click);
    layout->addWidget(copy);
    for (QPushButton *extra : own) {
        layout->addWidget(extra);
    }
    auto *close = button(tr("Close"), "btnClose");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &ResultsWindow::btnClose_Click);
    layout->addStretch(1);
    layout->addWidget(close);
    return row;
}

void ResultsWindow::colourRoots(const std::vector<RootNature> &natures)
{
    const int rows = std::min(m_lstRoots->count(), static_cast<int>(natures.size()));
    for (int row = 0; row < rows; ++row) {
        const RootNature nature = natures[static_cast<std::size_t>(row)];
        if (nature != RootNature::NotFound) {
            m_lstRoots->item(row)->setForeground(rootColour(nature == RootNature::Complex, m_lstRoots->palette()));
        }
    }
}

void ResultsWindow::btnCopy_Click()
{
    std::vector<std::string> roots;
    for (int row = 0; row < m_lstRoots->count(); ++row) {
        roots.push_back(toStd(m_lstRoots->item(row)->text()));
    }
    const auto text = core::CopyThroughScratch(core::CopyLines(toStd(m_txtEquation->text()), roots));
    if (!text) {
        m_messages.show(msg::copyScratchFailed(QDir::toNativeSeparators(QDir::currentPath())), this);
        return;
    }
    m_txtCopy->setPlainText(toQt(*text));
    m_clipboard.setText(toQt(*text));
}

void ResultsWindow::btnClose_Click()
{
    accept();
}

} // namespace frontend
