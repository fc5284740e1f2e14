#!/usr/bin/env python3
"""Speaks a Czech text into a WAV file through the vokadlo module, printing each word and mark:
    python3 speak.py out.wav "Dobrý den, \\mrk=1\\ jak se máte?"
"""

import sys

import vokadlo


def main():
    if len(sys.argv) != 3:
        print("usage: speak.py OUT.wav TEXT", file=sys.stderr)
        return 2
    path, text = sys.argv[1], sys.argv[2]
    try:
        with vokadlo.Synthesizer(voice="VEMIRa", rate=130) as synth:
            events = synth.synthesize_to_wav(text, path)
    except vokadlo.VokadloError as error:
        print("speak.py:", error, file=sys.stderr)
        return 1
    for event in events:
        if event.type == "word":
            where = text[event.text_offset:event.text_offset + event.text_length] \
                if event.text_offset >= 0 else "?"
            print(f"word at sample {event.sample_offset}: {event.text!r} from {where!r}")
        elif event.type == "mark":
            print(f"mark {event.mark} at sample {event.sample_offset}")
        else:
            print(f"end at sample {event.sample_offset}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
