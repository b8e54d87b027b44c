#include <QComboBox>
#include <QTest>

#include "ObserverFixture.h"
#include "app/observers/Win32ComboBoxObserver.h"
#include "model/QuenlarException.h"

namespace {

QStringList items(const QComboBox& box) {
    QStringList texts;
    for (int i = 0; i < box.count(); ++i)
        texts << box.itemText(i);
    return texts;
}

class ObserverListTest : public ObserverFixture {};

TEST_F(ObserverListTest, TheListFollowsTheLimitsAndShowsOnlyValuesTheParameterTook) {
    ControlParameter& configuration = parameter(2, 0, 7);
    QComboBox box;
    Win32ComboBoxObserver observer(box, 1157, 23600, 23621);
    ObserverActions::bind(observer, guard);
    observer.attach(configuration);
    EXPECT_EQ(box.property("controlId").toInt(), 1157);
    ASSERT_EQ(box.count(), 8);
    EXPECT_EQ(box.currentText(), "4+4");

    configuration.setMaximum(4);
    EXPECT_EQ(items(box), QStringList({"5.1+2", "5.1+2x1", "4+4", "4+2x2", "4+2+2x1"}));
    configuration.setMaximum(7);
    EXPECT_EQ(items(box).mid(4), QStringList({"4+2+2x1", "4+4x1", "4x2", "3x2+2x1"}));
    configuration.setMinimum(1);
    EXPECT_EQ(items(box),
              QStringList({"5.1+2x1", "4+4", "4+2x2", "4+2+2x1", "4+4x1", "4x2", "3x2+2x1"}));
    EXPECT_EQ(box.currentText(), "4+4");

    // The user picks the next item (value 3): written and shown.
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(written(), std::vector<int>({3}));
    EXPECT_EQ(box.currentText(), "4+2x2");

    // A value the parameter excludes: nothing written, the old item stays.
    configuration.enableValue(false, 4);
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(written(), std::vector<int>({3}));
    EXPECT_EQ(box.currentText(), "4+2x2");

    configuration.assignValue(9); // beyond the list: an empty box, not a wrong item
    configuration.notify();
    EXPECT_EQ(box.currentIndex(), -1);
    EXPECT_TRUE(errors.empty());
}

TEST_F(ObserverListTest, AListWithoutItsTextsCannotBeBuilt) {
    QComboBox box;
    EXPECT_THROW(
        {
            try {
                Win32ComboBoxObserver observer(box, 1, 30000, 30001);
            } catch (const QuenlarException& error) {
                EXPECT_STREQ(error.what(), "Unable to load the string with id: 30000");
                throw;
            }
        },
        QuenlarException);
}

} // namespace
