// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include <QCoreApplication>
#include <QWidget>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The strip below the boards in a network game: who the opponent is, whose turn it is, the
// fair-play verdict, a rematch offer to answer, and a one-line chat with its last lines. It is
// shown only in a network game; against the computer the window keeps its own size.
class TNetStrip : public QWidget {
  Q_DECLARE_TR_FUNCTIONS(TNetStrip)

public:
  static constexpr int StripHeight = 96;
  static constexpr int ChatLinesKept = 50;

  explicit TNetStrip(QWidget* Parent);

  void SetOpponent(const QString& Name);
  // The turn or the state of the game: "ваш ход", "ждём флот соперника"...
  void SetTurn(const QString& Text);
  // The verdict of the fair-play check; Fair says whether it found the opponent honest.
  void SetVerdict(const QString& Text, bool Fair);
  void AddChatLine(const QString& Who, const QString& Line);
  // Asks the player to accept or decline the opponent's offer of a new game, or hides the
  // question when Offered is false.
  void ShowRematchOffer(bool Offered);
  void Clear();

  std::function<void(const QString& Line)> FOnChat;
  std::function<void(bool Accept)> FOnRematchAnswer;
  std::function<void()> FOnLeave;

  QLabel* lblOpponent = nullptr;
  QLabel* lblTurn = nullptr;
  QLabel* lblVerdict = nullptr;
  QListWidget* lstChat = nullptr;
  QLineEdit* edChat = nullptr;
  QPushButton* btnAccept = nullptr;
  QPushButton* btnDecline = nullptr;
  QPushButton* btnLeave = nullptr;

protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
  void edChatReturn();
};
