#!/usr/bin/env python3
"""Checks the exact answers of Corvale's tasks against sympy.

Reads one case a line from standard input, fields split by "|":
    FORMULA|X|Y|Z|W|ANSWER
FORMULA is a sympy expression in x, y, z and w; X, Y, Z, W are rationals written a or a/b (unused
ones empty); ANSWER is the exact text the task gave ("(3 + √13)/2", "25π/4", "5/(2π)").
Writes one line a case: "ok", or "bad" with sympy's own value.
"""
import re
import sys

import sympy

x, y, z, w = sympy.symbols("x y z w")


def parsed(answer):
    text = answer.replace("π", "pi")
    text = re.sub(r"√(\d+)", r"sqrt(\1)", text)
    text = re.sub(r"(\d)(sqrt|pi)", r"\1*\2", text)
    return sympy.sympify(text)


def main():
    for line in sys.stdin:
        line = line.rstrip("\n")
        if not line:
            continue
        formula, *values, answer = line.split("|")
        known = {symbol: sympy.Rational(value)
                 for symbol, value in zip((x, y, z, w), values) if value}
        expected = sympy.sympify(formula).subs(known)
        if sympy.simplify(expected - parsed(answer)) == 0:
            print("ok")
        else:
            print("bad", sympy.nsimplify(expected))


if __name__ == "__main__":
    main()
