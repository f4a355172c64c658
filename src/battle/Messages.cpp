// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "Messages.h"

#include "BoardGeometry.h"
#include "TBoard.h"

#include <array>

namespace {

// The Russian texts by id from msgShipsTouch on; they are also the keys of their translations.
constexpr std::array<const char*, 5> SourceTexts = {
    QT_TRANSLATE_NOOP("Messages", "Корабли не должны соприкасаться."),
    QT_TRANSLATE_NOOP("Messages", "Вы победили!"),
    QT_TRANSLATE_NOOP("Messages", "Вы проиграли"),
    //: %s is the row letter, %d the column number
    QT_TRANSLATE_NOOP("Messages", "Ваш последний удар на %s-%d"),
    //: %s is the row letter, %d the column number
    QT_TRANSLATE_NOOP("Messages", "Последний удар противника на %s-%d"),
};
//: The board's ten row letters, top to bottom, separated by single spaces
constexpr const char* SourceRows = QT_TRANSLATE_NOOP("Messages", "А Б В Г Д Е Ж З И К");

std::array<std::string, SourceTexts.size()> GTexts = [] {
  std::array<std::string, SourceTexts.size()> Texts;
  for (size_t I = 0; I < Texts.size(); ++I)
    Texts[I] = SourceTexts[I];
  return Texts;
}();

std::array<std::string, 10> GRows = [] {
  std::array<std::string, 10> Rows;
  for (size_t I = 0; I < Rows.size(); ++I)
    Rows[I] = RowLetters[I];
  return Rows;
}();

// Ten letters separated by spaces, or nothing: a broken translation keeps the Russian rows.
bool SplitRows(std::string_view Text, std::array<std::string, 10>& Rows) {
  std::array<std::string, 10> Split;
  size_t Count = 0;
  for (size_t Start = 0; Start <= Text.size();) {
    size_t End = Text.find(' ', Start);
    if (End == std::string_view::npos)
      End = Text.size();
    if (End == Start || Count == Split.size())
      return false;
    Split[Count++] = Text.substr(Start, End - Start);
    Start = End + 1;
  }
  if (Count != Split.size())
    return false;
  Rows = std::move(Split);
  return true;
}

} // namespace

std::string_view MessageText(int Id) {
  if (Id < msgShipsTouch || Id >= msgShipsTouch + static_cast<int>(GTexts.size()))
    return {};
  return GTexts[Id - msgShipsTouch];
}

std::string LoadStr(int Id) {
  return std::string(MessageText(Id));
}

std::string_view RowLetter(int Row) {
  return Row >= 0 && Row < static_cast<int>(GRows.size()) ? std::string_view(GRows[Row])
                                                          : std::string_view();
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
  Shot.append(RowLetter(Cell.Y));
  Shot.append(Text.substr(Letter + 2, Number - Letter - 2));
  Shot.append(std::to_string(Cell.X + 1));
  Shot.append(Text.substr(Number + 2));
  return Shot;
}

namespace {

using TShotTexts = std::array<std::array<std::string, BoardSize * BoardSize>, 2>;

TShotTexts ShotTexts() {
  TShotTexts Texts;
  for (int Shooter = 0; Shooter < 2; ++Shooter)
    for (int I = 0; I < BoardSize * BoardSize; ++I)
      Texts[Shooter][I] = FormatShot(Shooter == 0 ? msgMyLastShot : msgEnemyLastShot,
                                     {I / BoardSize, I % BoardSize});
  return Texts;
}

// Made when the program starts, and again when a translation is installed, so that reading
// them at every shot needs no guard.
TShotTexts GShotTexts = ShotTexts();

const std::string GNoText;

} // namespace

const std::string& LastShotText(int Id, TPoint Cell) {
  if ((Id != msgMyLastShot && Id != msgEnemyLastShot) || !InBoard(Cell))
    return GNoText;
  return GShotTexts[Id == msgMyLastShot ? 0 : 1][Cell.X * BoardSize + Cell.Y];
}

void InstallMessageTexts(const TTranslate& Translate) {
  for (size_t I = 0; I < GTexts.size(); ++I)
    GTexts[I] = Translate("Messages", SourceTexts[I]);
  if (!SplitRows(Translate("Messages", SourceRows), GRows))
    for (size_t I = 0; I < GRows.size(); ++I)
      GRows[I] = RowLetters[I];
  GShotTexts = ShotTexts();
}
