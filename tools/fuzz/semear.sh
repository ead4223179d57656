#!/bin/sh
# Seed corpora for the fuzz harnesses: the default world's settings and
# language files, and real saved games of a few dates and of a whole season,
# written by the release build's pitchlord-sim. Date 81 falls in the first
# season's Copa America, between its groups and its knockout: the tournament
# record, its teams, call-ups and mail are in that save.
set -e
saida=${1:-build-fuzz/corpus}
jogo=${2:-build/jogo}
mkdir -p "$saida/jogosalvo" "$saida/perfil" "$saida/arquivos"
cp "$jogo"/languages/*.txt "$saida/perfil/" 2>/dev/null || true
cp "$jogo"/*.ini "$saida/perfil/" 2>/dev/null || true
# A club file followed by a national-team file, for a few of each.
for n in 1 2 3 4 5 6 7 8; do
  clube=$(ls "$jogo"/teams/*.b07 | sed -n "${n}p")
  selecao=$(ls "$jogo"/teams/selecoes/*.s05 | sed -n "${n}p")
  cat "$clube" "$selecao" > "$saida/arquivos/par$n"
done
for data in 5 60 81 148; do
  "$jogo/pitchlord-sim" jogar --dados "$jogo" --ligas 29 --divisoes 10 --humanos 1 \
    --temporadas 1 --semente 1 --ate-data $data --salvar-em "$saida/jogosalvo/ate$data.s07" >/dev/null
done
echo "corpora in $saida"
