// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
// Сальвора: a naval battle against the computer.

#include "GameTexts.h"
#include "TClock.h"
#include "TCommandLine.h"
#include "TNetDialog.h"
#include "TSalvoraMainWin.h"
#include "TSettings.h"
#include "TSoundPlayer.h"

#include <QApplication>
#include <QFont>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#if defined(Q_OS_UNIX)
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

// Without a display Qt would abort with a long message; say it in one line instead.
bool DisplayMissing() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
         qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
  return false;
#endif
}

// The command line's help or error, in the player's language.
int PrintCommandLine(int Argc, char** Argv, const QStringList& Arguments) {
  QCoreApplication App(Argc, Argv);
  InstallTranslations();
  const TCommandLine Line = TCommandLine::Parse(Arguments);
  if (Line.FMode == TCommandLine::cmHelp) {
    std::fputs(TCommandLine::HelpText().toLocal8Bit().constData(), stdout);
    return 0;
  }
  std::fputs(QCoreApplication::translate("TCommandLine", "salvora: %1\nСправка: salvora --help\n")
                 .arg(Line.FError)
                 .toLocal8Bit()
                 .constData(),
             stderr);
  return 2;
}

#if defined(Q_OS_UNIX)
int GTermPipe[2] = {-1, -1};
bool GClosing = false; // the event loop has ended: the settings are being saved

// A session that ends asks the game to quit with SIGTERM: leave the event loop as a closed
// window would, so that the settings are still written. A second SIGTERM while the settings
// error waits on screen ends the process: the session is going and the error has been shown.
void QuitOnTerm(QApplication& App) {
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, GTermPipe) != 0)
    return;
  auto* Notifier = new QSocketNotifier(GTermPipe[1], QSocketNotifier::Read, &App);
  QObject::connect(Notifier, &QSocketNotifier::activated, &App, [] {
    char Byte = 0;
    [[maybe_unused]] auto Read = ::read(GTermPipe[1], &Byte, 1);
    if (!GClosing)
      QApplication::quit();
    else {
      std::fflush(nullptr);
      std::_Exit(128 + SIGTERM);
    }
  });
  struct sigaction Action {};
  Action.sa_handler = [](int) {
    const char Byte = 1;
    [[maybe_unused]] auto Written = ::write(GTermPipe[0], &Byte, 1);
  };
  sigemptyset(&Action.sa_mask);
  Action.sa_flags = SA_RESTART;
  ::sigaction(SIGTERM, &Action, nullptr);
}
#endif

} // namespace

int main(int Argc, char** Argv) {
  QStringList Arguments;
  for (int I = 1; I < Argc; ++I)
    Arguments.append(QString::fromLocal8Bit(Argv[I]));
  const TCommandLine Line = TCommandLine::Parse(Arguments);
  if (Line.FMode == TCommandLine::cmHelp || Line.FMode == TCommandLine::cmError)
    return PrintCommandLine(Argc, Argv, Arguments);
  if (DisplayMissing()) {
    std::fprintf(stderr, "salvora: no display to open the game window on (DISPLAY is not set)\n");
    return 1;
  }
  int Result = 0;
  {
    QApplication App(Argc, Argv);
    QApplication::setApplicationName(QStringLiteral("salvora"));
    InstallTranslations();
    // No application display name: Qt would append it to every caption, and the dialogs'
    // captions are their own ("О программе", not "О программе — Сальвора").
    // The layout is measured in the metrics of this family; Liberation Sans shares them.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
#if defined(Q_OS_UNIX)
    QuitOnTerm(App);
#endif
    // SALVORA_SEED=n: the random draws count up from n instead of the clock, so that a game
    // can be played again exactly; the end-to-end tests know the computer's fleet from it.
    TClock::CountFrom(std::getenv("SALVORA_SEED"));

    TSoundPlayer Sounds(TSoundPlayer::SoundFolder());
    const TSettingsPlace Place = TSettings::SettingsPlace(
        QCoreApplication::applicationFilePath(),
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    TSalvoraMainWin Window(Place.FFile, Place.FDefaults);
    Window.FOnSound = [&Sounds](TSoundId Sound, bool Wait) { Sounds.PlaySnd(Sound, Wait); };
    Window.show();
    // --host and --join open the network game's dialog already hosting or joining, once the
    // window is on screen.
    if (Line.FMode == TCommandLine::cmHost || Line.FMode == TCommandLine::cmJoin)
      QTimer::singleShot(0, &Window, [&Window, &Line] {
        Window.StartNetGame(Line.FMode == TCommandLine::cmHost ? TNetDialog::nsHost
                                                               : TNetDialog::nsJoin,
                            Line.FPort, Line.FJoin);
      });
    Result = App.exec();
#if defined(Q_OS_UNIX)
    GClosing = true;
#endif
    Window.SaveSettings();
  }
  // Everything the game keeps is written by now. Qt 6.4's PulseAudio back end can crash in
  // the static destructors that run after main, so the process ends here instead.
  std::fflush(nullptr);
  std::_Exit(Result);
}
