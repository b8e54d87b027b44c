#pragma once

#include <QWidget>

class CQuenlarRemoteDoc;
class ParameterFilterModel;
class ParameterTableModel;
class QLabel;
class QLineEdit;
class QTableView;

// A window listing every parameter of the unit with its value as polled, narrowed by a filter
// box; a double click on a value edits it through the parameter. Its observers go with it.
class CParameterBrowser : public QWidget {
    Q_OBJECT
public:
    CParameterBrowser(CQuenlarRemoteDoc& document, QWidget* parent = nullptr);

    QLineEdit& filterBox() const { return *filter_; }
    QTableView& table() const { return *table_; }
    ParameterTableModel& model() const { return *model_; }

private:
    void applyFilter(const QString& text);
    void showCount();

    ParameterTableModel* model_;
    ParameterFilterModel* filtered_;
    QLineEdit* filter_;
    QTableView* table_;
    QLabel* count_;
};
