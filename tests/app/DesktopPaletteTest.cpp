// The system colours follow the application palette when it changes while
// the program runs (the desktop's scheme at start is compared end to end):
// a dark scheme gives a dark tree with light text and the scheme's
// highlight. Read from the tree's pixels.
#include "app/AppTest.h"

#include "platform/MessageLoop.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QStyle>

namespace {

class DesktopPaletteTest : public ExampleAppTest {
protected:
    void TearDown() override
    {
        QApplication::setPalette(QApplication::style()->standardPalette());
        AppTest::TearDown();
    }
};

TEST_F(DesktopPaletteTest, ADarkSchemeChosenWhileTheProgramRunsGivesADarkTreeWithLightTextAndItsHighlight)
{
    SetFocus(Upper());
    const QColor base(0x23, 0x26, 0x29), text(0xfc, 0xfc, 0xfc), highlight(0x3d, 0xae, 0xe9);
    QPalette dark(QColor(0x31, 0x36, 0x3b));
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Highlight, highlight);
    dark.setColor(QPalette::HighlightedText, text);
    QApplication::setPalette(dark);
    PumpWaitingMessages();

    const QImage image = testsupport::RenderClient(Upper());
    using testsupport::CountPixels;
    const int baseCount = CountPixels(image, [&](QRgb p) { return p == base.rgb(); });
    const int light = CountPixels(image, [](QRgb p) { return QColor(p).lightness() > 200; });
    const int highlighted = CountPixels(image, [&](QRgb p) { return p == highlight.rgb(); });
    const int all = image.width() * image.height();
    EXPECT_GT(baseCount, all / 2) << "the background is the scheme's";
    EXPECT_GT(light, 500) << "the labels are light";
    EXPECT_LT(light, all / 4) << "on a background that is not";
    EXPECT_GT(highlighted, 500) << "the selected row has the scheme's highlight";
}

} // namespace
