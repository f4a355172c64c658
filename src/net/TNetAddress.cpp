// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TNetAddress.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QRegularExpression>

namespace {

std::optional<TNetEndpoint> Refuse(QString* Error, const QString& Text) {
  if (Error)
    *Error = Text;
  return std::nullopt;
}

bool ReadPort(const QString& Text, quint16& Port) {
  bool Ok = false;
  const uint Value = Text.toUInt(&Ok);
  // toUInt takes a sign and spaces; a port is digits only.
  if (!Ok || Value == 0 || Value > 65535 ||
      Text.contains(QRegularExpression(QStringLiteral("\\D"))))
    return false;
  Port = static_cast<quint16>(Value);
  return true;
}

} // namespace

std::optional<TNetEndpoint> TNetAddress::Parse(const QString& Text, quint16 DefaultPort,
                                               QString* Error) {
  const QString Trimmed = Text.trimmed();
  const QString BadPort = QCoreApplication::translate("TNetAddress", "Порт — число от 1 до 65535");
  const QString BadHost =
      QCoreApplication::translate("TNetAddress", "Неверный адрес: %1").arg(Trimmed);
  if (Trimmed.isEmpty())
    return Refuse(Error, QCoreApplication::translate("TNetAddress", "Введите адрес"));
  TNetEndpoint Result{QString(), DefaultPort};
  QString PortText;
  if (Trimmed.startsWith(QLatin1Char('['))) {
    const qsizetype Close = Trimmed.indexOf(QLatin1Char(']'));
    if (Close < 0)
      return Refuse(Error, BadHost);
    Result.Host = Trimmed.mid(1, Close - 1);
    const QString Rest = Trimmed.mid(Close + 1);
    if (!Rest.isEmpty() && !Rest.startsWith(QLatin1Char(':')))
      return Refuse(Error, BadHost);
    if (!Rest.isEmpty() && !ReadPort(Rest.mid(1), Result.Port))
      return Refuse(Error, BadPort);
    if (QHostAddress(Result.Host).protocol() != QAbstractSocket::IPv6Protocol)
      return Refuse(Error, BadHost);
    return Result;
  }
  if (Trimmed.count(QLatin1Char(':')) > 1) {
    // Two colons or more without brackets: an IPv6 address alone, no port.
    if (QHostAddress(Trimmed).protocol() != QAbstractSocket::IPv6Protocol)
      return Refuse(Error, BadHost);
    Result.Host = Trimmed;
    return Result;
  }
  const qsizetype Colon = Trimmed.indexOf(QLatin1Char(':'));
  Result.Host = Colon < 0 ? Trimmed : Trimmed.left(Colon);
  if (Colon >= 0 && !ReadPort(Trimmed.mid(Colon + 1), Result.Port))
    return Refuse(Error, BadPort);
  // A name is letters, digits, dots, dashes and underscores (IPv4 addresses among them).
  static const QRegularExpression Name(QStringLiteral("^[\\w.-]+$"));
  if (!Name.match(Result.Host).hasMatch())
    return Refuse(Error, BadHost);
  return Result;
}

QString TNetAddress::Format(const QString& Host, quint16 Port) {
  if (Host.contains(QLatin1Char(':')))
    return QStringLiteral("[%1]:%2").arg(Host).arg(Port);
  return QStringLiteral("%1:%2").arg(Host).arg(Port);
}
