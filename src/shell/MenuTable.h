// The five activity menus: titles, entry widths, entry captions and the screens they open.
#pragma once

#include <QString>
#include <array>

namespace shell {

struct MenuEntry {
    const char* caption;
    // The activity screen the entry opens; empty while that activity has no screen.
    const char* screen;
};

struct MenuDesign {
    int number;
    const char* title;
    float entryWidth;
    std::array<MenuEntry, 5> entries;
    // Entry element 5 exists (hidden and empty) in menus 1 to 4; a caption makes it a link.
    bool hasSixthEntry;
    MenuEntry sixthEntry;
};

// The sixth entry, when it shows, sits one entry step below the fifth.
inline constexpr float kSixthEntryTop = 6150;

inline constexpr std::array<MenuDesign, 5> kMenus{{
    {1,
     "Menu 1",
     5055,
     {{{"Chemical Symbols", ""},
       {"Hangman", ""},
       {"Measures", ""},
       {"Substituting into Formulae", ""},
       {"Mixed Up Words", ""}}},
     true,
     {"", ""}},
    {2,
     "Menu 2",
     4695,
     {{{"Molecular Models", "molecules"},
       {"Metals and Non-metals", ""},
       {"Elements and Compounds", ""},
       {"Acids and Alkalis", ""},
       {"Bunsen Burner", ""}}},
     true,
     {"", ""}},
    {3,
     "Menu 3",
     4215,
     {{{"Speed of Reactions", ""},
       {"pH", ""},
       {"Hazard Symbols", ""},
       {"Reactivity Sequence", ""},
       {"Atomic Mass", ""}}},
     true,
     {"", ""}},
    {4,
     "Menu 4",
     5655,
     {{{"Melting Points", ""},
       {"Changing State", ""},
       {"Metals and Acids", ""},
       {"Acids and Alkalis", "acidsandalkalis"},
       {"Fair Experiments", ""}}},
     true,
     {"Mathematical Vocabulary", "Vocab"}},
    {5,
     "Menu 5",
     4335,
     {{{"Laboratory Apparatus", "equipment"},
       {"Solids, Liquids and Gases", ""},
       {"Chemical Equations", ""},
       {"Four in a Row", ""},
       {"Safety in the Lab", "safety"}}},
     false,
     {"", ""}},
}};

// Menus are screens of their own, named after their number.
inline QString menuScreenName(int number) {
    return QStringLiteral("menu%1").arg(number);
}

}  // namespace shell
