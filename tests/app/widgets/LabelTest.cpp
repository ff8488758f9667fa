#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPalette>
#include <vector>

#include "widgets/Label.h"

namespace nivora::app {
namespace {

QImage Render(CLabel& label) {
    label.resize(120, 40);
    return label.grab().toImage();
}

void Click(CLabel& label, Qt::MouseButton button = Qt::LeftButton) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), button, button,
                      Qt::NoModifier);
    QApplication::sendEvent(&label, &press);
}

TEST(LabelTest, BackgroundIsOwnColourOrTheCurrentButtonFace) {
    CLabel label(QStringLiteral("x"));
    QPalette palette = label.palette();
    palette.setColor(QPalette::Button, QColor(10, 20, 30));
    label.setPalette(palette);
    EXPECT_FALSE(label.BackgroundColour().has_value());
    EXPECT_EQ(Render(label).pixelColor(110, 35), QColor(10, 20, 30));

    // A change of the system colours is followed without anything set again.
    palette.setColor(QPalette::Button, QColor(200, 100, 50));
    label.setPalette(palette);
    EXPECT_EQ(Render(label).pixelColor(110, 35), QColor(200, 100, 50));

    label.SetBackgroundColour(FromColorRef(0x00FFFFBF));
    EXPECT_EQ(Render(label).pixelColor(110, 35), QColor(191, 255, 255));
    EXPECT_EQ(label.EffectiveBackground(), QColor(191, 255, 255));

    // An invalid colour gives the button face back.
    label.SetBackgroundColour(QColor());
    EXPECT_FALSE(label.BackgroundColour().has_value());
    EXPECT_EQ(Render(label).pixelColor(110, 35), QColor(200, 100, 50));
}

TEST(LabelTest, TextIsDrawnInItsColourAndUnderlinedOnRequest) {
    CLabel label(QStringLiteral("MMMM"));
    QFont font = label.font();
    font.setPixelSize(24);
    font.setStyleStrategy(QFont::NoAntialias);
    label.setFont(font);
    label.SetBackgroundColour(Qt::white).SetTextColour(QColor(0, 0, 255)).SetUnderline(true);
    EXPECT_EQ(label.TextColour(), QColor(0, 0, 255));
    EXPECT_TRUE(label.Underline());
    EXPECT_TRUE(label.font().underline());

    const QImage image = Render(label);
    int blue = 0, other = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c == QColor(0, 0, 255))
                ++blue;
            else if (c != QColor(Qt::white))
                ++other;
        }
    EXPECT_GT(blue, 20);
    EXPECT_EQ(other, 0);  // nothing but background and text colour

    label.SetUnderline(false);
    EXPECT_FALSE(label.Underline());
    EXPECT_EQ(label.font().pixelSize(), 24);  // the rest of the font is kept
}

TEST(LabelTest, TextColourFollowsThePaletteUntilSet) {
    CLabel label;
    EXPECT_EQ(label.TextColour(), label.palette().color(QPalette::WindowText));
}

TEST(LabelTest, ClickOpensTheLinkOfItsKind) {
    struct Case {
        const char* name;
        void (*setUp)(CLabel&);
        CLabel::LinkKind kind;
        const char* opened;  // null: nothing opened
    };
    const std::vector<Case> cases = {
        {"web", [](CLabel& l) { l.EnableWebLink(); }, CLabel::LinkKind::Web,
         "http://www.morlant.de"},
        {"mail", [](CLabel& l) { l.EnableMailLink(); }, CLabel::LinkKind::Mail,
         "mailto:www.morlant.de"},
        {"none", [](CLabel&) {}, CLabel::LinkKind::None, nullptr},
        {"web switched off", [](CLabel& l) { l.EnableWebLink().EnableWebLink(false); },
         CLabel::LinkKind::None, nullptr},
        {"mail after web", [](CLabel& l) { l.EnableWebLink().EnableMailLink(); },
         CLabel::LinkKind::Mail, "mailto:www.morlant.de"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CLabel label(QStringLiteral("www.morlant.de"));
        std::vector<QUrl> opened;
        label.SetLinkOpener([&](const QUrl& url) {
            opened.push_back(url);
            return false;  // a failing shell is not reported
        });
        c.setUp(label);
        EXPECT_EQ(label.Link(), c.kind);
        Click(label, Qt::RightButton);
        EXPECT_TRUE(opened.empty());
        Click(label);
        if (c.opened) {
            ASSERT_EQ(opened.size(), 1u);
            EXPECT_EQ(opened[0], QUrl(QString::fromLatin1(c.opened)));
        } else {
            EXPECT_TRUE(opened.empty());
        }
    }
}

TEST(LabelTest, HoverCursorIsShownOverTheLabel) {
    CLabel label;
    EXPECT_EQ(&label.SetHoverCursor(Qt::PointingHandCursor), &label);
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
}

TEST(LabelTest, TextPlacementFollowsTheStyle) {
    using P = CLabel::Placement;
    struct Case {
        P placement;
        const char* text;
        int flags;
    };
    const std::vector<Case> cases = {
        {P::Left, "a", Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap},
        {P::LeftNoWrap, "a", Qt::AlignLeft | Qt::AlignTop},
        {P::Centre, "a", Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap},
        {P::Right, "a", Qt::AlignRight | Qt::AlignTop | Qt::TextWordWrap},
        {P::Right, "a\tb", Qt::AlignRight | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs},
        // One line is centred both ways, several lines only across.
        {P::CentreImage, "a", Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine},
        {P::CentreImage, "a\nb", Qt::AlignHCenter | Qt::AlignTop},
        {P::CentreImage, "a\tb",
         Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextExpandTabs},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(CLabel::TextFlags(c.placement, QString::fromLatin1(c.text)), c.flags);
    }
}

}  // namespace
}  // namespace nivora::app
