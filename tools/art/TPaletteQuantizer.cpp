// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TPaletteQuantizer.h"

#include <algorithm>
#include <vector>

namespace {

struct TEntry {
  QRgb Colour = 0;
  int Count = 0;
};

int Channel(QRgb C, int Which) {
  return Which == 0 ? qRed(C) : Which == 1 ? qGreen(C) : qBlue(C);
}

struct TBox {
  std::vector<TEntry> Entries;
  int Widest() const {
    int Best = 0, BestSpan = -1;
    for (int Which = 0; Which < 3; ++Which) {
      int Low = 255, High = 0;
      for (const TEntry& E : Entries) {
        Low = std::min(Low, Channel(E.Colour, Which));
        High = std::max(High, Channel(E.Colour, Which));
      }
      if (High - Low > BestSpan) {
        BestSpan = High - Low;
        Best = Which;
      }
    }
    return Best;
  }
  long long Weight() const {
    long long W = 0;
    for (const TEntry& E : Entries) {
      W += E.Count;
    }
    return W;
  }
  QRgb Average() const {
    double R = 0, G = 0, B = 0, N = 0;
    for (const TEntry& E : Entries) {
      R += qRed(E.Colour) * double(E.Count);
      G += qGreen(E.Colour) * double(E.Count);
      B += qBlue(E.Colour) * double(E.Count);
      N += E.Count;
    }
    return qRgb(int(R / N + 0.5), int(G / N + 0.5), int(B / N + 0.5));
  }
};

} // namespace

void TPaletteQuantizer::AddPicture(const QImage& Picture) {
  const QImage Rgb = Picture.convertToFormat(QImage::Format_RGB32);
  for (int Y = 0; Y < Rgb.height(); ++Y) {
    const QRgb* Row = reinterpret_cast<const QRgb*>(Rgb.constScanLine(Y));
    for (int X = 0; X < Rgb.width(); ++X) {
      const QRgb C = Row[X] & 0xFFFFFF;
      if (C != FKey) {
        ++FCounts[C];
      }
    }
  }
}

QList<QRgb> TPaletteQuantizer::Build(int Colours) {
  std::vector<TEntry> All;
  for (const auto& [Colour, Count] : FCounts) {
    All.push_back({Colour, Count});
  }
  // The hash map's order is not fixed; sorting makes the cut the same on every run.
  std::sort(All.begin(), All.end(),
            [](const TEntry& A, const TEntry& B) { return A.Colour < B.Colour; });
  std::vector<TBox> Boxes;
  if (!All.empty()) {
    Boxes.push_back({All});
  }
  while (int(Boxes.size()) < Colours) {
    // Split the heaviest box that can still be split.
    int Pick = -1;
    long long PickWeight = -1;
    for (int I = 0; I < int(Boxes.size()); ++I) {
      const long long W = Boxes[I].Weight() * (Boxes[I].Entries.size() > 1 ? 1 : 0);
      if (Boxes[I].Entries.size() > 1 && W > PickWeight) {
        PickWeight = W;
        Pick = I;
      }
    }
    if (Pick < 0) {
      break;
    }
    TBox& Box = Boxes[Pick];
    const int Which = Box.Widest();
    std::sort(Box.Entries.begin(), Box.Entries.end(), [Which](const TEntry& A, const TEntry& B) {
      const int CA = Channel(A.Colour, Which), CB = Channel(B.Colour, Which);
      return CA != CB ? CA < CB : A.Colour < B.Colour;
    });
    const long long Half = Box.Weight() / 2;
    long long Run = 0;
    size_t Cut = 1;
    for (size_t I = 0; I + 1 < Box.Entries.size(); ++I) {
      Run += Box.Entries[I].Count;
      Cut = I + 1;
      if (Run >= Half) {
        break;
      }
    }
    TBox Upper{std::vector<TEntry>(Box.Entries.begin() + long(Cut), Box.Entries.end())};
    Box.Entries.resize(Cut);
    Boxes.push_back(std::move(Upper));
  }

  FPalette = QList<QRgb>(256, qRgb(0, 0, 0));
  int Next = 0;
  for (const TBox& Box : Boxes) {
    if (Next == FKeyIndex) {
      ++Next;
    }
    QRgb C = Box.Average() & 0xFFFFFF;
    if (C == FKey) {
      C ^= 0x010101; // never a second transparent entry
    }
    FPalette[Next++] = qRgb(qRed(C), qGreen(C), qBlue(C));
  }
  FPalette[FKeyIndex] = qRgb(qRed(FKey), qGreen(FKey), qBlue(FKey));
  FNearest.clear();
  return FPalette;
}

QImage TPaletteQuantizer::Map(const QImage& Picture) {
  const QImage Rgb = Picture.convertToFormat(QImage::Format_RGB32);
  QImage Result(Rgb.size(), QImage::Format_Indexed8);
  Result.setColorTable(FPalette);
  for (int Y = 0; Y < Rgb.height(); ++Y) {
    const QRgb* Row = reinterpret_cast<const QRgb*>(Rgb.constScanLine(Y));
    uchar* Dest = Result.scanLine(Y);
    for (int X = 0; X < Rgb.width(); ++X) {
      const QRgb C = Row[X] & 0xFFFFFF;
      if (C == FKey) {
        Dest[X] = uchar(FKeyIndex);
        continue;
      }
      auto Found = FNearest.find(C);
      if (Found == FNearest.end()) {
        int Best = 0;
        long long BestDistance = -1;
        for (int I = 0; I < FPalette.size(); ++I) {
          if (I == FKeyIndex) {
            continue;
          }
          const long long DR = qRed(C) - qRed(FPalette[I]);
          const long long DG = qGreen(C) - qGreen(FPalette[I]);
          const long long DB = qBlue(C) - qBlue(FPalette[I]);
          const long long D = 3 * DR * DR + 4 * DG * DG + 2 * DB * DB;
          if (BestDistance < 0 || D < BestDistance) {
            BestDistance = D;
            Best = I;
          }
        }
        Found = FNearest.emplace(C, Best).first;
      }
      Dest[X] = uchar(Found->second);
    }
  }
  return Result;
}
