#!/usr/bin/env python3
"""Writes src/Resources/Files/Testtone_300HzFS.wav, the headphone test tone.

A 300 Hz sine at full scale, 16-bit mono at 16000 samples per second, exactly
one second long: 300 whole periods, so the player can loop it without a click.

  generate-testtone.py          rewrite the file
  generate-testtone.py --check  change nothing; exit 1 if it differs
"""

import argparse
import math
import os
import struct
import sys
import tempfile
import wave

SAMPLE_RATE = 16000
FREQUENCY = 300
SECONDS = 1
FULL_SCALE = 32767
OUTPUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'src', 'Resources', 'Files',
                      'Testtone_300HzFS.wav')


def samples():
    count = SAMPLE_RATE * SECONDS
    return [int(round(FULL_SCALE * math.sin(2 * math.pi * FREQUENCY * n / SAMPLE_RATE))) for n in range(count)]


def write(path):
    with wave.open(path, 'wb') as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(SAMPLE_RATE)
        data = samples()
        w.writeframes(struct.pack('<%dh' % len(data), *data))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--check', action='store_true', help='exit 1 if the file differs')
    parser.add_argument('--output', default=OUTPUT)
    args = parser.parse_args()
    if not args.check:
        write(args.output)
        return 0
    with tempfile.TemporaryDirectory() as tmp:
        fresh = os.path.join(tmp, 'tone.wav')
        write(fresh)
        with open(fresh, 'rb') as f:
            wanted = f.read()
    try:
        with open(args.output, 'rb') as f:
            current = f.read()
    except OSError:
        current = None
    if current != wanted:
        print('%s is not what the script generates' % args.output, file=sys.stderr)
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main())
