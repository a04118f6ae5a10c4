#include "tools/analysis/table_model.h"

#include "frontend/kit/qt_text.h"

#include <QMimeData>

#include <algorithm>
#include <limits>

namespace tools::analysis
{

TableModel::TableModel(ValueTable table, QObject *parent)
    : QAbstractListModel(parent)
    , m_table(std::move(table))
{
}

int TableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid()) {
        return 0;
    }
    // The run is capped well below what a view can count; the clamp only keeps the conversion honest.
    return static_cast<int>(std::min<std::int64_t>(m_table.rowCount(), std::numeric_limits<int>::max()));
}

QVariant TableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return frontend::toQt(m_table.row(index.row()));
    }
    if (role == Qt::SizeHintRole && m_rowSize.isValid()) {
        return m_rowSize;
    }
    return {};
}

Qt::ItemFlags TableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemNeverHasChildren;
}

QStringList TableModel::mimeTypes() const
{
    return { QStringLiteral("text/plain") };
}

QMimeData *TableModel::mimeData(const QModelIndexList &indexes) const
{
    std::vector<int> rows;
    rows.reserve(static_cast<std::size_t>(indexes.size()));
    for (const QModelIndex &index : indexes) {
        rows.push_back(index.row());
    }
    std::sort(rows.begin(), rows.end());
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(rows.size()));
    for (const int row : rows) {
        lines.append(frontend::toQt(m_table.row(row)));
    }
    auto *mime = new QMimeData;
    mime->setText(lines.join(QLatin1Char('\n')));
    return mime;
}

} // namespace tools::analysis
