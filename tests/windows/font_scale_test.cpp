// At a larger application font the twip grows with it: the windows keep their proportions,
// cannot be shrunk below their design size, and every caption fits its control.
#include "support/qstring_printer.h"
#include "windows/companion_window_fixture.h"
#include "windows/directory_list.h"
#include "windows/drive_list.h"
#include "windows/frmBrowse.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

class FontScaleTest : public CompanionWindowTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        QFont font = defaultFont;
        font.setPointSize(GetParam());
        QApplication::setFont(font);
        CompanionWindowTest::SetUp();
    }
    void TearDown() override {
        CompanionWindowTest::TearDown();
        QApplication::setFont(defaultFont);
    }

    // Twips in pixels at this font: the reference font is 9 point, 15 twips to a pixel.
    int scaled(int twips) const { return qRound(twips * GetParam() / 9.0 / 15.0); }
    QRect scaled(int left, int top, int width, int height) const {
        return {scaled(left), scaled(top), scaled(width), scaled(height)};
    }

    const QFont defaultFont = QApplication::font();
};

} // namespace

TEST_P(FontScaleTest, WindowsGrowInProportionAndEveryCaptionFits) {
    start(sitePath());
    giveDelay(QStringLiteral("32767")); // the widest caption of the delay button
    const frmBrowse& picker = browse();

    for (const QWidget* designed : std::initializer_list<const QWidget*>{window.get(), &picker}) {
        EXPECT_EQ(designed->size(), QSize(scaled(4680), scaled(3195)));
        EXPECT_EQ(designed->minimumSize(), designed->size());
    }
    EXPECT_EQ(window->lstFiles->geometry(), scaled(240, 960, 2295, 1815));
    EXPECT_EQ(window->cmdDelay->geometry(), scaled(2760, 2400, 1575, 375));
    EXPECT_EQ(picker.Dir1->geometry(), scaled(120, 600, 2415, 2340));
    EXPECT_EQ(picker.cmdCancel->geometry(), scaled(2760, 720, 1455, 375));

    for (const QPushButton* button :
         {window->cmdBrowse, window->cmdCreate, window->cmdFrames, window->cmdNewAddress,
          window->cmdDelay, picker.cmdOK, picker.cmdCancel}) {
        EXPECT_LE(button->sizeHint().width(), button->width()) << button->text().toStdString();
        EXPECT_LE(button->sizeHint().height(), button->height()) << button->text().toStdString();
    }
    EXPECT_LE(window->Frame1->fontMetrics().height(),
              std::min(window->txtMap->y(), window->cmdBrowse->y()))
        << "the controls inside the group box would cover its caption";
}

INSTANTIATE_TEST_SUITE_P(Points, FontScaleTest, ::testing::Values(11, 13, 16));
