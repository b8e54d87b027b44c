#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMetaEnum>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTabBar>
#include <QTableView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "DocumentFixture.h"
#include "ViewControls.h"
#include "app/ConnectionSettings.h"
#include "app/ProgressWindow.h"
#include "app/SettingsStore.h"
#include "app/dialogs/CAboutDlg.h"
#include "app/dialogs/CCommErrorDlg.h"
#include "app/dialogs/CCompareDlg.h"
#include "app/dialogs/COpenDeviceDlg.h"
#include "app/dialogs/CRestoreWarningDlg.h"
#include "app/dialogs/CRouterDlg.h"
#include "app/dialogs/CSelectParametersDlg.h"
#include "app/dialogs/CSetupDlg.h"
#include "app/dialogs/CUserPresetsDlg.h"
#include "app/frames/CLineMonitorBar.h"
#include "app/frames/CMainFrame.h"
#include "app/views/CMainView.h"
#include "app/views/CMetadataView.h"
#include "app/views/CMonitorView.h"
#include "app/views/CParameterBrowser.h"
#include "catalogue/Vx41Params.h"
#include "support/Listing.h"

namespace {

// Where widget sits in layout: the index of each item from the layout down to it, a grid's row
// and column (and span) in place of the index; empty when it is not there.
QString placeIn(const QLayout& layout, const QWidget& widget) {
    const auto* grid = qobject_cast<const QGridLayout*>(&layout);
    for (int i = 0; i < layout.count(); ++i) {
        QString here = QString::number(i);
        if (grid) {
            int row = 0, column = 0, rows = 0, columns = 0;
            grid->getItemPosition(i, &row, &column, &rows, &columns);
            here = QString("%1,%2").arg(row).arg(column);
            if (rows != 1 || columns != 1)
                here += QString("+%1x%2").arg(rows).arg(columns);
        }
        // A share of the spare room other than none.
        if (const auto* box = qobject_cast<const QBoxLayout*>(&layout); box && box->stretch(i))
            here += QString("*%1").arg(box->stretch(i));
        QLayoutItem* item = layout.itemAt(i);
        if (item->widget() == &widget)
            return here;
        if (item->layout())
            if (const QString inner = placeIn(*item->layout(), widget); !inner.isEmpty())
                return here + "." + inner;
    }
    return {};
}

// A size in points other than the desktop's.
QString pointSize(const QLabel& label) {
    const double points = label.font().pointSizeF();
    return points != QApplication::font().pointSizeF() ? QString(" font %1pt").arg(points)
                                                       : QString();
}

// A limit on what may be typed into a box, other than the box's own of 32767 characters.
QString lengthOf(const QLineEdit& box) {
    return box.maxLength() != 32767 ? QString(" max %1").arg(box.maxLength()) : QString();
}

// The directions in which a button takes the room it is given rather than keep its own size.
QString growth(const QWidget& widget) {
    const QSizePolicy policy = widget.sizePolicy();
    const QString grows = QString(policy.horizontalPolicy() == QSizePolicy::Expanding ? "h" : "") +
                          (policy.verticalPolicy() == QSizePolicy::Expanding ? "v" : "");
    return grows.isEmpty() ? grows : " grows " + grows;
}

// How a button of a dialog's button box ends the dialog.
QString roleOf(const QAbstractButton& button) {
    const auto* box = qobject_cast<const QDialogButtonBox*>(button.parentWidget());
    const QDialogButtonBox::ButtonRole role =
        box ? box->buttonRole(const_cast<QAbstractButton*>(&button))
            : QDialogButtonBox::InvalidRole;
    return role == QDialogButtonBox::AcceptRole   ? " accepts"
           : role == QDialogButtonBox::RejectRole ? " rejects"
                                                  : "";
}

// The frame drawn round a widget, by the names of its shape and shadow.
QString frameOf(const QFrame& frame) {
    if (frame.frameShape() == QFrame::NoFrame)
        return {};
    return QString(" %1 %2").arg(
        QMetaEnum::fromType<QFrame::Shape>().valueToKey(frame.frameShape()),
        QMetaEnum::fromType<QFrame::Shadow>().valueToKey(frame.frameShadow()));
}

// A row height of the table's own, as the room it leaves round a line of its text.
QString rowHeight(const QTableView& table) {
    const int height = table.verticalHeader()->defaultSectionSize();
    return height != QHeaderView(Qt::Vertical).defaultSectionSize()
               ? QString(" row height text+%1").arg(height - table.fontMetrics().height())
               : QString();
}

// What the widget shows the operator, without anything drawn: texts, a list's entries, a
// slider's range, and how each is set out.
QString shownBy(const QWidget& widget) {
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return '"' + label->text() + '"' +
               (label->alignment() & Qt::AlignHCenter ? " centred" : "") +
               (label->alignment() & Qt::AlignRight ? " right" : "") +
               (label->wordWrap() ? " wraps" : "") +
               (label->textFormat() == Qt::PlainText ? " plain" : "") + frameOf(*label) +
               // A size in pixels is the window's own; one in points follows the desktop's.
               (label->font().pixelSize() > 0 ? QString(" font %1px/%2")
                                                    .arg(label->font().pixelSize())
                                                    .arg(label->font().weight())
                                              : pointSize(*label));
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return '"' + button->text() + '"' + (button->isCheckable() ? " checkable" : "") +
               (button->isChecked() ? " checked" : "") +
               (button->autoExclusive() ? " exclusive" : "") +
               // What Enter presses in a dialog.
               (button->property("default").toBool() ? " default" : "") + growth(*button) +
               roleOf(*button);
    if (widget.metaObject() == &QFrame::staticMetaObject)
        return frameOf(static_cast<const QFrame&>(widget)).trimmed();
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget))
        return '"' + group->title() + '"';
    // Listed for its place: out of the window's layout, it would lie over what is in it.
    if (const auto* box = qobject_cast<const QDialogButtonBox*>(&widget))
        return QString("buttons: %1").arg(box->buttons().size());
    if (const auto* box = qobject_cast<const QLineEdit*>(&widget))
        return '"' + box->text() + '"' + (box->isReadOnly() ? " read-only" : "") + lengthOf(*box);
    if (const auto* list = qobject_cast<const QComboBox*>(&widget)) {
        QStringList entries;
        for (int i = 0; i < list->count(); ++i)
            entries << list->itemText(i);
        return '[' + entries.join('|') + QString("] at %1").arg(list->currentIndex()) +
               (list->minimumContentsLength() > 0
                    ? QString(" %1 wide").arg(list->minimumContentsLength())
                    : "") +
               (list->lineEdit() ? " typed" + lengthOf(*list->lineEdit()) : "");
    }
    if (const auto* slider = qobject_cast<const QSlider*>(&widget))
        return QString::asprintf("%d..%d at %d step %d/%d", slider->minimum(), slider->maximum(),
                                 slider->value(), slider->singleStep(), slider->pageStep()) +
               (slider->tickPosition() != QSlider::NoTicks
                    ? QString::asprintf(" ticks %s %d",
                                        QMetaEnum::fromType<QSlider::TickPosition>().valueToKey(
                                            slider->tickPosition()),
                                        slider->tickInterval())
                    : "");
    if (const auto* table = qobject_cast<const QTableView*>(&widget)) {
        // Column widths but that of a last column stretched to the width of the window.
        const QHeaderView& header = *table->horizontalHeader();
        QStringList heads, widths;
        for (int column = 0; column < table->model()->columnCount(); ++column) {
            heads << table->model()->headerData(column, Qt::Horizontal).toString();
            if (!header.stretchLastSection() || column + 1 < header.count())
                widths << QString::number(header.sectionSize(column));
        }
        return '{' + heads.join('|') + "} widths " + widths.join(',') +
               (table->verticalHeader()->isVisibleTo(table) ? " numbered" : "") +
               (table->editTriggers() != QAbstractItemView::NoEditTriggers ? " editable" : "") +
               (table->selectionBehavior() == QAbstractItemView::SelectRows ? " rows" : "") +
               (table->wordWrap() ? " wraps" : "") +
               (table->alternatingRowColors() ? " alternating" : "") + rowHeight(*table);
    }
    if (const auto* tabs = qobject_cast<const QTabBar*>(&widget)) {
        QStringList names;
        for (int i = 0; i < tabs->count(); ++i)
            names << tabs->tabText(i);
        return '<' + names.join('|') + '>' + (tabs->usesScrollButtons() ? " scrolling" : "") +
               (tabs->drawBase() ? "" : " baseless");
    }
    return {};
}

