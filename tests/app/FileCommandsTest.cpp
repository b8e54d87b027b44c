#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

#include "DocumentFixture.h"
#include "app/ConnectionSettings.h"
#include "app/ExtraWindows.h"
#include "app/FileCommands.h"
#include "app/ModalSeam.h"
#include "app/SettingsStore.h"
#include "app/dialogs/CCompareDlg.h"
#include "app/dialogs/CSelectParametersDlg.h"
#include "app/frames/CMainFrame.h"
#include "catalogue/Vx41Params.h"
#include "support/EmulatorProcess.h"

namespace {
constexpr ParameterId operating{117, 48};
constexpr ParameterId setup{117, 27};

class FileCommandsTest : public DocumentFixture {
protected:
    QString file(const QString& name) const { return directory.filePath(name); }
    int value(const ParameterId& id) const {
        return document.parameters().find(id).getValue().toInt16();
    }
    void set(int operatingValue, int setupValue) {
        document.parameters().find(operating).setValue(operatingValue);
        document.parameters().find(setup).setValue(setupValue);
    }
    void save(const QString& path) {
        seam.fileNames = {path};
        commands.saveConfiguration(nullptr);
    }
    void open(const QString& path) {
        seam.fileNames = {path};
        commands.openConfiguration(nullptr);
    }
    QByteArray contents(const QString& path) const {
        QFile read(path);
        return read.open(QIODevice::ReadOnly) ? read.readAll() : QByteArray();
    }
    void rewrite(const QString& path, const QByteArray& bytes) const {
        QFile written(path);
        ASSERT_TRUE(written.open(QIODevice::WriteOnly));
        written.write(bytes);
    }

