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
      return Fail(QStringLiteral("only one of --host and --join, once"));
    if (Argument == u"--host") {
      Line.FMode = cmHost;
      // The port is optional: a next argument that is not an option is it.
      if (I + 1 < Arguments.size() && !Arguments[I + 1].startsWith(u'-')) {
        bool Ok = false;
        const uint Port = Arguments[++I].toUInt(&Ok);
        if (!Ok || Port == 0 || Port > 65535)
          return Fail(QStringLiteral("--host: the port is a number from 1 to 65535"));
        Line.FPort = static_cast<uint16_t>(Port);
      }
    } else if (Argument == u"--join") {
      if (I + 1 >= Arguments.size() || Arguments[I + 1].isEmpty())
        return Fail(QStringLiteral("--join needs HOST[:PORT]"));
      Line.FMode = cmJoin;
      Line.FJoin = Arguments[++I];
    } else {
      return Fail(QStringLiteral("unknown option %1").arg(Argument));
    }
  }
  return Line;
}

QString TCommandLine::HelpText() {
  return QStringLiteral(
      "Usage: salvora [--host [PORT] | --join HOST[:PORT]]\n"
      "A naval battle on two 10 x 10 boards, against the computer or a friend over the network.\n"
      "\n"
      "  --host [PORT]      host a network game and wait for a friend to join (port 47600 or\n"
      "                     the one last used)\n"
      "  --join HOST[:PORT] join the network game hosted at HOST (an IPv4 or IPv6 address,\n"
      "                     [v6]:PORT, or a host name)\n"
      "  -h, --help         print this help and exit\n"
      "\n"
      "Without options the game starts against the computer.\n");
}
