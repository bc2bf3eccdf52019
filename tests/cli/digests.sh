#!/bin/sh
# vkcalc --csv on the generated 100000-row batch: each of the six text columns against its digest.
#
#   digests.sh WORKDIR [EMULATOR] VKCALC
#
# The rows reach every club, model and table row. The digests come from an independent calculation
# of these rows, made from the models' tables and formulas as written down, not from this code:
# SHA-256 of one column (cut -d, -fN), header line included, LF line ends.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$1
shift
mkdir -p "$work"
rows=$work/rows.csv
out=$work/out.csv
"$root/tools/vkcalc-throughput" --generate 100000 >"$rows"
if [ "$(sha256sum <"$rows" | cut -c1-64)" != 0b8931b87029e61ea7cfcf78b30c5743c9cb1aa1bc45b20d02c49fbdde29263b ]; then
    echo "the generator's rows changed; the digests hold for its original rows" && exit 1
fi
"$@" --csv <"$rows" >"$out" || { echo "vkcalc --csv ended with status $?" && exit 1; }
differ=""
n=0
for expected in 07a941e690ed41fab56b2276bceab76566a3661c46d2ce67176fb895fd2c8771 \
    deed0fd0c2f0b2a5e25c86ef513048ca929103c2410474e26c04c8d4ac1da922 \
    dfdede856335c49ff67132f4023e722c936a8ff175b303b4acf8c4519cc8bf32 \
    1468b20b88ddff7bbad4eeaf0b8d830da3e133a28b1bfa8efdad16f756283b4e \
    6c5ad3f318a0fe977e648848dc7ec2e59b51967aaf90028aa1e2fd913393cebe \
    177abf45ba8265d5d62518562a7fe2338fb7e2edbe4cea1b09118e41c097f8a7; do
    n=$((n + 1))
    [ "$(cut -d, -f$n "$out" | sha256sum | cut -c1-64)" = "$expected" ] || differ="$differ $(head -n 1 "$out" | cut -d, -f$n)"
done
[ -z "$differ" ] && echo "the six text columns of $(($(wc -l <"$out") - 1)) rows match their digests" && exit 0
echo "columns that differ from their digests:$differ"
echo "the rows that differ, against the vkcalc of a build that passed (PREVIOUS), in bash:"
echo "  diff <(PREVIOUS/vkcalc --csv <$rows | cut -d, -f1-6) <(cut -d, -f1-6 $out) | head -n 20"
exit 1
