// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
// Writes the fuzzer's first inputs: one legal stream of each kind, so that it starts from
// the real format. Usage: salvora_net_fuzz_seeds DIR
#include "TBeacon.h"
#include "TFrameCodec.h"
#include "THandshake.h"
#include "TMessageCodec.h"

#include <QDir>
#include <QFile>

int main(int Argc, char** Argv) {
  if (Argc != 2)
    return 2;
  const QDir Dir(QString::fromLocal8Bit(Argv[1]));
  QList<QByteArray> Payloads{
      THandshake::EncodeHello(PeerProtocolVersion),
      THandshake::EncodeRefusal(QStringLiteral("Эта игра уже занята")),
      TBeaconInfo::Encode({PeerProtocolVersion, QStringLiteral("Юнга"), 47600}), QByteArray()};
  for (int T = 0; T <= int(TPeerMsgType::pmBye); ++T) {
    TPeerMessage M;
    M.Type = TPeerMsgType(T);
    M.Name = "Капитан";
    M.Text = "Привет, ёж";
    M.Nonce.fill(7);
    M.Cell = {9, 0};
    M.Result = TShotResult::srSunk;
    M.Cells = {{9, 0}, {9, 1}};
    for (size_t I = 0; I < M.Layout.size(); ++I)
      M.Layout[I] = {{int32_t(I), 0}, I % 2 == 1};
    M.Accept = true;
    Payloads.append(TMessageCodec::Encode(M));
  }
  int Index = 0;
  for (const QByteArray& Payload : Payloads) {
    // Cut into reads of 1 and of 5 bytes.
    for (char Step : {char(0), char(4)}) {
      QFile File(Dir.filePath(QStringLiteral("seed-%1").arg(Index++, 3, 10, QLatin1Char('0'))));
      if (!File.open(QIODevice::WriteOnly))
        return 1;
      File.write(QByteArray(1, Step) + TFrameCodec::Encode(Payload) + TFrameCodec::Encode({}));
    }
  }
  return 0;
}
