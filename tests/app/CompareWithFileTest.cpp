#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "ScriptedModalSeam.h"
#include "app/CQuenlarRemoteDoc.h"
#include "app/ExtraWindows.h"
#include "app/dialogs/CCompareDlg.h"
#include "app/frames/CMainFrame.h"
#include "catalogue/Vx41Params.h"
#include "support/FakeClock.h"

namespace {

TEST(CompareWithFileTest, ListsTheSettingsInWhichTheFileAndTheUnitDifferWithBothTexts) {
    QTemporaryDir directory;
    FakeClock clock;
    ScriptedModalSeam seam;
    CQuenlarRemoteDoc document{seam, clock};
    CMainFrame frame{seam};
    ExtraWindows extras{frame, document, seam};
    const QString path = directory.filePath("before.vxs");
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

} // namespace
