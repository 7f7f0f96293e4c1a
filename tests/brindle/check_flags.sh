#!/bin/sh
# Usage: check_flags.sh <wine-run> <flags_probe.exe>
# Runs the probe under Wine's setupapi trace and checks the flags each
# SetupUninstallOEMInfA call received.
set -u
trace=$(WINEDEBUG=trace+setupapi "$1" "$2" 2>&1 >/dev/null)
status=$?
calls=$(printf '%s\n' "$trace" | grep ':SetupUninstallOEMInfA ')
printf '%s\n' "$calls"
failed=0
if [ "$status" -ne 0 ]; then
    echo "probe failed with $status"
    failed=1
fi
# The direct control call with flags 0 proves the trace shows a caller's flags.
for expected in '"brindle-control.inf", 0x00000000,' '"brindle-present.inf", 0x00000001,' \
                '"brindle-missing.inf", 0x00000001,'; do
    if [ "$(printf '%s\n' "$calls" | grep -c -F "$expected")" -ne 1 ]; then
        echo "not exactly one call with $expected"
        failed=1
    fi
done
if [ "$(printf '%s\n' "$calls" | grep -c .)" -ne 3 ]; then
    echo "expected exactly three SetupUninstallOEMInfA calls"
    failed=1
fi
exit $failed
