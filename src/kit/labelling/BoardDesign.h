// What a labelling board is made of, as a table: its items, the answer key, its pictures and
// texts, where the score goes, and its pages.
#pragma once

#include <optional>
#include <span>

#include "forms/Colour.h"
#include "forms/Font.h"
#include "forms/Label.h"
#include "forms/Twips.h"
#include "kit/labelling/EquationRows.h"
#include "kit/labelling/SnapRules.h"

namespace labelling {

// One item: the text its name label carries, the target box where that label belongs, and the
// label's home place. The label has the size of its target box.
struct BoardItem {
    const char* text;
    forms::TwipRect target;
    float homeLeft;
    float homeTop;
};

// A picture on the board (Image1, by slot), scaled once to fit its place, beneath every label.
struct BoardPicture {
    const char* file;
    forms::TwipRect place;
};

// A static text: a heading, an instruction, a title. Named as its design names it; an index of 0
// or more makes it an element of an array of that name.
struct BoardText {
    const char* name;
    int index;
    const char* text;
    forms::TwipRect place;
    forms::LabelLook look;
};

// An outline drawn round part of the board (Shape).
struct BoardOutline {
    const char* name;
    forms::TwipRect place;
    forms::Colour colour;
    int widthPx;
};

// The label that the score message is written to. Start Again writes its text back, or, for a
// message hidden until scored, hides it again.
struct BoardMessage {
    const char* name;
    forms::TwipRect place;
    forms::LabelLook look;
    const char* text;
    bool hiddenUntilScored;
};

// A board with several sets: each page gives every item its text and asks its own question, and
// may have the labels wait in other places, so that where a label waits never gives its column
// away from one page to the next (none: the items' own homes).
struct BoardPage {
    const char* question;
    std::span<const char* const> texts;
    std::span<const TwipPoint> homes = {};
};

struct BoardDesign {
    // Items in key order. On a page board, the first page's texts stand in the items.
    std::span<const BoardItem> items;
    // Name labels and target boxes.
    forms::FontSpec font;
    // Appended to " 7 out of 10", e.g. " correct".
    const char* scoreSuffix;
    // The answer key. Each item's group: name label j is correct on target box k when their items
    // share a group, so a sorting board gives a column of boxes one group. Empty: every item is
    // its own group, name label i belongs on target box i alone.
    std::span<const int> groups = {};
    BoardMessage message = {};
    // Set over the frame's HouseBlue; none keeps it.
    std::optional<forms::Colour> back = {};
    // A title, the house exit and the Jotter button. The designed boards keep their own look: the
    // label button "Exit" and no title.
    bool houseButtons = true;
    std::span<const BoardPicture> pictures = {};
    std::span<const BoardText> texts = {};
    std::span<const BoardOutline> outlines = {};
    std::span<const EquationRow> equations = {};
    forms::FontSpec equationFont = forms::tahoma(18);
    // Where every row's arrow stands: rows whose right-hand side is the longer need it further
    // left.
    float equationArrowLeft = kEquationArrowLeft;
    std::span<const BoardPage> pages = {};
    // Where a page's question shows.
    forms::TwipRect pageQuestion = {};
    // What each target box stands for, as a screen reader names it ("box under pH 3"), where
    // the board's own headings and pictures cannot say: none names the boxes from them.
    std::span<const char* const> boxNames = {};
};

}  // namespace labelling
