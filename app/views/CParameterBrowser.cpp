#include "app/views/CParameterBrowser.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

#include "app/CQuenlarRemoteDoc.h"
#include "app/views/ParameterFilterModel.h"
#include "app/views/ParameterTableModel.h"
#include "catalogue/Vx41Params.h"

CParameterBrowser::CParameterBrowser(CQuenlarRemoteDoc& document, QWidget* parent)
    : QWidget(parent, Qt::Window),
      model_(new ParameterTableModel(document.parameters().parameters(), document.userActionGuard(),
                                     this)),
      filtered_(new ParameterFilterModel(this)), filter_(new QLineEdit(this)),
      table_(new QTableView(this)), count_(new QLabel(this)) {
    setObjectName(QStringLiteral("CParameterBrowser"));
    setWindowTitle(QStringLiteral("Parameters"));
    filtered_->setSourceModel(model_);

    filter_->setObjectName(QStringLiteral("filter"));
    filter_->setPlaceholderText(QStringLiteral("Name, id or value"));
    filter_->setClearButtonEnabled(true);
    connect(filter_, &QLineEdit::textChanged, this, &CParameterBrowser::applyFilter);

    table_->setObjectName(QStringLiteral("parameters"));
    table_->setModel(filtered_);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setAlternatingRowColors(true);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    table_->horizontalHeader()->setStretchLastSection(false);
    const int widths[ParameterTableModel::ColumnCount] = {80, 200, 150, 110, 60, 60, 60};
    for (int column = 0; column < ParameterTableModel::ColumnCount; ++column)
        table_->setColumnWidth(column, widths[column]);
    count_->setObjectName(QStringLiteral("count"));

    auto* caption = new QLabel(QStringLiteral("&Filter:"), this);
    caption->setBuddy(filter_);
    auto* top = new QHBoxLayout;
    top->addWidget(caption);
    top->addWidget(filter_, 1);
    top->addWidget(count_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(table_, 1);
    connect(filtered_, &QAbstractItemModel::rowsInserted, this, &CParameterBrowser::showCount);
    connect(filtered_, &QAbstractItemModel::rowsRemoved, this, &CParameterBrowser::showCount);
    showCount();
    resize(760, 520);
}

void CParameterBrowser::applyFilter(const QString& text) {
    filtered_->setFilterFixedString(text.trimmed());
}

void CParameterBrowser::showCount() {
    count_->setText(QStringLiteral("%1 of %2").arg(filtered_->rowCount()).arg(model_->rowCount()));
}
