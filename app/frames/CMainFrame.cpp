#include "app/frames/CMainFrame.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolBar>
#include <exception>

#include "app/CommandIds.h"
#include "app/ModalSeam.h"
#include "app/frames/CChildFrame.h"
#include "app/frames/FrameLayout.h"
#include "app/resources/AppResources.h"

namespace {
const QString title = QStringLiteral("Quenlar Laboratories - QuenlarRemote 41");

std::size_t slot(ViewKind kind) {
    return static_cast<std::size_t>(kind);
}

// The status-bar prompt and, after the line break, the tool tip of each command.
QString prompt(int commandId) {
    switch (commandId) {
    case CommandId::Setup:
        return QStringLiteral("Set up the monitor outputs and GPIO ports of the device\nSetup");
    case CommandId::Router:
        return QStringLiteral("Set up the output router of the device\nRouter");
    case CommandId::UserPresets:
        return QStringLiteral("Recall and save the user presets of the device\nUser Presets");
    case CommandId::Connect:
        return QStringLiteral("Open a connection to a device\nConnect Device");
    case CommandId::ViewMain:
        return QStringLiteral("Show the Main window only\nMain Window");
    case CommandId::ViewMainAndMetadata:
        return QStringLiteral("Show the Main and Metadata windows\nMain and Metadata");
    case CommandId::ViewAllWindows:
        return QStringLiteral("Show the Main, Metadata and Monitor windows\nAll Windows");
    case CommandId::SaveConfiguration:
        return QStringLiteral("Save the configuration of the device to a file\nSave Configuration");
    case CommandId::OpenConfiguration:
        return QStringLiteral("Restore the configuration of the device from a file\n"
                              "Open Configuration");
    case CommandId::ExportText:
        return QStringLiteral("Write the settings of the device to a text file\nExport Text");
    case CommandId::ExportHtml:
        return QStringLiteral("Write the settings of the device to an HTML file\nExport HTML");
    case CommandId::RunTests:
        return QStringLiteral("Run the built-in tests\nRun Tests");
    case CommandId::CompareWithFile:
        return QStringLiteral("List the settings of a configuration file that differ from the "
                              "device\nCompare with File");
    case CommandId::ParameterBrowser:
        return QStringLiteral("List every parameter of the device with its value\n"
                              "Parameter Browser");
    case CommandId::LineMonitor:
        return QStringLiteral("Show the traffic on the serial line\nLine Monitor");
    case CommandId::EditCopy:
        return QStringLiteral("Copy the selection and put it on the Clipboard\nCopy");
    case CommandId::EditCut:
        return QStringLiteral("Cut the selection and put it on the Clipboard\nCut");
    case CommandId::EditPaste:
        return QStringLiteral("Insert Clipboard contents\nPaste");
    case CommandId::EditUndo:
        return QStringLiteral("Undo the last action\nUndo");
    case CommandId::ArrangeIcons:
        return QStringLiteral("Arrange icons at the bottom of the window\nArrange Icons");
    case CommandId::About:
        return QStringLiteral("Display program information and version number\nAbout");
    case CommandId::Exit:
        return QStringLiteral("Quit the application\nExit");
    case CommandId::HelpTopics:
        return QStringLiteral("Open the user guide\nHelp Topics");
    case CommandId::Toolbar:
        return QStringLiteral("Show or hide the button bar\nToggle Button Bar");
    default:
        return QString();
    }
}
} // namespace

CMainFrame::CMainFrame(ModalSeam& seam)
    : seam_(seam), area_(new QMdiArea(this)), lineStatus_(new QLabel(this)) {
    AppResources::load();
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowTitle(title);
    setWindowIcon(QIcon(QString::fromLatin1(AppResources::icon)));
    setCentralWidget(area_);
    createMenus();
    createButtonBar();
    lineStatus_->setObjectName(QStringLiteral("lineStatus"));
    statusBar()->addPermanentWidget(lineStatus_);
    addFrameCommands();
    resize(800, 600);
    updateCommandStates();
}

void CMainFrame::showProfile(const QString& profile) {
    setWindowTitle(profile.isEmpty() ? title : title + " (" + profile + ")");
}

