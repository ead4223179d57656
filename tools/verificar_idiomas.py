#!/usr/bin/env python3
"""Checks the sources of the language files in data/idiomas/.

Reads every *.ini there the way the game reads a language file (section and
key names ignore case, a value is the rest of its line after the first "=",
blanks trimmed, lines starting with ";" are comments, the first of duplicate
keys wins) and reports:

- a file without languageversion 2007, or whose id differs from its file name;
- a key of [s1] or [s2] that is not a decimal number, a duplicate key, an empty
  value, or a text that cannot be written in Windows-1252;
- [s2] not holding exactly the country names 726..927;
- keys present in one language and missing in another;
- an [s1] number of 2000 or above that is not mentioned in the comment block
  at the top of 10.ini (those numbers are the game's own choice and must be
  documented there);
- optionally (--numeros FILE), a text number listed in FILE that is missing.
  FILE is a tab-separated list with a header line and the columns section
  ("s1" or "s2") and number first.

Standard library only. Exit status 0 when everything is in order, 1 otherwise.

Usage: tools/verificar_idiomas.py [--pasta data/idiomas] [--numeros lista.tsv]
"""

import argparse
import csv
import pathlib
import re
import sys


def ler_perfil(caminho):
    """Sections of a profile file: {section: {key: value}}, plus problems found."""
    secoes, problemas = {}, []
    atual = None
    for n, linha in enumerate(caminho.read_text(encoding="utf-8").splitlines(), 1):
        limpa = linha.strip(" \t")
        if not limpa or limpa.startswith(";"):
            continue
        if limpa.startswith("["):
            nome = limpa[1:].split("]", 1)[0].strip().lower()
            if nome in secoes:
                problemas.append(f"{caminho.name}:{n}: section [{nome}] repeated")
                atual = {}  # only the first section of a name counts
            else:
                atual = secoes.setdefault(nome, {})
            continue
        if "=" not in linha:
            problemas.append(f"{caminho.name}:{n}: line is neither key nor comment")
            continue
        chave, valor = linha.split("=", 1)
        chave, valor = chave.strip(" \t").lower(), valor.strip(" \t")
        if atual is None:
            problemas.append(f"{caminho.name}:{n}: key outside any section")
        elif chave in atual:
            problemas.append(f"{caminho.name}:{n}: key {chave} repeated")
        else:
            atual[chave] = valor
    return secoes, problemas


def comentario_inicial(caminho):
    linhas = []
    for linha in caminho.read_text(encoding="utf-8").splitlines():
        if not linha.startswith(";") and linha.strip():
            break
        linhas.append(linha)
    return "\n".join(linhas)


def main():
    raiz = pathlib.Path(__file__).resolve().parent.parent
    args = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    args.add_argument("--pasta", type=pathlib.Path, default=raiz / "data" / "idiomas")
    args.add_argument("--numeros", type=pathlib.Path)
    opcoes = args.parse_args()

    problemas = []
    idiomas = {}
    for caminho in sorted(opcoes.pasta.glob("*.ini")):
        secoes, p = ler_perfil(caminho)
        problemas += p
        idiomas[caminho] = secoes
        lingua = secoes.get("language", {})
        if lingua.get("languageversion") != "2007":
            problemas.append(f"{caminho.name}: languageversion is not 2007")
        if lingua.get("id") != caminho.stem:
            problemas.append(f"{caminho.name}: id {lingua.get('id')!r} differs from the file name")
        if not lingua.get("languagename"):
            problemas.append(f"{caminho.name}: languagename missing")
        for secao in ("s1", "s2"):
            for chave, valor in secoes.get(secao, {}).items():
                if not chave.isdigit():
                    problemas.append(f"{caminho.name}: [{secao}] key {chave!r} is not a number")
                if not valor:
                    problemas.append(f"{caminho.name}: {secao}/{chave} is empty")
                try:
                    valor.encode("cp1252")
                except UnicodeEncodeError as e:
                    problemas.append(f"{caminho.name}: {secao}/{chave} not Windows-1252: {e}")
        paises = set(secoes.get("s2", {}))
        esperados = {str(n) for n in range(726, 928)}
        if paises != esperados:
            problemas.append(
                f"{caminho.name}: [s2] missing {sorted(esperados - paises, key=int)[:10]}, "
                f"extra {sorted(paises - esperados, key=int)[:10]}")

    if not idiomas:
        problemas.append(f"no *.ini in {opcoes.pasta}")
    nomes = list(idiomas)
    for secao in ("s1", "s2"):
        for outro in nomes[1:]:
            a = set(idiomas[nomes[0]].get(secao, {}))
            b = set(idiomas[outro].get(secao, {}))
            if a != b:
                problemas.append(
                    f"[{secao}] keys differ between {nomes[0].name} and {outro.name}: "
                    f"only in the first {sorted(a - b, key=int)}, only in the second {sorted(b - a, key=int)}")

    padrao = opcoes.pasta / "10.ini"
    if padrao.exists():
        comentario = comentario_inicial(padrao)
        citados = set()
        for linha in comentario.splitlines():
            # A range opening a line is the heading of a group, not a mention.
            corpo = re.sub(r"^;\s*\d+-\d+", "", linha)
            citados.update(re.findall(r"\d+", corpo))
            for de, ate in re.findall(r"(\d+)-(\d+)", corpo):
                citados.update(str(n) for n in range(int(de), int(ate) + 1))
        for chave in idiomas[padrao].get("s1", {}):
            if chave.isdigit() and int(chave) >= 2000 and chave not in citados:
                problemas.append(f"10.ini: s1/{chave} is not documented in the comment at the top")

    if opcoes.numeros:
        with opcoes.numeros.open(encoding="utf-8") as f:
            linhas = list(csv.reader(f, delimiter="\t"))[1:]
        for linha in linhas:
            secao, numero = linha[0].strip().lower(), linha[1].strip()
            for caminho, secoes in idiomas.items():
                if not secoes.get(secao, {}).get(numero):
                    problemas.append(f"{caminho.name}: {secao}/{numero} missing or empty")

    for p in problemas:
        print(p)
    contagem = ", ".join(
        f"{c.name}: {len(s.get('s1', {}))} s1 + {len(s.get('s2', {}))} s2" for c, s in idiomas.items())
    print(("OK - " if not problemas else f"{len(problemas)} problem(s) - ") + contagem)
    return 1 if problemas else 0


if __name__ == "__main__":
    sys.exit(main())
