// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
// The main window's part in a network game: its button, the strip below the boards, the
// dialog, and what the battle asks of the screen beyond a game against the computer.

#include "TEventTrace.h"
#include "TNetDialog.h"
#include "TNetSession.h"
#include "TNetStrip.h"
#include "TSalvoraMainWin.h"

#include <QPushButton>

namespace {

QString Text(const std::string& Utf8) {
  return QString::fromStdString(Utf8);
}

} // namespace

void TSalvoraMainWin::CreateNetComponents() {
  btnNet = new QPushButton(tr("Игра по сети"), this);
  btnNet->setGeometry(323, 8, 110, 27);
  btnNet->setIcon(FPictures.FNetGlyph);
  btnNet->setIconSize({20, 20});
  QObject::connect(btnNet, &QPushButton::clicked, this, [this] { btnNetClick(); });

  FNetSession = new TNetSession(FGame, *this, this);

  tmRematch.setSingleShot(true);
  tmRematch.setInterval(RematchAnswerMs);
  QObject::connect(&tmRematch, &QTimer::timeout, this, [this] { FGame.RematchLapsed(); });
  tmReveal.setSingleShot(true);
  tmReveal.setInterval(RevealWaitMs);
  QObject::connect(&tmReveal, &QTimer::timeout, this, [this] { FGame.RevealOverdue(); });
}

// The strip is made with the first network game, not at start: its chat line alone would load
// the font database before the window is first shown, 10 ms on every start.
TNetStrip& TSalvoraMainWin::NetStrip() {
  if (FNetStrip)
    return *FNetStrip;
  FNetStrip = new TNetStrip(this);
  FNetStrip->setGeometry(0, 490, width(), TNetStrip::StripHeight);
  FNetStrip->hide();
  FNetStrip->FOnChat = [this](const QString& Line) { FGame.SendChat(Line.toStdString()); };
  FNetStrip->FOnRematchAnswer = [this](bool Accept) {
    tmRematch.stop();
    FGame.AnswerRematch(Accept);
  };
  FNetStrip->FOnLeave = [this] {
    if (FGame.IsNetGame())
      FGame.Leave();
    else
      btnNewClick(); // the game is over already: back to the computer
  };
  return *FNetStrip;
}

// Against the computer the window keeps its own size; a network game adds the strip below.
void TSalvoraMainWin::ShowNetStrip(bool Visible) {
  if (!FNetStrip && !Visible)
    return;
  if (NetStrip().isVisible() == Visible)
    return;
  const int Height = 490 + (Visible ? TNetStrip::StripHeight : 0);
  setFixedSize(width(), Height);
  FNetStrip->setGeometry(0, 490, width(), TNetStrip::StripHeight);
  FNetStrip->setVisible(Visible);
  if (Visible)
    FNetStrip->Clear();
}

void TSalvoraMainWin::btnNetClick() {
  StartNetGame(TNetDialog::nsChoose);
}

void TSalvoraMainWin::StartNetGame(int Start, quint16 Port, const QString& JoinText) {
  if (FGame.IsNetGame())
    return; // one network game at a time; the strip's button leaves it
  if (Port != 0)
    FNetSettings.FPort = Port;
  const bool Begun = TNetDialog::ShowNetGame(*FNetSession, FNetSettings, this,
                                             static_cast<TNetDialog::TStart>(Start), JoinText);
  if (Begun)
    btnNet->setEnabled(false);
}

void TSalvoraMainWin::ShowNetLine() {
  QString Line = FNetWait;
  if (Line.isEmpty() && FNetTurn == TNetTurn::ntMine)
    Line = tr("Ваш ход");
  else if (Line.isEmpty() && FNetTurn == TNetTurn::ntTheirs)
    Line = tr("Ход соперника");
  else if (Line.isEmpty() && FGame.IsNetGame() && FGame.FSetupMode)
    Line = tr("Расставьте корабли и нажмите «Начать бой»");
  NetStrip().SetTurn(Line);
}

void TSalvoraMainWin::SetOpponentName(const std::string& Name) {
  ShowNetStrip(true);
  NetStrip().SetOpponent(Text(Name));
  TraceEvent(QStringLiteral("opponent"), Text(Name));
}

void TSalvoraMainWin::SetTurn(TNetTurn Turn) {
  ShowNetStrip(true);
  FNetTurn = Turn;
  ShowNetLine();
  TraceEvent(QStringLiteral("turn"), Turn == TNetTurn::ntMine     ? QStringLiteral("mine")
                                     : Turn == TNetTurn::ntTheirs ? QStringLiteral("theirs")
                                                                  : QStringLiteral("none"));
}

void TSalvoraMainWin::SetWaitText(const std::string& Text) {
  ShowNetStrip(true);
  FNetWait = QString::fromStdString(Text);
  ShowNetLine();
}

void TSalvoraMainWin::AddChatLine(const std::string& Who, const std::string& Line) {
  NetStrip().AddChatLine(Text(Who), Text(Line));
  TraceEvent(QStringLiteral("chat"), Text(Who) + QStringLiteral(": ") + Text(Line));
}

void TSalvoraMainWin::ShowVerdict(TFairVerdict Verdict, const std::string& Line) {
  NetStrip().SetVerdict(Text(Line), Verdict == TFairVerdict::fvClean);
  TraceEvent(QStringLiteral("verdict"),
             QString::number(static_cast<int>(Verdict)) + u' ' + Text(Line));
}

void TSalvoraMainWin::SetRematchState(TRematchState State, const std::string& Line) {
  const bool Asked = State == TRematchState::rmOfferedToMe;
  NetStrip().ShowRematchOffer(Asked);
  if (Asked)
    tmRematch.start();
  else
    tmRematch.stop();
  FNetWait = Text(Line);
  ShowNetLine();
  TraceEvent(QStringLiteral("rematch"), QString::number(static_cast<int>(State)));
}

// The network game is over for good: the connection goes, the strip keeps the reason until
// the next new game, and the computer is the opponent again.
void TSalvoraMainWin::NetGameEnded(const std::string& Reason) {
  tmRematch.stop();
  tmReveal.stop();
  FNetSession->End();
  NetStrip().ShowRematchOffer(false);
  FNetTurn = TNetTurn::ntNone;
  FNetWait = Text(Reason);
  ShowNetLine();
  btnNet->setEnabled(true);
  TraceEvent(QStringLiteral("ended"), Text(Reason));
}
