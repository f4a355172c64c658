// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
// The fire frames and the two cannon animations, read as the game and as other programs read them,
// in each set (1x, 2x, 3x); sizes, rows and columns below are logical, times the scale S.
#include "ArtFile.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QList>
#include <QPoint>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int FireFrames = 33;

// Frame K of the fire as a 30 S x 60 S grid of flags: true where the flame is drawn. The mask's
// set bit (black) means transparent.
std::vector<std::vector<bool>> FireShape(const QImage& Mask, int K, int S) {
  std::vector<std::vector<bool>> Shape(60 * S, std::vector<bool>(30 * S));
  for (int Y = 0; Y < 60 * S; ++Y) {
    for (int X = 0; X < 30 * S; ++X) {
      Shape[Y][X] = qGray(Mask.pixel((K % 4) * 30 * S + X, (K / 4) * 60 * S + Y)) != 0;
    }
  }
  return Shape;
}

// The flame body: every drawn pixel 4-connected to the base rows. Sparks lie outside it.
std::vector<std::vector<bool>> Body(const std::vector<std::vector<bool>>& Shape, int S) {
  std::vector<std::vector<bool>> In(60 * S, std::vector<bool>(30 * S));
  QList<QPoint> Todo;
  for (int X = 0; X < 30 * S; ++X) {
    for (int Y = 52 * S; Y < 54 * S; ++Y)
      Todo << QPoint(X, Y);
  }
  while (!Todo.isEmpty()) {
    const QPoint P = Todo.takeLast();
    if (P.x() < 0 || P.x() >= 30 * S || P.y() < 0 || P.y() >= 60 * S) {
      continue;
    }
    if (In[P.y()][P.x()] || !Shape[P.y()][P.x()]) {
      continue;
    }
    In[P.y()][P.x()] = true;
    Todo << P + QPoint(1, 0) << P + QPoint(-1, 0) << P + QPoint(0, 1) << P + QPoint(0, -1);
  }
  return In;
}

int Word(const QByteArray& B, qsizetype At) {
  return uchar(B[At]) | (uchar(B[At + 1]) << 8);
}

struct TGifFrame {
  int Disposal = -1, Delay = -1, Transparent = -1;
  bool HasTransparency = false;
  int Left = -1, Top = -1, Width = -1, Height = -1;
  bool LocalTable = true, Interlaced = true;
  QByteArray Data; // the LZW stream, sub-blocks joined
  int MinCodeSize = 0;
};

struct TGifFile {
  int Width = 0, Height = 0, TableSize = 0, Background = -1;
  bool GlobalTable = false;
  QRgb Entry254 = 0;
  QList<QRgb> Table;
  int Loops = -1;
  QList<TGifFrame> Frames;
  bool Trailer = false;
};

