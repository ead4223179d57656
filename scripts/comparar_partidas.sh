#!/usr/bin/env bash
# Plays the same fixtures with two builds of pitchlord-sim and checks that
# they print the same bytes: many fixtures, every competition code, several
# seeds and counts, plain and --json; then a few seasons of the whole game,
# the humans' matches played minute by minute. Run it after touching the
# match engine, which must keep every game as it was.
#
#   scripts/comparar_partidas.sh BASE_SIM NEW_SIM DATA_DIR [quick]
set -uo pipefail
if [ $# -lt 3 ]; then
    echo "usage: $0 BASE_SIM NEW_SIM DATA_DIR [quick]" >&2
    exit 2
fi
base=$1 novo=$2 dados=$3 rapido=${4:-}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
falhas=0 casos=0

# The seasons' and the bench's own times are left out.
sem_tempos() {
    sed -E -e 's/ em [0-9.]+ s$//' -e 's/"segundos":[0-9.e+-]+//g' \
        -e '/^(matches per second|us per match|ns per minute|lineup us)/d'
}

comparar() {
    casos=$((casos + 1))
    "$base" "$@" 2>&1 | sem_tempos >"$tmp/a"
    "$novo" "$@" 2>&1 | sem_tempos >"$tmp/b"
    if ! cmp -s "$tmp/a" "$tmp/b"; then
        falhas=$((falhas + 1))
        echo "DIFFERS: $*"
    fi
}

# Countries with many clubs, one of each division size.
ligas=("29 20" "97 10" "65 20" "3 10")
sementes=(1 7 12345)
[ -n "$rapido" ] && sementes=(1)
for l in "${ligas[@]}"; do
    read -r liga div <<<"$l"
    for codigo in 0 1 2 3 4 5 6 7 8 9; do
        for s in "${sementes[@]}"; do
            m=$(((s + codigo) % div))
            v=$(((m + 1 + s % (div - 1)) % div))
            [ "$m" -eq "$v" ] && v=$(((m + 1) % div))
            n=$((20 + (s + codigo) % 3 * 40))
            comparar partida --dados "$dados" --ligas "$liga" --divisoes "$div" \
                --mandante "$m" --visitante "$v" --jogos "$n" --codigo "$codigo" --semente "$s"
            comparar partida --dados "$dados" --ligas "$liga" --divisoes "$div" \
                --mandante "$v" --visitante "$m" --jogos 7 --codigo "$codigo" --semente "$s" --json
        done
    done
done
if [ -z "$rapido" ]; then
    comparar jogar --dados "$dados" --ligas 29,97 --divisoes 20 --humanos 2 --temporadas 1 \
        --semente 5 --relogio
    comparar jogar --dados "$dados" --ligas all --divisoes 10 --estaduais --humanos 3 \
        --temporadas 1 --semente 11 --relogio --json
    comparar jogar --dados "$dados" --ligas 65,104 --divisoes 20 --humanos 1 --temporadas 2 \
        --semente 3
fi
comparar bench --datas 300
comparar bench --datas 1000 --semente 9
echo "$casos cases, $falhas differ"
[ "$falhas" -eq 0 ]
