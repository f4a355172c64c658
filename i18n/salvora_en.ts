<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>Messages</name>
    <message>
        <source>Корабли не должны соприкасаться.</source>
        <translation>Ships must not touch.</translation>
    </message>
    <message>
        <source>Вы победили!</source>
        <translation>You won!</translation>
    </message>
    <message>
        <source>Вы проиграли</source>
        <translation>You lost</translation>
    </message>
    <message>
        <source>Ваш последний удар на %s-%d</source>
        <extracomment>%s is the row letter, %d the column number</extracomment>
        <translation>Your last shot at %s-%d</translation>
    </message>
    <message>
        <source>Последний удар противника на %s-%d</source>
        <extracomment>%s is the row letter, %d the column number</extracomment>
        <translation>The enemy&apos;s last shot at %s-%d</translation>
    </message>
    <message>
        <source>А Б В Г Д Е Ж З И К</source>
        <extracomment>The board&apos;s ten row letters, top to bottom, separated by single spaces</extracomment>
        <translation>A B C D E F G H I J</translation>
    </message>
</context>
<context>
    <name>NetTexts</name>
    <message>
        <source>Ожидание соперника…</source>
        <translation>Waiting for an opponent…</translation>
    </message>
    <message>
        <source>Ожидание флота противника…</source>
        <translation>Waiting for the opponent&apos;s fleet…</translation>
    </message>
    <message>
        <source>Стреляет противник</source>
        <translation>The opponent is shooting</translation>
    </message>
    <message>
        <source>Игра честная: флот противника проверен, все его ответы правдивы.</source>
        <translation>A fair game: the opponent&apos;s fleet and every answer checked out.</translation>
    </message>
    <message>
        <source>Противник солгал об исходе выстрела.</source>
        <translation>The opponent lied about the result of a shot.</translation>
    </message>
    <message>
        <source>Противник раскрыл не тот флот, что загадал.</source>
        <translation>The opponent revealed a fleet other than the one committed.</translation>
    </message>
    <message>
        <source>Противник раскрыл флот, нарушающий правила.</source>
        <translation>The opponent revealed a fleet that breaks the rules.</translation>
    </message>
    <message>
        <source>Противник отказался раскрыть свой флот.</source>
        <translation>The opponent refused to reveal the fleet.</translation>
    </message>
    <message>
        <source>Противник ушёл, не раскрыв свой флот.</source>
        <translation>The opponent left without revealing the fleet.</translation>
    </message>
    <message>
        <source>Вы предложили сыграть ещё раз. Ждём ответа…</source>
        <translation>You offered another game. Waiting for the answer…</translation>
    </message>
    <message>
        <source>Противник предлагает сыграть ещё раз.</source>
        <translation>The opponent offers another game.</translation>
    </message>
    <message>
        <source>Противник отказался от новой игры.</source>
        <translation>The opponent declined a new game.</translation>
    </message>
    <message>
        <source>Вы отказались от новой игры.</source>
        <translation>You declined a new game.</translation>
    </message>
    <message>
        <source>Предложение новой игры осталось без ответа.</source>
        <translation>The offer of a new game was not answered.</translation>
    </message>
    <message>
        <source>Соединение потеряно</source>
        <translation>Connection lost</translation>
    </message>
    <message>
        <source>Противник покинул игру</source>
        <translation>The opponent left the game</translation>
    </message>
    <message>
        <source>Вы покинули игру</source>
        <translation>You left the game</translation>
    </message>
    <message>
        <source>Противник нарушил правила</source>
        <translation>The opponent broke the rules</translation>
    </message>
    <message>
        <source>Сообщение не к месту</source>
        <translation>A message out of place</translation>
    </message>
    <message>
        <source>Выстрел не в свой ход</source>
        <translation>A shot out of turn</translation>
    </message>
    <message>
        <source>Выстрел за пределы поля</source>
        <translation>A shot off the board</translation>
    </message>
    <message>
        <source>Выстрел по клетке, которая уже известна</source>
        <translation>A shot at a cell already known</translation>
    </message>
    <message>
        <source>Ответ на выстрел, которого не было</source>
        <translation>An answer to a shot never fired</translation>
    </message>
    <message>
        <source>Ответ о другой клетке</source>
        <translation>An answer about another cell</translation>
    </message>
    <message>
        <source>Ответ о клетке, которая уже известна</source>
        <translation>An answer about a cell already known</translation>
    </message>
    <message>
        <source>Потопленный корабль не прямой или не совпадает с попаданиями</source>
        <translation>The sunk ship is not straight or does not match the hits</translation>
    </message>
    <message>
        <source>Потоплен корабль такого размера, каких во флоте больше нет</source>
        <translation>A ship of a size the fleet has no more of was sunk</translation>
    </message>
    <message>
        <source>Ответ ставит корабли вплотную друг к другу</source>
        <translation>The answer puts ships against one another</translation>
    </message>
    <message>
        <source>Попаданий в ряд больше, чем палуб у любого оставшегося корабля</source>
        <translation>More hits in a row than any remaining ship has decks</translation>
    </message>
    <message>
        <source>Жребий противника не совпадает с его обязательством</source>
        <translation>The opponent&apos;s coin does not match its commitment</translation>
    </message>
    <message>
        <source>Слишком длинный текст</source>
        <translation>Text too long</translation>
    </message>
    <message>
        <source>приветствие</source>
        <translation>greeting</translation>
    </message>
    <message>
        <source>обязательство</source>
        <translation>commitment</translation>
    </message>
    <message>
        <source>жребий</source>
        <translation>coin</translation>
    </message>
    <message>
        <source>выстрел</source>
        <translation>shot</translation>
    </message>
    <message>
        <source>ответ</source>
        <translation>answer</translation>
    </message>
    <message>
        <source>раскрытие флота</source>
        <translation>fleet reveal</translation>
    </message>
    <message>
        <source>чат</source>
        <translation>chat</translation>
    </message>
    <message>
        <source>предложение новой игры</source>
        <translation>offer of a new game</translation>
    </message>
    <message>
        <source>ответ на предложение</source>
        <translation>answer to an offer</translation>
    </message>
    <message>
        <source>прощание</source>
        <translation>farewell</translation>
    </message>
    <message>
        <source>неизвестное сообщение</source>
        <translation>unknown message</translation>
    </message>
