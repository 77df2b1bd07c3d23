// The folder picker as designed: caption, controls in twips, tooltips, the default and the
// cancel button, where the focus starts, and no resize handling.
#include "support/qstring_printer.h"
#include "windows/companion_window_fixture.h"
#include "windows/directory_list.h"
#include "windows/drive_list.h"
#include "windows/frmBrowse.h"

#include <QPushButton>

using PickerDesignTest = CompanionWindowTest;

namespace {

struct Placement {
    QRect drives;
    QRect folders;
    QRect ok;
    QRect cancel;
    bool operator==(const Placement&) const = default;
};

Placement placementOf(const frmBrowse& picker) {
    return {picker.Drive1->geometry(), picker.Dir1->geometry(), picker.cmdOK->geometry(),
            picker.cmdCancel->geometry()};
}

} // namespace

TEST_F(PickerDesignTest, ShowsItsControlsAsDesigned) {
    start();
    frmBrowse& picker = browse();

    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Orvantis"));
    EXPECT_EQ(picker.size(), QSize(312, 213));
    // 120, 120, 2415, 315 twips and so on, at 15 twips a pixel.
    EXPECT_EQ(placementOf(picker), (Placement{QRect(8, 8, 161, 21), QRect(8, 40, 161, 156),
                                              QRect(184, 8, 97, 25), QRect(184, 48, 97, 25)}));
    EXPECT_EQ(picker.Drive1->toolTip(), QStringLiteral("Available disks"));
    EXPECT_EQ(picker.Dir1->toolTip(), QStringLiteral("Available folders"));
    EXPECT_EQ(picker.cmdOK->text(), QStringLiteral("OK"));
    EXPECT_EQ(picker.cmdOK->toolTip(), QStringLiteral("Confirm the selected folder"));
    EXPECT_EQ(picker.cmdCancel->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(picker.cmdCancel->toolTip(), QStringLiteral("Cancel the selection of a folder"));
    EXPECT_TRUE(picker.cmdOK->isDefault());
    EXPECT_FALSE(picker.cmdCancel->isDefault());
    EXPECT_EQ(picker.focusWidget(), picker.Drive1);
    EXPECT_EQ(picker.parentWidget(), nullptr) << "the picker has no owner window";
    EXPECT_FALSE(picker.isModal());
}

TEST_F(PickerDesignTest, ResizingMovesAndSizesNoControl) {
    start();
    frmBrowse& picker = browse();
    const Placement designed = placementOf(picker);

    picker.resize(640, 480);
    EXPECT_EQ(placementOf(picker), designed);
    picker.resize(60, 40);
    EXPECT_EQ(placementOf(picker), designed);
}