// A width or height fixed in a form laid out in pixels.
QString fixedSizeOf(const QWidget& widget) {
    QString fixed;
    if (widget.minimumWidth() == widget.maximumWidth())
        fixed += QString(" w=%1").arg(widget.minimumWidth());
    if (widget.minimumHeight() == widget.maximumHeight())
        fixed += QString(" h=%1").arg(widget.minimumHeight());
    return fixed;
}

// The nearest control or group around widget in window.
QString around(const QWidget& widget, const QWidget& window) {
    for (const QWidget* outer = widget.parentWidget(); outer && outer != &window;
         outer = outer->parentWidget()) {
        if (outer->property("controlId").isValid())
            return " in " + outer->property("controlId").toString();
        if (const auto* group = qobject_cast<const QGroupBox*>(outer))
            return " in \"" + group->title() + '"';
    }
    return {};
}

// One line for each control and each caption of window: class, control id, what it shows, the
// nearest control or group around it, its place and share of spare room in its parent's layout,
// a size fixed in pixels and its state.
// Shown first, as a window binds its controls when it comes up.
std::string listing(QWidget& window) {
    window.show();
    // A layout that fixes the window's size to its contents makes it one the operator cannot
    // resize; that size, like a layout's least size, depends on the fonts, so only a size fixed
    // in numbers is listed.
    const bool fixedByLayout =
        window.layout() && window.layout()->sizeConstraint() == QLayout::SetFixedSize;
    const bool inPixels = !fixedByLayout && window.minimumSize() == window.maximumSize();
    const QString size = fixedByLayout ? QString(" fixed")
                         : inPixels    ? QString(" %1x%2").arg(window.width()).arg(window.height())
                                       : QString();
    // A modal window keeps the operator out of the rest of the program while it is up.
    const QString modal = window.isModal() ? QString(" modal") : QString();
    QString text = QString("%1%2%3\n").arg(window.metaObject()->className(), size, modal);
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        const QVariant id = widget->property("controlId");
        const QString shown = shownBy(*widget).replace('\n', "\\n");
        // Elsewhere a fixed size is measured from the fonts.
        const QString fixed = inPixels ? fixedSizeOf(*widget) : QString();
        // Scroll bars belong to the lists that pop up.
        if (qobject_cast<const QScrollBar*>(widget) ||
            (!id.isValid() && (shown.isEmpty() || shown == "\"\"") && fixed.isEmpty()))
            continue;
        const QLayout* layout = widget->parentWidget() ? widget->parentWidget()->layout() : nullptr;
        text += QString("%1 %2 %3 @%4%5%6%7\n")
                    .arg(widget->metaObject()->className(), id.isValid() ? id.toString() : "-",
                         shown + around(*widget, window), layout ? placeIn(*layout, *widget) : "-",
                         fixed)
                    .arg(widget->isEnabledTo(&window) ? "" : " disabled")
                    .arg(widget->isVisibleTo(&window) ? "" : " hidden");
    }
    return printable(text.toStdString(), true);
}