</context>
<context>
    <name>TAboutDlg</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Сальвора
Версия 1.0.1.9</source>
        <translation>Salvora
Version 1.0.1.9</translation>
    </message>
    <message>
        <source>Морской бой против компьютера.</source>
        <translation>A naval battle against the computer.</translation>
    </message>
</context>
<context>
    <name>TCommandLine</name>
    <message>
        <source>можно только одно из --host и --join, один раз</source>
        <translation>only one of --host and --join, once</translation>
    </message>
    <message>
        <source>--host: порт — число от 1 до 65535</source>
        <translation>--host: the port is a number from 1 to 65535</translation>
    </message>
    <message>
        <source>--join: нужен АДРЕС[:ПОРТ]</source>
        <translation>--join needs HOST[:PORT]</translation>
    </message>
    <message>
        <source>неизвестный параметр %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>Использование: salvora [--host [ПОРТ] | --join АДРЕС[:ПОРТ]]
Морской бой на двух полях 10 × 10 против компьютера или друга по сети.

  --host [ПОРТ]        создать игру по сети и ждать друга (порт 47600 или
                       последний использованный)
  --join АДРЕС[:ПОРТ]  присоединиться к игре по сети на АДРЕСЕ (адрес IPv4
                       или IPv6, [v6]:ПОРТ или имя машины)
  -h, --help           показать эту справку и выйти

Без параметров игра начинается против компьютера.
</source>
        <translation>Usage: salvora [--host [PORT] | --join HOST[:PORT]]
A naval battle on two 10 x 10 boards, against the computer or a friend over the network.

  --host [PORT]      host a network game and wait for a friend to join (port 47600 or
                     the one last used)
  --join HOST[:PORT] join the network game hosted at HOST (an IPv4 or IPv6 address,
                     [v6]:PORT, or a host name)
  -h, --help         print this help and exit

Without options the game starts against the computer.
</translation>
    </message>
    <message>
        <source>salvora: %1
