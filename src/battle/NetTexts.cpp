#include "NetTexts.h"

std::string_view NetText(int Id) {
  switch (Id) {
  case ntWaitOpponent:
    return "Ожидание соперника…";
  case ntWaitFleet:
    return "Ожидание флота противника…";
  case ntWaitShot:
    return "Стреляет противник";
  case ntVerdictClean:
    return "Игра честная: флот противника проверен, все его ответы правдивы.";
  case ntVerdictLied:
    return "Противник солгал об исходе выстрела.";
  case ntVerdictDifferent:
    return "Противник раскрыл не тот флот, что загадал.";
  case ntVerdictIllegal:
    return "Противник раскрыл флот, нарушающий правила.";
  case ntVerdictRefused:
    return "Противник отказался раскрыть свой флот.";
  case ntVerdictLeft:
    return "Противник ушёл, не раскрыв свой флот.";
  case ntRematchOffered:
    return "Вы предложили сыграть ещё раз. Ждём ответа…";
  case ntRematchToMe:
    return "Противник предлагает сыграть ещё раз.";
  case ntRematchDeclined:
    return "Противник отказался от новой игры.";
  case ntRematchDeclinedByMe:
    return "Вы отказались от новой игры.";
  case ntRematchLapsed:
    return "Предложение новой игры осталось без ответа.";
  case ntConnectionLost:
    return "Соединение потеряно";
  case ntPeerLeft:
    return "Противник покинул игру";
  case ntYouLeft:
    return "Вы покинули игру";
  case ntRuleBroken:
    return "Противник нарушил правила";
  case ntOutOfOrder:
    return "Сообщение не к месту";
  case ntShotOutOfTurn:
    return "Выстрел не в свой ход";
  case ntShotOffBoard:
    return "Выстрел за пределы поля";
  case ntShotKnownCell:
    return "Выстрел по клетке, которая уже известна";
  case ntAnswerToNoShot:
    return "Ответ на выстрел, которого не было";
  case ntAnswerOtherCell:
    return "Ответ о другой клетке";
  case ntAnswerKnownCell:
    return "Ответ о клетке, которая уже известна";
  case ntAnswerSunkShape:
    return "Потопленный корабль не прямой или не совпадает с попаданиями";
  case ntAnswerSunkSize:
    return "Потоплен корабль такого размера, каких во флоте больше нет";
  case ntAnswerTouching:
    return "Ответ ставит корабли вплотную друг к другу";
  case ntAnswerLongWreck:
    return "Попаданий в ряд больше, чем палуб у любого оставшегося корабля";
  case ntCoinMismatch:
    return "Жребий противника не совпадает с его обязательством";
  case ntTextTooLong:
    return "Слишком длинный текст";
  default:
    return {};
  }
}

std::string NetText(int Id, std::string_view Detail) {
  std::string Text(NetText(Id));
  if (!Detail.empty())
    Text.append(": ").append(Detail);
  return Text;
}

std::string_view PeerMessageName(TPeerMsgType Type) {
  switch (Type) {
  case TPeerMsgType::pmHello:
    return "приветствие";
  case TPeerMsgType::pmCommit:
    return "обязательство";
  case TPeerMsgType::pmCoin:
    return "жребий";
  case TPeerMsgType::pmShot:
    return "выстрел";
  case TPeerMsgType::pmAnswer:
    return "ответ";
  case TPeerMsgType::pmReveal:
    return "раскрытие флота";
  case TPeerMsgType::pmChat:
    return "чат";
  case TPeerMsgType::pmRematch:
    return "предложение новой игры";
  case TPeerMsgType::pmRematchReply:
    return "ответ на предложение";
  case TPeerMsgType::pmBye:
    return "прощание";
  }
  return "неизвестное сообщение";
}
