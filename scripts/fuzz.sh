#!/usr/bin/env bash
# Builds the fuzz harnesses (clang, libFuzzer, address and undefined
# sanitizers) and runs each for a bounded time on seeds from the default world
# and real saved games. Needs the Release build's runtime folder (build/jogo).
#   scripts/fuzz.sh [seconds per harness, default 20]
set -euo pipefail
cd "$(dirname "$0")/.."
segundos=${1:-20}
# clang and its sanitizer and fuzzer runtime, when missing.
faltam=()
for p in clang libclang-rt-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltam+=("$p")
done
if [ "${#faltam[@]}" -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${faltam[@]}"
fi
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
corpus=build-fuzz/corpus
tools/fuzz/semear.sh "$corpus" build/jogo >/dev/null
for alvo in jogosalvo perfil arquivos; do
  mkdir -p "$corpus/$alvo.novos"
  # Saved games are megabytes long, language files some hundred kilobytes.
  maximo=4096
  [ "$alvo" = jogosalvo ] && maximo=11000000
  [ "$alvo" = perfil ] && maximo=262144
  echo "fuzz_$alvo: ${segundos}s"
  build-fuzz/ferramentas/fuzz_$alvo "$corpus/$alvo.novos" "$corpus/$alvo" \
    -max_len="$maximo" -max_total_time="$segundos" -print_final_stats=1 2>&1 | grep -E "stat::number_of_executed_units|ERROR|SUMMARY" || true
  # A finding leaves a crash-* file: the run fails.
  if ls crash-* leak-* timeout-* >/dev/null 2>&1; then
    echo "fuzz_$alvo found a fault"; exit 1
  fi
done
