#pragma once

#include <QDialog>
#include <vector>

#include "model/ConfigurationDifference.h"

class QLabel;
class QTableWidget;

// 'Compare with File': the persistent settings in which a configuration file and the unit differ,
// in id order, each with its name and both values as the reports word them. A damaged file is
// named as such above the list.
class CCompareDlg : public QDialog {
    Q_OBJECT
public:
    enum Column { IdColumn, NameColumn, FileColumn, UnitColumn, ColumnCount };

    // damage: why the file is damaged, or empty.
    CCompareDlg(const QString& fileName, const QString& damage,
                const std::vector<ConfigurationDifference>& differences, QWidget* parent = nullptr);

    QTableWidget& table() const { return *table_; }
    QLabel& summary() const { return *summary_; }
    QLabel& damageNote() const { return *damage_; }

private:
    void fill(const std::vector<ConfigurationDifference>& differences);

    QLabel* summary_;
    QLabel* damage_;
    QTableWidget* table_;
};