Справка: salvora --help
</source>
        <translation>salvora: %1
Try &apos;salvora --help&apos;.
</translation>
    </message>
</context>
<context>
    <name>TFrameCodec</name>
    <message>
        <source>Сообщение слишком длинное</source>
        <translation>The message is too long</translation>
    </message>
</context>
<context>
    <name>TGameAccessible</name>
    <message>
        <source>Ваш ход.</source>
        <translation>Your turn.</translation>
    </message>
    <message>
        <source>Ход противника.</source>
        <translation>The enemy&apos;s turn.</translation>
    </message>
    <message>
        <source>Ваш последний выстрел</source>
        <translation>Your last shot</translation>
    </message>
    <message>
        <source>Выстрел противника</source>
        <translation>The enemy&apos;s shot</translation>
    </message>
    <message>
        <source>Итог боя</source>
        <translation>Result of the battle</translation>
    </message>
    <message>
        <source>Ваше поле</source>
        <translation>Your board</translation>
    </message>
    <message>
        <source>Поле противника</source>
        <translation>The enemy&apos;s board</translation>
    </message>
    <message>
        <source>вода</source>
        <translation>water</translation>
    </message>
    <message>
        <source>неизвестно</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>известная вода</source>
        <translation>known water</translation>
    </message>
    <message>
        <source>потопленный корабль</source>
        <translation>sunk ship</translation>
    </message>
    <message>
        <source>подбитая палуба</source>
        <translation>hit deck</translation>
    </message>
    <message>
        <source>палуба выбранного корабля</source>
        <translation>deck of the selected ship</translation>
    </message>
    <message>
        <source>палуба корабля</source>
        <translation>deck of a ship</translation>
    </message>
    <message>
        <source>мимо. </source>
        <translation>miss. </translation>
    </message>
    <message>
        <source>корабль потоплен. </source>
        <translation>ship sunk. </translation>
    </message>
    <message>
        <source>попадание. </source>
        <translation>hit. </translation>
    </message>
    <message>
        <source>Бой начался. </source>
        <translation>The battle has begun. </translation>
    </message>
    <message>
        <source>Ваши выстрелы: </source>
        <translation>Your shots: </translation>
    </message>
    <message>
        <source>Убито ваших кораблей: </source>
        <translation>Your ships sunk: </translation>
    </message>
    <message>
        <source>Выстрелы противника: </source>
        <translation>The enemy&apos;s shots: </translation>
    </message>
    <message>
        <source>Убито кораблей противника: </source>
        <translation>The enemy&apos;s ships sunk: </translation>
    </message>
    <message>
        <source>Новая игра: расставьте корабли.</source>
        <translation>New game: arrange your ships.</translation>
    </message>
    <message>
        <source>Противник ещё не стрелял.</source>
        <translation>The enemy has not shot yet.</translation>
    </message>
</context>
<context>
    <name>TKeyboardPlay</name>
    <message>
        <source>Стрелки</source>
        <translation>Arrows</translation>
    </message>
    <message>
        <source>двигают рамку по доске, что сейчас в игре</source>
        <translation>move the frame over the board in play</translation>
    </message>
    <message>
        <source>Пробел, Enter</source>
        <translation>Space, Enter</translation>
    </message>
    <message>
        <source>как щелчок по клетке в рамке: выбрать или поставить корабль, выстрелить</source>
        <translation>as a click on the framed cell: select or place a ship, fire</translation>
    </message>
    <message>
        <source>повернуть выбранный корабль</source>
        <translation>turn the selected ship</translation>
    </message>
    <message>
        <source>выбрать следующий корабль</source>
        <translation>select the next ship</translation>
    </message>
    <message>
        <source>выбрать предыдущий корабль</source>
        <translation>select the previous ship</translation>
    </message>
    <message>
        <source>расставить корабли случайно</source>
        <translation>arrange the ships at random</translation>
    </message>
    <message>
        <source>новая игра</source>
        <translation>new game</translation>
    </message>
    <message>
        <source>начать бой</source>
        <translation>start the battle</translation>
    </message>
    <message>
        <source>настройки</source>
        <translation>options</translation>
    </message>
    <message>
        <source>о программе</source>
        <translation>about</translation>
    </message>
    <message>
        <source>игра по сети</source>
        <translation>network game</translation>
    </message>
    <message>
        <source>Клавиши:</source>
        <translation>Keys:</translation>
    </message>
    <message>
        <source>Esc — закрыть окно диалога</source>
        <translation>Esc — close a dialog</translation>
    </message>
    <message>
        <source>Расставить корабли случайно: </source>
        <translation>Arrange the ships at random: </translation>
    </message>
