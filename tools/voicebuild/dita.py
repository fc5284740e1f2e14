"""dita's running speech: texts rendered by festival, its phones as units,
and each phone's mean spectrum."""

import hashlib
import os
import subprocess
import tempfile

import numpy as np

import melcep

# dita's phones as the units the engine has for them.
UNITS_OF_PHONES = {
    "a": "A", "a:": "A", "b": "B", "c": "C", "c~": "CV", "ch": "CH", "d": "D", "d~": "DV",
    "e": "E", "e:": "E", "f": "F", "g": "G", "h": "H", "i": "I", "i:": "I", "j": "J",
    "k": "K", "l": "L", "m": "M", "n": "N", "n*": "N", "n~": "NV", "o": "O", "o:": "O",
    "p": "P", "r": "R", "r~": "RV", "r~*": "RV", "s": "S", "s~": "SV", "t": "T", "t~": "TV",
    "u": "U", "u:": "U", "v": "V", "z": "Z", "z~": "ZV",
}

def read_texts(paths):
    texts = []
    for path in paths:
        with open(path, encoding="utf-8") as f:
            texts += [line.strip() for line in f if line.strip()]
    return texts


def renders(texts, cache):
    """{text: (wav path, [(phone, start s, end s)])}, synthesising what the
    cache lacks in one festival run."""
    os.makedirs(cache, exist_ok=True)
    base = {t: os.path.join(cache, hashlib.sha1(t.encode()).hexdigest()[:16]) for t in texts}
    todo = [t for t in texts if not os.path.exists(base[t] + ".seg")]
    if todo:
        lines = ["(voice_czech_dita)"]
        for t in todo:
            quoted = t.replace("\\", "\\\\").replace('"', '\\"')
            lines += [
                '(set! u (utt.synth (eval (list \'Utterance \'Text "%s"))))' % quoted,
                '(utt.save.wave u "%s.wav" \'riff)' % base[t],
                '(set! fd (fopen "%s.tmp" "w"))' % base[t],
                "(mapcar (lambda (s) (format fd \"%s %f\\n\" (item.name s) (item.feat s \"end\")))"
                " (utt.relation.items u 'Segment))",
                "(fclose fd)",
            ]
        with tempfile.NamedTemporaryFile("wb", suffix=".scm", delete=False) as f:
            # festival reads Latin-2; a character outside it becomes "?".
            f.write(("\n".join(lines) + "\n").encode("iso-8859-2", errors="replace"))
            script = f.name
        try:
            subprocess.run(["festival", "-b", script], check=True, capture_output=True)
        finally:
            os.unlink(script)
        for t in todo:
            os.replace(base[t] + ".tmp", base[t] + ".seg")
    out = {}
    for t in texts:
        segments, start = [], 0.0
        with open(base[t] + ".seg") as f:
            for line in f:
                name, end = line.split()
                segments.append((name, start, float(end)))
                start = float(end)
        out[t] = (base[t] + ".wav", segments)
    return out


def phone_means(texts, cache):
    """{unit: mean mel-cepstrum of its phones' middle halves in dita}."""
    sums = {}
    for wav, segments in renders(texts, cache).values():
        x = melcep.read_audio(wav)
        c = melcep.mel_cepstra(x)[:, 1:]
        for phone, start, end in segments:
            unit = UNITS_OF_PHONES.get(phone)
            if unit is None:
                continue
            a = int((start + 0.25 * (end - start)) * melcep.RATE / melcep.HOP)
            b = int((end - 0.25 * (end - start)) * melcep.RATE / melcep.HOP)
            rows = c[a:max(b, a + 1)]
            s = sums.setdefault(unit, [np.zeros(c.shape[1]), 0])
            s[0] += rows.sum(axis=0)
            s[1] += len(rows)
    means = {u: s / n for u, (s, n) in sums.items() if n}
    # dita has one l, and its final k and p are its k and p.
    for unit, phone in (("LU", "L"), ("KK", "K"), ("PK", "P")):
        if phone in means:
            means[unit] = means[phone]
    return means
