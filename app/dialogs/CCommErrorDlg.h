#pragma once

#include <QDialog>

// The unit stopped answering: "Try To Reconnect" accepts, "Work Offline" rejects.
class CCommErrorDlg : public QDialog {
public:
    // cause: the failure's own words, shown under the notice.
    CCommErrorDlg(const QString& cause, QWidget* parent);
};
