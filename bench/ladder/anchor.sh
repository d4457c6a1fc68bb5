#!/bin/sh
# Plays one skill level against Stockfish held to a given Elo; the log goes to out/ladder/.
#   bench/ladder/anchor.sh BUILD_DIR SKILL STOCKFISH_ELO [GAMES] [MOVETIME_MS]
set -eu
build=${1:?build folder}
skill=${2:?skill}
elo=${3:?stockfish elo}
games=${4:-20}
movetime=${5:-500}
mkdir -p out/ladder
nice -n 5 "$build/bin/varnix-match" --engine1 "$build/bin/varnix-uci" --engine2 /usr/games/stockfish \
    --option1 Skill="$skill" --option1 Threads=1 \
    --option2 UCI_LimitStrength=true --option2 UCI_Elo="$elo" --option2 Threads=1 --option2 Hash=64 \
    --games "$games" --movetime "$movetime" > "out/ladder/skill$skill-vs-sf$elo.log"
tail -n 1 "out/ladder/skill$skill-vs-sf$elo.log"
