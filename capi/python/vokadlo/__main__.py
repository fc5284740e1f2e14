"""python3 -m vokadlo -w out.wav "Dobrý den": speaks Czech text into a WAV file."""

import argparse
import sys

from . import Synthesizer, VokadloError, version


def main(argv=None):
    parser = argparse.ArgumentParser(prog="python3 -m vokadlo",
                                     description="Speak Czech text into a WAV file.")
    parser.add_argument("text", nargs="*", help="text to speak (default: standard input)")
    parser.add_argument("-w", "--wav", required=True, help="the WAV file to write")
    parser.add_argument("-v", "--voice", help="VEMIRa, VEMIRuska, VEMIR or 1..3")
    parser.add_argument("-s", "--rate", help="tempo in words a minute, 40..350")
    parser.add_argument("--pitch", help="resampling count -100..100")
    parser.add_argument("--seed", help="seed of the random prosody (reproducible output)")
    parser.add_argument("-o", "--option", action="append", default=[], metavar="NAME=VALUE",
                        help="any option of vokadlo_set_option; may be repeated")
    parser.add_argument("--events", action="store_true", help="print the events")
    parser.add_argument("--version", action="version", version="vokadlo " + version())
    args = parser.parse_args(argv)

    options = {"voice": args.voice, "rate": args.rate, "pitch": args.pitch, "seed": args.seed}
    for item in args.option:
        name, equals, value = item.partition("=")
        if not equals:
            parser.error("-o takes NAME=VALUE, not " + item)
        options[name] = value
    text = " ".join(args.text) if args.text else sys.stdin.read()
    try:
        with Synthesizer(**options) as synth:
            events = synth.synthesize_to_wav(text, args.wav)
    except (VokadloError, OSError) as error:
        print("vokadlo:", error, file=sys.stderr)
        return 1
    if args.events:
        for event in events:
            print(event.type, event.sample_offset, event.text_offset, event.text_length,
                  event.mark or event.text or "")
    return 0


if __name__ == "__main__":
    sys.exit(main())