std::string listing(QWidget&& window) {
    return listing(window);
}

// The frame's title and every menu entry: its text, command id, shortcut, state, and the prompts
// of the status bar and of its button's tip.
std::string menus(const QMainWindow& frame) {
    QString text = frame.windowTitle() + '\n';
    const QMenuBar& bar = *frame.menuBar();
    for (const QMenu* menu : bar.findChildren<QMenu*>()) {
        text += menu->title() + '\n';
        for (const QAction* action : menu->actions())
            text += QString("  %1 %2 %3%4%5 \"%6\" \"%7\"\n")
                        .arg(action->isSeparator() ? "----" : action->text(),
                             action->property("commandId").toString(),
                             action->shortcut().toString(QKeySequence::PortableText))
                        .arg(action->isCheckable() ? " checkable" : "")
                        .arg(action->isEnabled() ? "" : " disabled")
                        .arg(action->statusTip(), action->toolTip());
    }
    return text.toStdString();
}

// The windows over the freshly reset simulated unit, each as it was reviewed: a control given
// another id, caption, list entry, range or place in its layout shows here.
class WindowListingsTest : public DocumentFixture {
protected:
    // The desktop's font at 10 points, so that a size given as a share of it lists alike on any
    // machine.
    WindowListingsTest() {
        QFont tenPoints = desktopFont;
        tenPoints.setPointSize(10);
        QApplication::setFont(tenPoints);
        document.parameters().refreshEverything();
    }
    ~WindowListingsTest() override { QApplication::setFont(desktopFont); }

    static void expectListed(const std::string& actual, const std::string& name) {
        expectListing(actual, listingBeside(__FILE__, name + ".txt"));
    }

