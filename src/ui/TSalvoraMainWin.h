// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TBattleController.h"
#include "TGameScreen.h"
#include "TNetScreen.h"
#include "TPictures.h"
#include "TSettings.h"

#include <QCoreApplication>
#include <QFont>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QFrame;
class QLabel;
class QPushButton;
class TJvBmpAnimator;
class TJvGIFAnimator;
class TGameAccessible;
class TKeyboardPlay;
class TNetSession;
class TNetStrip;
class TPaintBox;

// The game's one window. It lays out the boards, buttons, counters and cannons, maps every
// press, tick and animation end onto the battle controller, and carries out what the
// controller asks of the screen.
class TSalvoraMainWin : public QWidget, public TGameScreen, public TNetScreen {
  Q_DECLARE_TR_FUNCTIONS(TSalvoraMainWin)

public:
  using TSoundEvent = std::function<void(TSoundId Sound, bool Wait)>;

  // The settings are read from SettingsPath, or from DefaultsPath while it does not exist.
  explicit TSalvoraMainWin(const QString& SettingsPath, const QString& DefaultsPath = {});
  ~TSalvoraMainWin() override;

  // Writes the settings file; false (after an error box) when it could not be written.
  bool SaveSettings();

  // The sound of the cues; silent until one is set.
  TSoundEvent FOnSound;

  // Components, named as the game names them.
  QLabel* Image1 = nullptr;
  QLabel* Image2 = nullptr;
  TJvGIFAnimator* MyCannon = nullptr;
  TJvGIFAnimator* EnemyCannon = nullptr;
  QLabel* lblAbout = nullptr;
  QFrame* pnlLeft = nullptr;
  QWidget* pnlLeftClient = nullptr;
  TPaintBox* pbLeft = nullptr;
  QFrame* pnlRight = nullptr;
  QWidget* pnlRightClient = nullptr;
  TPaintBox* pbRight = nullptr;
  QPushButton* btnNew = nullptr;
  QPushButton* btnStart = nullptr;
  QPushButton* btnOptions = nullptr;
  QLabel* stShotsMy = nullptr;
  QLabel* stKilledMy = nullptr;
  QLabel* stShotsEnemy = nullptr;
  QLabel* stKilledEnemy = nullptr;
  QWidget* StatusBar = nullptr;
  std::array<QLabel*, 2> StatusPanels{};
  QLabel* pnlResult = nullptr;
  QTimer tmSetup;
  QTimer FFireTimer;
  TKeyboardPlay* FKeyboard = nullptr;
  // The network game: its button, the strip it shows below the boards, its connection, and
  // the time the player has to answer an offer of a rematch.
  QPushButton* btnNet = nullptr;
  TNetStrip* FNetStrip = nullptr; // made by NetStrip() with the first network game
  TNetStrip& NetStrip();
  TNetSession* FNetSession = nullptr;
  QTimer tmRematch;
  static constexpr int RematchAnswerMs = 30000;
  // From the result on the screen to the other side's fleet revealed: a side that lets this
  // pass is named as refusing to reveal.
  QTimer tmReveal;
  static constexpr int RevealWaitMs = 10000;
  TGameAccessible* FAccessible = nullptr; // what a screen reader is told

  TPictures FPictures;
  TBattleController FGame;
  bool FAnimation = true;
  bool FSound = true;
  // The computer's level as the settings keep it; FGame plays it from the next shot on.
  int32_t FLevel = TSettings::LevelNormal;
  void SetLevel(int32_t Level);
  QString FSettingsPath;

  // TGameScreen
  void RepaintWindow() override;
  void RepaintBoard(TSide Side) override;
  void SetStatusText(int Panel, const std::string& Text) override;
  void SetCounters(const std::array<int32_t, 4>& Values) override;
  void SetResultCaption(const std::string& Text) override;
  void SetResultColour(uint32_t Rgb) override;
  void SetResultVisible(bool Visible) override;
  void SetStartEnabled(bool Enabled) override;
  void SetSetupTimer(bool Enabled) override;
  void SetHourglass(bool On) override;
  void AddFire(TSide Side, TPoint Cell) override;
  void RemoveFires(TSide Side) override;
  void StartCannon(TCannon Cannon, uint32_t Shot) override;
  void StopCannon(TCannon Cannon) override;
  void PlaySnd(TSoundId Sound, bool Wait) override;
  void ShowTouchingShips(const std::string& Text) override;
  void UpdateAimCursor() override;

  // TNetScreen
  void SetOpponentName(const std::string& Name) override;
  void SetTurn(TNetTurn Turn) override;
  void SetWaitText(const std::string& Text) override;
  void AddChatLine(const std::string& Who, const std::string& Text) override;
  void ShowVerdict(TFairVerdict Verdict, const std::string& Text) override;
  void SetRematchState(TRematchState State, const std::string& Text) override;
  void NetGameEnded(const std::string& Reason) override;

  // Opens «Игра по сети», straight into hosting or joining when the command line asked so.
  void btnNetClick();
  void StartNetGame(int Start, quint16 Port = 0, const QString& JoinText = {});

  // Handlers
  void btnNewClick();
  void btnStartClick();
  void btnOptionsClick();
  void lblAboutClick();
  void pbLeftPaint(TPaintBox& Sender, QPainter& Canvas);
  void pbLeftMouseDown(Qt::MouseButton Button, QPoint Pixel);
  void pbRightMouseDown(Qt::MouseButton Button, QPoint Pixel);
  void FireMouseDown(TJvBmpAnimator& Sender, Qt::MouseButton Button, QPoint Pixel);
  void tmSetupTimer();
  void RightPanelWndProc();
  void StatusBarResize();
  void UpdateFires(TSide Side);
  // The board's burning sprites, oldest first, which is also their stacking order.
  const std::vector<TJvBmpAnimator*>& Fires(TSide Side) const {
    return FFires[static_cast<int>(Side)];
  }

protected:
  void showEvent(QShowEvent* Event) override;
  void moveEvent(QMoveEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
  QWidget* PanelClient(TSide Side) const {
    return Side == TSide::sdMy ? pnlLeftClient : pnlRightClient;
  }
  void CreateComponents();
  void CreateNetComponents();
  void ShowNetStrip(bool Visible);
  void ShowNetLine();
  void CentreOnScreen();

  std::array<std::vector<TJvBmpAnimator*>, 2> FFires;
  QFont FFont;
  bool FShown = false;
  bool FFramed = false; // centred once more since the window manager framed the window
  bool FHourglass = false;
  // The network game's keys of the settings file, kept until the game ends.
  TSettings FNetSettings;
  TNetTurn FNetTurn = TNetTurn::ntNone;
  QString FNetWait;
};
