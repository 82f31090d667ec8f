#!/bin/sh
# Makes sample.pcg in the working directory and moves it to bank B.
# usage: demo.sh path/to/Tavrelon
set -eu
tavrelon=$1

# "KORG", 47 bytes of header, the bank byte (bank A), then some data.
printf 'KORG%47s\000sample program data\n' '' | tr ' ' '\001' >sample.pcg

bank_byte() { od -An -tx1 -j51 -N1 sample.pcg | tr -d ' '; }

echo "bank byte of sample.pcg before: $(bank_byte)"
echo "\$ Tavrelon sample.pcg B </dev/null"
"$tavrelon" sample.pcg B </dev/null
echo
echo "bank byte of sample.pcg after: $(bank_byte)"
