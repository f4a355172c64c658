#include "Messages.h"

#include "BoardGeometry.h"

std::string LoadStr(int Id) {
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

std::string FormatShot(int Id, TPoint Cell) {
  std::string Text = LoadStr(Id);
  if (const auto At = Text.find("%s"); At != std::string::npos)
    Text.replace(At, 2, RowLetters[Cell.Y]);
  if (const auto At = Text.find("%d"); At != std::string::npos)
    Text.replace(At, 2, std::to_string(Cell.X + 1));
  return Text;
}
