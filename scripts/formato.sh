#!/usr/bin/env bash
# The sources' format, with the formatter version pinned in instalar.sh: checks
# every C++ file against .clang-format, or rewrites them with --corrigir.
set -euo pipefail
cd "$(dirname "$0")/.."
formatador=clang-format-14
mapfile -t arquivos < <(git ls-files 'src/*.cpp' 'src/*.hpp' 'tests/*.cpp' 'tests/*.hpp' 'tools/*.cpp' 'tools/*.hpp')
if [ "${1:-}" = "--corrigir" ]; then
  "$formatador" -i "${arquivos[@]}"
  exit 0
fi
if ! "$formatador" --dry-run --Werror "${arquivos[@]}" 2>/tmp/formato.$$; then
  grep -E '^[^ ].*(warning|error):' /tmp/formato.$$ | sed 's/: warning:.*//; s/: error:.*//' | cut -d: -f1 | sort -u | sed 's/^/fora do formato: /'
  rm -f /tmp/formato.$$
  echo "Reformate com: ./scripts/formato.sh --corrigir" >&2
  exit 1
fi
rm -f /tmp/formato.$$
echo "formato: ${#arquivos[@]} arquivos em ordem"