// Walks the GIF block structure without decoding pixels.
TGifFile ParseGif(const QByteArray& B) {
  TGifFile G;
  if (B.size() < 13 || !B.startsWith("GIF89a")) {
    return G;
  }
  G.Width = Word(B, 6);
  G.Height = Word(B, 8);
  const int Packed = uchar(B[10]);
  G.GlobalTable = Packed & 0x80;
  G.TableSize = 1 << ((Packed & 7) + 1);
  G.Background = uchar(B[11]);
  qsizetype At = 13;
  if (G.GlobalTable) {
    for (int I = 0; I < G.TableSize && At + 3 * I + 2 < B.size(); ++I) {
      const qsizetype E = At + 3 * I;
      G.Table << qRgb(uchar(B[E]), uchar(B[E + 1]), uchar(B[E + 2]));
    }
    G.Entry254 = G.Table.value(254);
    At += 3 * G.TableSize;
  }
  TGifFrame Pending;
  auto SkipSubBlocks = [&B, &At]() {
    while (At < B.size() && uchar(B[At]) != 0) {
      At += uchar(B[At]) + 1;
    }
    ++At;
  };
  while (At < B.size()) {
    const int Kind = uchar(B[At]);
    if (Kind == 0x3B) {
      G.Trailer = true;
      break;
    }
    if (Kind == 0x21 && At + 2 < B.size()) {
      const int Label = uchar(B[At + 1]);
      if (Label == 0xF9) {
        const int Flags = uchar(B[At + 3]);
        Pending.Disposal = (Flags >> 2) & 7;
        Pending.HasTransparency = Flags & 1;
        Pending.Delay = Word(B, At + 4);
        Pending.Transparent = uchar(B[At + 6]);
        At += 8;
      } else if (Label == 0xFF) {
        if (B.mid(At + 3, 11) == "NETSCAPE2.0") {
          G.Loops = Word(B, At + 16);
        }
        At += 2;
        SkipSubBlocks();
      } else {
        At += 2;
        SkipSubBlocks();
      }
    } else if (Kind == 0x2C && At + 9 < B.size()) {
      Pending.Left = Word(B, At + 1);
      Pending.Top = Word(B, At + 3);
      Pending.Width = Word(B, At + 5);
      Pending.Height = Word(B, At + 7);
      const int Flags = uchar(B[At + 9]);
      Pending.LocalTable = Flags & 0x80;
      Pending.Interlaced = Flags & 0x40;
      Pending.MinCodeSize = uchar(B[At + 10]);
      At += 11;
      while (At < B.size() && uchar(B[At]) != 0) {
        Pending.Data += B.mid(At + 1, uchar(B[At]));
        At += uchar(B[At]) + 1;
      }
      ++At;
      G.Frames << Pending;
      Pending = TGifFrame();
    } else {
      break; // not a block this file should hold
    }
  }
  return G;
}

// A plain GIF LZW decoder, written apart from the game's encoder, for the raw frame indexes.
QByteArray DecodeLzw(const QByteArray& Data, int MinCodeSize) {
  const int Clear = 1 << MinCodeSize, End = Clear + 1;
  QList<QByteArray> Table;
  auto Reset = [&]() {
    Table.clear();
    for (int I = 0; I < Clear + 2; ++I) {
      Table << QByteArray(1, char(I));
    }
  };
  Reset();
  int Width = MinCodeSize + 1;
  qsizetype Bit = 0;
  QByteArray Out, Previous;
  while (Bit + Width <= Data.size() * 8) {
    int Code = 0;
    for (int I = 0; I < Width; ++I, ++Bit) {
      Code |= ((uchar(Data[Bit / 8]) >> (Bit % 8)) & 1) << I;
    }
    if (Code == Clear) {
      Reset();
      Width = MinCodeSize + 1;
      Previous.clear();
      continue;
    }
    if (Code == End) {
      break;
    }
    QByteArray Entry;
    if (Code < Table.size()) {
      Entry = Table[Code];
    } else if (Code == Table.size() && !Previous.isEmpty()) {
      Entry = Previous + Previous.left(1);
    } else {
      return QByteArray(); // a code the stream has not defined
    }
    Out += Entry;
    if (!Previous.isEmpty() && Table.size() < 4096) {
      Table << Previous + Entry.left(1);
    }
    if (Table.size() == (1 << Width) && Width < 12) {
      ++Width;
    }
    Previous = Entry;
  }
  return Out;
}

bool Opaque(QRgb P) {
  return qAlpha(P) == 255;
}

// A picture set of each scale.
struct TArtSet : testing::TestWithParam<int> {
  const int S = GetParam();
  const int W = 110 * S, H = 87 * S; // a cannon's frame
  QByteArray Resource(const QString& Name) const {
    QFile File(ArtPath(Name, S));
    return File.open(QIODevice::ReadOnly) ? File.readAll() : QByteArray();
  }
};
struct TFire : TArtSet {};
struct TCannon : TArtSet {};

} // namespace

INSTANTIATE_TEST_SUITE_P(Sets, TFire, testing::Values(1, 2, 3));
INSTANTIATE_TEST_SUITE_P(Sets, TCannon, testing::Values(1, 2, 3));

