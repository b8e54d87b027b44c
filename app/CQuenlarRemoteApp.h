#pragma once

#include <QString>
#include <chrono>
#include <memory>

class CMainFrame;
class CQuenlarRemoteDoc;
class CSplash;
class ExtraWindows;
class Clock;
class FileCommands;
class ModalSeam;
class SettingsStore;

// The program: the start-up (splash, main frame, connecting to the unit, the windows), the one
// document of the run and the commands that are the application's own (Connect, About). It
// takes the frame down before the document, so every window and observer goes before the
// parameters they watch.
class CQuenlarRemoteApp {
public:
    // settings keeps the connection settings between runs; startupPause is how long the splash
    // shows alone before the connection is asked for.
    CQuenlarRemoteApp(ModalSeam& seam, const Clock& clock, SettingsStore& settings,
                      std::chrono::milliseconds startupPause = std::chrono::milliseconds(1000));
    ~CQuenlarRemoteApp();
    CQuenlarRemoteApp(const CQuenlarRemoteApp&) = delete;
    CQuenlarRemoteApp& operator=(const CQuenlarRemoteApp&) = delete;

    // The start-up; false when the program is to end (the connection was cancelled or failed).
    bool initInstance();

    // The document, made on first use; null when it could not be made.
    CQuenlarRemoteDoc* document();
    CMainFrame* mainFrame() const { return frame_.get(); }

    // Asks for the connection settings and connects; true when the document is usable.
    bool connect();
    // Asks for the connection settings and opens the line, reading nothing yet; true when the
    // document is usable.
    bool openDevice();
    // Reads the unit once; true when the document is usable (off line after a cancel too).
    bool readUnit();

private:
    void createMainFrame();
    void addSetupCommands();
    void pause();
    // The frame follows the document's connection and line.
    void followDocument();
    void about();
    void report(const QString& failure);
    void endStartUp();

    ModalSeam& seam_;
    const Clock& clock_;
    SettingsStore& settings_;
    std::chrono::milliseconds startupPause_;
    std::unique_ptr<CSplash> splash_;
    std::unique_ptr<CQuenlarRemoteDoc> document_;
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<FileCommands> files_;
    std::unique_ptr<ExtraWindows> extras_;
};