    const QFont desktopFont = QApplication::font();
    QTemporaryDir directory;
    SettingsStore store{directory.filePath("settings.ini")};
    ConnectionSettings settings{store, document, {"/dev/ttyUSB0", "/dev/ttyS0"}};
};

TEST_F(WindowListingsTest, TheThreeWindows) {
    expectListed(listing(CMainView(document)), "main");
    expectListed(listing(CMetadataView(document)), "metadata");
    expectListed(listing(CMonitorView(document)), "monitor");
}

TEST_F(WindowListingsTest, TheDialogs) {
    CSetupDlg setup(clock, nullptr);
    setup.setDocument(&document);
    // The GPIO page listed as it comes up the second time, bound to the document again.
    std::string pages = listing(setup);
    for (const int tab : {CSetupDlg::gpioTab, CSetupDlg::monitorTab, CSetupDlg::gpioTab})
        setup.tabs().setCurrentIndex(tab);
    expectListed(pages + listing(setup), "setup");
    CRouterDlg router(document, seam, nullptr);
    expectListed(listing(router), "router");
    CUserPresetsDlg presets(document, seam, nullptr);
    expectListed(listing(presets), "user-presets");
    // The preset naming dialog of each, listed as it comes up.
    std::string naming;
    const auto list = [&naming](QDialog& dialog) {
        naming += listing(dialog);
        return static_cast<int>(QDialog::Rejected);
    };
    seam.dialogAnswers = {list, list};
    controlOf<QPushButton>(presets, CUserPresetsDlg::saveId)->click();
    controlOf<QPushButton>(router, CRouterDlg::savePresetId)->click();
    expectListed(naming, "save-preset");

    expectListed(listing(COpenDeviceDlg(settings, document, nullptr)), "open-device");
}

TEST_F(WindowListingsTest, TheMenusAndTheSmallerWindows) {
    // A frame that can open the Main window only: the commands of the others are greyed.
    CMainFrame frame{seam};
    frame.setViewFactory(ViewKind::Main, [] { return new QWidget; });
    expectListed(menus(frame), "menus");
    expectListed(listing(CLineMonitorBar(document, seam)) + listing(CParameterBrowser(document)) +
                     listing(CCommErrorDlg("The cause.", nullptr)) +
                     listing(CRestoreWarningDlg(nullptr)) + listing(CSelectParametersDlg(nullptr)) +
                     listing(CAboutDlg(nullptr)) + listing(ProgressWindow("Saving", nullptr)) +
                     listing(CCompareDlg("unit.vxs", "its end is missing", {})),
                 "smaller-windows");
}

// The buttons of a dialog's button box end it as their roles, listed above, say; those that act
// before ending (OK in 'Open Device' and 'Save Preset') are tested with their dialogs.
TEST_F(WindowListingsTest, DialogsEndFromTheirButtons) {
    CSetupDlg setup(clock, nullptr);
    setup.setDocument(&document);
    CRouterDlg router(document, seam, nullptr);
    CUserPresetsDlg presets(document, seam, nullptr);
    CCompareDlg compare("unit.vxs", "", {});
    CAboutDlg about(nullptr);
    CRestoreWarningDlg warning(nullptr);
    CSelectParametersDlg select(nullptr);
    CCommErrorDlg recovery("The cause.", nullptr);
    COpenDeviceDlg openDevice(settings, document, nullptr);
    for (QDialog* dialog :
         std::initializer_list<QDialog*>{&setup, &router, &presets, &compare, &about, &warning,
                                         &select, &recovery, &openDevice}) {
        const auto& box = *dialog->findChild<QDialogButtonBox*>();
        for (QAbstractButton* button : box.buttons()) {
            const QDialogButtonBox::ButtonRole role = box.buttonRole(button);
            if (role != QDialogButtonBox::AcceptRole && role != QDialogButtonBox::RejectRole)
                continue;
            dialog->setResult(-1);
            dialog->show();
            button->click();
            EXPECT_FALSE(dialog->isVisible()) << dialog->windowTitle().toStdString();
            EXPECT_EQ(dialog->result(), role == QDialogButtonBox::AcceptRole) << role;
        }
    }
    // Short notices still open wide enough to read.
    ProgressWindow progress("Trying to reach the unit...", nullptr);
    progress.show();
    for (const QWidget* notice : std::initializer_list<QWidget*>{&warning, &recovery, &progress})
        EXPECT_GE(notice->width(), 320) << notice->objectName().toStdString();
}

} // namespace
