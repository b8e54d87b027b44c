#pragma once

#include <QDialog>

// The program's icon, name and version.
class CAboutDlg : public QDialog {
public:
    static constexpr const char* versionLine = "QuenlarRemote 41 Version 1.1.7.1";

    explicit CAboutDlg(QWidget* parent);
};
