// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TPeerConnection.h"

#include "THandshake.h"
#include "TMessageCodec.h"

#include <QPointer>
#include <QTcpSocket>

namespace {
// Asked for when it is said, so that it is in the player's language.
QString LostText() {
  return TPeerConnection::tr("Соединение потеряно");
}
// One read at a time: the flood check sees a burst before it is all taken in.
constexpr qint64 ReadChunkBytes = 16 * 1024;
} // namespace

TPeerConnection::TPeerConnection(QTcpSocket* Socket, TPeerRole Role, QObject* Parent)
    : QObject(Parent), FSocket(Socket), FRole(Role) {
  RegisterTypes();
  FSocket->setParent(this);
  // Qt's own buffer stays small; what is in it is read and judged at once.
  FSocket->setReadBufferSize(ReadChunkBytes * 4);
  // A shot is a few dozen bytes that the other side waits for: send it at once, not when the
  // previous one is acknowledged.
  FSocket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
  FHeartbeat.setInterval(DefaultHeartbeatMs);
  FSilence.setInterval(DefaultSilenceMs);
  FSilence.setSingleShot(true);
  connect(&FHeartbeat, &QTimer::timeout, this, &TPeerConnection::HeartbeatTick);
  connect(&FSilence, &QTimer::timeout, this, [this] { Fail(LostText()); });
  connect(FSocket, &QTcpSocket::readyRead, this, &TPeerConnection::ReadIncoming);
  connect(FSocket, &QTcpSocket::disconnected, this, &TPeerConnection::SocketGone);
  connect(FSocket, &QTcpSocket::errorOccurred, this, &TPeerConnection::SocketGone);
  QMetaObject::invokeMethod(this, &TPeerConnection::Start, Qt::QueuedConnection);
}

TPeerConnection::~TPeerConnection() {
  // The socket dies with this object: nothing it says on the way may reach a half-gone one.
  FSocket->disconnect(this);
}

void TPeerConnection::RegisterTypes() {
  qRegisterMetaType<TPeerMessage>();
  qRegisterMetaType<TPeerConnection*>();
}

void TPeerConnection::SetTimings(int HeartbeatMs, int SilenceMs) {
  FHeartbeat.setInterval(HeartbeatMs);
  FSilence.setInterval(SilenceMs);
  if (FSilence.isActive())
    FSilence.start();
}

void TPeerConnection::SetFloodLimits(int FramesPerSecond, int BytesPerSecond) {
  FMaxFramesPerSecond = FramesPerSecond;
  FMaxBytesPerSecond = BytesPerSecond;
}

QString TPeerConnection::PeerAddress() const {
  return FSocket->peerAddress().toString();
}

void TPeerConnection::Start() {
  if (FState == TState::stClosed)
    return;
  FStarted = true;
  if (FSocket->state() != QAbstractSocket::ConnectedState) {
    ReadIncoming(); // a refusal may have come before the socket closed
    Finish(LostText());
    return;
  }
  FWindow.start();
  FSilence.start();
  FHeartbeat.start();
  if (FRole == TPeerRole::prGuest)
    WriteFrame(THandshake::EncodeHello(FVersion));
  // Bytes may have come before this object listened.
  ReadIncoming();
}

void TPeerConnection::Send(const TPeerMessage& Message) {
  if (FState == TState::stClosed)
    return;
  const QByteArray Payload = TMessageCodec::Encode(Message);
  if (FState == TState::stGreeting)
    FOutbox.push_back(Payload);
  else
    WriteFrame(Payload);
}

void TPeerConnection::Close(const std::string& Reason) {
  if (FState == TState::stClosed)
    return;
  const QString Text = QString::fromStdString(Reason);
  if (FState == TState::stGreeting && FRole == TPeerRole::prHost) {
    WriteFrame(THandshake::EncodeRefusal(Text));
  } else {
    TPeerMessage Bye;
    Bye.Type = TPeerMsgType::pmBye;
    Bye.Text = Reason;
    WriteFrame(TMessageCodec::Encode(Bye));
  }
  FState = TState::stClosed;
  FHeartbeat.stop();
  FSilence.stop();
  FSocket->flush(); // the farewell goes out even when the game is closing
  FSocket->disconnectFromHost();
}

void TPeerConnection::WriteFrame(const QByteArray& Payload) {
  // A peer that takes nothing in is let go by HeartbeatTick; meanwhile nothing piles up.
  if (FSocket->bytesToWrite() > MaxUnsentBytes)
    return;
  FSocket->write(TFrameCodec::Encode(Payload));
}

