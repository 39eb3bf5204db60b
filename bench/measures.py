"""What the desktop probes share: the words typed, and reading figures."""

# Typed and erased one after another; each brings emoji on screen that the words before did not.
WORDS = ["heart", "face", "cat", "fire"]

# The program lets go of what a closed picker left 10 s after the last one closed; a little more.
IDLE_SECONDS = 12.0


def percentile(values, share):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(share * len(ordered)))]


def megabytes(pid, source, field):
    """A size the kernel gives in kB for the process, in MB: resident (status,
    VmRSS:) or proportional (smaps_rollup, Pss:)."""
    with open("/proc/%d/%s" % (pid, source)) as lines:
        for line in lines:
            if line.startswith(field):
                return int(line.split()[1]) / 1024.0
    return 0.0
