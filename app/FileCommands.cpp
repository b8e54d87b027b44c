#include "app/FileCommands.h"

#include <QDialog>
#include <QFileInfo>
#include <filesystem>
#include <fstream>
#include <optional>

#include "app/CQuenlarRemoteDoc.h"
#include "app/ModalSeam.h"
#include "app/WaitCursor.h"
#include "app/dialogs/CRestoreWarningDlg.h"
#include "app/dialogs/CSelectParametersDlg.h"
#include "catalogue/Vx41Params.h"
#include "model/AtomicFile.h"
#include "model/ConfigurationSnapshot.h"
#include "model/QuenlarException.h"

const QString FileCommands::configurationFilter =
    QStringLiteral("Quenlar Remote Files (*.vxs);;All Files (*)");
const QString FileCommands::textFilter = QStringLiteral("Text Files (*.txt);;All Files (*)");
const QString FileCommands::htmlFilter = QStringLiteral("HTML Files (*.htm);;All Files (*)");

namespace {
const QString title = QStringLiteral("QuenlarRemote 41");

std::filesystem::path pathOf(const QString& path) {
    return std::filesystem::path(path.toStdString());
}

[[noreturn]] void failToOpen(const QString& path) {
    throw QuenlarException("Error opening " + path.toStdString());
}

// A place the file cannot be written to fails before any work is done, with the same words as a
// file that cannot be read.
void requireWritable(const QString& path) {
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir() || !folder.isWritable() || (target.exists() && !target.isWritable()))
        failToOpen(path);
}

ConfigurationSnapshot readConfiguration(const QString& path, const ParameterMap& parameters) {
    std::ifstream stream = ConfigurationSnapshot::open(pathOf(path));
    if (!stream)
        failToOpen(path);
    return ConfigurationSnapshot::read(stream, path.toStdString(),
                                       ConfigurationSnapshot::largestFile(parameters));
}

} // namespace

FileCommands::FileCommands(CQuenlarRemoteDoc& document, ModalSeam& seam)
    : document_(document), seam_(seam) {}

template <typename Command> void FileCommands::run(QWidget* parent, Command command) {
    try {
        command();
    } catch (const std::exception& failure) {
        seam_.message(parent, QMessageBox::Warning, title, QString::fromStdString(failure.what()),
                      QMessageBox::Ok, QMessageBox::Ok);
    }
}

void FileCommands::openConfiguration(QWidget* parent) {
    const QString path = seam_.openFileName(parent, "Open Configuration File", configurationFilter);
    if (path.isEmpty())
        return;
    run(parent, [&] {
        std::optional<ConfigurationSnapshot> file;
        {
            WaitCursor waiting;
            file = readConfiguration(path, document_.parameters().parameters());
        }
        const ParameterValueMap& values = file->values();
        bool includeSetup = false;
        if ((!file->damage().empty() && !restoreDamaged(parent, path, *file)) ||
            !chooseParameters(parent, includeSetup))
            return;
        int pass = 0;
        const auto restore = [&] {
            document_.restoreConfiguration(values, includeSetup,
                                           [&pass](int next) { pass = next; });
        };
        if (!document_.runLongWork(
                "Restoring the configuration from " + QFileInfo(path).fileName() + "...", restore))
            reportCancelledRestore(parent, pass);
    });
}

void FileCommands::reportCancelledRestore(QWidget* parent, int pass) {
    const QString text =
        pass == 0 ? QStringLiteral("Restoring was cancelled before any value of the file was "
                                   "written.")
                  : QStringLiteral("Restoring was cancelled in pass %1. The unit keeps the values "
                                   "written before; the rest of the file was not written.")
                        .arg(pass);
    seam_.message(parent, QMessageBox::Information, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool FileCommands::restoreDamaged(QWidget* parent, const QString& path,
                                  const ConfigurationSnapshot& file) {
    const QString why =
        file.checksumDamaged()
            ? QStringLiteral("its contents do not match the checksum stored with them")
            : QString::fromStdString(file.damage());
    const QString text = "The file " + QFileInfo(path).fileName() + " is damaged: " + why +
                         ", so some of its values may be wrong, and restoring it would write them "
                         "into the unit.\n\nRestore it anyway?";
    return seam_.message(parent, QMessageBox::Warning, title, text,
                         QMessageBox::Yes | QMessageBox::Cancel,
                         QMessageBox::Cancel) == QMessageBox::Yes;
}

bool FileCommands::chooseParameters(QWidget* parent, bool& includeSetup) {
    CSelectParametersDlg select(parent);
    if (seam_.exec(select) != QDialog::Accepted)
        return false;
    includeSetup = select.includeSetup();
    if (!includeSetup)
        return true;
    CRestoreWarningDlg warning(parent);
    return seam_.exec(warning) == QDialog::Accepted;
}

void FileCommands::saveConfiguration(QWidget* parent) {
    const QString path =
        seam_.saveFileName(parent, "Save Configuration", configurationFilter, "vxs");
    if (path.isEmpty())
        return;
    run(parent, [&] {
        requireWritable(path);
        document_.runLongWork("Saving the configuration to " + QFileInfo(path).fileName() + "...",
                              [&] { document_.saveConfiguration(pathOf(path)); });
    });
}

void FileCommands::exportText(QWidget* parent) {
    exportReport(parent, "Export Text", textFilter, "txt",
                 [this](std::ostream& stream, const std::string& name) {
                     document_.writeTextReport(stream, name);
                 });
}

void FileCommands::exportHtml(QWidget* parent) {
    exportReport(parent, "Export HTML", htmlFilter, "htm",
                 [this](std::ostream& stream, const std::string& name) {
                     document_.writeHtmlReport(stream, name);
                 });
}

// The report is written whole or not at all; its title is the file's name.
void FileCommands::exportReport(QWidget* parent, const QString& caption, const QString& filter,
                                const QString& suffix, const Report& report) {
    const QString path = seam_.saveFileName(parent, caption, filter, suffix);
    if (path.isEmpty())
        return;
    const QString name = QFileInfo(path).fileName();
    run(parent, [&] {
        requireWritable(path);
        document_.runLongWork("Writing the report " + name + "...", [&] {
            AtomicFile::write(
                pathOf(path), [&](std::ostream& stream) { report(stream, name.toStdString()); },
                std::ios::openmode());
        });
    });
}
