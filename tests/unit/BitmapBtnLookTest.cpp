#include "skin/BitmapBtnLook.h"

#include <gtest/gtest.h>

namespace {
using Image = ButtonImageRole;
using Text = ButtonTextRole;

struct LookCase {
    const char* name;
    ButtonState state;  // checkBoxMode, checked, checkedShowsPressed, hover, selected, disabled
    Image image;
    Text text;
};

const LookCase kPushButtonCases[] = {
    {"normal", {false, false, false, false, false, false}, Image::Normal, Text::Normal},
    {"disabled", {false, false, false, false, false, true}, Image::Disabled, Text::Normal},
    {"hover", {false, false, false, true, false, false}, Image::Hover, Text::Hover},
    {"pressed", {false, false, false, false, true, false}, Image::Pressed, Text::Pressed},
    {"pressed under the mouse", {false, false, false, true, true, false}, Image::Pressed, Text::Pressed},
    {"latched", {false, true, false, false, false, false}, Image::Pressed, Text::Normal},
    {"latched under the mouse keeps the normal text", {false, true, false, true, false, false}, Image::Pressed,
     Text::Normal},
    {"latched and pressed", {false, true, false, false, true, false}, Image::Pressed, Text::Normal},
    {"latched and disabled", {false, true, false, false, false, true}, Image::Pressed, Text::Normal},
    {"hover wins over disabled", {false, false, false, true, false, true}, Image::Hover, Text::Hover},
};

const LookCase kCheckBoxCases[] = {
    {"unchecked", {true, false, false, false, false, false}, Image::Normal, Text::Normal},
    {"unchecked, disabled", {true, false, false, false, false, true}, Image::Disabled, Text::Normal},
    {"unchecked, hover", {true, false, false, true, false, false}, Image::Hover, Text::Hover},
    {"unchecked, pressed shows no press", {true, false, false, false, true, false}, Image::Normal, Text::Normal},
    {"checked", {true, true, false, false, false, false}, Image::Pressed, Text::Hover},
    {"checked, hover", {true, true, false, true, false, false}, Image::Pressed, Text::Hover},
    {"checked, pressed", {true, true, false, false, true, false}, Image::Pressed, Text::Hover},
    {"checked, disabled", {true, true, false, false, false, true}, Image::Disabled, Text::Normal},
    {"checked, disabled, shows pressed", {true, true, true, false, false, true}, Image::Pressed, Text::Normal},
    {"checkedShowsPressed alone changes nothing", {true, true, true, false, false, false}, Image::Pressed,
     Text::Hover},
};

void ExpectLooks(const LookCase* begin, const LookCase* end) {
    for (const LookCase* c = begin; c != end; ++c) {
        const ButtonLook look = ChooseButtonLook(c->state);
        EXPECT_EQ(c->image, look.image) << c->name;
        EXPECT_EQ(c->text, look.text) << c->name;
    }
}

TEST(ButtonLook, PushButtonMode) { ExpectLooks(std::begin(kPushButtonCases), std::end(kPushButtonCases)); }

TEST(ButtonLook, CheckBoxMode) { ExpectLooks(std::begin(kCheckBoxCases), std::end(kCheckBoxCases)); }

TEST(ButtonLook, CaptionOriginAndEscapementOfEachTextMode) {
    struct OriginCase {
        int mode;
        int width;
        int height;
        SIZE extent;
        POINT origin;
        int escapement;
    };
    // Every halving truncates on its own: 101 / 2 - 31 / 2 = 50 - 15.
    const OriginCase cases[] = {
        {kTextCentred, 101, 31, {31, 15}, {35, 8}, 0},
        {kTextRotated90, 101, 31, {31, 15}, {43, 30}, 900},
        {kTextRotated270, 101, 31, {31, 15}, {57, 0}, 2700},
        {kTextLeft, 101, 31, {31, 15}, {0, 8}, 0},
        {0, 20, 20, {40, 16}, {-10, 2}, 0},
        {7, 20, 20, {5, 5}, {8, 8}, 0},
        {kTextCentred, 20, 20, {41, 17}, {-10, 2}, 0},
    };
    for (const OriginCase& c : cases) {
        const POINT origin = CaptionOrigin(c.mode, c.width, c.height, c.extent);
        EXPECT_EQ(c.origin.x, origin.x) << "mode " << c.mode;
        EXPECT_EQ(c.origin.y, origin.y) << "mode " << c.mode;
        EXPECT_EQ(c.escapement, CaptionEscapement(c.mode)) << "mode " << c.mode;
    }
}
}  // namespace
