#pragma once

#include <QAbstractTableModel>
#include <memory>
#include <vector>

#include "app/observers/ObserverActions.h"

class Parameter;
class ParameterMap;

// Every parameter of a map as a table row: id, name, value text, raw bytes, enabled, visible and
// refresh category. Each row has an observer on its parameter, so a row is redrawn only when its
// parameter tells of a change. A typed value goes to the parameter, which takes it or refuses it
// as it would from any control.
class ParameterTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        IdColumn,
        NameColumn,
        ValueColumn,
        RawColumn,
        EnabledColumn,
        VisibleColumn,
        CategoryColumn,
        ColumnCount
    };

    // The parameters must outlive the model, or tell its observers that they go; guard runs the
    // edits.
    ParameterTableModel(const ParameterMap& parameters, ActionGuard guard,
                        QObject* parent = nullptr);
    ~ParameterTableModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A number (decimal, or hexadecimal after "0x") for a numeric value, the text itself for a
    // text value; false when it cannot be read.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The parameter of a row; null once it is gone.
    Parameter* parameterAt(int row) const;

private:
    class RowObserver;

    QString cellText(int row, int column) const;
    void rowChanged(int row);

    ActionGuard guard_;
    std::vector<std::unique_ptr<RowObserver>> rows_;
};