TEST_P(TFire, SheetAndMaskHaveTheImageListLayout) {
  const QImage Sheet = Art("fire.png", S);
  const QImage Mask = Art("fire-mask.png", S);
  ASSERT_EQ(Sheet.size(), QSize(120, 540) * S);
  ASSERT_EQ(Mask.size(), QSize(120, 540) * S);
  EXPECT_FALSE(Sheet.hasAlphaChannel());
  EXPECT_EQ(Mask.depth(), 1);
  // The 34th cell of the sheet is not a frame: fully masked.
  for (int Y = 0; Y < 60 * S; ++Y) {
    for (int X = 0; X < 30 * S; ++X) {
      ASSERT_EQ(qGray(Mask.pixel(90 * S + X, 480 * S + Y)), 0) << X << "," << Y;
    }
  }
}

// The sprite's bottom rows cover the hit cell's lower edge; the flame must stand on rows 52-53.
TEST_P(TFire, EveryFrameStandsOnItsBaseWithinItsBounds) {
  const QImage Mask = Art("fire-mask.png", S);
  const QImage Sheet = Art("fire.png", S);
  ASSERT_FALSE(Mask.isNull());
  int FramesWithSparks = 0;
  std::vector<std::vector<bool>> Previous;
  for (int K = 0; K < FireFrames; ++K) {
    const auto Shape = FireShape(Mask, K, S);
    const auto Flame = Body(Shape, S);
    bool Row52 = false, Row53 = false, Sparks = false;
    int Tip = 60;
    for (int DY = 0; DY < 60 * S; ++DY) {
      for (int DX = 0; DX < 30 * S; ++DX) {
        if (!Shape[DY][DX]) {
          continue;
        }
        const int X = DX / S, Y = DY / S;
        ASSERT_LT(Y, 54) << "frame " << K << " draws below its base at " << X << "," << Y;
        ASSERT_TRUE(X >= 3 && X <= 26) << "frame " << K << " too wide at " << X << "," << Y;
        Row52 |= Y == 52;
        Row53 |= Y == 53;
        if (Flame[DY][DX]) {
          Tip = std::min(Tip, Y);
        } else {
          Sparks = true;
        }
        // Drawn pixels are warm: golden to red, never blue.
        const QColor C(Sheet.pixel((K % 4) * 30 * S + DX, (K / 4) * 60 * S + DY));
        ASSERT_GE(C.red(), C.blue()) << "frame " << K;
      }
    }
    EXPECT_TRUE(Row52 && Row53) << "frame " << K;
    EXPECT_GE(Tip, 10) << "frame " << K;
    EXPECT_LE(Tip, 40) << "frame " << K;
    FramesWithSparks += Sparks;
    EXPECT_NE(Shape, Previous) << "frame " << K << " repeats the one before";
    Previous = Shape;
  }
  EXPECT_GE(FramesWithSparks, 4);
  EXPECT_LT(FramesWithSparks, FireFrames);
}

TEST_P(TCannon, GifStructureMatchesTheAnimator) {
  for (const char* Name : {"cannon-my.gif", "cannon-enemy.gif"}) {
    const TGifFile G = ParseGif(Resource(Name));
    EXPECT_EQ(G.Width, W) << Name;
    EXPECT_EQ(G.Height, H) << Name;
    EXPECT_TRUE(G.GlobalTable) << Name;
    EXPECT_EQ(G.TableSize, 256) << Name;
    EXPECT_EQ(G.Background, 254) << Name;
    EXPECT_EQ(G.Entry254 & 0xFFFFFF, 0xFFFFFFu) << Name;
    EXPECT_EQ(G.Loops, 0) << Name;
    EXPECT_TRUE(G.Trailer) << Name;
    ASSERT_EQ(G.Frames.size(), 13) << Name;
    for (int K = 0; K < 13; ++K) {
      const TGifFrame& F = G.Frames[K];
      EXPECT_EQ(F.Disposal, (K == 1 || K == 12) ? 1 : 2) << Name << " frame " << K;
      EXPECT_EQ(F.Delay, 15) << Name << " frame " << K;
      EXPECT_TRUE(F.HasTransparency) << Name << " frame " << K;
      EXPECT_EQ(F.Transparent, 254) << Name << " frame " << K;
      EXPECT_EQ(QRect(F.Left, F.Top, F.Width, F.Height), QRect(0, 0, W, H)) << Name << K;
      EXPECT_FALSE(F.LocalTable) << Name << " frame " << K;
      EXPECT_FALSE(F.Interlaced) << Name << " frame " << K;
    }
  }
}

