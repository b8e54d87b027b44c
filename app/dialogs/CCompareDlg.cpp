#include "app/dialogs/CCompareDlg.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

CCompareDlg::CCompareDlg(const QString& fileName, const QString& damage,
                         const std::vector<ConfigurationDifference>& differences, QWidget* parent)
    : QDialog(parent), summary_(new QLabel(this)), damage_(new QLabel(this)),
      table_(new QTableWidget(0, ColumnCount, this)) {
    setObjectName(QStringLiteral("CCompareDlg"));
    setWindowTitle(QStringLiteral("Compare with File"));
    const QString name = QFileInfo(fileName).fileName();
    const auto count = static_cast<int>(differences.size());
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setWordWrap(true);
    summary_->setText(count == 0
                          ? QStringLiteral("%1 holds the same settings as the device.").arg(name)
                          : QStringLiteral("%1 and the device differ in %2 setting%3.")
                                .arg(name)
                                .arg(count)
                                .arg(count == 1 ? "" : "s"));
    damage_->setObjectName(QStringLiteral("damage"));
    damage_->setWordWrap(true);
    damage_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));
    damage_->setText(QStringLiteral("This file is damaged: %1. Its values may not be those that "
                                    "were saved.")
                         .arg(damage));
    damage_->setVisible(!damage.isEmpty());
    fill(differences);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(damage_);
    layout->addWidget(table_, 1);
    layout->addWidget(buttons);
    resize(680, 420);
}

void CCompareDlg::fill(const std::vector<ConfigurationDifference>& differences) {
    table_->setObjectName(QStringLiteral("differences"));
    table_->setHorizontalHeaderLabels({QStringLiteral("Id"), QStringLiteral("Setting"),
                                       QStringLiteral("In the file"),
                                       QStringLiteral("On the device")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setRowCount(static_cast<int>(differences.size()));
    int row = 0;
    for (const ConfigurationDifference& difference : differences) {
        const QString texts[ColumnCount] = {
            QStringLiteral("(%1, %2)").arg(difference.id.number).arg(difference.id.index),
            QString::fromStdString(difference.name), QString::fromStdString(difference.firstText),
            QString::fromStdString(difference.secondText)};
        for (int column = 0; column < ColumnCount; ++column)
            table_->setItem(row, column, new QTableWidgetItem(texts[column]));
        ++row;
    }
    table_->setColumnWidth(IdColumn, 80);
    table_->setColumnWidth(NameColumn, 220);
    table_->setColumnWidth(FileColumn, 170);
}
