#!/usr/bin/env bash
# First start in a fresh prefix leaves every setting with its default and type; the language
# default follows the locale; a clean-up run ("R") deletes the old key and saves nothing.
source "$(dirname "$0")/lib.sh"
exe=$1
e2e_tmp


expect_defaults() {  # expect_defaults TAAL
  reg_snapshot
  local k=Software\\ZT\\Valomat n
  for n in $(seq 22); do
    case $n in 2|4|7|8) d=0x0 ;; *) d=0x2 ;; esac
    check "Decimalen$n" "REG_DWORD $d" "$(reg_get "$k\\Decimalen" Decimalen$n)"
    case $n in 1|2|3|4|5|6|7|8|9|10|11|12|16) d=0x1 ;; *) d=0x0 ;; esac
    check "Geselecteerd$n" "REG_DWORD $d" "$(reg_get "$k\\Decimalen" Geselecteerd$n)"
    [ "$n" = 1 ] && d=0x1 || d=0x0
    check "SymboolVooraan$n" "REG_DWORD $d" "$(reg_get "$k\\Decimalen" SymboolVooraan$n)"
  done
  local rates=(GBP:0.62 SEK:9.09 DKK:7.46 NOK:8.09 CHF:1.54 USD:0.89 JPY:110.37 Eigen1:1 Eigen2:1)
  for r in "${rates[@]}"; do
    check "Koers ${r%%:*}" "REG_BINARY $(hexdouble "${r#*:}")" "$(reg_get "$k\\Koers" "${r%%:*}")"
  done
  local general=(Weergave:0x1 "Taal:$1" DefaultVanMunt:0x2 DefaultNaarMunt:0x1 Lijst:0x2
                 SysteemLade:0x1 Minimalizeren:0x0 KolomVlag:0x1 KolomMunt:0x1
                 KolomMunteenheid:0x1 KolomSymbool:0x1 KleurEuro:0x800000 KleurEU:0x80
                 KleurEuropa:0x800080 KleurWereld:0x0 KoersenBijStart:0x0)
  for g in "${general[@]}"; do
    check "Algemeen ${g%%:*}" "REG_DWORD ${g#*:}" "$(reg_get "$k\\Algemeen" "${g%%:*}")"
  done
  check "Letters" "REG_SZ VL" "$(reg_get "$k\\Algemeen" Letters)"
  check "Versie" "REG_SZ 2.8" "$(reg_get "$k\\Algemeen" Versie)"
  for e in EigenMunt EigenMunteenheid EigenSymbool EigenBitmap; do
    for i in 1 2; do
      check "$e$i" "REG_SZ" "$(reg_get "$k\\EigenMunten" "$e$i")"
    done
  done
  for p in Boven Links; do
    check "Positie $p type" "REG_DWORD" "$(reg_get "$k\\Positie" $p | cut -d' ' -f1)"
  done
  # Nothing beyond the table: the number of values per key.
  local key count
  for key in Decimalen:66 Koers:10 Algemeen:19 EigenMunten:8 Positie:2; do
    count=$(reg_count "$k\\${key%%:*}")
    check "values in ${key%%:*}" "${key#*:}" "$count"
  done
}

for case in nl_BE.UTF-8:0x0 en_GB.UTF-8:0x1 fr_FR.UTF-8:0x2 de_DE.UTF-8:0x0; do
  e2e_fresh "${case%%:*}"
  e2e_start "$exe"
  e2e_close
  echo "-- ${case%%:*}"
  expect_defaults "${case#*:}"
done

# Clean-up run: the old key goes, nothing is written at close (Versie keeps its old text).
wine reg add 'HKCU\SoftWare\Valomat\Sub' /v Old /t REG_SZ /d x /f >/dev/null 2>&1
wine reg add 'HKCU\Software\ZT\Valomat\Algemeen' /v Versie /t REG_SZ /d 1.0 /f >/dev/null 2>&1
wineserver -w
e2e_start "$exe" R
e2e_close
reg_snapshot
check "legacy key deleted" "no" "$(wine reg query 'HKCU\SoftWare\Valomat' >/dev/null 2>&1 && echo yes || echo no)"
check "R run writes nothing at close" "REG_SZ 1.0" "$(reg_get 'Software\ZT\Valomat\Algemeen' Versie)"
check "settings key kept" "REG_DWORD 0x1" "$(reg_get 'Software\ZT\Valomat\Algemeen' Weergave)"

# Lower-case r is a normal run: it saves.
e2e_start "$exe" r
e2e_close
reg_snapshot
check "r run saves" "REG_SZ 2.8" "$(reg_get 'Software\ZT\Valomat\Algemeen' Versie)"

e2e_finish
