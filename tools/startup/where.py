#!/usr/bin/env python3
"""Where the start-up time goes, from a wine trace of startup_time.

    where.py TRACE.log

TRACE.log is the output of startup_time run under
WINEDEBUG=+timestamp,+loaddll,+process,+debugstr (tools/startup-time.sh
--trace writes it). For each of the two programs it prints, as the median
over the measured starts (the first, unmeasured start of each is left out),
the milliseconds from the creation of the process to: each DLL it loads, the
moment its imports are set up and its entry point is called ("entry point
set"), every "MARK NAME [MS]" debug string it prints (a temporary build may
print them with OutputDebugStringA; MS, when given, is QueryPerformanceCounter
in milliseconds, the clock of wine's timestamps, which have a resolution of
1 ms), and its first-paint signal (the read of TARAMEL_FIRST_PAINT_EVENT).
"""
import re
import statistics
import sys

LINE = re.compile(r'^(\d+\.\d+):([0-9a-f]{4}):(.*)$')
TID = re.compile(r'tid ([0-9a-f]+)')
DLL = re.compile(r'Loaded L"(?:[^"]*\\\\)?([^"\\]+)" at')
MARK = re.compile(r'MARK ([\w.-]+)(?: ([\d.]+))?')


def read_starts(lines):
    """One entry per started process: its name, creation time, events."""
    starts, by_thread, pending = [], {}, None
    for text in lines:
        m = LINE.match(text)
        if not m:
            continue
        ms, thread, rest = float(m.group(1)) * 1000, m.group(2), m.group(3)
        if 'CreateProcessInternalW app L"' in rest:
            exe = rest.split('app L"', 1)[1].split('"', 1)[0]
            pending = (re.split(r'[\\/]', exe)[-1], ms)
        elif 'CreateProcessInternalW started process' in rest and pending:
            t = TID.search(rest)
            if t:
                start = {'name': pending[0], 'created': pending[1], 'events': []}
                by_thread[t.group(1)[-4:]] = start
                starts.append(start)
            pending = None
        elif thread in by_thread:
            start = by_thread[thread]
            event = None
            if 'set_entry_point' in rest:
                event = 'entry point set'
            elif 'Loaded L"' in rest:
                d = DLL.search(rest)
                event = 'loaded ' + d.group(1).lower() if d else None
            elif 'MARK ' in rest:
                k = MARK.search(rest)
                event = k.group(1) if k else None
                if k and k.group(2):
                    ms = float(k.group(2))
            elif 'TARAMEL_FIRST_PAINT_EVENT' in rest and 'GetEnvironmentVariable' in rest:
                event = 'first-paint signal'
            if event:
                seen = [e for e, _ in start['events']]
                name, n = event, 2
                while name in seen:
                    name, n = '%s #%d' % (event, n), n + 1
                start['events'].append((name, ms - start['created']))
    return starts


def main(argv):
    if len(argv) != 2:
        print(__doc__.strip().splitlines()[2].strip(), file=sys.stderr)
        return 2
    try:
        with open(argv[1], encoding='utf-8', errors='replace') as f:
            starts = read_starts(f.read().splitlines())
    except OSError as error:
        print('where.py: %s' % error, file=sys.stderr)
        return 2
    # The timed programs are those that signal; wine's own helpers are not.
    names = []
    for s in starts:
        if s['name'] not in names and any(e == 'first-paint signal' for e, _ in s['events']):
            names.append(s['name'])
    if not names:
        print('where.py: no program in %s signalled a first paint (was it traced with +process?)' % argv[1], file=sys.stderr)
        return 1
    for name in names:
        runs = [s for s in starts if s['name'] == name][1:] or [s for s in starts if s['name'] == name]
        order = []
        for s in runs:
            for event, _ in s['events']:
                if event not in order:
                    order.append(event)
        print('%s: %d starts, ms from process creation (median, fastest)' % (name, len(runs)))
        rows = []
        for event in order:
            times = sorted(dict(s['events'])[event] for s in runs if event in dict(s['events']))
            rows.append((statistics.median(times), times[0], event, len(times)))
        for median, fastest, event, count in sorted(rows, key=lambda r: r[0]):
            note = '' if count == len(runs) else '  (in %d of %d)' % (count, len(runs))
            print('  %7.1f %7.1f  %s%s' % (median, fastest, event, note))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
