#include "app/views/ParameterFilterModel.h"

#include "app/views/ParameterTableModel.h"

ParameterFilterModel::ParameterFilterModel(QObject* parent) : QSortFilterProxyModel(parent) {
    setFilterCaseSensitivity(Qt::CaseInsensitive);
    setDynamicSortFilter(true);
}

bool ParameterFilterModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    const QRegularExpression& filter = filterRegularExpression();
    if (filter.pattern().isEmpty())
        return true;
    const QAbstractItemModel* source = sourceModel();
    for (int column : {ParameterTableModel::IdColumn, ParameterTableModel::NameColumn,
                       ParameterTableModel::ValueColumn}) {
        const QString text = source->index(sourceRow, column, sourceParent).data().toString();
        if (filter.match(text).hasMatch())
            return true;
    }
    return false;
}
