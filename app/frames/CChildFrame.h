#pragma once

#include <QMdiSubWindow>

// Holds one view inside the main frame: no caption bar, and the view's fixed size cannot be
// changed by the user (sizing and maximising are greyed in the window menu and have no effect).
// Closing the window deletes it and its view.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    // Takes the view as its Qt child.
    explicit CChildFrame(QWidget* view);

signals:
    // Closed by the operator (from its window menu, say): it is deleted a little later.
    void closed();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void greySizingCommands();
};
