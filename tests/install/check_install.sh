#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and checks the installed tree:
# the files a desktop looks for, the program's link to its private folder,
# the tools' command lines, and the program's road to its library and page.
set -u
cmake=$1 build=$2 prefix=$3 bindir=$4 programdir=$5 datadir=$6 mandir=$7 version=$8 probe=$9

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

DESTDIR=$stage "$cmake" --install "$build" >"$stage/install.log" 2>&1 || { cat "$stage/install.log"; echo "FAIL: cmake --install"; exit 1; }
root=$stage$prefix
bin=$root/$bindir

# What must be there, and as what.
while read -r kind path; do
    case $kind in
        exe) [ -x "$root/$path" ] && [ ! -L "$root/$path" ] || fail "not an executable file: $path" ;;
        link) [ -L "$root/$path" ] || fail "not a link: $path" ;;
        file) [ -s "$root/$path" ] || fail "missing or empty: $path" ;;
    esac
done <<LIST
link $bindir/varnix-chess
exe $bindir/varnix-uci
exe $bindir/varnix-diagram
exe $programdir/varnix-chess
file $programdir/libVarnixChess.so
file $programdir/home.html
file $datadir/applications/varnix-chess.desktop
file $datadir/icons/hicolor/scalable/apps/varnix-chess.svg
file $mandir/man6/varnix-chess.6.gz
file $mandir/man6/varnix-uci.6.gz
file $mandir/man6/varnix-diagram.6.gz
LIST

# The link is relative and leads to the program in its private folder.
target=$(readlink "$bin/varnix-chess")
case $target in /*) fail "absolute link target: $target" ;; esac
[ "$(readlink -f "$bin/varnix-chess")" = "$(readlink -f "$root/$programdir/varnix-chess")" ] || fail "link leads elsewhere: $target"

desktop=$root/$datadir/applications/varnix-chess.desktop
for line in "Exec=varnix-chess" "Icon=varnix-chess" "Categories=Game;BoardGame;" "Type=Application"; do
    grep -qx "$line" "$desktop" || fail "desktop entry lacks $line"
done
if command -v xmllint >/dev/null; then
    xmllint --noout "$root/$datadir/icons/hicolor/scalable/apps/varnix-chess.svg" || fail "icon is not well-formed"
fi
if command -v groff >/dev/null; then
    for page in "$root/$mandir"/man6/*.6.gz; do
        warnings=$(gzip -dc "$page" | groff -man -Tutf8 -ww -z 2>&1)
        [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
    done
fi

# Command lines: tool, arguments, expected status, a text stdout must hold ("" for empty stdout).
while IFS='|' read -r tool args status expected; do
    out=$("$bin/$tool" $args 2>"$stage/err")
    got=$?
    [ "$got" = "$status" ] || fail "$tool $args: status $got, not $status"
    if [ -z "$expected" ]; then
        [ -z "$out" ] || fail "$tool $args: wrote to stdout: $out"
        [ -s "$stage/err" ] || fail "$tool $args: said nothing on stderr"
    else
        case $out in *"$expected"*) ;; *) fail "$tool $args: stdout lacks '$expected': $out" ;; esac
    fi
done <<TABLE
varnix-chess|--version|0|Varnix Chess $version
varnix-uci|--version|0|varnix-uci $version
varnix-uci|--help|0|usage: varnix-uci
varnix-uci|--frobnicate|2|
varnix-uci|perft|2|
varnix-diagram|--version|0|varnix-diagram $version
varnix-diagram|--help|0|usage: varnix-diagram
varnix-diagram|--frobnicate x out.png|2|
TABLE

# The installed engine speaks UCI.
answers=$(printf 'uci\nisready\nquit\n' | "$bin/varnix-uci")
for word in "id name Varnix Chess" uciok readyok; do
    case $answers in *"$word"*) ;; *) fail "varnix-uci did not answer '$word'" ;; esac
done

# The installed diagram tool draws with the program's pictures and fonts.
"$bin/varnix-diagram" --last e4 "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1" "$stage/d.png" || fail "varnix-diagram could not draw"
[ "$(head -c 8 "$stage/d.png" 2>/dev/null | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "varnix-diagram wrote no PNG"

# The probe, placed beside the installed program and started through a link
# made like the program's, finds the library and the home page as the program does.
cp "$probe" "$root/$programdir/install_probe"
ln -s "${target%varnix-chess}install_probe" "$bin/install_probe"
"$bin/install_probe" || fail "the installed program's folder lacks its library or home page"

[ "$failures" = 0 ] && echo "installed tree under $prefix: all checks passed"
[ "$failures" = 0 ]
