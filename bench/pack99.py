#!/usr/bin/env python3
"""Writes a pack file of 99 stages from a smaller one, its stages taken in turn:
the largest pack the game takes, for timing how a pack file opens.
Usage: bench/pack99.py build/bin/lumora.lumora OUT.lumora"""
import re
import sys

text = open(sys.argv[1], encoding="utf-8").read()
head, _, body = text.partition("\n[Stage 1]\n")
stages = re.split(r"\n(?=\[Stage \d+\]\n)", "[Stage 1]\n" + body)
out = [re.sub(r"Stages=\d+", "Stages=99", head), ""]
for n in range(1, 100):
    stage = stages[(n - 1) % len(stages)].rstrip("\n")
    out.append(re.sub(r"^\[(Stage|Answer|Solution) \d+\]$", lambda m: f"[{m.group(1)} {n}]",
                      stage, flags=re.M) + "\n")
open(sys.argv[2], "w", encoding="utf-8").write("\n".join(out))
