#include "app/ProgressWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

ProgressWindow::ProgressWindow(const QString& what, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      count_(new QLabel(this)), cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
    setObjectName("ProgressWindow");
    setWindowTitle("QuenlarRemote 41");
    setWindowModality(Qt::ApplicationModal);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    auto* label = new QLabel(what, this);
    label->setMinimumWidth(320);
    label->setTextFormat(Qt::PlainText);
    layout->addWidget(label);
    // Moves as long as the event loop turns: the program is alive while the unit answers.
    auto* busy = new QProgressBar(this);
    busy->setRange(0, 0);
    busy->setTextVisible(false);
    layout->addWidget(busy);
    layout->addWidget(count_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    cancel_->setObjectName("cancel");
    connect(cancel_, &QPushButton::clicked, this, [this] {
        cancel_->setEnabled(false);
        cancel_->setText(QStringLiteral("Cancelling..."));
        emit cancelRequested();
    });
    showCount();
}

void ProgressWindow::showNow() {
    show();
    repaint();
}

void ProgressWindow::advance() {
    ++exchanges_;
    showCount();
    repaint();
}

void ProgressWindow::showCount() {
    count_->setText(QString("Exchanges with the unit: %1").arg(exchanges_));
    count_->setMinimumWidth(count_->fontMetrics().horizontalAdvance(count_->text() + "0000"));
}
