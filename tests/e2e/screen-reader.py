#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# The game as a screen reader hears it, read through AT-SPI while the keyboard plays a whole
# game against the fleet that fleet-for-seed knows: the boards' cells by name, the cell the
# keyboard's frame stands on as the focus, and the news of every shot, turn and the end.
# Run by screen-reader.sh with the game started and its decks ("X Y" lines) on stdin.
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

LETTERS = "АБВГДЕЖЗИК"
SIZES = [4, 3, 3, 2, 2, 2, 1, 1, 1, 1]
FLEET_DECKS = sum(SIZES)
context = GLib.MainContext.default()
news = []  # (panel description, name) of each status panel's name change, as it came
focus = []  # (board, cell name) of each focus event


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def pump(seconds, until=lambda: None):
    """Lets AT-SPI's events in until until() gives something or the seconds are over; returns
    what until() gave last."""
    end = time.time() + seconds
    while True:
        while context.pending():
            context.iteration(False)
        found = until()
        if found or time.time() > end:
            return found
        time.sleep(0.02)


def coordinate(x, y):
    return "%s-%d" % (LETTERS[y], x + 1)


def on_name(event):
    try:
        if event.source.getRoleName() == "label" and event.source.description:
            news.append((event.source.description, event.source.name))
    except Exception:
        pass


def on_focus(event):
    try:
        if event.source.getRoleName() == "table cell":
            focus.append((event.source.parent.name, event.source.name))
    except Exception:
        pass


def find(root, test, depth=0):
    if test(root):
        return root
    if depth > 5:
        return None
    for i in range(root.childCount):
        found = find(root.getChildAtIndex(i), test, depth + 1)
        if found is not None:
            return found
    return None


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "30", *keys], check=True)


decks = [tuple(map(int, line.split())) for line in sys.stdin if line.strip()]
if len(decks) != FLEET_DECKS:
    fail("not %d decks from fleet-for-seed: %s" % (FLEET_DECKS, decks))
# Ships never touch, so each is a group of decks joined side by side.
ship_of = {}
sizes = []
for deck in decks:
    if deck in ship_of:
        continue
    ship_of[deck] = len(sizes)
    group = [deck]
    for x, y in group:
        for near in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
            if near in decks and near not in ship_of:
                ship_of[near] = len(sizes)
                group.append(near)
    sizes.append(len(group))
if sorted(sizes, reverse=True) != SIZES:
    fail("the decks make ships of %s" % sizes)

app = pump(10, lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "salvora"), None))
if app is None:
    fail("the game is not on the accessibility bus")
window = app.getChildAtIndex(0)
if window.getRoleName() != "frame" or window.name != "Сальвора":
    fail("the window reads as %s '%s'" % (window.getRoleName(), window.name))
boards = {}
for name in ("Ваше поле", "Поле противника"):
    boards[name] = find(window, lambda a, n=name: a.getRoleName() == "table" and a.name == n)
    if boards[name] is None:
        fail("no table '%s'" % name)
mine, theirs = boards["Ваше поле"], boards["Поле противника"]


def cells(board):
    table = board.queryTable()
    if (table.nRows, table.nColumns) != (10, 10):
        fail("%s is %d x %d" % (board.name, table.nRows, table.nColumns))
    names = {}
    for y in range(10):
        if table.getRowDescription(y) != LETTERS[y] or table.getColumnDescription(y) != str(y + 1):
            fail("row %d / column %d headed %s / %s" % (y, y, table.getRowDescription(y), table.getColumnDescription(y)))
        for x in range(10):
            name = table.getAccessibleAt(y, x).name
            prefix = coordinate(x, y) + ": "
            if not name.startswith(prefix):
                fail("%s cell (row %d, column %d) is named '%s'" % (board.name, y, x, name))
            names[(x, y)] = name[len(prefix) :]
    return names


def count(names, what):
    return sum(1 for v in names.values() if v == what)


# Set-up: the fleet lined up on the player's board, one ship selected; nothing on the other.
before = cells(mine)
decks_mine = count(before, "палуба корабля") + count(before, "палуба выбранного корабля")
if decks_mine != FLEET_DECKS or count(before, "вода") != 100 - FLEET_DECKS:
    fail("the player's board in set-up reads %s" % sorted(set(before.values())))
if count(before, "палуба выбранного корабля") not in SIZES:
    fail("the selected ship reads as %d decks" % count(before, "палуба выбранного корабля"))
if set(cells(theirs).values()) != {"неизвестно"}:
    fail("the computer's board in set-up reads %s" % sorted(set(cells(theirs).values())))
print("set-up: А-1 of the player's board reads '%s'" % mine.queryTable().getAccessibleAt(0, 0).name)

pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
pyatspi.Registry.registerEventListener(on_focus, "focus:")
pump(0.5)

# The frame moves with the arrows and the focus with it.
key("ctrl+r", "Right", "Down")
if not pump(5, lambda: ("Ваше поле", "Б-2") in [(b, n.split(":")[0]) for b, n in focus]):
    fail("no focus on Б-2 of the player's board after Right, Down: %s" % focus)
cell = mine.queryTable().getAccessibleAt(1, 1)
if not cell.getState().contains(pyatspi.STATE_FOCUSED):
    fail("Б-2 is not in the focused state")
print("focus after Right, Down: %s / %s" % focus[-1])

key("ctrl+Return")
if not pump(5, lambda: ("Ваш последний выстрел", "Бой начался. Ваш ход.") in news):
    fail("no news of the battle's start: %s" % news)
