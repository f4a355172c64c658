// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Сальвора developers
#include "NetTexts.h"

#include <vector>

namespace {

// The Russian text of an id, which is also the key of its translation.
const char* SourceText(int Id) {
  switch (Id) {
  case ntWaitOpponent:
    return QT_TRANSLATE_NOOP("NetTexts", "Ожидание соперника…");
  case ntWaitFleet:
    return QT_TRANSLATE_NOOP("NetTexts", "Ожидание флота противника…");
  case ntWaitShot:
    return QT_TRANSLATE_NOOP("NetTexts", "Стреляет противник");
  case ntVerdictClean:
    return QT_TRANSLATE_NOOP("NetTexts",
                             "Игра честная: флот противника проверен, все его ответы правдивы.");
  case ntVerdictLied:
    return QT_TRANSLATE_NOOP("NetTexts", "Противник солгал об исходе выстрела.");
  case ntVerdictDifferent:
    return QT_TRANSLATE_NOOP("NetTexts", "Противник раскрыл не тот флот, что загадал.");
  case ntVerdictIllegal:
    return QT_TRANSLATE_NOOP("NetTexts", "Противник раскрыл флот, нарушающий правила.");
  case ntVerdictRefused:
    return QT_TRANSLATE_NOOP("NetTexts", "Противник отказался раскрыть свой флот.");
  case ntVerdictLeft:
    return QT_TRANSLATE_NOOP("NetTexts", "Противник ушёл, не раскрыв свой флот.");
  case ntRematchOffered:
    return QT_TRANSLATE_NOOP("NetTexts", "Вы предложили сыграть ещё раз. Ждём ответа…");
  case ntRematchToMe:
    return QT_TRANSLATE_NOOP("NetTexts", "Противник предлагает сыграть ещё раз.");
  case ntRematchDeclined:
    return QT_TRANSLATE_NOOP("NetTexts", "Противник отказался от новой игры.");
  case ntRematchDeclinedByMe:
    return QT_TRANSLATE_NOOP("NetTexts", "Вы отказались от новой игры.");
  case ntRematchLapsed:
    return QT_TRANSLATE_NOOP("NetTexts", "Предложение новой игры осталось без ответа.");
  case ntConnectionLost:
    return QT_TRANSLATE_NOOP("NetTexts", "Соединение потеряно");
  case ntPeerLeft:
    return QT_TRANSLATE_NOOP("NetTexts", "Противник покинул игру");
  case ntYouLeft:
    return QT_TRANSLATE_NOOP("NetTexts", "Вы покинули игру");
  case ntRuleBroken:
    return QT_TRANSLATE_NOOP("NetTexts", "Противник нарушил правила");
  case ntOutOfOrder:
    return QT_TRANSLATE_NOOP("NetTexts", "Сообщение не к месту");
  case ntShotOutOfTurn:
    return QT_TRANSLATE_NOOP("NetTexts", "Выстрел не в свой ход");
  case ntShotOffBoard:
    return QT_TRANSLATE_NOOP("NetTexts", "Выстрел за пределы поля");
  case ntShotKnownCell:
    return QT_TRANSLATE_NOOP("NetTexts", "Выстрел по клетке, которая уже известна");
  case ntAnswerToNoShot:
    return QT_TRANSLATE_NOOP("NetTexts", "Ответ на выстрел, которого не было");
  case ntAnswerOtherCell:
    return QT_TRANSLATE_NOOP("NetTexts", "Ответ о другой клетке");
  case ntAnswerKnownCell:
    return QT_TRANSLATE_NOOP("NetTexts", "Ответ о клетке, которая уже известна");
  case ntAnswerSunkShape:
    return QT_TRANSLATE_NOOP("NetTexts",
                             "Потопленный корабль не прямой или не совпадает с попаданиями");
  case ntAnswerSunkSize:
    return QT_TRANSLATE_NOOP("NetTexts",
                             "Потоплен корабль такого размера, каких во флоте больше нет");
  case ntAnswerTouching:
    return QT_TRANSLATE_NOOP("NetTexts", "Ответ ставит корабли вплотную друг к другу");
  case ntAnswerLongWreck:
    return QT_TRANSLATE_NOOP("NetTexts",
                             "Попаданий в ряд больше, чем палуб у любого оставшегося корабля");
  case ntCoinMismatch:
    return QT_TRANSLATE_NOOP("NetTexts", "Жребий противника не совпадает с его обязательством");
  case ntTextTooLong:
    return QT_TRANSLATE_NOOP("NetTexts", "Слишком длинный текст");
  default:
    return "";
  }
}

const char* SourceName(TPeerMsgType Type) {
  switch (Type) {
  case TPeerMsgType::pmHello:
    return QT_TRANSLATE_NOOP("NetTexts", "приветствие");
  case TPeerMsgType::pmCommit:
    return QT_TRANSLATE_NOOP("NetTexts", "обязательство");
  case TPeerMsgType::pmCoin:
    return QT_TRANSLATE_NOOP("NetTexts", "жребий");
  case TPeerMsgType::pmShot:
    return QT_TRANSLATE_NOOP("NetTexts", "выстрел");
  case TPeerMsgType::pmAnswer:
    return QT_TRANSLATE_NOOP("NetTexts", "ответ");
  case TPeerMsgType::pmReveal:
    return QT_TRANSLATE_NOOP("NetTexts", "раскрытие флота");
  case TPeerMsgType::pmChat:
    return QT_TRANSLATE_NOOP("NetTexts", "чат");
  case TPeerMsgType::pmRematch:
    return QT_TRANSLATE_NOOP("NetTexts", "предложение новой игры");
  case TPeerMsgType::pmRematchReply:
    return QT_TRANSLATE_NOOP("NetTexts", "ответ на предложение");
  case TPeerMsgType::pmBye:
    return QT_TRANSLATE_NOOP("NetTexts", "прощание");
  }
  return QT_TRANSLATE_NOOP("NetTexts", "неизвестное сообщение");
}

constexpr int LastId = ntTextTooLong;
constexpr int NameCount = static_cast<int>(TPeerMsgType::pmBye) + 2; // the last: unknown

std::vector<std::string> Texts(const TTranslate& Translate) {
  std::vector<std::string> All(LastId + 1);
  for (int Id = 1; Id <= LastId; ++Id)
    All[Id] = Translate("NetTexts", SourceText(Id));
  return All;
}

std::vector<std::string> Names(const TTranslate& Translate) {
  std::vector<std::string> All(NameCount);
  for (int I = 0; I < NameCount; ++I)
    All[I] = Translate("NetTexts", SourceName(static_cast<TPeerMsgType>(I)));
  return All;
}

const TTranslate Russian = [](const char*, const char* Source) { return std::string(Source); };
std::vector<std::string> GTexts = Texts(Russian);
std::vector<std::string> GNames = Names(Russian);

} // namespace

std::string_view NetText(int Id) {
  return Id > 0 && Id <= LastId ? std::string_view(GTexts[Id]) : std::string_view();
}

std::string NetText(int Id, std::string_view Detail) {
  std::string Text(NetText(Id));
  if (!Detail.empty())
    Text.append(": ").append(Detail);
  return Text;
}

std::string_view PeerMessageName(TPeerMsgType Type) {
  const int I = static_cast<int>(Type);
  return GNames[I >= 0 && I < NameCount ? I : NameCount - 1];
}

void InstallNetTexts(const TTranslate& Translate) {
  GTexts = Texts(Translate);
  GNames = Names(Translate);
}
