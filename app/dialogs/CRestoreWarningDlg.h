#pragma once

#include <QDialog>

// The last word before setup parameters are restored: "Continue" accepts, "Cancel" rejects.
class CRestoreWarningDlg : public QDialog {
public:
    explicit CRestoreWarningDlg(QWidget* parent);
};
