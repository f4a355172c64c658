// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "BoardGeometry.h"

#include "Messages.h"

#include <gtest/gtest.h>

// The label strips count as column or row 0, and division truncates toward zero, not down.
TEST(BoardGeometry, PixelToCellTruncatesAndCoversTheLabelStrips) {
  EXPECT_EQ(PixelToCell({0, 0}), (TPoint{0, 0}));
  EXPECT_EQ(PixelToCell({15, 47}), (TPoint{0, 0}));
  EXPECT_EQ(PixelToCell({47, 0}), (TPoint{0, 0}));
  EXPECT_EQ(PixelToCell({48, 48}), (TPoint{1, 1}));
  EXPECT_EQ(PixelToCell({335, 335}), (TPoint{9, 9}));
  EXPECT_EQ(PixelToCell({336, 0}), (TPoint{10, 0}));
  EXPECT_EQ(PixelToCell({-16, -17}), (TPoint{-1, -1}));
  EXPECT_EQ(PixelToCell({-15, 0}), (TPoint{0, 0}));
}

TEST(BoardGeometry, CellToPixelIsTheCellsTopLeftAndRoundTrips) {
  EXPECT_EQ(CellToPixel({0, 0}), (TPoint{16, 16}));
  EXPECT_EQ(CellToPixel({9, 9}), (TPoint{304, 304}));
  EXPECT_EQ(CellToPixel({-1, -1}), (TPoint{-16, -16}));
  for (int X = 0; X < 10; ++X)
    for (int Y = 0; Y < 10; ++Y) {
      const TPoint Pixel = CellToPixel({X, Y});
      EXPECT_EQ(PixelToCell(Pixel), (TPoint{X, Y}));
      EXPECT_EQ(PixelToCell({Pixel.X + 31, Pixel.Y + 31}), (TPoint{X, Y}));
    }
}

TEST(BoardGeometry, InBoardOnlyForColumnsAndRowsZeroToNine) {
  EXPECT_FALSE(InBoard({-1, 0}));
  EXPECT_FALSE(InBoard({0, -1}));
  EXPECT_FALSE(InBoard({10, 0}));
  EXPECT_FALSE(InBoard({0, 10}));
  EXPECT_TRUE(InBoard({0, 0}));
  EXPECT_TRUE(InBoard({9, 9}));
}

// Rows skip Й; a cell reads letter-hyphen-number.
TEST(BoardGeometry, CellsAreNamedByRowLetterAndColumnNumber) {
  EXPECT_EQ(FormatShot(msgMyLastShot, {4, 2}), "Ваш последний удар на В-5");
  EXPECT_EQ(FormatShot(msgMyLastShot, {0, 0}), "Ваш последний удар на А-1");
  EXPECT_EQ(FormatShot(msgEnemyLastShot, {9, 9}), "Последний удар противника на К-10");
  EXPECT_EQ(RowLetters[8], "И");
  EXPECT_EQ(RowLetters[9], "К");
}

TEST(BoardGeometry, StringTableHoldsTheFiveMessages) {
  EXPECT_EQ(LoadStr(65274), "Корабли не должны соприкасаться.");
  EXPECT_EQ(LoadStr(65275), "Вы победили!");
  EXPECT_EQ(LoadStr(65276), "Вы проиграли");
  EXPECT_EQ(LoadStr(65277), "Ваш последний удар на %s-%d");
  EXPECT_EQ(LoadStr(65278), "Последний удар противника на %s-%d");
  EXPECT_EQ(LoadStr(65279), "");
}

// A translation handed to the core replaces its texts and the status texts made once per
// cell; row letters that are not ten, or leave one out, keep the Russian rows.
TEST(BoardGeometry, ATranslationReplacesTheTextsAndTheRowsOnlyWhenTheyAreTen) {
  const struct {
    const char* Rows;
    const char* Shot; // the status text of a shot at row 2, column 3
  } Cases[] = {
      {"A B C D E F G H I J", "Shot at B-3"},   {"A B C D E F G H I", "Shot at Б-3"},
      {"A B C D E F G H I J K", "Shot at Б-3"}, {"A  C D E F G H I J", "Shot at Б-3"},
      {"A B C D E F G H I J ", "Shot at Б-3"},
  };
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Case.Rows);
    InstallMessageTexts([&Case](const char*, const char* Source) {
      const std::string_view Text = Source;
      if (Text == "Ваш последний удар на %s-%d")
        return std::string("Shot at %s-%d");
      return std::string(Text == "А Б В Г Д Е Ж З И К" ? Case.Rows : Source);
    });
    EXPECT_EQ(LastShotText(msgMyLastShot, {2, 1}), Case.Shot);
    EXPECT_EQ(LoadStr(msgYouWin), "Вы победили!"); // untranslated: the Russian stays
  }
  InstallMessageTexts([](const char*, const char* Source) { return std::string(Source); });
  EXPECT_EQ(LastShotText(msgMyLastShot, {2, 1}), "Ваш последний удар на Б-3");
}
