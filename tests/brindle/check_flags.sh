#!/bin/sh
# Usage: check_flags.sh <wine-run> <flags_probe.exe>
# Runs the probe under Wine's setupapi trace and checks the flags each
# SetupUninstallOEMInfA call received.
set -u
wine_run=$1
probe=$2
trace=$(WINEDEBUG=trace+setupapi "$wine_run" "$probe" 2>&1 >/dev/null)
status=$?
calls=$(printf '%s\n' "$trace" | grep ':SetupUninstallOEMInfA ')
printf '%s\n' "$calls"
if [ "$status" -ne 0 ]; then
    echo "probe failed with $status"
    exit 1
fi
count() { printf '%s\n' "$calls" | grep -c -F "$1"; }
failed=0
# The control call proves the trace shows the flags a caller passed.
if [ "$(count '"brindle-control.inf", 0x00000000,')" -ne 1 ]; then
    echo "trace format not recognised: no direct call with flags 0"
    failed=1
fi
for name in brindle-present.inf brindle-missing.inf; do
    if [ "$(count "\"$name\", 0x00000001,")" -ne 1 ]; then
        echo "$name: not exactly one call with SUOI_FORCEDELETE"
        failed=1
    fi
done
if [ "$(printf '%s\n' "$calls" | grep -c .)" -ne 3 ]; then
    echo "expected exactly three SetupUninstallOEMInfA calls"
    failed=1
fi
exit $failed
