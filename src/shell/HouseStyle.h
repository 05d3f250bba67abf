// The house constants that every framed screen shares.
#pragma once

#include "forms/Colour.h"
#include "forms/Twips.h"

namespace shell {

inline constexpr float FrameWidth = 12000;
inline constexpr float FrameHeight = 9000;
inline constexpr float ButtonWidth = 1785;
inline constexpr float ButtonHeight = 495;
inline constexpr float ButtonColumnLeft = 10050;
inline constexpr float ButtonRowTop = 7950;
inline constexpr float ExitButtonLeft = 60;
// The tick and cross of a checked answer, top right.
inline constexpr forms::TwipRect MarkPlace{10740, 180, 600, 600};

// The standard buttons by their design names, with their pictures in the order the frame loads
// them, and the words a button shows when its picture cannot be had.
struct HouseButton {
    const char* name;
    const char* picture;
    const char* words;
};
inline constexpr HouseButton HouseButtons[] = {
    {"cmdexit", "Images\\exit.jpg", "Exit"},
    {"cmdgo", "Images\\next.jpg", "Next"},
    {"cmdsoln", "Images\\answer.jpg", "Answer"},
    {"cmdcheckit", "images\\check.jpg", "Check"},
    {"cmdjotter", "images\\jotter.jpg", "Jotter"},
    {"cmdscramble", "images\\scramble.jpg", "Scramble"},
    {"cmdlist", "images\\list.jpg", "List"},
};

// The list chooser's button, where an activity has teachers' lists: top left, level with the
// title, where no screen has anything of its own.
inline constexpr forms::TwipRect ListButtonPlace{60, 120, ButtonWidth, ButtonHeight};

// The house buttons' pictures are drawn with corners of 6 pixels inside a pixel-wide outline.
inline constexpr float ButtonCorner = 97.5f;

inline constexpr forms::Colour HouseBlue = forms::rgb(49, 135, 214);
inline constexpr forms::Colour ScreenBlue = forms::rgb(49, 135, 215);
inline constexpr forms::Colour DeepBlue = forms::rgb(41, 65, 137);
inline constexpr forms::Colour BackdropBlue = forms::rgb(48, 133, 214);

// Titles and entries: yellow on black; tabs: yellow on blue.
inline constexpr forms::Colour TitleYellow = forms::fromBgr(0x0000FFFF);
inline constexpr forms::Colour TitleBlack = forms::fromBgr(0x00000000);
inline constexpr forms::Colour TabBlue = forms::fromBgr(0x00FF0000);

}  // namespace shell
