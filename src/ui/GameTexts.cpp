// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "GameTexts.h"

#include "Messages.h"
#include "NetTexts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool InstallTranslations(const QLocale& Locale) {
  static QTranslator Game;
  static QTranslator Qt;
  QCoreApplication::removeTranslator(&Game);
  QCoreApplication::removeTranslator(&Qt);
  const bool Found =
      Game.load(Locale, QStringLiteral("salvora"), QStringLiteral("_"), QStringLiteral(":/i18n"));
  if (Found)
    QCoreApplication::installTranslator(&Game);
  // Qt's standard buttons follow the game: under a locale it does not speak they stay as Qt
  // writes them.
  const bool Russian = Locale.language() == QLocale::Russian;
  if ((Found || Russian) && Qt.load(Locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&Qt);
  return Found;
}

void InstallGameTexts() {
  const TTranslate Translate = [](const char* Context, const char* Source) {
    return QCoreApplication::translate(Context, Source).toStdString();
  };
  InstallMessageTexts(Translate);
  InstallNetTexts(Translate);
}

QString RowName(int Row) {
  const std::string_view Letter = RowLetter(Row);
  return QString::fromUtf8(Letter.data(), static_cast<qsizetype>(Letter.size()));
}
