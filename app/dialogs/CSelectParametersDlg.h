#pragma once

#include <QDialog>

class QLayout;

// Which parameters a configuration file restores: "Operating", or "Operating and Setup". Either
// button ends the dialog with OK; the choice is asked afterwards.
class CSelectParametersDlg : public QDialog {
public:
    static constexpr int operatingId = 2262;
    static constexpr int operatingAndSetupId = 2263;

    explicit CSelectParametersDlg(QWidget* parent);

    bool includeSetup() const { return includeSetup_; }

private:
    void addChoice(QLayout& layout, const QString& text, int controlId, bool includeSetup);

    bool includeSetup_ = false;
};
