// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TCommandLine.h"

namespace {

// Qt's own options, which QApplication takes out of the arguments after this parse: those that
// take a value, and those that do not.
bool IsQtOption(const QString& Argument, bool& TakesValue) {
  static const QStringList WithValue = {"-platform",      "-platformpluginpath",
                                        "-platformtheme", "-plugin",
                                        "-display",       "-style",
                                        "-stylesheet",    "-qwindowgeometry",
                                        "-qwindowtitle",  "-qwindowicon",
                                        "-session",       "-name",
                                        "-title",         "-visual",
                                        "-geometry",      "-qmljsdebugger"};
  static const QStringList Alone = {"-reverse", "-widgetcount", "-sync", "-nograb", "-dograb"};
  TakesValue = WithValue.contains(Argument);
  return TakesValue || Alone.contains(Argument) || Argument.startsWith(u"-style=") ||
         Argument.startsWith(u"-stylesheet=");
}

} // namespace

TCommandLine TCommandLine::Parse(const QStringList& Arguments) {
  TCommandLine Line;
  auto Fail = [&Line](const QString& Error) {
    Line.FMode = cmError;
    Line.FError = Error;
    return Line;
  };
  for (qsizetype I = 0; I < Arguments.size(); ++I) {
    const QString& Argument = Arguments[I];
    if (Argument == u"--help" || Argument == u"-h") {
      Line.FMode = cmHelp;
      return Line;
    }
    if (bool TakesValue = false; IsQtOption(Argument, TakesValue)) {
      I += TakesValue ? 1 : 0;
      continue;
    }
    if (Line.FMode != cmPlay)
      return Fail(tr("можно только одно из --host и --join, один раз"));
    if (Argument == u"--host") {
      Line.FMode = cmHost;
      // The port is optional: a next argument that is not an option is it.
      if (I + 1 < Arguments.size() && !Arguments[I + 1].startsWith(u'-')) {
        bool Ok = false;
        const uint Port = Arguments[++I].toUInt(&Ok);
        if (!Ok || Port == 0 || Port > 65535)
          return Fail(tr("--host: порт — число от 1 до 65535"));
        Line.FPort = static_cast<uint16_t>(Port);
      }
    } else if (Argument == u"--join") {
      if (I + 1 >= Arguments.size() || Arguments[I + 1].isEmpty())
        return Fail(tr("--join: нужен АДРЕС[:ПОРТ]"));
      Line.FMode = cmJoin;
      Line.FJoin = Arguments[++I];
    } else {
      return Fail(tr("неизвестный параметр %1").arg(Argument));
    }
  }
  return Line;
}

QString TCommandLine::HelpText() {
  return tr("Использование: salvora [--host [ПОРТ] | --join АДРЕС[:ПОРТ]]\n"
            "Морской бой на двух полях 10 × 10 против компьютера или друга по сети.\n"
            "\n"
            "  --host [ПОРТ]        создать игру по сети и ждать друга (порт 47600 или\n"
            "                       последний использованный)\n"
            "  --join АДРЕС[:ПОРТ]  присоединиться к игре по сети на АДРЕСЕ (адрес IPv4\n"
            "                       или IPv6, [v6]:ПОРТ или имя машины)\n"
            "  -h, --help           показать эту справку и выйти\n"
            "\n"
            "Без параметров игра начинается против компьютера.\n");
}
