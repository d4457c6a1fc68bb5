#!/bin/sh
# Plays each neighbouring pair of weak levels through varnix-match and keeps the logs in out/ladder/.
#   bench/ladder/run_ladder.sh BUILD_DIR [GAMES] [PAIRS...]   pairs as "strong:weak", e.g. 20:10
set -eu
build=${1:?build folder}
games=${2:-60}
shift 2 || shift $#
pairs=${*:-"20:10 30:20 50:30 75:50 100:75"}
mkdir -p out/ladder
for pair in $pairs; do
    strong=${pair%:*}
    weak=${pair#*:}
    nice -n 5 "$build/bin/varnix-match" --engine1 "$build/bin/varnix-uci" --engine2 "$build/bin/varnix-uci" \
        --option1 Skill="$strong" --option2 Skill="$weak" --games "$games" --movetime 500 \
        > "out/ladder/skill$strong-vs-$weak.log"
    tail -n 1 "out/ladder/skill$strong-vs-$weak.log"
done