</context>
<context>
    <name>TMessageCodec</name>
    <message>
        <source>Сообщение повреждено</source>
        <translation>The message is damaged</translation>
    </message>
    <message>
        <source>Недопустимый символ в тексте сообщения</source>
        <translation>A character not allowed in the text of a message</translation>
    </message>
    <message>
        <source>Сообщение слишком длинное</source>
        <translation>The message is too long</translation>
    </message>
    <message>
        <source>Неизвестный тип сообщения</source>
        <translation>An unknown kind of message</translation>
    </message>
</context>
<context>
    <name>TNetAddress</name>
    <message>
        <source>Порт — число от 1 до 65535</source>
        <translation>The port is a number from 1 to 65535</translation>
    </message>
    <message>
        <source>Неверный адрес: %1</source>
        <translation>Not an address: %1</translation>
    </message>
    <message>
        <source>Введите адрес</source>
        <translation>Enter an address</translation>
    </message>
</context>
<context>
    <name>TNetDialog</name>
    <message>
        <source>Игра по сети</source>
        <translation>Network game</translation>
    </message>
    <message>
        <source>Ваше имя:</source>
        <translation>Your name:</translation>
    </message>
    <message>
        <source> Создать игру </source>
        <translation> Host a game </translation>
    </message>
    <message>
        <source>Порт:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Создать игру</source>
        <translation>Host</translation>
    </message>
    <message>
        <source> Присоединиться </source>
        <translation> Join a game </translation>
    </message>
    <message>
        <source>Адрес:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>адрес или имя</source>
        <translation>address or name</translation>
    </message>
    <message>
        <source>Подключиться</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Игры в локальной сети:</source>
        <translation>Games on the local network:</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Отменено.</source>
        <translation>Cancelled.</translation>
    </message>
    <message>
        <source>(игры в сети не слышны: порт %1 занят)</source>
        <translation>(no games can be heard: port %1 is in use)</translation>
    </message>
    <message>
        <source>Игрок</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Сеть не найдена: подключиться можно только с этой машины (127.0.0.1, порт %1).</source>
        <translation>No network found: a friend can join only from this machine (127.0.0.1, port %1).</translation>
    </message>
    <message>
        <source>Сообщите сопернику: %1</source>
        <translation>Tell your opponent: %1</translation>
    </message>
</context>
<context>
    <name>TNetHost</name>
    <message>
        <source>Порт %1 уже занят другой программой. Выберите другой порт.</source>
        <translation>Port %1 is taken by another program. Choose another port.</translation>
    </message>
    <message>
        <source>Нет прав открыть порт %1. Выберите порт больше 1024.</source>
        <translation>Not allowed to open port %1. Choose a port above 1024.</translation>
    </message>
    <message>
        <source>Нет сети: порт %1 открыть не удалось.</source>
        <translation>No network: port %1 could not be opened.</translation>
    </message>
    <message>
        <source>Порт %1 открыть не удалось: %2</source>
        <translation>Port %1 could not be opened: %2</translation>
    </message>
    <message>
        <source>Эта игра уже занята другим игроком</source>
        <translation>This game already has another player</translation>
    </message>
</context>
<context>
    <name>TNetJoin</name>
    <message>
        <source>%1 не отвечает</source>
        <translation>%1 does not answer</translation>
    </message>
    <message>
        <source>На %1 никто не ждёт игры (соединение отклонено)</source>
        <translation>No one waits for a game at %1 (connection refused)</translation>
    </message>
    <message>
        <source>Адрес %1 не найден</source>
        <translation>Address %1 not found</translation>
    </message>
    <message>
        <source>Нет сети: %1 недоступен</source>
        <translation>No network: %1 cannot be reached</translation>
    </message>
    <message>
        <source>Не удалось подключиться к %1: %2</source>
        <translation>Could not connect to %1: %2</translation>
    </message>
