#!/usr/bin/env python3
"""Independent check of `grdtool accuracy DIR --lines GAMES.csv`: recomputes the season
row from the archive files and the game records with nothing of the program's code.

usage: scripts/verify-accuracy.py DIR GAMES.csv TEAMS.csv SEASON
Team numbers follow the alphabetical order of the franchises playing in SEASON."""
import csv
import glob
import os
import sys

directory, games_csv, teams_csv, season = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
suffix = "." + str(season)[2:]

teams = {}
for row in csv.DictReader(open(teams_csv)):
    if int(row["first_season"]) <= season <= int(row["last_season"]):
        teams[row["franchise"]] = row["abbr"]
number_of = {teams[f]: n + 1 for n, f in enumerate(sorted(teams))}


def read_archive(path):
    lines = open(path, newline="").read().split("\r\n")
    if len(lines) < 2 or lines[1].strip() != "AD":
        return None
    t = int(lines[2])
    at = 3 + t + 2
    scores = []
    for i in range(int(lines[at])):
        a, sa, b, sb = map(int, lines[at + 1 + i].split())
        scores.append((a, sa, b, sb))
    at += 1 + len(scores)
    forecasts = []
    for i in range(int(lines[at])):
        a, b, spread = lines[at + 1 + i].split()
        forecasts.append((int(a), int(b), float(spread)))
    at += 1 + len(forecasts)
    week = int(lines[at + 1])
    return week, forecasts, scores


archives = {}
for path in sorted(glob.glob(os.path.join(directory, "*" + suffix))):
    archive = read_archive(path)
    if archive:
        archives[archive[0]] = archive

regular = max(int(r["week"]) for r in csv.DictReader(open(games_csv)) if r["game_type"] == "REG")
lines = {}
for r in csv.DictReader(open(games_csv)):
    if r["spread_line"].strip():
        w = int(r["week"])
        w = w if w <= regular else 100 + w - regular - 1
        lines[(w, number_of[r["away_team"]], number_of[r["home_team"]])] = float(r["spread_line"])

n = even = tied = decided = correct = 0
error = 0.0
m_games = m_decided = m_correct = 0
m_error = 0.0
ats_right = ats_counted = 0
for week, forecasts, _ in sorted(archives.values()):
    following = 100 if week == regular else week + 1
    if not forecasts or following not in archives:
        continue
    remaining = list(archives[following][2])
    for first, second, spread in forecasts:
        match = None
        for s in remaining:
            if (s[0], s[2]) == (first, second):
                match = (s, s[1] - s[3])
            elif (s[0], s[2]) == (second, first):
                match = (s, s[3] - s[1])
            if match:
                break
        if not match:
            continue
        remaining.remove(match[0])
        actual = match[1]
        n += 1
        error += abs(spread - actual)
        even += spread == 0
        tied += actual == 0
        if spread != 0 and actual != 0:
            decided += 1
            correct += (spread > 0) == (actual > 0)
        if (week, second, first) in lines:
            v, f_home, a_home = lines[(week, second, first)], spread, actual
        elif (week, first, second) in lines:
            v, f_home, a_home = lines[(week, first, second)], -spread, -actual
        else:
            continue
        m_games += 1
        m_error += abs(v - a_home)
        if v != 0 and a_home != 0:
            m_decided += 1
            m_correct += (v > 0) == (a_home > 0)
        if a_home != v and f_home != v:
            ats_counted += 1
            ats_right += (f_home > v) == (a_home > v)


def share(part, whole):
    return "%d/%d = %.1f%%" % (part, whole, 100.0 * part / whole) if whole else "%d/%d" % (part, whole)


print("games %d even %d tied %d winners %s error %.2f" % (n, even, tied, share(correct, decided), error / n))
print("market winners %s error %.2f against the line %s" % (
    share(m_correct, m_decided), m_error / m_games, share(ats_right, ats_counted)))
