#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The road-test validation reads a file as other people write them: a byte
# order mark, CRLF line ends, a quoted note over two lines, words in capitals,
# columns left out or in another order, short rows, and figures the road
# model cannot take. A row it cannot run is listed, not fitted: one such row
# once left every constant at its default.
set -u
validate=$1
fail() { echo "FAIL: $*"; exit 1; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
printf '\xEF\xBB\xBFid,car,engine,horsepower,powerRpm,torque,torqueRpm,weightAsTested,drivetrain,transmission,gears,body,notes,quarterMileTime,quarterMileSpeed,zeroToSixtyTime,weightBasis\r\n' >"$dir/tests.csv"
printf '27,2016 Chevrolet Camaro SS 6MT,combustion,455,6000,455,4400,3668,RWD,Manual,6,car,"two\r\nlines, a comma",12.4,114.6,4.0\r\n' >>"$dir/tests.csv"
printf '28,Camaro SS 6MT as an SUV,combustion,455,6000,455,4400,3668,RWD,Manual,6,SUV,,12.4,114.6,4.0\r\n' >>"$dir/tests.csv"
printf '29,Camaro SS 6MT on a dry weight,combustion,455,6000,455,4400,3668,RWD,Manual,6,car,,12.4,114.6,4.0,y-dry\r\n' >>"$dir/tests.csv"
printf '2,2020 Subaru Example,combustion,268,5600,258,6000,3400,awd,cvt,8,car,,13.5,101\r\n' >>"$dir/tests.csv"
printf '3,2019 Porsche Example,combustion,443,,390,,3400,awd,PDK,7,car\r\n\r\n' >>"$dir/tests.csv"
printf '111,2017 Ford F-150 Raptor pickup,combustion,450,,510,,5711,awd,automatic,10,pickup,,14.7,91.4,6.0\r\n' >>"$dir/tests.csv"
printf '5,1990 Nothing Given,combustion,,,,,2000\r\n' >>"$dir/tests.csv"
out=$("$validate" --fit "$dir/tests.csv") || fail "the validation ended with status $?"
expect() { echo "$out" | grep -qF -- "$1" || fail "no line with: $1
$out"; }
expect "on 6 road tests"
expect "1 more row not run"
# The Camaro as in the published file, with the file's SUV aero for the
# columns left out, and with fluids on a dry weight; the Raptor with its
# pickup aero.
expect "| 27 | 2016 Chevrolet Camaro SS 6MT | 12.40 | 12.34 |"
expect "| 28 | Camaro SS 6MT as an SUV | 12.40 | 12.44 | 11.87 | 114.6 | 115.4 |"
expect "| 29 | Camaro SS 6MT on a dry weight | 12.40 | 12.49 | 12.09 | 114.6 | 114.7 | 112.7 |"
expect "| 111 | 2017 Ford F-150 Raptor pickup | 14.70 | 13.95 |"
expect "2 (2020 Subaru Example): A CVT or a direct drive has one gear: the figure dropped for its typical value"
expect "2 (2020 Subaru Example): The engine speed of peak torque must not be above that of peak power: the figure dropped"
expect "3 (2019 Porsche Example): transmission \"PDK\" is not a word the road model knows, read as empty"
expect "5 (1990 Nothing Given): not run: no horsepower or no weight"
expect "| 60 ft | 0 | | | | |"
echo "$out" | grep -q "Fitted to all rows: streetGrip 1.1800, preparedGain 1.1700, drivetrainEfficiency 0.8750" \
  && fail "the fit did not move from its start"
echo "the road-test validation reads other people's files"