</context>
<context>
    <name>TNetSession</name>
    <message>
        <source>Ждём соперника на порту %1…</source>
        <translation>Waiting for an opponent on port %1…</translation>
    </message>
    <message>
        <source>Подключение к %1…</source>
        <translation>Connecting to %1…</translation>
    </message>
</context>
<context>
    <name>TNetStrip</name>
    <message>
        <source>Принять</source>
        <translation>Accept</translation>
    </message>
    <message>
        <source>Отказаться</source>
        <translation>Decline</translation>
    </message>
    <message>
        <source>Покинуть игру</source>
        <translation>Leave game</translation>
    </message>
    <message>
        <source>Сообщение сопернику, Enter — отправить</source>
        <translation>A message to your opponent, Enter sends it</translation>
    </message>
    <message>
        <source>Соперник: %1</source>
        <translation>Opponent: %1</translation>
    </message>
</context>
<context>
    <name>TOptionsDialog</name>
    <message>
        <source>Настройки </source>
        <translation>Options</translation>
    </message>
    <message>
        <source> Эффекты </source>
        <translation> Effects </translation>
    </message>
    <message>
        <source>Анимация пожаров на кораблях</source>
        <translation>Animated fires on the ships</translation>
    </message>
    <message>
        <source>Звук </source>
        <translation>Sound</translation>
    </message>
    <message>
        <source> Уровень компьютера </source>
        <translation> Computer&apos;s level </translation>
    </message>
    <message>
        <source>Новичок</source>
        <translation>Novice</translation>
    </message>
    <message>
        <source>Обычный</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Сильный</source>
        <translation>Strong</translation>
    </message>
    <message>
        <source>Стреляет наугад и не всегда добивает раненый корабль</source>
        <translation>Shoots at random and does not always finish off a hit ship</translation>
    </message>
    <message>
        <source>Компьютер, каким он был всегда</source>
        <translation>The computer as it has always been</translation>
    </message>
    <message>
        <source>Стреляет туда, где корабль вероятнее всего, и прячет свой флот</source>
        <translation>Shoots where a ship is most likely, and hides its own fleet</translation>
    </message>
    <message>
        <source> Отмена </source>
        <translation> Cancel </translation>
    </message>
</context>
<context>
    <name>TPeerConnection</name>
    <message>
        <source>Соединение потеряно</source>
        <translation>Connection lost</translation>
    </message>
    <message>
        <source>Соперник не принимает данные</source>
        <translation>The opponent takes no data</translation>
    </message>
    <message>
        <source>Соперник шлёт слишком много сообщений</source>
        <translation>The opponent sends too many messages</translation>
    </message>
    <message>
        <source>Соперник вышел из игры</source>
        <translation>The opponent left the game</translation>
    </message>
    <message>
        <source>На том конце не Сальвора</source>
        <translation>The other end is not Salvora</translation>
    </message>
    <message>
        <source>Разные версии игры: у вас протокол %1, у соперника %2</source>
        <translation>Different versions of the game: your protocol is %1, the opponent&apos;s %2</translation>
    </message>
</context>
<context>
    <name>TSalvoraMainWin</name>
    <message>
        <source>Сальвора</source>
        <translation>Salvora</translation>
    </message>
    <message>
        <source>Выстрелов:</source>
        <translation>Shots:</translation>
    </message>
    <message>
        <source>Убито моих:</source>
        <translation>Ships lost:</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Начать бой</source>
        <translation>Start battle</translation>
    </message>
    <message>
        <source>Настройки </source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Игра по сети</source>
        <translation>Network game</translation>
    </message>
    <message>
        <source>Ваш ход</source>
        <translation>Your turn</translation>
    </message>
    <message>
        <source>Ход соперника</source>
        <translation>The opponent&apos;s turn</translation>
    </message>
    <message>
        <source>Расставьте корабли и нажмите «Начать бой»</source>
        <translation>Arrange your ships and press “Start battle”</translation>
    </message>
</context>
</TS>
