#include <QCoreApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include "ScriptedModalSeam.h"
#include "app/CQuenlarRemoteDoc.h"
#include "app/views/CParameterBrowser.h"
#include "app/views/ParameterTableModel.h"
#include "catalogue/Vx41Params.h"
#include "support/FakeClock.h"

namespace {
constexpr ParameterId bypass{117, 22};
constexpr ParameterId frameRate{207, 7};

// The browser on the simulated unit, read through its table as the operator sees it.
class ParameterBrowserTest : public ::testing::Test {
protected:
    QAbstractItemModel& shown() const { return *browser.table().model(); }

    // The texts of one column of the rows shown.
    QStringList column(int column) const {
        QStringList texts;
        for (int row = 0; row < shown().rowCount(); ++row)
            texts << shown().index(row, column).data().toString();
        return texts;
    }

    int rowOf(const ParameterId& id) const {
        const QString text = QStringLiteral("(%1, %2)").arg(id.number).arg(id.index);
        return static_cast<int>(column(ParameterTableModel::IdColumn).indexOf(text));
    }

    void filter(const QString& text) {
        browser.filterBox().clear();
        QTest::keyClicks(&browser.filterBox(), text);
    }

    // Double-clicks the value of the parameter, types text and presses Enter.
    void edit(const ParameterId& id, const QString& text) {
        QTableView& table = browser.table();
        const QModelIndex cell = shown().index(rowOf(id), ParameterTableModel::ValueColumn);
        table.scrollTo(cell);
        const QPoint centre = table.visualRect(cell).center();
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(table.viewport(), Qt::LeftButton, {}, centre);
        auto* editor = table.viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr) << "no editor opened";
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The delegate commits on the next turn of the event loop; the closed editor goes then.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    Parameter& parameter(const ParameterId& id) const { return document.parameters().find(id); }

    FakeClock clock;
    ScriptedModalSeam seam;
    CQuenlarRemoteDoc document{seam, clock};
    CParameterBrowser browser{document};
};

TEST_F(ParameterBrowserTest, FilterKeepsTheRowsWhoseIdNameOrValueHoldsTheTextAsValuesChange) {
    browser.show();
    const int all = shown().rowCount();
    ASSERT_GT(all, 1000);

    filter(QStringLiteral("(117, 22)"));
    EXPECT_EQ(column(ParameterTableModel::NameColumn), QStringList{"Emulator Bypass"});

    filter(QStringLiteral("emulator BYPASS"));
    EXPECT_GE(rowOf(bypass), 0);
    for (const QString& name : column(ParameterTableModel::NameColumn))
        EXPECT_TRUE(name.contains("Emulator Bypass", Qt::CaseInsensitive)) << name.toStdString();

    // By value text: the frame rate's row leaves the list once the unit polls another rate.
    std::string rate;
    parameter(frameRate).formatValue(rate, parameter(frameRate).getValue());
    filter(QString::fromStdString(rate));
    ASSERT_GE(rowOf(frameRate), 0);
    for (const QString& value : column(ParameterTableModel::ValueColumn))
        EXPECT_TRUE(value.contains(QString::fromStdString(rate))) << value.toStdString();
    parameter(frameRate).assignValue(0);
    parameter(frameRate).notify();
    EXPECT_LT(rowOf(frameRate), 0);

    filter(QString());
    EXPECT_EQ(shown().rowCount(), all);
}

TEST_F(ParameterBrowserTest, AnEditGoesThroughTheParameterWhichRefusesWhatItRefusesElsewhere) {
    browser.show();
    filter(QStringLiteral("Emulator Bypass"));
    const int before = parameter(bypass).getValue().toInt16();
    const QString shownBefore =
        shown().index(rowOf(bypass), ParameterTableModel::ValueColumn).data().toString();

    edit(bypass, QStringLiteral("5"));
    EXPECT_EQ(parameter(bypass).getValue().toInt16(), before);
    EXPECT_EQ(shown().index(rowOf(bypass), ParameterTableModel::ValueColumn).data().toString(),
              shownBefore);

    edit(bypass, QString::number(1 - before));

    EXPECT_EQ(parameter(bypass).getValue().toInt16(), 1 - before);
    EXPECT_NE(shown().index(rowOf(bypass), ParameterTableModel::ValueColumn).data().toString(),
              shownBefore);
    EXPECT_TRUE(seam.messages.empty());
}

} // namespace
