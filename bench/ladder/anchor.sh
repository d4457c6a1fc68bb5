#!/bin/sh
# Plays one skill level against Stockfish held to a given Elo; the log goes to out/ladder/.
#   bench/ladder/anchor.sh BUILD_DIR SKILL STOCKFISH_ELO [GAMES] [MOVETIME_MS] [FIRST_GAME]
# The full-strength levels differ only in time: level 8 is skill 100 at 3000 ms.
set -eu
build=${1:?build folder}
skill=${2:?skill}
elo=${3:?stockfish elo}
games=${4:-20}
movetime=${5:-500}
first=${6:-0}
log="out/ladder/skill$skill-${movetime}ms-vs-sf$elo-from$first.log"
mkdir -p out/ladder
nice -n 5 "$build/bin/varnix-match" --engine1 "$build/bin/varnix-uci" --engine2 /usr/games/stockfish \
    --option1 Skill="$skill" --option1 Threads=1 \
    --option2 UCI_LimitStrength=true --option2 UCI_Elo="$elo" --option2 Threads=1 --option2 Hash=64 \
    --games "$games" --first "$first" --movetime "$movetime" --show-moves 1 > "$log"
tail -n 1 "$log"
