// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TFixedDialog.h"

#include <QCoreApplication>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class TBeaconListener;
class TNetSession;
class TSettings;

// «Игра по сети»: the player's name, then either hosting a game (this machine's addresses and
// the port to tell a friend) or joining one (an address typed, or a game heard on the local
// network). The dialog stays open while the session waits, shows why a step failed, and
// closes by itself once the other side has greeted.
class TNetDialog : public TFixedDialog {
  Q_DECLARE_TR_FUNCTIONS(TNetDialog)

public:
  enum TStart { nsChoose, nsHost, nsJoin };

  // True when a network game has begun. The name, address and port the player used are
  // written back to Settings.
  static bool ShowNetGame(TNetSession& Session, TSettings& Settings, QWidget* Owner,
                          TStart Start = nsChoose, const QString& JoinText = {});

  TNetDialog(TNetSession& Session, QWidget* Owner);
  ~TNetDialog() override;

  void btnHostClick();
  void btnJoinClick();
  void lstGamesClick();

  QLineEdit* edName = nullptr;
  QGroupBox* grpHost = nullptr;
  QSpinBox* sePort = nullptr;
  QPushButton* btnHost = nullptr;
  QLabel* lblAddresses = nullptr;
  QGroupBox* grpJoin = nullptr;
  QLineEdit* edAddress = nullptr;
  QSpinBox* seJoinPort = nullptr;
  QPushButton* btnJoin = nullptr;
  QListWidget* lstGames = nullptr;
  QLabel* lblStatus = nullptr;
  QPushButton* btnCancel = nullptr;

private:
  void SetStatus(const QString& Text, bool Error);
  void RefreshGames();
  QString PlayerName() const;

  TNetSession& FSession;
  TBeaconListener* FListener = nullptr;
  quint16 FUsedPort = 0; // the port of the last host or join, kept in the settings
};
