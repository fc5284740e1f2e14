"""The Python module as its user sees it: events with offsets in characters, the samples of the
library, errors as exceptions with the library's message, and python3 -m vokadlo."""

import os
import subprocess
import sys
import tempfile
import unittest
import wave

os.environ["VOKADLO_CONFIG_DIR"] = tempfile.mkdtemp(prefix="vokadlo-module-")
import vokadlo  # noqa: E402


class ModuleTest(unittest.TestCase):
    def test_events_samples_and_wav(self):
        text = "Žluťoučký \\mrk=5\\kůň."
        with vokadlo.Synthesizer(seed=1, rate=150) as synth:
            events = list(synth.events(text))
            samples = synth.synthesize(text)
            with tempfile.TemporaryDirectory() as folder:
                path = os.path.join(folder, "out.wav")
                synth.synthesize_to_wav(text, path)
                with wave.open(path) as wav:
                    self.assertEqual((wav.getnchannels(), wav.getframerate()), (1, 22050))
                    self.assertEqual(wav.readframes(wav.getnframes()), samples.tobytes())
        self.assertEqual([e.type for e in events], ["word", "word", "mark", "end"])
        self.assertEqual(events[2].mark, "5")
        self.assertEqual(events[-1].sample_offset, len(samples))
        # Places in characters of the str, not bytes of its UTF-8.
        self.assertEqual([text[e.text_offset:e.text_offset + e.text_length] for e in events[:2]],
                         ["Žluťoučký", "\\mrk=5\\kůň."])

    def test_errors_carry_the_message(self):
        with self.assertRaisesRegex(vokadlo.VokadloError, "rate"):
            vokadlo.Synthesizer(rate=5)
        with vokadlo.Synthesizer() as synth:
            with self.assertRaisesRegex(vokadlo.VokadloError, "another synthesizer"):
                vokadlo.Synthesizer()
            with self.assertRaisesRegex(vokadlo.VokadloError, "bad value"):
                synth.synthesize("Ahoj \\ton=-\\ světe")
            with self.assertRaises(ZeroDivisionError):  # a callback's exception comes out
                synth.synthesize("Ahoj", lambda event: 1 / 0)
            self.assertGreater(len(synth.synthesize("Ahoj")), 1000)

    def test_command_line(self):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "out.wav")
            subprocess.run([sys.executable, "-m", "vokadlo", "-w", path, "--seed", "1",
                            "Dobrý den"], check=True)
            with wave.open(path) as wav:
                self.assertGreater(wav.getnframes(), 10000)
            failed = subprocess.run([sys.executable, "-m", "vokadlo", "-w", path, "-v", "X",
                                     "a"], capture_output=True, text=True)
            self.assertEqual(failed.returncode, 1)
            self.assertIn("voice", failed.stderr)


if __name__ == "__main__":
    unittest.main()