void CMainFrame::showLineStatus(const QString& text) {
    lineStatus_->setText(text);
}

void CMainFrame::setCommand(int commandId, std::function<void()> run, std::function<bool()> enabled,
                            std::function<bool()> checked) {
    commands_[commandId] = Command{std::move(run), std::move(enabled), std::move(checked)};
    updateCommandStates();
}

void CMainFrame::setViewFactory(ViewKind kind, ViewFactory factory) {
    factories_[slot(kind)] = std::move(factory);
    updateCommandStates();
}

CChildFrame* CMainFrame::childFrame(ViewKind kind) const {
    return children_[slot(kind)];
}

void CMainFrame::openViews() {
    showViews(true, true);
    // Not run as a command: the Edit and Window menus and the View ticks follow here.
    updateCommandStates();
}

void CMainFrame::layOut() {
    const FrameLayout layout(isOpen(ViewKind::Main), isOpen(ViewKind::Metadata),
                             isOpen(ViewKind::Monitor));
    if (CChildFrame* main = childFrame(ViewKind::Main))
        main->move(0, 0);
    if (CChildFrame* metadata = childFrame(ViewKind::Metadata))
        metadata->setGeometry(layout.metadataRect());
    if (CChildFrame* monitor = childFrame(ViewKind::Monitor))
        monitor->setGeometry(layout.monitorRect());
    // The frame keeps its top left corner; only its size follows the open windows.
    const auto size = layout.frameSize();
    if (!size)
        return;
    // The given sizes were made for other bars than this frame's: it grows by what its own take
    // beyond them, so that every open window shows whole, without scroll bars.
    const QSize fitting = size->expandedTo(layout.windowsSize() + barsAround());
    if (fitting != this->size())
        resize(fitting);
}

// What the menus, the button bar, the status bar and the area's border take of the frame. The
// windows just closed no longer hold the frame's minimum size up once the layout is done again.
QSize CMainFrame::barsAround() {
    area_->updateGeometry();
    layout()->invalidate();
    layout()->activate();
    // The viewport itself is placed only once the frame shows.
    return size() - area_->contentsRect().size();
}

void CMainFrame::updateCommandStates() {
    for (const auto& [commandId, action] : actions_) {
        const auto command = commands_.find(commandId);
        const bool handled = command != commands_.end();
        action->setEnabled(handled && (!command->second.enabled || command->second.enabled()));
        if (action->isCheckable())
            action->setChecked(handled && command->second.checked && command->second.checked());
    }
    const bool anyView =
        isOpen(ViewKind::Main) || isOpen(ViewKind::Metadata) || isOpen(ViewKind::Monitor);
    editMenu_->menuAction()->setVisible(anyView);
    windowMenu_->menuAction()->setVisible(anyView);
}

void CMainFrame::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    const std::pair<int, QString> items[] = {
        {CommandId::ViewMain, QStringLiteral("&Main")},
        {CommandId::ViewMainAndMetadata, QStringLiteral("Ma&in && Metadata")},
        {CommandId::ViewAllWindows, QStringLiteral("&All Windows")}};
    updateCommandStates();
    for (const auto& [commandId, text] : items) {
        const QAction* command = actions_.at(commandId);
        QAction* item = menu.addAction(text);
        item->setProperty("commandId", commandId);
        item->setCheckable(true);
        item->setChecked(command->isChecked());
        item->setEnabled(command->isEnabled());
        connect(item, &QAction::triggered, this, [this, id = commandId] { runCommand(id); });
    }
    menu.exec(event->globalPos());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (guide_)
        guide_->close();
    QMainWindow::closeEvent(event);
}

