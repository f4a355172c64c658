#include "Messages.h"

#include "BoardGeometry.h"

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
