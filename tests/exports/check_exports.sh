#!/usr/bin/env bash
# check_exports.sh KIND LIBRARY NAME...
# Fails unless LIBRARY exports exactly the NAMEs. KIND is elf (a Linux shared
# object, either width) or pe (a Windows DLL). For pe, IMPORTS=a,b lists the
# DLLs it must import, exactly.
set -euo pipefail
kind=$1 lib=$2
shift 2
want=$(printf '%s\n' "$@" | sort)
case $kind in
  elf) have=$(nm -D --defined-only "$lib" | awk '{print $NF}' | sort) ;;
  pe)
    have=$(i686-w64-mingw32-objdump -p "$lib" |
      sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk '/\[/ && NR>1 {print $NF}' | sort)
    ;;
  *) echo "unknown kind $kind" >&2; exit 2 ;;
esac
status=0
if [ "$have" != "$want" ]; then
  echo "$lib exports:"; printf '  %s\n' $have
  echo "expected exactly:"; printf '  %s\n' $want
  status=1
fi
if [ "$kind" = pe ] && [ -n "${IMPORTS:-}" ]; then
  have_imp=$(i686-w64-mingw32-objdump -p "$lib" | awk '/DLL Name:/ {print $3}' | sort)
  want_imp=$(printf '%s\n' ${IMPORTS//,/ } | sort)
  if [ "$have_imp" != "$want_imp" ]; then
    echo "$lib imports:"; printf '  %s\n' $have_imp
    echo "expected exactly:"; printf '  %s\n' $want_imp
    status=1
  fi
fi
[ $status = 0 ] && echo "$lib: exports $(echo $want | tr '\n' ' ')"
exit $status
