// The house picture buttons and the tick and cross marks, drawn in code from one design.
#pragma once

#include <QImage>
#include <QString>

namespace assets {

enum class ButtonIcon { Exit, Next, Answer, Check, Jotter, Scramble, List };

// 119 x 33 pixels (1785 x 495 twips) times `scale`: the word in bold yellow on a black face,
// with its icon.
QImage drawButton(const QString& word, ButtonIcon icon, int scale = 1);

// 40 x 40 pixel marks on the house blue, times `scale`.
QImage drawTick(int scale = 1);
QImage drawCross(int scale = 1);

}  // namespace assets