// ImageMagick reads the files on its own; a missing identify is a failure, not a skip.
TEST_P(TCannon, IndependentReaderSeesThirteenTimedFrames) {
  const QString Identify = QStringLiteral(SALVORA_IDENTIFY);
  ASSERT_FALSE(Identify.isEmpty()) << "ImageMagick's identify is needed (scripts/setup.sh)";
  QTemporaryDir Dir;
  ASSERT_TRUE(Dir.isValid());
  for (const char* Name : {"cannon-my.gif", "cannon-enemy.gif"}) {
    const QString Path = Dir.filePath(Name);
    QFile Out(Path);
    ASSERT_TRUE(Out.open(QIODevice::WriteOnly));
    Out.write(Resource(Name));
    Out.close();
    QProcess Run;
    Run.start(Identify, {"-format", "%T %D %w %h\\n", Path});
    ASSERT_TRUE(Run.waitForFinished(30000));
    ASSERT_EQ(Run.exitCode(), 0) << Run.readAllStandardError().toStdString();
    const QStringList Lines =
        QString::fromUtf8(Run.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(Lines.size(), 13) << Name;
    for (int K = 0; K < 13; ++K) {
      const QString Disposal = (K == 1 || K == 12) ? "None" : "Background";
      EXPECT_EQ(Lines[K].trimmed(), QStringLiteral("15 %1 %2 %3").arg(Disposal).arg(W).arg(H));
    }
  }
}

// The game shows the frames as Qt composes them: frame 2 over frame 1, every other frame over
// a clear picture; the rest frames 0 and 12 are the same cannon.
TEST_P(TCannon, QtComposesFramesByTheirDisposal) {
  for (const char* Name : {"cannon-my.gif", "cannon-enemy.gif"}) {
    QByteArray Bytes = Resource(Name);
    QBuffer Buffer(&Bytes);
    QImageReader Reader(&Buffer, "gif");
    ASSERT_TRUE(Reader.canRead()) << Name;
    EXPECT_EQ(Reader.imageCount(), 13) << Name;
    QList<QImage> Frames;
    for (int K = 0; K < 13; ++K) {
      QImage F = Reader.read();
      ASSERT_FALSE(F.isNull()) << Name << " frame " << K;
      EXPECT_EQ(F.size(), QSize(W, H));
      EXPECT_EQ(Reader.nextImageDelay(), 150) << Name << " frame " << K;
      Frames << F.convertToFormat(QImage::Format_ARGB32);
    }
    // Compare with the raw frames: every frame is drawn over a clear picture, except frame 2,
    // drawn over frame 1, which has disposal 1.
    const TGifFile G = ParseGif(Bytes);
    ASSERT_EQ(G.Frames.size(), 13);
    int FromFrame1 = 0;
    for (int K = 0; K < 13; ++K) {
      const QByteArray Raw = DecodeLzw(G.Frames[K].Data, G.Frames[K].MinCodeSize);
      ASSERT_EQ(Raw.size(), W * H) << Name << " frame " << K;
      for (int Y = 0; Y < H; ++Y) {
        for (int X = 0; X < W; ++X) {
          const int Index = uchar(Raw[Y * W + X]);
          const QRgb Shown = Frames[K].pixel(X, Y);
          if (Index != 254) {
            ASSERT_EQ(Shown, G.Table[Index] | 0xFF000000u) << Name << K << " " << X << "," << Y;
          } else if (K == 2) {
            ASSERT_EQ(Shown, Frames[1].pixel(X, Y)) << Name << " " << X << "," << Y;
            FromFrame1 += Opaque(Shown);
          } else {
            ASSERT_FALSE(Opaque(Shown)) << Name << " frame " << K << " " << X << "," << Y;
          }
        }
      }
    }
    // Frame 2 alone is only the fireball: the cannon in composed frame 2 comes from frame 1.
    EXPECT_GT(FromFrame1, 1000 * S * S) << Name;
    EXPECT_EQ(Frames[0], Frames[12]) << Name;
    EXPECT_NE(Frames[0], Frames[5]) << Name;
    // The rest picture lets the footer show through: white is not drawn.
    EXPECT_EQ(qAlpha(Frames[0].pixel(W - 1, 0)), 0) << Name;
  }
}

// The two cannons are mirror images: the player's points right, the computer's left.
TEST_P(TCannon, EnemyCannonIsTheMirrorImage) {
  QImage My, Enemy;
  ASSERT_TRUE(My.loadFromData(Resource("cannon-my.gif"), "gif"));
  ASSERT_TRUE(Enemy.loadFromData(Resource("cannon-enemy.gif"), "gif"));
  EXPECT_EQ(My.convertToFormat(QImage::Format_ARGB32).mirrored(true, false),
            Enemy.convertToFormat(QImage::Format_ARGB32));
  // The muzzle is up on the right for the player: more figure in the upper right quarter.
  auto Count = [](const QImage& I, QRect R) {
    int N = 0;
    for (int Y = R.top(); Y <= R.bottom(); ++Y) {
      for (int X = R.left(); X <= R.right(); ++X) {
        N += qAlpha(I.pixel(X, Y)) == 255;
      }
    }
    return N;
  };
  const QImage A = My.convertToFormat(QImage::Format_ARGB32);
  EXPECT_GT(Count(A, QRect(55 * S, 0, 55 * S, 43 * S)), Count(A, QRect(0, 0, 55 * S, 43 * S)));
}

// The smoke thins out as one soft cloud: while it fades no frame scatters loose specks of a few
// pixels over the footer's wood, and the cloud is still there in the last smoke frame.
TEST_P(TCannon, SmokeFadesWithoutLooseSpecks) {
  QByteArray Bytes = Resource("cannon-my.gif");
  QBuffer Buffer(&Bytes);
  QImageReader Reader(&Buffer, "gif");
  const QImage Rest = Reader.read().convertToFormat(QImage::Format_ARGB32);
  for (int K = 1; K < 12; ++K) {
    const QImage F = Reader.read().convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(F.isNull()) << K;
    auto Opaque = [&F](QPoint P) { return F.rect().contains(P) && qAlpha(F.pixel(P)) == 255; };
    // Sizes of the opaque patches, eight neighbours joining.
    std::vector<char> Seen(size_t(F.width()) * F.height(), 0);
    int Specks = 0, Changed = 0;
    for (int Y = 0; Y < F.height(); ++Y)
      for (int X = 0; X < F.width(); ++X) {
        Changed += F.pixel(X, Y) != Rest.pixel(X, Y);
        if (!Opaque({X, Y}) || Seen[size_t(Y) * F.width() + X])
          continue;
        int Size = 0;
        QList<QPoint> Todo{{X, Y}};
        Seen[size_t(Y) * F.width() + X] = 1;
        while (!Todo.isEmpty()) {
          const QPoint P = Todo.takeLast();
          ++Size;
          for (int DY = -1; DY <= 1; ++DY)
            for (int DX = -1; DX <= 1; ++DX) {
              const QPoint N = P + QPoint(DX, DY);
              if (Opaque(N) && !Seen[size_t(N.y()) * F.width() + N.x()]) {
                Seen[size_t(N.y()) * F.width() + N.x()] = 1;
                Todo << N;
              }
            }
        }
        Specks += Size <= 6 * S * S;
      }
    EXPECT_EQ(Specks, 0) << "frame " << K;
    if (K >= 8) {
      EXPECT_GT(Changed, 300 * S * S) << "frame " << K << ": the fading cloud has gone";
    }
  }
}
