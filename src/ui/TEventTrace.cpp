// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "TEventTrace.h"

#include <QFile>
#include <memory>

void TraceEvent(const QString& Kind, const QString& Text) {
  static const std::unique_ptr<QFile> File = []() -> std::unique_ptr<QFile> {
    const QString Path = qEnvironmentVariable("SALVORA_TRACE");
    if (Path.isEmpty())
      return nullptr;
    auto Opened = std::make_unique<QFile>(Path);
    if (!Opened->open(QIODevice::Append | QIODevice::Text | QIODevice::Unbuffered))
      return nullptr;
    return Opened;
  }();
  if (File)
    File->write((Kind + u' ' + Text + u'\n').toUtf8());
}
