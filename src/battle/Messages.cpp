// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "Messages.h"

#include "BoardGeometry.h"
#include "TBoard.h"

#include <array>

std::string_view MessageText(int Id) {
  switch (Id) {
  case msgShipsTouch:
    return "Корабли не должны соприкасаться.";
  case msgYouWin:
    return "Вы победили!";
  case msgYouLost:
    return "Вы проиграли";
  case msgMyLastShot:
    return "Ваш последний удар на %s-%d";
  case msgEnemyLastShot:
    return "Последний удар противника на %s-%d";
  default:
    return {};
  }
}

std::string LoadStr(int Id) {
  return std::string(MessageText(Id));
}

// Built in one piece: the status texts change at every shot.
std::string FormatShot(int Id, TPoint Cell) {
  const std::string_view Text = MessageText(Id);
  const auto Letter = Text.find("%s");
  const auto Number = Text.find("%d");
  if (Letter == std::string_view::npos || Number == std::string_view::npos || Number < Letter)
    return std::string(Text);
  std::string Shot;
  Shot.reserve(Text.size() + 4);
  Shot.append(Text.substr(0, Letter));
  Shot.append(RowLetters[Cell.Y]);
  Shot.append(Text.substr(Letter + 2, Number - Letter - 2));
  Shot.append(std::to_string(Cell.X + 1));
  Shot.append(Text.substr(Number + 2));
  return Shot;
}

namespace {

using TShotTexts = std::array<std::array<std::string, BoardSize * BoardSize>, 2>;

// Made when the program starts, so that reading them needs no guard.
const TShotTexts GShotTexts = [] {
  TShotTexts Texts;
  for (int Shooter = 0; Shooter < 2; ++Shooter)
    for (int I = 0; I < BoardSize * BoardSize; ++I)
      Texts[Shooter][I] = FormatShot(Shooter == 0 ? msgMyLastShot : msgEnemyLastShot,
                                     {I / BoardSize, I % BoardSize});
  return Texts;
}();

const std::string GNoText;

} // namespace

const std::string& LastShotText(int Id, TPoint Cell) {
  if ((Id != msgMyLastShot && Id != msgEnemyLastShot) || !InBoard(Cell))
    return GNoText;
  return GShotTexts[Id == msgMyLastShot ? 0 : 1][Cell.X * BoardSize + Cell.Y];
}
