// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#pragma once

#include "TFrameCodec.h"
#include "TPeerLink.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <vector>

class QTcpSocket;

Q_DECLARE_METATYPE(TPeerMessage)

// Which end of the connection this game is: the guest greets first, the host answers with
// its own greeting or a refusal.
enum class TPeerRole { prHost, prGuest };

// One network game's connection to the other player, over a connected TCP socket.
// After the greeting (a version mismatch is refused, with the reason on both sides), every
// frame is a message of the game or an empty heartbeat, sent every HeartbeatMs. A peer
// silent for SilenceMs, a dropped socket, a broken or unknown message, or a flood ends the
// connection with Closed(reason); the peer is told the reason when it can still hear it.
// Signals come from the event loop only, never inside Send or Close.
class TPeerConnection : public QObject, public TPeerLink {
  Q_OBJECT

public:
  static constexpr int DefaultHeartbeatMs = 1000;
  static constexpr int DefaultSilenceMs = 5000;
  static constexpr int DefaultMaxFramesPerSecond = 200;
  static constexpr int DefaultMaxBytesPerSecond = 64 * 1024;
  // Bytes the peer has not taken yet; beyond this it is not reading and is let go.
  static constexpr qint64 MaxUnsentBytes = 256 * 1024;

  // Takes the connected Socket over (it becomes a child). The greeting starts from the event
  // loop, so that the setters below may still be called right after construction.
  TPeerConnection(QTcpSocket* Socket, TPeerRole Role, QObject* Parent = nullptr);
  ~TPeerConnection() override;

  // The signals' types, for queued connections and signal spies.
  static void RegisterTypes();

  void SetTimings(int HeartbeatMs, int SilenceMs);
  void SetFloodLimits(int FramesPerSecond, int BytesPerSecond);
  // The protocol this end speaks; only tests pretend to be another version.
  void SetProtocolVersion(int32_t Version) { FVersion = Version; }

  // Messages sent before the greeting is done go out right after it, in order.
  void Send(const TPeerMessage& Message) override;
  // Tells the peer why (a pmBye, or a refusal while greeting) and closes; no Closed signal.
  void Close(const std::string& Reason) override;

  bool IsOpen() const { return FState != TState::stClosed; }
  bool IsConnected() const { return FState == TState::stOpen; }
  QString PeerAddress() const;

signals:
  // The greeting is done: messages may flow.
  void Connected();
  // Every message, pmBye included (Closed follows it with its text as the reason).
  void MessageReceived(const TPeerMessage& Message);
  // The connection is over for a reason other than this end's Close; said once.
  void Closed(const QString& Reason);

private:
  enum class TState { stGreeting, stOpen, stClosed };

  void Start();
  void ReadIncoming();
  void HandleFrame(const QByteArray& Payload);
  void HandleGreeting(const QByteArray& Payload);
  bool CountIncoming(qsizetype Bytes, int Frames);
  void WriteFrame(const QByteArray& Payload);
  void Open();
  void SocketGone();
  void HeartbeatTick();
  // Tells the peer the reason (when it can still read it), then ends with it.
  void Fail(const QString& Reason);
  void Finish(const QString& Reason);

  QTcpSocket* FSocket = nullptr;
  TPeerRole FRole = TPeerRole::prGuest;
  TState FState = TState::stGreeting;
  bool FStarted = false;
  int32_t FVersion = PeerProtocolVersion;
  TFrameCodec FFrames;
  std::vector<QByteArray> FOutbox;
  QTimer FHeartbeat;
  QTimer FSilence;
  QElapsedTimer FWindow;
  int FWindowFrames = 0;
  qint64 FWindowBytes = 0;
  int FMaxFramesPerSecond = DefaultMaxFramesPerSecond;
  qint64 FMaxBytesPerSecond = DefaultMaxBytesPerSecond;
};