void CMainFrame::createMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    addAction(file, CommandId::OpenConfiguration, QStringLiteral("&Open Configuration File..."),
              QKeySequence(Qt::CTRL | Qt::Key_O));
    addAction(file, CommandId::SaveConfiguration, QStringLiteral("&Save Configuration..."),
              QKeySequence(Qt::CTRL | Qt::Key_S));
    QMenu* exportMenu = file->addMenu(QStringLiteral("Export"));
    addAction(exportMenu, CommandId::ExportText, QStringLiteral("&Text..."),
              QKeySequence(Qt::CTRL | Qt::Key_T));
    addAction(exportMenu, CommandId::ExportHtml, QStringLiteral("&HTML..."),
              QKeySequence(Qt::CTRL | Qt::Key_H));
    addAction(file, CommandId::CompareWithFile, QStringLiteral("&Compare with File..."));
    file->addSeparator();
    addAction(file, CommandId::Exit, QStringLiteral("E&xit"));

    // Copying and pasting inside a text box is the box's own; these stay greyed.
    editMenu_ = menuBar()->addMenu(QStringLiteral("&Edit"));
    addAction(editMenu_, CommandId::EditUndo, QStringLiteral("&Undo"),
              QKeySequence(Qt::CTRL | Qt::Key_Z));
    editMenu_->addSeparator();
    addAction(editMenu_, CommandId::EditCut, QStringLiteral("Cu&t"),
              QKeySequence(Qt::CTRL | Qt::Key_X));
    addAction(editMenu_, CommandId::EditCopy, QStringLiteral("&Copy"),
              QKeySequence(Qt::CTRL | Qt::Key_C));
    addAction(editMenu_, CommandId::EditPaste, QStringLiteral("&Paste"),
              QKeySequence(Qt::CTRL | Qt::Key_V));

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    addAction(view, CommandId::Toolbar, QStringLiteral("&Toolbar"))->setCheckable(true);
    view->addSeparator();
    addAction(view, CommandId::ViewMain, QStringLiteral("&Main"))->setCheckable(true);
    addAction(view, CommandId::ViewMainAndMetadata, QStringLiteral("Main && M&etadata"))
        ->setCheckable(true);
    addAction(view, CommandId::ViewAllWindows, QStringLiteral("&All Windows"))->setCheckable(true);
    view->addSeparator();
    addAction(view, CommandId::ParameterBrowser, QStringLiteral("&Parameter Browser"));
    addAction(view, CommandId::LineMonitor, QStringLiteral("&Line Monitor"))->setCheckable(true);

    QMenu* settings = menuBar()->addMenu(QStringLiteral("&Settings"));
    addAction(settings, CommandId::Setup, QStringLiteral("&Setup..."));
    addAction(settings, CommandId::Router, QStringLiteral("&Router..."));
    addAction(settings, CommandId::UserPresets, QStringLiteral("&User Presets..."));

    windowMenu_ = menuBar()->addMenu(QStringLiteral("&Window"));
    addAction(windowMenu_, CommandId::ArrangeIcons, QStringLiteral("&Arrange Icons"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    addAction(help, CommandId::HelpTopics, QStringLiteral("&Help Topics"));
    help->addSeparator();
    addAction(help, CommandId::About, QStringLiteral("&About QuenlarRemote 41..."));
    addAction(help, CommandId::RunTests, QStringLiteral("Run Tests"));

    for (QMenu* menu : menuBar()->findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommandStates);
}

void CMainFrame::createButtonBar() {
    buttonBar_ = addToolBar(QStringLiteral("Button Bar"));
    buttonBar_->setObjectName(QStringLiteral("ButtonBar"));
    buttonBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    buttonBar_->addAction(addAction(nullptr, CommandId::Connect, QStringLiteral("Connect")));
    for (int commandId : {CommandId::Setup, CommandId::Router, CommandId::UserPresets})
        buttonBar_->addAction(actions_.at(commandId));
}

void CMainFrame::addFrameCommands() {
    commands_[CommandId::Toolbar] = {[this] { buttonBar_->setVisible(buttonBar_->isHidden()); },
                                     {},
                                     [this] { return !buttonBar_->isHidden(); }};
    commands_[CommandId::ViewMain] = {[this] { showViews(false, false); },
                                      [this] { return canOpen(ViewKind::Main); },
                                      [this] {
                                          return isOpen(ViewKind::Main) &&
                                                 !isOpen(ViewKind::Metadata) &&
                                                 !isOpen(ViewKind::Monitor);
                                      }};
    commands_[CommandId::ViewMainAndMetadata] = {
        [this] { showViews(true, false); },
        [this] { return canOpen(ViewKind::Main) && canOpen(ViewKind::Metadata); },
        [this] {
            return isOpen(ViewKind::Main) && isOpen(ViewKind::Metadata) &&
                   !isOpen(ViewKind::Monitor);
        }};
    commands_[CommandId::ViewAllWindows] = {[this] { showViews(true, true); },
                                            [this] {
                                                return canOpen(ViewKind::Main) &&
                                                       canOpen(ViewKind::Metadata) &&
                                                       canOpen(ViewKind::Monitor);
                                            },
                                            [this] {
                                                return isOpen(ViewKind::Main) &&
                                                       isOpen(ViewKind::Metadata) &&
                                                       isOpen(ViewKind::Monitor);
                                            }};
    commands_[CommandId::HelpTopics] = {[this] { showUserGuide(); }, {}, {}};
    commands_[CommandId::Exit] = {[this] { close(); }, {}, {}};
}

QAction* CMainFrame::addAction(QMenu* menu, int commandId, const QString& text,
                               const QKeySequence& shortcut) {
    auto* action = new QAction(text, this);
    action->setProperty("commandId", commandId);
    action->setShortcut(shortcut);
    const QStringList prompts = prompt(commandId).split(QLatin1Char('\n'));
    action->setStatusTip(prompts.value(0));
    action->setToolTip(prompts.value(1, action->iconText()));
    connect(action, &QAction::triggered, this, [this, commandId] { runCommand(commandId); });
    // Held by the frame as well, so the shortcut works while its menu is hidden.
    QWidget::addAction(action);
    if (menu)
        menu->addAction(action);
    actions_[commandId] = action;
    return action;
}

void CMainFrame::runCommand(int commandId) {
    const auto command = commands_.find(commandId);
    if (command == commands_.end())
        return;
    try {
        command->second.run();
    } catch (const std::exception& error) {
        seam_.message(this, QMessageBox::Critical, title, QString::fromStdString(error.what()),
                      QMessageBox::Ok, QMessageBox::Ok);
    }
    updateCommandStates();
}

bool CMainFrame::isOpen(ViewKind kind) const {
    return childFrame(kind) != nullptr;
}

bool CMainFrame::canOpen(ViewKind kind) const {
    return isOpen(kind) || factories_[slot(kind)] != nullptr;
}

CChildFrame* CMainFrame::openView(ViewKind kind) {
    CChildFrame*& child = children_[slot(kind)];
    if (child || !factories_[slot(kind)])
        return nullptr;
    auto* opened = new CChildFrame(factories_[slot(kind)]());
    child = opened;
    // However it goes, its place is free. Closed from its own window menu, it goes later, and the
    // commands follow at once; they are not updated on its deletion, which the frame's own
    // teardown makes too, the commands gone by then.
    const auto freePlace = [this, kind, opened] {
        if (children_[slot(kind)] == opened)
            children_[slot(kind)] = nullptr;
    };
    connect(opened, &QObject::destroyed, this, freePlace);
    connect(opened, &CChildFrame::closed, this, [this, freePlace] {
        freePlace();
        updateCommandStates();
    });
    area_->addSubWindow(opened);
    opened->show();
    return opened;
}

void CMainFrame::closeView(ViewKind kind) {
    CChildFrame*& child = children_[slot(kind)];
    delete child;
    child = nullptr;
}

void CMainFrame::showViews(bool metadata, bool monitor) {
    CChildFrame* first = openView(ViewKind::Main);
    for (auto [kind, wanted] :
         {std::pair{ViewKind::Metadata, metadata}, std::pair{ViewKind::Monitor, monitor}}) {
        if (!wanted) {
            closeView(kind);
        } else if (CChildFrame* opened = openView(kind); !first) {
            first = opened;
        }
    }
    layOut();
    if (first)
        area_->setActiveSubWindow(first);
}

void CMainFrame::showUserGuide() {
    if (!guide_) {
        guide_ = new QTextBrowser(this);
        guide_->setObjectName(QStringLiteral("UserGuide"));
        guide_->setWindowFlag(Qt::Window);
        guide_->setOpenExternalLinks(true);
        guide_->setSource(QUrl(QString::fromLatin1(AppResources::userGuide)));
        guide_->setWindowTitle(guide_->documentTitle());
        guide_->resize(640, 560);
    }
    guide_->show();
    guide_->raise();
    guide_->activateWindow();
}
