// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TGameScreen.h"
#include "TPoint.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPoint>
#include <array>
#include <optional>
#include <vector>

class TSalvoraMainWin;

// What the keys of the game do.
enum class TKeyCommand {
  kcLeft,
  kcRight,
  kcUp,
  kcDown,
  kcPress,        // the left click on the framed cell
  kcTurn,         // the right click on the player's board
  kcNextShip,     // the left click on the next ship in fleet order
  kcPreviousShip, // ... on the previous one
  kcRandomFleet,  // the player's fleet spread at random
  kcNew,          // the buttons and the about label
  kcStart,
  kcOptions,
  kcAbout,
  kcNetwork, // «Игра по сети»
};

struct TKeyBinding {
  TKeyCommand Command = TKeyCommand::kcPress;
  QList<QKeySequence> Keys;
  const char* Names = nullptr; // how the help names the keys; null: the first key's own text
  const char* Help = "";       // UTF-8
};

// Play without the mouse. A cell frame on the board in play (the player's during set-up, the
// computer's during the battle) shows once a key has moved or used it and hides at the next
// mouse move. A key does what the matching click would do at that moment, through the
// window's own handlers, so it is refused in exactly the states where that click is; during a
// cue that is waited for, the key is eaten with every other input.
class TKeyboardPlay : public QObject {
  Q_DECLARE_TR_FUNCTIONS(TKeyboardPlay)

public:
  explicit TKeyboardPlay(TSalvoraMainWin& Window);

  static const std::vector<TKeyBinding>& Bindings();
  // One line per key, for the about box.
  static QString KeysHelp();

  void Perform(TKeyCommand Command);
  // The framed cell of a board, or (-1, -1) when that board shows no frame.
  TPoint FramedCell(TSide Side) const;

protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
  std::optional<TSide> BoardInPlay() const;
  void PressFramedCell(TSide Side, Qt::MouseButton Button);
  void SelectShip(int Step);
  void ShowFrame();

  TSalvoraMainWin& FWindow;
  std::array<TPoint, 2> FCursor{};
  bool FShown = false;
  QPoint FShownAt; // the mouse pointer when the frame was shown: only a real move hides it
};
