#!/usr/bin/env python3
"""Writes season/schedule_tables.cpp: the season templates' slots, the fixed schedule tables by
league size and the fixed slot orders. Run from the project root; the output is the same on every
run (fixed seeds). Needs networkx for the home-and-away orientation."""
import random
import sys

import networkx as nx

EMPTY = -128

# ---- the 32-slot season templates -------------------------------------------------------------

LEAGUE_PAIRS = {  # division pairs that meet in full within a league, and the rest as two matchings
    'A': ([(0, 1), (2, 3)], [[(0, 2), (1, 3)], [(0, 3), (1, 2)]]),
    'B': ([(0, 2), (1, 3)], [[(0, 1), (2, 3)], [(0, 3), (1, 2)]]),
    'C': ([(0, 3), (1, 2)], [[(0, 1), (2, 3)], [(0, 2), (1, 3)]]),
}
CROSS_PAIRS = {
    'P': [(0, 4), (1, 5), (2, 7), (3, 6)],
    'Q': [(0, 5), (1, 7), (2, 6), (3, 4)],
    'R': [(0, 6), (1, 4), (2, 5), (3, 7)],
    'S': [(0, 7), (1, 6), (2, 4), (3, 5)],
}
# name, league pattern, cross pattern, first and last bye week
TEMPLATES = [
    ('2002', 'C', 'R', 2, 9), ('2003', 'A', 'P', 2, 9), ('2004', 'B', 'S', 2, 9),
    ('2005', 'C', 'Q', 2, 9), ('2006', 'A', 'R', 2, 8), ('2007', 'B', 'P', 3, 9),
    ('2008', 'C', 'S', 3, 9),
    ('mod 0', 'B', 'S', 3, 12), ('mod 1', 'C', 'Q', 4, 10), ('mod 2', 'A', 'R', 3, 11),
    ('mod 3', 'B', 'P', 3, 11), ('mod 4', 'C', 'S', 4, 12), ('mod 5', 'A', 'Q', 3, 9),
    ('mod 6', 'B', 'R', 3, 9), ('mod 7', 'C', 'P', 4, 10), ('mod 8', 'A', 'S', 3, 10),
    ('mod 9', 'B', 'Q', 3, 11), ('mod 10', 'C', 'R', 3, 11), ('mod 11', 'A', 'P', 3, 10),
    ('18-week', 'A', 'Q', 5, 13),
]
DAY_TIME = 8
LONG = 19
# Games per week of the day-and-time template's bye weeks (its day table has these positions).
DAY_TIME_WEEK_GAMES = {4: 14, 5: 14, 6: 15, 7: 13, 8: 13, 9: 14, 10: 13}
# Games the day-and-time template holds at fixed places: (week, position, away, home).
DAY_TIME_FIXED = [(0, 0, 12, 0), (0, 1, 3, 2), (0, 2, 20, 27), (4, 12, 12, 4), (4, 13, 26, 27)]


def slot(division, place):
    return 4 * division + place


def full_pair_rounds(pairs):
    """Four rounds in which each division of a pair meets all four of the other."""
    rounds = []
    for r in range(4):
        games = []
        for d1, d2 in pairs:
            for i in range(4):
                a, b = slot(d1, i), slot(d2, (i + r) % 4)
                games.append((b, a) if r % 2 == 0 else (a, b))  # (away, home)
        rounds.append(games)
    return rounds


def same_place_rounds(matchings, reverse):
    """Two rounds of same-place games along the 4-cycle of the divisions not paired in full;
    each division hosts once and visits once."""
    edges = matchings[0] + matchings[1]
    cycle = [edges[0][0], edges[0][1]]
    while len(cycle) < 4:
        last = cycle[-1]
        for a, b in edges:
            for x, y in ((a, b), (b, a)):
                if x == last and y not in cycle:
                    cycle.append(y)
                    break
            if len(cycle) > 4 or cycle[-1] != last:
                break
    if reverse:
        cycle.reverse()
    visits = {(cycle[k], cycle[(k + 1) % 4]) for k in range(4)}  # (visitor, host) divisions
    rounds = []
    for matching in matchings:
        games = []
        for d1, d2 in matching:
            v, h = (d1, d2) if (d1, d2) in visits else (d2, d1)
            for i in range(4):
                games.append((slot(v, i), slot(h, i)))
        rounds.append(games)
    return rounds


