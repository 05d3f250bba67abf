// Speed of Reactions: what makes a reaction go faster, and why, in the class's own words.
#pragma once

#include "kit/quiz/QuizItem.h"

namespace speed {

// Questions of up to three lines; answers of up to two, the full width across.
inline constexpr quiz::QuizLayout kSpeedLayout{
    .question = {480, 1080, 10950, 2040},
    .answer = {480, 3360, 10950, 1080},
    .reason = {480, 4560, 9360, 1080},
};

inline constexpr quiz::QuizRow kSpeedQuiz[] = {
    {"Which reacts faster with acid: one lump of marble or the same mass of marble powder?",
     "The powder.", "A larger surface area gives more collisions."},
    {"Which reacts faster: magnesium ribbon in cold acid or in warm acid?", "Warm acid.",
     "The particles move faster, so they collide more often and with more energy."},
    {"Which reacts faster with magnesium: dilute or concentrated acid?", "Concentrated.",
     "There are more acid particles to collide."},
    {"What does a catalyst do?", "It speeds up a reaction without being used up."},
    {"Why does food go off more slowly in a fridge?",
     "The lower temperature slows the reactions that spoil it."},
    {"Name two ways to follow a reaction that gives off a gas.",
     "Collect the gas in a gas syringe over time, or measure the loss of mass on a balance."},
    {"Why are potatoes cut small to cook faster?", "A larger surface area."},
    {"A reaction gives 60 cm³ of gas in 30 s. What is its mean rate?", "2 cm³/s",
     "mean rate = 60 ÷ 30 = 2 cm³/s"},
    {"Why do reactions slow down as they go on?", "The reactants are used up.",
     "Fewer reactant particles are left to collide."},
    {"Manganese dioxide makes hydrogen peroxide give off oxygen faster and is unchanged at the "
     "end. What is it?",
     "A catalyst."},
};

}  // namespace speed
