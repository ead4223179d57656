#!/usr/bin/env python3
"""Check the sources of the default world before pitchlord-dados turns them into club files.

Usage: tools/verificar_mundo.py [data/mundo]

Reads data/mundo/paises.tsv and every data/mundo/nomes/<code>.txt it names, exactly the
way tools/dados/fontes.cpp reads them, and reports every rule the world breaks:

- the table: known columns, codes 0..201 once each, levels 1..25 with min <= max,
  national-team level 1..25 or "-";
- every row has a name pool with at least 40 given names, 60 surnames and as many
  towns as clubs, no town twice, club patterns holding "{c}", stadium patterns holding
  "{s}" or "{c}" and no other placeholder, everything encodable in Windows-1252;
- every town of a generated club fits a club name of 25 characters, and every
  stadium pattern gives at most 30 characters with that town and the longest surname;
- Brazil (29): each of its first `clubes` towns carries a state 0..26; at least eight
  states have six clubs or more and MG, RJ, RS and SP have twelve or more each;
- the club counts the competitions need (see README.md): the twelve large leagues,
  at least four smaller leagues, the extra-club quotas, the continental cups' entries
  and the club world cup;
- the national teams the tournaments need: the Copa America group sets, the Euro pots
  and enough teams per continent for the World Cup places, with the host of any
  year left out of its continent.

Standard library only. Exit status 0 when the world is sound, 1 otherwise.
"""

import os
import re
import sys

RAIZ = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Extra-club countries, in order; quota 14 for the first, 12 for the 2nd..11th, 10 after.
EXTRAS = [29, 11, 195, 150, 46, 42, 60, 26, 151, 198, 131, 104, 65, 3, 72, 97, 154, 162,
          107, 192, 159, 21, 160, 171, 78, 9, 51, 38, 68, 14, 57, 129, 1, 190, 43, 49, 143,
          141, 62, 193, 85, 15, 52, 31, 88, 179, 76, 142, 180, 103, 152, 54]

GRANDES = [29, 11, 97, 65, 104, 3, 72, 154, 85, 131, 195, 107]

# Deepest entry of its candidate list each continental table asks of a country
# (first and second cup together).
REGIAO1 = {29: 8, 11: 8, 195: 6, 150: 6, 42: 6, 46: 6, 60: 6, 131: 6, 151: 4, 26: 4, 198: 4}
REGIAO2 = {97: 7, 65: 7, 104: 7, 3: 7, 72: 5, 85: 4, 154: 4, 162: 3, 192: 3, 193: 2, 78: 2,
           160: 2, 62: 2, 21: 2, 159: 1, 54: 1, 52: 1, 31: 1, 88: 1, 171: 1, 179: 1, 15: 1,
           152: 1, 180: 1, 76: 1, 142: 1, 103: 1}
MUNDIAL = [107, 9, 43, 49, 57, 129, 1, 190, 51, 38, 68, 14, 143, 131]

COPA_AMERICA = [46, 151, 26, 198, 11, 131, 195, 60, 29, 150, 51, 42, 68]
EURO = [3, 97, 65, 104, 72, 85, 154, 159, 78, 162, 179, 192, 152, 193, 54, 52,
        160, 142, 171, 31, 63, 180, 21, 100]
# World Cup places per continent of the national-team record (14 and 5 in the
# years that give the extra place).
VAGAS = {0: 14, 1: 5, 2: 5, 3: 5, 4: 3, 5: 1}
# Host countries of the World Cup table; each must have a national team.
SEDES = [97, 3, 72, 29, 11, 65, 104, 68, 131, 107, 49, 1, 14, 154, 85, 42, 9, 129]

COLUNAS = ["codigo", "clubes", "nivel_min", "nivel_max", "selecao"]
SECOES = ["nomes", "sobrenomes", "cidades", "padroes", "estadios"]


def cota(r):
    return 14 if r == 0 else 12 if r < 11 else 10


def continentes():
    """Continent of every code, from the game's own table in src/world/paises.cpp."""
    texto = open(os.path.join(RAIZ, "src", "world", "paises.cpp"), encoding="utf-8").read()
    cont = {c: 0 for c in range(202)}
    for k in range(1, 6):
        m = re.search(r"kC%d\[\]\s*=\s*\{([^}]*)\}" % k, texto)
        if not m:
            raise SystemExit("no continent table kC%d in src/world/paises.cpp" % k)
        for c in re.findall(r"\d+", m.group(1)):
            cont[int(c)] = k
    cont[131] = 4  # its national team plays with North and Central America
    return cont


def cp1252(s):
    try:
        s.encode("cp1252")
        return True
    except UnicodeEncodeError:
        return False


