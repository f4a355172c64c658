// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TGifEncoder.h"

#include <unordered_map>

namespace {

void PutWord(QByteArray& Out, int Value) {
  Out.append(char(Value & 0xFF));
  Out.append(char((Value >> 8) & 0xFF));
}

// Packs variable-length codes least significant bit first, as GIF requires.
class TBitWriter {
public:
  void Put(int Code, int Width) {
    FBuffer |= uint32_t(Code) << FCount;
    FCount += Width;
    while (FCount >= 8) {
      FBytes.append(char(FBuffer & 0xFF));
      FBuffer >>= 8;
      FCount -= 8;
    }
  }
  QByteArray Finish() {
    if (FCount > 0) {
      FBytes.append(char(FBuffer & 0xFF));
    }
    FBuffer = 0;
    FCount = 0;
    return FBytes;
  }

private:
  uint32_t FBuffer = 0;
  int FCount = 0;
  QByteArray FBytes;
};

} // namespace

QByteArray TGifEncoder::CompressIndexes(const QByteArray& Indexes) {
  constexpr int MinCodeSize = 8;
  constexpr int ClearCode = 1 << MinCodeSize;
  constexpr int EndCode = ClearCode + 1;
  constexpr int MaxCode = 4095;

  TBitWriter Bits;
  std::unordered_map<uint32_t, int> Table;
  int NextCode = EndCode + 1;
  int Width = MinCodeSize + 1;
  Bits.Put(ClearCode, Width);

  int Prefix = -1;
  for (char C : Indexes) {
    const int Byte = uchar(C);
    if (Prefix < 0) {
      Prefix = Byte;
      continue;
    }
    const uint32_t Key = (uint32_t(Prefix) << 8) | uint32_t(Byte);
    const auto Found = Table.find(Key);
    if (Found != Table.end()) {
      Prefix = Found->second;
      continue;
    }
    Bits.Put(Prefix, Width);
    if (NextCode <= MaxCode) {
      Table.emplace(Key, NextCode);
      // The decoder widens its codes once the table reaches the next power of two.
      if (NextCode == (1 << Width) && Width < 12) {
        ++Width;
      }
      ++NextCode;
    } else {
      Bits.Put(ClearCode, Width);
      Table.clear();
      NextCode = EndCode + 1;
      Width = MinCodeSize + 1;
    }
    Prefix = Byte;
  }
  if (Prefix >= 0) {
    Bits.Put(Prefix, Width);
  }
  Bits.Put(EndCode, Width);
  const QByteArray Packed = Bits.Finish();

  QByteArray Out;
  Out.append(char(MinCodeSize));
  for (qsizetype At = 0; At < Packed.size(); At += 255) {
    const qsizetype Length = std::min<qsizetype>(255, Packed.size() - At);
    Out.append(char(Length));
    Out.append(Packed.mid(At, Length));
  }
  Out.append(char(0));
  return Out;
}

QByteArray TGifEncoder::Encode() const {
  QByteArray Out("GIF89a");
  PutWord(Out, FWidth);
  PutWord(Out, FHeight);
  Out.append(char(0xF7)); // global table of 2^(7+1) entries, 8 bits of colour resolution
  Out.append(char(FTransparentIndex)); // background colour index
  Out.append(char(0));                 // no aspect ratio
  for (int I = 0; I < 256; ++I) {
    const QRgb C = I < FPalette.size() ? FPalette[I] : qRgb(0, 0, 0);
    Out.append(char(qRed(C)));
    Out.append(char(qGreen(C)));
    Out.append(char(qBlue(C)));
  }
  Out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
  PutWord(Out, 0); // loop forever; the game plays one pass all the same
  Out.append(char(0));

  for (const TFrame& Frame : FFrames) {
    Out.append("\x21\xF9\x04", 3);
    Out.append(char(((Frame.Disposal & 7) << 2) | 1)); // transparent index present
    PutWord(Out, Frame.DelayCs);
    Out.append(char(FTransparentIndex));
    Out.append(char(0));

    Out.append(char(0x2C));
    PutWord(Out, 0);
    PutWord(Out, 0);
    PutWord(Out, FWidth);
    PutWord(Out, FHeight);
    Out.append(char(0)); // no local table, not interlaced

    QByteArray Indexes;
    Indexes.reserve(qsizetype(FWidth) * FHeight);
    for (int Y = 0; Y < FHeight; ++Y) {
      const uchar* Row = Frame.Indexed.constScanLine(Y);
      Indexes.append(reinterpret_cast<const char*>(Row), FWidth);
    }
    Out.append(CompressIndexes(Indexes));
  }
  Out.append(char(0x3B));
  return Out;
}
