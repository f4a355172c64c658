// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
// Writes the game's seven sound cues: salvora-sounds <folder>.
#include "Cues.h"

#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: salvora-sounds <output folder>\n");
    return 2;
  }
  const std::filesystem::path Folder(argv[1]);
  std::error_code Error;
  std::filesystem::create_directories(Folder, Error);
  struct TCue {
    const char* Name;
    TWaveFile (*Make)();
  };
  const TCue Cues[] = {{"MyShot.wav", MakeMyShot},  {"EnemyShot.wav", MakeEnemyShot},
                       {"Splash.wav", MakeSplash},  {"EnemyFire.wav", MakeEnemyFire},
                       {"MyFire.wav", MakeMyFire},  {"YouWin.wav", MakeYouWin},
                       {"YouLost.wav", MakeYouLost}};
  int Result = 0;
  for (const TCue& Cue : Cues) {
    const std::string Path = (Folder / Cue.Name).string();
    if (!Cue.Make().Save(Path)) {
      std::fprintf(stderr, "salvora-sounds: cannot write %s\n", Path.c_str());
      Result = 1;
    }
  }
  return Result;
}
