#pragma once
// The rows of a table of values for a list view. Nothing is stored per row: the view asks only for the rows
// it shows, and each is computed then, so a table of millions of rows builds and scrolls at once.

#include "tools/analysis/table.h"

#include <QAbstractListModel>
#include <QSize>

namespace tools::analysis
{

class TableModel final : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit TableModel(ValueTable table, QObject *parent = nullptr);

    const ValueTable &table() const { return m_table; }
    /// The size every row has (the view lays rows out as one uniform size).
    void setRowSize(QSize size) { m_rowSize = size; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override;
    /// Dragged rows arrive in a text editor as plain text, one row per line.
    QMimeData *mimeData(const QModelIndexList &indexes) const override;

private:
    ValueTable m_table;
    QSize m_rowSize;
};

} // namespace tools::analysis