def template_rounds(league, cross, reverse, extra_cross=None):
    full, rest = LEAGUE_PAIRS[league]
    rounds = []
    for matching in ([(0, 1), (2, 3)], [(0, 2), (1, 3)], [(0, 3), (1, 2)]):  # division games
        for leg in range(2):
            games = []
            for d in range(8):
                for p1, p2 in matching:
                    a, b = slot(d, p1), slot(d, p2)
                    games.append((a, b) if leg == 0 else (b, a))
            rounds.append(games)
    both = lambda pairs: pairs + [(a + 4, b + 4) for a, b in pairs]
    rounds += full_pair_rounds(both(full))
    sp0 = same_place_rounds(rest, reverse[0])
    sp1 = same_place_rounds(rest, reverse[1])
    for k in range(2):
        rounds.append(sp0[k] + [(a + 16, b + 16) for a, b in sp1[k]])
    rounds += full_pair_rounds(CROSS_PAIRS[cross])
    if extra_cross:
        games = []
        for n, (d1, d2) in enumerate(CROSS_PAIRS[extra_cross]):
            for i in range(4):
                a, b = slot(d1, i), slot(d2, i)
                games.append((a, b) if n % 2 == 0 else (b, a))
        rounds.append(games)
    return rounds


def pack_rounds(rng, rounds, weeks, week_games, teams):
    """Puts the rounds (perfect matchings) into the weeks: one round a full week; the rounds of the
    bye weeks give up games to one of the bye weeks, so every team sits out exactly once."""
    full = teams // 2
    byes = [w for w in range(weeks) if week_games[w] < full]
    while True:
        order = rounds[:]
        rng.shuffle(order)
        gather = rng.choice(byes)
        result = {}
        it = iter(order)
        for w in range(weeks):
            if w != gather:
                result[w] = list(next(it))
        used = set()
        moved = []
        ok = True
        for w in rng.sample(byes, len(byes)):
            if w == gather:
                continue
            need = full - week_games[w]
            cands = [g for g in result[w] if g[0] not in used and g[1] not in used]
            rng.shuffle(cands)
            take = []
            for g in cands:
                if len(take) == need:
                    break
                if g[0] not in used and g[1] not in used:
                    take.append(g)
                    used.update(g)
            if len(take) < need:
                ok = False
                break
            for g in take:
                result[w].remove(g)
            moved += take
        if ok and len(moved) == week_games[gather]:
            result[gather] = moved
            return result


def kempe_move(sched, game, target):
    """Moves a game to the target week by swapping the weeks of its two-week alternating chain."""
    src = next(w for w, gs in sched.items() if game in gs)
    if src == target:
        return
    pool = {g: src for g in sched[src]}
    pool.update({g: target for g in sched[target]})
    chain, todo, seen = set(), [game], set()
    while todo:
        g = todo.pop()
        if g in chain:
            continue
        chain.add(g)
        for t in g:
            if t in seen:
                continue
            seen.add(t)
            todo += [h for h in pool if t in h and h not in chain]
    for g in chain:
        w = pool[g]
        sched[w].remove(g)
        sched[target if w == src else src].append(g)


def build_template(index, rng):
    name, league, cross, first_bye, last_bye = TEMPLATES[index]
    weeks = 18 if index == LONG else 17
    byes = list(range(first_bye, last_bye + 1))
    extra = 'P' if index == LONG else None
    while True:
        week_games = [16] * weeks
        if index == DAY_TIME:
            for w, n in DAY_TIME_WEEK_GAMES.items():
                week_games[w] = n
        else:
            deficit = [1] * len(byes)
            while sum(deficit) < 16:
                k = rng.randrange(len(byes))
                if deficit[k] < 3:
                    deficit[k] += 1
            for w, d in zip(byes, deficit):
                week_games[w] = 16 - d
        reverse = (rng.random() < 0.5, rng.random() < 0.5)
        rounds = template_rounds(league, cross, reverse, extra)
        all_games = [g for r in rounds for g in r]
        if index == DAY_TIME and not all(
                (a, h) in all_games for _, _, a, h in DAY_TIME_FIXED):
            continue
        sched = pack_rounds(rng, rounds, weeks, week_games, 32)
        if index == DAY_TIME:
            for w, _, a, h in DAY_TIME_FIXED:
                kempe_move(sched, (a, h), w)
            if any((a, h) not in sched[w] for w, _, a, h in DAY_TIME_FIXED):
                continue
            if any(len(sched[w]) != week_games[w] for w in range(weeks)):
                continue
        table = []
        for w in range(weeks):
            games = sched[w][:]
            rng.shuffle(games)
            fixed = {p: (a, h) for fw, p, a, h in DAY_TIME_FIXED if fw == w} if index == DAY_TIME else {}
            rest = [g for g in games if g not in fixed.values()]
            row = []
            for p in range(week_games[w]):
                row.append(fixed[p] if p in fixed else rest.pop())
            row += [(EMPTY, EMPTY)] * (16 - len(row))
            table.append(row)
        check_template(index, table, league, cross)
        return table


