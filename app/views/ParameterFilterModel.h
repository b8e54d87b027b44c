#pragma once

#include <QSortFilterProxyModel>

// Keeps the rows of a parameter table whose id, name or value text holds the filter text, in any
// case. Rows come and go as their values change.
class ParameterFilterModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit ParameterFilterModel(QObject* parent = nullptr);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
};
