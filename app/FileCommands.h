#pragma once

#include <QString>
#include <functional>
#include <iosfwd>
#include <string>

class CQuenlarRemoteDoc;
class ConfigurationSnapshot;
class ModalSeam;
class QWidget;

// The four file commands of the main frame: open and save a configuration file, export a text or
// HTML report. Each asks for the file, reports its failures in a message box and leaves a file it
// writes either whole or as it was: a lost unit or a full disk never destroys the previous file.
class FileCommands {
public:
    static const QString configurationFilter;
    static const QString textFilter;
    static const QString htmlFilter;

    FileCommands(CQuenlarRemoteDoc& document, ModalSeam& seam);

    // Asks whether a damaged file should be restored at all, then which parameters to restore
    // ('Select Parameters'; setup parameters only after the warning).
    void openConfiguration(QWidget* parent);
    void saveConfiguration(QWidget* parent);
    void exportText(QWidget* parent);
    void exportHtml(QWidget* parent);

private:
    using Report = std::function<void(std::ostream&, const std::string&)>;

    template <typename Command> void run(QWidget* parent, Command command);
    bool restoreDamaged(QWidget* parent, const QString& path, const ConfigurationSnapshot& file);
    // pass: the pass of writes the restore had reached, 0 before the first.
    void reportCancelledRestore(QWidget* parent, int pass);
    // false when the operator cancelled; includeSetup receives the choice.
    bool chooseParameters(QWidget* parent, bool& includeSetup);
    void exportReport(QWidget* parent, const QString& caption, const QString& filter,
                      const QString& suffix, const Report& report);

    CQuenlarRemoteDoc& document_;
    ModalSeam& seam_;
};
