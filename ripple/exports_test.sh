#!/bin/sh
# Passes when the shared library $1 defines exactly the four entry points.
names=$(nm -D --defined-only "$1" | awk '{print $3}' | sort | tr '\n' ' ')
echo "exported: $names"
[ "$names" = "E_AutoEffects E_WaveDropStone E_WaveFree E_WaveInit " ]
