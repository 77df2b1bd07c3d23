#include "support/main_window_fixture.h"
#include "support/qstring_printer.h"

#include <QPushButton>
#include <QWindow>

namespace {

class AddressAndDelayTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        start();
    }
};

const QString kAddressPrompt = QStringLiteral(
    "Give the new address of your site.\nMake sure to include the protocol (http://) or the "
    "path (c:\\...)");
const QString kDelayPrompt =
    QStringLiteral("Give the delay in seconds before the page at the new address is shown");

} // namespace

TEST_F(AddressAndDelayTest, TheAddressIsStoredAsTypedAndShownInTheCaption) {
    giveAddress(QStringLiteral("  http://new.example/  "));
    EXPECT_EQ(window->strNewAddress, QStringLiteral("  http://new.example/  "));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zandrift -   http://new.example/  "));

    const ScriptedBoxes::Shown& box = boxes.shown().at(0);
    EXPECT_TRUE(box.input);
    EXPECT_EQ(box.text, kAddressPrompt);
    EXPECT_EQ(box.title, QString());
    EXPECT_EQ(box.defaultText, QString());
    EXPECT_EQ(window->cmdNewAddress->text(), QStringLiteral("New address:"));
}

TEST_F(AddressAndDelayTest, TheCaptionShowsAnAddressHoldingTheModifiedMarkExactly) {
    giveAddress(QStringLiteral("http://new.example/[*]/[*][*]"));
    EXPECT_EQ(window->windowHandle()->title(),
              QStringLiteral("Zandrift - http://new.example/[*]/[*][*]"));
}

TEST_F(AddressAndDelayTest, ASecondAddressBoxShowsTheAddressAsTitleAndCancelClearsIt) {
    giveAddress(QStringLiteral("http://new.example"));
    giveAddress(QString()); // cancelled

    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[1].title, QStringLiteral("http://new.example"));
    EXPECT_EQ(boxes.shown()[1].defaultText, QString());
    EXPECT_EQ(window->strNewAddress, QString());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zandrift - "));
}

TEST_F(AddressAndDelayTest, GivingTheAddressAfterTheDelayBringsNothingForward) {
    giveDelay(QStringLiteral("10"));
    giveAddress(QStringLiteral("http://new.example"));
    EXPECT_FALSE(window->cmdCreate->isVisible());
}

TEST_F(AddressAndDelayTest, TheDelayBoxComesBackUntilAnUsableDelayIsGiven) {
    giveAddress(QStringLiteral("http://new.example"));
    boxes.type({QStringLiteral("abc"), QStringLiteral("2.5"), QString(), QStringLiteral("40000"),
                QStringLiteral("-5"), QStringLiteral("0x10"), QStringLiteral("10")});
    window->cmdDelay->click();

    ASSERT_EQ(boxes.shown().size(), 8u);
    for (std::size_t box = 1; box < boxes.shown().size(); ++box) {
        EXPECT_EQ(boxes.shown()[box].text, kDelayPrompt);
        EXPECT_EQ(boxes.shown()[box].title, QString());
        EXPECT_EQ(boxes.shown()[box].defaultText, QString());
    }
    EXPECT_TRUE(boxes.scriptUsedUp());
    EXPECT_EQ(window->intDelay, 10);
    EXPECT_EQ(window->cmdDelay->text(), QStringLiteral("Delay: 10"));
    EXPECT_TRUE(window->cmdCreate->isVisible());
    EXPECT_EQ(window->focusWidget(), window->cmdCreate);
}

TEST_F(AddressAndDelayTest, ADelayWithoutAnAddressOnlyChangesTheCaption) {
    window->cmdNewAddress->setFocus();
    giveDelay(QStringLiteral(" 7 "));
    EXPECT_EQ(window->intDelay, 7);
    EXPECT_EQ(window->cmdDelay->text(), QStringLiteral("Delay: 7"));
    EXPECT_FALSE(window->cmdCreate->isVisible());
    EXPECT_EQ(window->focusWidget(), window->cmdNewAddress);
}

TEST_F(AddressAndDelayTest, ADelayOfZeroIsAcceptedButBringsNothingForward) {
    giveAddress(QStringLiteral("http://new.example"));
    giveDelay(QStringLiteral("0"));
    EXPECT_EQ(window->intDelay, 0);
    EXPECT_EQ(window->cmdDelay->text(), QStringLiteral("Delay: 0"));
    EXPECT_FALSE(window->cmdCreate->isVisible());
}

TEST_F(AddressAndDelayTest, WholeNumbersInOtherFormsAreStoredAsTheirValue) {
    for (const auto& [typed, caption] :
         {std::pair{QStringLiteral("2.0"), QStringLiteral("Delay: 2")},
          std::pair{QStringLiteral("1e3"), QStringLiteral("Delay: 1000")},
          std::pair{QStringLiteral("32767"), QStringLiteral("Delay: 32767")}}) {
        giveDelay(typed);
        EXPECT_EQ(window->cmdDelay->text(), caption);
    }
}
