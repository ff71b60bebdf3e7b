#pragma once

// Start-up measurement shared by lumidex and the bare window it is compared with
// (bench/startup_compare.sh). With LUMIDEX_STARTUP_PROBE set to the wall-clock time at which the
// program was started, in seconds since the epoch with a fraction (bash's $EPOCHREALTIME), the
// program prints once its first window has been painted
//
//     startup-probe: first-frame-ms=83.2 peak-rss-kib=30112 cpu-ms=61.5
//
// (the time since that moment, the process's peak resident memory so far and the processor
// time it has used, which depends less on what else the machine runs) and quits. Without
// the variable nothing is installed.

class QCoreApplication;

void installStartupProbe(QCoreApplication &app);