def ler_paises(arquivo, erros):
    paises = {}
    coluna = None
    for n, bruta in enumerate(open(arquivo, encoding="utf-8").read().split("\n"), 1):
        linha = bruta.rstrip("\r")
        if not linha or linha.startswith("#"):
            continue
        campos = [c.strip() for c in linha.split("\t")]
        if coluna is None:
            coluna = {c: i for i, c in enumerate(campos)}
            for k in COLUNAS:
                if k not in coluna:
                    erros.append("paises.tsv: no column " + k)
                    return paises
            continue
        v = {k: campos[coluna[k]] if coluna[k] < len(campos) else "" for k in COLUNAS}
        try:
            codigo, clubes = int(v["codigo"]), int(v["clubes"])
            mn, mx = int(v["nivel_min"]), int(v["nivel_max"])
        except ValueError:
            erros.append("paises.tsv:%d: bad row" % n)
            continue
        sel = v["selecao"]
        if sel in ("-", ""):
            sel = None
        else:
            try:
                sel = int(sel)
            except ValueError:
                erros.append("paises.tsv:%d: bad national-team level %r" % (n, sel))
                continue
            if not 1 <= sel <= 25:
                erros.append("paises.tsv:%d: national-team level %d outside 1..25" % (n, sel))
        if not 0 <= codigo <= 201:
            erros.append("paises.tsv:%d: code %d outside 0..201" % (n, codigo))
        if codigo in paises:
            erros.append("paises.tsv:%d: code %d twice" % (n, codigo))
        if clubes < 0:
            erros.append("paises.tsv:%d: negative club count" % n)
        if not (1 <= mn <= mx <= 25):
            erros.append("paises.tsv:%d: club levels %d..%d not within 1..25" % (n, mn, mx))
        if clubes == 0 and sel is None:
            erros.append("paises.tsv:%d: country %d has neither clubs nor a national team" % (n, codigo))
        paises[codigo] = {"clubes": clubes, "min": mn, "max": mx, "selecao": sel}
    return paises


def ler_nomes(arquivo, erros):
    nomes = {s: [] for s in SECOES}
    secao = None
    nome = "nomes/" + os.path.basename(arquivo)
    for n, bruta in enumerate(open(arquivo, encoding="utf-8").read().split("\n"), 1):
        linha = bruta.rstrip("\r").strip(" \t")
        if not linha or linha.startswith("#"):
            continue
        if not cp1252(linha):
            erros.append("%s:%d: not encodable in Windows-1252: %s" % (nome, n, linha))
        if linha.startswith("[") and linha.endswith("]"):
            secao = linha[1:-1]
            if secao not in SECOES:
                erros.append("%s:%d: unknown section [%s]" % (nome, n, secao))
            continue
        if secao == "cidades":
            if "\t" in linha:
                estado, cidade = linha.split("\t", 1)
                try:
                    estado = int(estado.strip())
                except ValueError:
                    estado = -1
                nomes["cidades"].append((estado, cidade.strip(), n))
            else:
                nomes["cidades"].append((-1, linha, n))
        elif secao in nomes:
            nomes[secao].append(linha)
        else:
            erros.append("%s:%d: entry outside any section" % (nome, n))
    return nomes


def verificar_pool(codigo, p, nomes, erros):
    f = "nomes/%d.txt" % codigo
    if len(nomes["nomes"]) < 40:
        erros.append("%s: %d given names, fewer than 40" % (f, len(nomes["nomes"])))
    if len(nomes["sobrenomes"]) < 60:
        erros.append("%s: %d surnames, fewer than 60" % (f, len(nomes["sobrenomes"])))
    cidades = nomes["cidades"]
    vistas = set()
    for _, c, n in cidades:
        if c in vistas:
            erros.append("%s:%d: town %s twice" % (f, n, c))
        vistas.add(c)
    if len(cidades) < p["clubes"]:
        erros.append("%s: %d towns for %d clubs" % (f, len(cidades), p["clubes"]))
    for pad in nomes["padroes"]:
        if "{c}" not in pad or re.sub(r"\{c\}", "", pad).count("{"):
            erros.append("%s: club pattern %r must hold {c} and nothing else in braces" % (f, pad))
    for est in nomes["estadios"]:
        resto = est.replace("{s}", "").replace("{c}", "")
        if ("{s}" not in est and "{c}" not in est) or "{" in resto:
            erros.append("%s: stadium pattern %r must hold {s} or {c} only" % (f, est))
    if p["clubes"] > 0:
        if not nomes["padroes"]:
            erros.append("%s: clubs but no club patterns" % f)
        if not nomes["estadios"]:
            erros.append("%s: clubs but no stadium patterns" % f)
        padroes = nomes["padroes"] or ["{c}"]
        maior = max(nomes["sobrenomes"], key=len) if nomes["sobrenomes"] else ""
        for _, c, n in cidades[:p["clubes"]]:
            if not any(len(pad.replace("{c}", c)) <= 25 for pad in padroes):
                erros.append("%s:%d: no club name of 25 characters fits %s" % (f, n, c))
            for est in nomes["estadios"]:
                nome = est.replace("{c}", c).replace("{s}", maior)
                if len(nome) > 30:
                    erros.append("%s:%d: stadium %r longer than 30 characters" % (f, n, nome))
    if codigo == 29 and p["clubes"] > 0:
        por_estado = {}
        for estado, c, n in cidades[:p["clubes"]]:
            if not 0 <= estado <= 26:
                erros.append("%s:%d: town %s has no state 0..26" % (f, n, c))
            por_estado[estado] = por_estado.get(estado, 0) + 1
        cheios = sum(1 for v in por_estado.values() if v >= 6)
        if cheios < 8:
            erros.append("%s: only %d states with six clubs or more among the first %d towns"
                         % (f, cheios, p["clubes"]))
        for grande, sigla in ((10, "MG"), (18, "RJ"), (22, "RS"), (25, "SP")):
            if por_estado.get(grande, 0) < 12:
                erros.append("%s: state %s has %d clubs, fewer than 12"
                             % (f, sigla, por_estado.get(grande, 0)))