void TPeerConnection::HeartbeatTick() {
  if (FSocket->bytesToWrite() > MaxUnsentBytes) {
    Fail(tr("Соперник не принимает данные"));
    return;
  }
  if (FState == TState::stOpen)
    WriteFrame(QByteArray());
}

bool TPeerConnection::CountIncoming(qsizetype Bytes, int Frames) {
  if (FWindow.elapsed() >= 1000) {
    FWindow.restart();
    FWindowFrames = 0;
    FWindowBytes = 0;
  }
  FWindowBytes += Bytes;
  FWindowFrames += Frames;
  if (FWindowBytes > FMaxBytesPerSecond || FWindowFrames > FMaxFramesPerSecond) {
    Fail(tr("Соперник шлёт слишком много сообщений"));
    return false;
  }
  return true;
}

void TPeerConnection::ReadIncoming() {
  // A slot may delete this object (later) or close it while it reads.
  if (!FStarted)
    return; // Start reads what came before it
  QPointer<TPeerConnection> Alive(this);
  while (Alive && FState != TState::stClosed && FSocket->bytesAvailable() > 0) {
    const QByteArray Chunk = FSocket->read(ReadChunkBytes);
    if (!CountIncoming(Chunk.size(), 0))
      return;
    FFrames.Feed(Chunk);
    QByteArray Payload;
    while (Alive && FState != TState::stClosed && FFrames.Next(Payload)) {
      if (CountIncoming(0, 1))
        HandleFrame(Payload);
    }
    if (Alive && FState != TState::stClosed && FFrames.Broken())
      Fail(FFrames.Error());
  }
}

void TPeerConnection::HandleFrame(const QByteArray& Payload) {
  FSilence.start();
  if (FState == TState::stGreeting) {
    HandleGreeting(Payload);
    return;
  }
  if (Payload.isEmpty())
    return; // a heartbeat: the peer is alive, nothing more
  TPeerMessage Message;
  QString Error;
  if (!TMessageCodec::Decode(Payload, Message, Error)) {
    Fail(Error);
    return;
  }
  QPointer<TPeerConnection> Alive(this);
  emit MessageReceived(Message);
  if (Alive && Message.Type == TPeerMsgType::pmBye)
    Finish(Message.Text.empty() ? tr("Соперник вышел из игры")
                                : QString::fromStdString(Message.Text));
}

void TPeerConnection::HandleGreeting(const QByteArray& Payload) {
  THandshake Greeting;
  if (!THandshake::Decode(Payload, Greeting)) {
    Fail(tr("На том конце не Сальвора"));
    return;
  }
  if (Greeting.Refused) {
    Finish(Greeting.Reason);
    return;
  }
  if (Greeting.Version != FVersion) {
    // Each side reads "you" as itself.
    const auto Mismatch = [](qint64 Yours, qint64 Theirs) {
      return tr("Разные версии игры: у вас протокол %1, у соперника %2").arg(Yours).arg(Theirs);
    };
    if (FRole == TPeerRole::prHost)
      WriteFrame(THandshake::EncodeRefusal(Mismatch(Greeting.Version, FVersion)));
    Finish(Mismatch(FVersion, Greeting.Version));
    return;
  }
  if (FRole == TPeerRole::prHost)
    WriteFrame(THandshake::EncodeHello(FVersion));
  Open();
}

void TPeerConnection::Open() {
  FState = TState::stOpen;
  for (const QByteArray& Payload : FOutbox)
    WriteFrame(Payload);
  FOutbox.clear();
  emit Connected();
}

void TPeerConnection::SocketGone() {
  if (FState == TState::stClosed)
    return;
  // What the peer said before it went (a bye, a refusal) is read first.
  ReadIncoming();
  Finish(LostText());
}

void TPeerConnection::Fail(const QString& Reason) {
  if (FState == TState::stClosed)
    return;
  if (FState == TState::stGreeting && FRole == TPeerRole::prHost)
    WriteFrame(THandshake::EncodeRefusal(Reason));
  else if (FState == TState::stOpen) {
    TPeerMessage Bye;
    Bye.Type = TPeerMsgType::pmBye;
    Bye.Text = Reason.toStdString();
    WriteFrame(TMessageCodec::Encode(Bye));
  }
  Finish(Reason);
}

void TPeerConnection::Finish(const QString& Reason) {
  if (FState == TState::stClosed)
    return;
  FState = TState::stClosed;
  FHeartbeat.stop();
  FSilence.stop();
  FOutbox.clear();
  FSocket->disconnectFromHost();
  emit Closed(Reason);
}
