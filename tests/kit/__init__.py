"""What the test scripts and the benchmarks share."""
import time

# Starts a program at a time of the test's choosing (LD_PRELOAD, FAKETIME).
FAKETIME = '/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1'


def poll(check, timeout, every=0.2, pause=time.sleep, passing=()):
    """The first true value of check() within timeout seconds, else its last
    one; exceptions of the kinds in passing count as no value yet."""
    deadline = time.monotonic() + timeout
    while True:
        try:
            value = check()
        except passing:
            value = None
        if value or time.monotonic() > deadline:
            return value
        pause(every)