    QTemporaryDir directory;
    FileCommands commands{document, seam};
};

TEST_F(FileCommandsTest, AConfigurationComesBackWithTheParametersChosen) {
    // The setup parameters are restored only past a warning, which the operator answers.
    struct Case {
        int choice;
        std::optional<int> warning;
        bool operatingBack;
        bool setupBack;
    };
    const Case cases[] = {
        {CSelectParametersDlg::operatingId, {}, true, false},
        {CSelectParametersDlg::operatingAndSetupId, QDialog::Accepted, true, true},
        {CSelectParametersDlg::operatingAndSetupId, QDialog::Rejected, false, false},
    };
    const QString dialogs[] = {"CSelectParametersDlg", "CRestoreWarningDlg"};
    for (const Case& c : cases) {
        set(5, 20);
        save(file("unit.vxs"));
        set(0, 0);
        seam.dialogs.clear();
        seam.dialogAnswers = {ScriptedModalSeam::clicking(c.choice)};
        if (c.warning)
            seam.dialogAnswers.push_back(ScriptedModalSeam::result(*c.warning));
        open(file("unit.vxs"));
        EXPECT_EQ(seam.dialogs, std::vector<QString>(dialogs, dialogs + (c.warning ? 2 : 1)));
        EXPECT_EQ(value(operating), c.operatingBack ? 5 : 0) << c.choice;
        EXPECT_EQ(value(setup), c.setupBack ? 20 : 0) << c.choice;
    }
    EXPECT_TRUE(seam.messages.empty());
    EXPECT_EQ(seam.suffixes, std::vector<QString>(3, "vxs"));
    EXPECT_EQ(seam.filters.front(), "Quenlar Remote Files (*.vxs);;All Files (*)");
}

// A file whose checksum disagrees with its contents is restored only when the operator insists.
TEST_F(FileCommandsTest, ADamagedFileIsRestoredOnlyWhenTheOperatorInsists) {
    set(5, 20);
    save(file("unit.vxs"));
    rewrite(file("unit.vxs"), contents(file("unit.vxs")).chopped(1) + "\x7f");
    set(0, 0);

    open(file("unit.vxs"));
    ASSERT_EQ(seam.messages.size(), 1u);
    EXPECT_TRUE(seam.messages[0].text.startsWith("The file unit.vxs is damaged"));
    EXPECT_TRUE(seam.messages[0].text.contains("Restore it anyway?"));
    EXPECT_EQ(seam.messages[0].defaultButton, QMessageBox::Cancel);
    EXPECT_TRUE(seam.dialogs.empty());
    EXPECT_EQ(value(operating), 0);

    seam.messageAnswers = {QMessageBox::Yes};
    seam.dialogAnswers = {ScriptedModalSeam::clicking(CSelectParametersDlg::operatingId)};
    open(file("unit.vxs"));
    EXPECT_EQ(value(operating), 5);

    // Bytes after the checksum make a file damaged as well; a pipe is not read at all.
    save(file("longer.vxs"));
    rewrite(file("longer.vxs"), contents(file("longer.vxs")) + "more");
    open(file("longer.vxs"));
    ASSERT_EQ(seam.messages.size(), 3u);
    EXPECT_TRUE(seam.messages[2].text.startsWith(
        "The file longer.vxs is damaged: bytes follow the checksum, so"));
    ASSERT_EQ(::mkfifo(file("pipe").toLocal8Bit().constData(), 0600), 0);
    open(file("pipe"));
    ASSERT_EQ(seam.messages.size(), 4u);
    EXPECT_TRUE(seam.messages[3].text.contains("is not a regular file"));
}

TEST_F(FileCommandsTest, ReportsCarryTheFileNameAsTitle) {
    seam.fileNames = {file("unit.txt"), file("unit.htm")};
    commands.exportText(nullptr);
    commands.exportHtml(nullptr);
    EXPECT_TRUE(contents(file("unit.txt")).startsWith("unit.txt\n\n"));
    EXPECT_FALSE(contents(file("unit.txt")).contains("<HTML>"));
    EXPECT_TRUE(contents(file("unit.htm")).contains("<TITLE>unit.htm</TITLE>"));
    EXPECT_EQ(seam.suffixes, (std::vector<QString>{"txt", "htm"}));
    EXPECT_EQ(seam.filters, (std::vector<QString>{"Text Files (*.txt);;All Files (*)",
                                                  "HTML Files (*.htm);;All Files (*)"}));
    EXPECT_TRUE(seam.messages.empty());
}

// A place that cannot be written or a file that cannot be read says so; a unit lost while saving
// leaves the old file whole and is reported, never taken for success.
TEST_F(FileCommandsTest, AFailedSaveSaysSoAndKeepsThePreviousFile) {
    save("/nonexistent/unit.vxs");
    open("/nonexistent/unit.vxs");
    ASSERT_EQ(seam.messages.size(), 2u);
    EXPECT_EQ(seam.messages[0].text, "Error opening /nonexistent/unit.vxs");
    EXPECT_EQ(seam.messages[1].text, "Error opening /nonexistent/unit.vxs");

    EmulatorProcess emulator(VX41_EMULATOR, {});
    SettingsStore store(file("settings.ini"));
    {
        ConnectionSettings settings(store, document, {emulator.linePath()});
        document.connect(settings);
    }
    save(file("unit.vxs"));
    const QByteArray saved = contents(file("unit.vxs"));
    ASSERT_FALSE(saved.isEmpty());
    emulator.stop();
    save(file("unit.vxs"));
    EXPECT_EQ(seam.messages.size(), 3u);
    EXPECT_EQ(contents(file("unit.vxs")), saved);
    EXPECT_FALSE(QFile::exists(file("unit.vxs.tmp")));
}
TEST_F(FileCommandsTest, CompareListsTheSettingsInWhichTheFileAndTheUnitDifferWithBothTexts) {
    CMainFrame frame{seam};
    ExtraWindows extras{frame, document, seam};
    const QString path = file("before.vxs");
    document.saveConfiguration(path.toStdString());

    struct Change {
        ParameterId id;
        int value;
        std::string before;
        std::string after;
    };
    std::vector<Change> changes{
        {{117, 27}, 7, {}, {}}, {{117, 28}, 40, {}, {}}, {{117, 29}, 1, {}, {}}};
    for (Change& change : changes) {
        Parameter& parameter = document.parameters().find(change.id);
        parameter.formatValue(change.before, parameter.getValue());
        parameter.setValue(change.value);
        parameter.formatValue(change.after, parameter.getValue());
        ASSERT_NE(change.before, change.after);
    }

    std::vector<QStringList> rows;
    QString summary;
    seam.fileNames = {path};
    seam.dialogAnswers = {[&](QDialog& dialog) {
        auto& compare = dynamic_cast<CCompareDlg&>(dialog);
        EXPECT_EQ(compare.size(), QSize(680, 420));
        summary = compare.summary().text();
        for (int row = 0; row < compare.table().rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < CCompareDlg::ColumnCount; ++column)
                cells << compare.table().item(row, column)->text();
            rows.push_back(cells);
        }
        EXPECT_TRUE(compare.damageNote().isHidden());
        return QDialog::Rejected;
    }};
    extras.compareWithFile();

    ASSERT_EQ(rows.size(), changes.size()) << summary.toStdString();
    for (std::size_t row = 0; row < changes.size(); ++row) {
        const Change& change = changes[row];
        EXPECT_EQ(rows[row][CCompareDlg::IdColumn],
                  QStringLiteral("(%1, %2)").arg(change.id.number).arg(change.id.index));
        EXPECT_FALSE(rows[row][CCompareDlg::NameColumn].isEmpty());
        EXPECT_EQ(rows[row][CCompareDlg::FileColumn].toStdString(), change.before);
        EXPECT_EQ(rows[row][CCompareDlg::UnitColumn].toStdString(), change.after);
    }
    EXPECT_EQ(summary, QStringLiteral("before.vxs and the device differ in 3 settings."));
}

// The program's own save dialog adds the file kind's suffix to a name typed without one.
TEST(ModalSeamTest, ASaveDialogAddsTheSuffixToANameWithoutOne) {
    QTemporaryDir directory;
    QTimer::singleShot(0, [&directory] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->setDirectory(directory.path());
        dialog->selectFile("unit");
        QTest::keyClick(dialog->findChild<QLineEdit*>("fileNameEdit"), Qt::Key_Return);
    });
    EXPECT_EQ(ModalSeam().saveFileName(nullptr, "Save Configuration", "VX41 (*.vxs)", "vxs"),
              directory.filePath("unit.vxs"));
}

} // namespace