def verificar_contas(paises, erros):
    def clubes(c):
        return paises.get(c, {}).get("clubes", 0)

    def liga(c):
        return clubes(c) > 21

    for c in GRANDES:
        if clubes(c) < 44:
            erros.append("country %d: %d clubs, a large league needs 44 or more" % (c, clubes(c)))
    menores = [c for c in paises if 22 <= clubes(c) <= 41]
    if len(menores) < 4:
        erros.append("only %d smaller leagues (22..41 clubs), 4 wanted" % len(menores))
    for r, c in enumerate(EXTRAS):
        if clubes(c) < cota(r):
            erros.append("country %d: %d clubs, its extra-club quota is %d" % (c, clubes(c), cota(r)))
    for tabela, nome in ((REGIAO1, "first region"), (REGIAO2, "second region")):
        for c, fundo in tabela.items():
            if clubes(c) < fundo:
                erros.append("country %d: %d clubs, the %s cups ask for entry %d"
                             % (c, clubes(c), nome, fundo))
    for c in REGIAO2:
        if not liga(c) and clubes(c) < 10:
            erros.append("country %d: a second-region country without a league needs ten clubs" % c)
    for c in MUNDIAL:
        if clubes(c) < 1:
            erros.append("country %d: the club world cup needs at least one club" % c)


def verificar_selecoes(paises, erros):
    cont = continentes()
    tem = {c for c, p in paises.items() if p["selecao"] is not None}
    for lista, nome in ((COPA_AMERICA, "Copa America"), (EURO, "Euro"), (SEDES, "World Cup host")):
        for c in lista:
            if c not in tem:
                erros.append("country %d: the %s table needs its national team" % (c, nome))
    # The host does not qualify through its continent, so a continent that holds a
    # host needs one team more than its places.
    for k, vagas in VAGAS.items():
        n = sum(1 for c in tem if cont[c] == k)
        if n < vagas:
            erros.append("continent %d: %d national teams for %d World Cup places" % (k, n, vagas))
        for sede in SEDES:
            if cont[sede] == k and sede in tem and n - 1 < vagas:
                erros.append("continent %d: %d national teams besides host %d for %d places"
                             % (k, n - 1, sede, vagas))


def main():
    pasta = sys.argv[1] if len(sys.argv) > 1 else os.path.join(RAIZ, "data", "mundo")
    erros = []
    paises = ler_paises(os.path.join(pasta, "paises.tsv"), erros)
    for codigo, p in sorted(paises.items()):
        arquivo = os.path.join(pasta, "nomes", "%d.txt" % codigo)
        if not os.path.exists(arquivo):
            erros.append("country %d: no nomes/%d.txt" % (codigo, codigo))
            continue
        verificar_pool(codigo, p, ler_nomes(arquivo, erros), erros)
    verificar_contas(paises, erros)
    verificar_selecoes(paises, erros)
    for e in erros:
        print(e)
    total = sum(p["clubes"] for p in paises.values())
    print("%d countries, %d clubs, %d national teams: %s"
          % (len(paises), total, sum(p["selecao"] is not None for p in paises.values()),
             "ok" if not erros else "%d problems" % len(erros)))
    return 1 if erros else 0


if __name__ == "__main__":
    sys.exit(main())