if not pump(5, lambda: focus and focus[-1] == ("Поле противника", "А-1: неизвестно")):
    fail("the focus did not go to А-1 of the computer's board: %s" % focus[-3:])
if set(cells(theirs).values()) != {"неизвестно"}:
    fail("the computer's hidden fleet shows: %s" % sorted(set(cells(theirs).values())))

frame = [0, 0]


def fire_at(x, y):
    moves = []
    moves += ["Right"] * (x - frame[0]) + ["Left"] * (frame[0] - x)
    moves += ["Down"] * (y - frame[1]) + ["Up"] * (frame[1] - y)
    frame[:] = [x, y]
    key(*moves, "space")


def wait_news(panel, pattern, seconds=20):
    seen = len(news)

    def arrived():
        return any(p == panel and re.fullmatch(pattern, n) for p, n in news[seen:])

    if not pump(seconds, arrived):
        fail("no news on '%s' like '%s'; heard %s" % (panel, pattern, news[seen:]))
    return next(re.fullmatch(pattern, n) for p, n in news[seen:] if p == panel and re.fullmatch(pattern, n))


# A miss first, on a cell clear of every deck: the turn goes over and the computer shoots
# until it misses.
water = next((x, y) for y in range(10) for x in range(10) if (x, y) not in ship_of)
pending = [water] + decks
sunk_decks = {ship: 0 for ship in range(len(sizes))}
enemy_shots = 0
told = {}
for x, y in pending:
    shooting_at = coordinate(x, y)
    fire_at(x, y)
    if (x, y) not in ship_of:
        heard = wait_news("Ваш последний выстрел", "Ваш последний удар на %s: мимо\\. Ход противника\\." % shooting_at)[0]
        print("miss: " + heard)
        if cells(theirs)[(x, y)] != "известная вода":
            fail("the missed cell reads '%s'" % cells(theirs)[(x, y)])
        # The computer's shots until one misses, each told with the turn after it.
        while True:
            told_shot = wait_news("Выстрел противника", "Последний удар противника на ([А-К])-(\\d+): (мимо|попадание|корабль потоплен)\\. (Ваш ход|Ход противника)\\.")
            enemy_shots += 1
            heard, (letter, number, result, turn) = told_shot[0], told_shot.groups()
            now = cells(mine)[(int(number) - 1, LETTERS.index(letter))]
            expected = {"мимо": "известная вода", "попадание": "подбитая палуба", "корабль потоплен": "потопленный корабль"}[result]
            if now != expected or (turn == "Ваш ход") != (result == "мимо"):
                fail("'%s' but the cell reads '%s'" % (heard, now))
            print("computer: " + heard)
            if turn == "Ваш ход":
                break
        continue
    ship = ship_of[(x, y)]
    sunk_decks[ship] += 1
    sunk = sunk_decks[ship] == sizes[ship]
    last = all(sunk_decks[s] == sizes[s] for s in sunk_decks)
    result = "корабль потоплен" if sunk else "попадание"
    after = "Вы победили!" if last else "Ваш ход."
    heard = wait_news("Ваш последний выстрел", "Ваш последний удар на %s: %s\\. %s" % (shooting_at, result, re.escape(after)))[0]
    now = cells(theirs)[(x, y)]
    if now != ("потопленный корабль" if sunk else "подбитая палуба"):
        fail("after '%s' the cell reads '%s'" % (heard, now))
    if not told.get((result, after)):
        told[(result, after)] = True
        print("hit: " + heard)

if not pump(5, lambda: ("Итог боя", "Вы победили!") in news):
    fail("no news of the game's end on the result panel: %s" % news[-3:])
final = cells(theirs)
if count(final, "потопленный корабль") != FLEET_DECKS or "неизвестно" in [final[d] for d in decks]:
    fail("the won board reads %s" % sorted(set(final.values())))
print("end: the computer's board reads %d sunk decks, %d known water, %d unknown"
      % (count(final, "потопленный корабль"), count(final, "известная вода"), count(final, "неизвестно")))
# Each shot is told once: a screen reader would say a doubled event twice.
mine_told = [n for p, n in news if p == "Ваш последний выстрел"]
if len(mine_told) != len(pending) + 1 or len(set(mine_told)) != len(mine_told):
    fail("the player's %d shots were told as %s" % (len(pending), mine_told))
theirs_told = [n for p, n in news if p == "Выстрел противника"]
if len(theirs_told) != enemy_shots:
    fail("the computer's %d shots were told as %s" % (enemy_shots, theirs_told))
# The counters, read by their names, against the shots this game saw.
lost = sum(1 for n in theirs_told if ": корабль потоплен." in n)
for expected in ("Ваши выстрелы: %d" % len(pending), "Убито кораблей противника: 10",
                 "Выстрелы противника: %d" % enemy_shots, "Убито ваших кораблей: %d" % lost):
    if find(window, lambda a: a.getRoleName() == "label" and a.name == expected) is None:
        fail("no counter '%s'" % expected)
status_bar = find(window, lambda a: a.getRoleName() == "status bar")
if status_bar is None or status_bar.getChildAtIndex(0).name != mine_told[-1]:
    fail("the status bar does not hold the last news")
print("ok: both boards' cells, the focus and the news of %d shots of the player's and %d of the "
      "computer's read through AT-SPI" % (len(pending), enemy_shots))