def check_template(index, table, league, cross):
    weeks = len(table)
    games = [g for row in table for g in row if g[0] != EMPTY]
    assert len(games) == (272 if index == LONG else 256)
    for s in range(32):
        played = [(w, g) for w, row in enumerate(table) for g in row if s in g]
        assert len({w for w, _ in played}) == len(played)
        assert len(played) == (17 if index == LONG else 16)
        home = sum(1 for _, g in played if g[1] == s)
        assert home in ((8, 9) if index == LONG else (8,))
        opp = [g[0] if g[1] == s else g[1] for _, g in played]
        for o in range(4 * (s // 4), 4 * (s // 4) + 4):
            if o != s:
                assert opp.count(o) == 2


def template_rows():
    rng = random.Random(2002)
    return [build_template(i, rng) for i in range(len(TEMPLATES))]


# ---- the fixed schedules by league size -------------------------------------------------------

def circle_rounds(n, count):
    """The first rounds of the circle method over n teams (n even)."""
    rounds = []
    for r in range(count):
        r %= n - 1
        games = [(r, n - 1)]
        for k in range(1, n // 2):
            games.append(((r + k) % (n - 1), (r - k) % (n - 1)))
        rounds.append(games)
    return rounds


def orient(n, games, rng):
    """Home and away by an Euler circuit of each part, so every team hosts half its games."""
    g = nx.MultiGraph()
    g.add_nodes_from(range(n))
    for a, b in games:
        g.add_edge(a, b)
    home = {}
    for comp in nx.connected_components(g):
        sub = g.subgraph(comp)
        if sub.number_of_edges() == 0:
            continue
        for a, b, key in nx.eulerian_circuit(sub, keys=True):
            home[(min(a, b), max(a, b), key)] = b
    counts = {}
    out = []
    for a, b in games:
        lo, hi = min(a, b), max(a, b)
        k = counts.get((lo, hi), 0)
        counts[(lo, hi)] = k + 1
        key = sorted(kk for (x, y, kk) in home if (x, y) == (lo, hi))[k]
        h = home[(lo, hi, key)]
        out.append((a if h == b else b, h))
    return out


def schedule_from_weeks(n, weeks_games, positions, rng):
    flat = [g for gs in weeks_games for g in gs]
    oriented = orient(n, flat, rng)
    table, k = [], 0
    for gs in weeks_games:
        row = oriented[k:k + len(gs)]
        k += len(gs)
        rng.shuffle(row)
        table.append(row + [(EMPTY, EMPTY)] * (positions - len(row)))
    return table


def even_table(n, games, weeks, rng, bye_weeks=()):
    rounds = circle_rounds(n, games)
    if weeks == games:
        rng.shuffle(rounds)
        return schedule_from_weeks(n, rounds, n // 2, rng)
    week_games = [n // 2] * weeks
    deficit = [1] * len(bye_weeks)
    while sum(deficit) < n // 2:
        k = rng.randrange(len(bye_weeks))
        if deficit[k] < 3:
            deficit[k] += 1
    for w, d in zip(bye_weeks, deficit):
        week_games[w] = n // 2 - d
    sched = pack_rounds(rng, rounds, weeks, week_games, n)
    return schedule_from_weeks(n, [sched[w] for w in range(weeks)], n // 2, rng)


def odd_31_table(rng):
    """31 teams, 16 games in 17 weeks, each team one bye: the circle method over 32 with a dummy
    team, then one game taken out of seven of the weeks for the teams the dummy never met."""
    while True:
        rounds = circle_rounds(32, 17)
        weeks = [[g for g in r if 31 not in g] for r in rounds]
        sat = {t for r in rounds for g in r if 31 in g for t in g if t != 31}
        busy = [t for t in range(31) if t not in sat]
        free = set(busy)
        order = list(range(17))
        rng.shuffle(order)
        for w in order:
            cands = [g for g in weeks[w] if g[0] in free and g[1] in free]
            if cands:
                g = rng.choice(cands)
                weeks[w].remove(g)
                free -= set(g)
        if not free:
            rng.shuffle(weeks)
            return schedule_from_weeks(31, weeks, 15, rng)


def twelve_team_table(rng):
    """A full round of meetings and one rematch week; one game of it turned round, so that one team
    hosts 7 and its guest 5."""
    rounds = circle_rounds(12, 12)
    rng.shuffle(rounds)
    table = schedule_from_weeks(12, rounds, 6, rng)
    a, h = table[-1][0]
    table[-1][0] = (h, a)
    return table


def check_table(n, table, games, homes):
    for t in range(n):
        played = [(w, g) for w, row in enumerate(table) for g in row if t in g]
        assert len(played) == games, (n, t, len(played))
        assert len({w for w, _ in played}) == len(played)
        assert sum(1 for _, g in played if g[1] == t) in homes, (n, t)
        assert all(g[0] != g[1] for _, g in played)


def fixed_tables():
    rng = random.Random(1959)
    t = {}
    t['k12TeamSchedule'] = twelve_team_table(rng)
    check_table(12, t['k12TeamSchedule'], 12, (5, 6, 7))
    t['k26TeamSchedule'] = even_table(26, 14, 14, rng)
    check_table(26, t['k26TeamSchedule'], 14, (7,))
    t['k28Team14GameSchedule'] = even_table(28, 14, 14, rng)
    check_table(28, t['k28Team14GameSchedule'], 14, (7,))
    t['k28TeamSchedule'] = even_table(28, 16, 16, rng)
    check_table(28, t['k28TeamSchedule'], 16, (8,))
    t['k28TeamByeSchedule'] = even_table(28, 16, 17, rng, range(3, 12))
    check_table(28, t['k28TeamByeSchedule'], 16, (8,))
    t['k30TeamSchedule'] = even_table(30, 16, 17, rng, range(3, 12))
    check_table(30, t['k30TeamSchedule'], 16, (8,))
    t['k2001Schedule'] = odd_31_table(rng)
    check_table(31, t['k2001Schedule'], 16, (8,))
    return t


def orders():
    rng = random.Random(2021)
    out = {}
    for name, n in (('k1959Order', 12), ('k1972Order', 26), ('k1976Order', 28),
                    ('k1986Order', 28), ('k1990Order', 28), ('k1998Order', 30),
                    ('k2001Order', 31)):
        p = list(range(n))
        rng.shuffle(p)
        out[name] = p
    yearly = []  # the 32-team orders keep each division's four teams on its four slots
    for _ in range(2002, 2022):
        p = []
        for d in range(8):
            places = list(range(4 * d, 4 * d + 4))
            rng.shuffle(places)
            p += places
        yearly.append(p)
    return out, yearly


# ---- output -----------------------------------------------------------------------------------

def c_pairs(row, indent):
    """A row of games, six to a line."""
    items = ['{%d, %d}' % g for g in row]
    lines = [', '.join(items[k:k + 6]) for k in range(0, len(items), 6)]
    return '{' + (',\n' + ' ' * (indent + 1)).join(lines) + '}'


def main():
    out = []
    w = out.append
    w('// The constant schedule data: the season templates\' slots, the fixed schedules by league')
    w('// size and the fixed slot orders. Written by scripts/make_schedule_tables.py; edit that, not')
    w('// this file. Each game is {away slot, home slot}; {-128, -128} holds no game.')
    w('#include "season/season_internal.h"')
    w('')
    w('// clang-format off')
    w('// Templates 0..6 the seasons 2002..2008, 7..18 by year mod 12, 19 the 18-week one; the')
    w('// 17-week templates hold no game in week 17.')
    w('const int8_t kTemplateSlots[TEMPLATE_COUNT][LONG_TEMPLATE_WEEKS][TEMPLATE_POSITIONS][2] = {')
    for i, table in enumerate(template_rows()):
        w('    // %s' % TEMPLATES[i][0])
        w('    {')
        rows = table + [[(EMPTY, EMPTY)] * 16] * (18 - len(table))
        for row in rows:
            w('        ' + c_pairs(row, 8) + ',')
        w('    },')
    w('};')
    w('')
    tables = fixed_tables()
    dims = {
        'k12TeamSchedule': '[12][6][2]', 'k26TeamSchedule': '[14][13][2]',
        'k28Team14GameSchedule': '[14][14][2]', 'k28TeamByeSchedule': '[17][14][2]',
        'k30TeamSchedule': '[17][15][2]', 'k2001Schedule': '[17][15][2]',
    }
    for name, table in tables.items():
        if name == 'k28TeamSchedule':
            w('// {week from 1, day, away slot, home slot}')
            w('const int16_t k28TeamSchedule[16 * 14][4] = {')
            for wk, row in enumerate(table):
                items = ['{%d, %d, %d, %d}' % (wk + 1, 10 + 7 * wk, a, h) for a, h in row]
                for k in range(0, len(items), 5):
                    w('    ' + ', '.join(items[k:k + 5]) + ',')
            w('};')
        else:
            w('const int8_t %s%s = {' % (name, dims[name]))
            for row in table:
                w('    ' + c_pairs(row, 4) + ',')
            w('};')
        w('')
    fixed, yearly = orders()
    for name, p in fixed.items():
        w('const int8_t %s[%d] = {' % (name, len(p)))
        for k in range(0, len(p), 16):
            w('    ' + ', '.join(map(str, p[k:k + 16])) + ',')
        w('};')
    w('')
    w('// The 32-team orders of the years 2002..2021.')
    w('const int8_t k32TeamOrders[20][32] = {')
    for p in yearly:
        w('    {' + ', '.join(map(str, p[:16])) + ',')
        w('     ' + ', '.join(map(str, p[16:])) + '},')
    w('};')
    w('// clang-format on')
    sys.stdout.write('\n'.join(out) + '\n')


if __name__ == '__main__':
    main()
