#!/usr/bin/env bash
# Builds the Debian package and checks it as a player's machine would see it:
# unpacked into a scratch folder, the simulator plays a season from there
# (its world found beside the program, its settings in the player's folders)
# without writing into the unpacked tree, the game starts, the menu entry is
# valid and lintian finds no error. Needs the Release build (build/).
set -euo pipefail
cd "$(dirname "$0")/.."

# The packaging tools, when missing; a checker that cannot be installed is
# skipped with a note; dpkg-shlibdeps (dpkg-dev) is needed.
faltam=()
for p in dpkg-dev desktop-file-utils lintian; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltam+=("$p")
done
if [ "${#faltam[@]}" -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq || true
  for p in "${faltam[@]}"; do
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "$p" >/dev/null ||
      echo "pacote: $p could not be installed"
  done
fi

cmake --preset default >/dev/null
cmake --build --preset default
rm -f build/pitchlord_*.deb
(cd build && cpack -G DEB >/dev/null)
deb=$(ls build/pitchlord_*_amd64.deb)
echo "pacote: $deb"

rascunho=$(mktemp -d)
trap 'rm -rf "$rascunho"' EXIT
raiz="$rascunho/raiz"
dpkg -x "$deb" "$raiz"
# A player of his own: nothing of the machine's user is read or written.
export HOME="$rascunho/casa" XDG_DATA_HOME="$rascunho/casa/dados" XDG_CONFIG_HOME="$rascunho/casa/ajustes"
mkdir -p "$HOME"
listagem() { (cd "$raiz" && find . -printf '%M %p\n' | sort && find . -type f -exec md5sum {} + | sort); }
antes=$(listagem)

(cd "$rascunho" && "$raiz/usr/bin/pitchlord-sim" jogar --ligas 29 --divisoes 20 --humanos 1 \
  --temporadas 1 --semente 1 --verificar >/dev/null)
[ -f "$XDG_CONFIG_HOME/pitchlord/pitchlord.ini" ] ||
  { echo "pacote: the settings were not given to the player"; exit 1; }

# The game runs until it is stopped; ending any other way is a failure.
estado=0
(cd "$rascunho" && QT_QPA_PLATFORM=offscreen timeout 5 "$raiz/usr/bin/pitchlord") || estado=$?
[ "$estado" -eq 124 ] || { echo "pacote: the game ended with $estado before it was stopped"; exit 1; }

[ "$(listagem)" = "$antes" ] || { echo "pacote: something was written into the unpacked package"; exit 1; }

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$raiz/usr/share/applications/pitchlord.desktop"
else
  echo "pacote: desktop-file-validate not available, menu entry not checked"
fi
if command -v lintian >/dev/null; then
  limpo=0
  saida=$(lintian --fail-on error "$deb" 2>&1) || limpo=$?
  printf '%s\n' "$saida" | grep -v "running with root privileges" || true
  [ "$limpo" -eq 0 ] || { echo "pacote: lintian found errors"; exit 1; }
else
  echo "pacote: lintian not available, package not checked"
fi
echo "pacote: ok"
