#pragma once

#include <QMainWindow>
#include <array>
#include <functional>
#include <map>

#include "app/frames/ViewKind.h"

class CChildFrame;
class ModalSeam;
class QAction;
class QMdiArea;
class QMenu;
class QLabel;
class QTextBrowser;
class QToolBar;

// The program's main window: the menus, the button bar ("Connect", "Setup", "Router",
// "User Presets"), the status bar and the area that holds the Main, Metadata and Monitor windows
// in a fixed arrangement. Commands that belong to others (connecting, the file commands, the
// setup dialogs) are handed in with setCommand; a command without a handler is greyed. A view
// window can be opened once its view is handed in with setViewFactory.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // Makes a new view; the child frame that shows it becomes its Qt parent.
    using ViewFactory = std::function<QWidget*()>;

    explicit CMainFrame(ModalSeam& seam);

    // The command's action runs run; it is enabled while enabled (if given) answers true, and a
    // checkable one is checked while checked answers true.
    void setCommand(int commandId, std::function<void()> run, std::function<bool()> enabled = {},
                    std::function<bool()> checked = {});
    void setViewFactory(ViewKind kind, ViewFactory factory);

    // The window of that view, or null while it is not open.
    CChildFrame* childFrame(ViewKind kind) const;

    // Opens every view window that is not open yet, arranges them and activates the first one
    // it opened.
    void openViews();
    // Places the open windows and gives the frame the size that holds them.
    void layOut();
    // Brings the enabled and checked states of the commands up to date.
    void updateCommandStates();
    // The serial line's port, speed, state and health, kept at the right of the status bar.
    void showLineStatus(const QString& text);
    // Names the unit's profile in the title, so that the programs of several units are told
    // apart; nothing for none.
    void showProfile(const QString& profile);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct Command {
        std::function<void()> run;
        std::function<bool()> enabled;
        std::function<bool()> checked;
    };

    void createMenus();
    void createButtonBar();
    void addFrameCommands();
    QAction* addAction(QMenu* menu, int commandId, const QString& text,
                       const QKeySequence& shortcut = {});
    void runCommand(int commandId);
    bool isOpen(ViewKind kind) const;
    bool canOpen(ViewKind kind) const;
    CChildFrame* openView(ViewKind kind);
    void closeView(ViewKind kind);
    void showViews(bool metadata, bool monitor);
    void showUserGuide();
    QSize barsAround();

    ModalSeam& seam_;
    QMdiArea* area_;
    QToolBar* buttonBar_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QTextBrowser* guide_ = nullptr;
    QLabel* lineStatus_;
    std::map<int, QAction*> actions_;
    std::map<int, Command> commands_;
    std::array<ViewFactory, 3> factories_;
    std::array<CChildFrame*, 3> children_{};
};
