#!/usr/bin/env python3
"""Exact surd results computed by sympy, for the cross-check of the C++ surd arithmetic.

Reads one case a line from standard input:
    sqrt R
    OP P1 Q1 N1 P2 Q2 N2        (OP one of add sub mul div; each operand P + Q*sqrt(N))
with rationals written as a or a/b. Writes one line a case: "P Q D VALUE", the result as
P + Q*sqrt(D) with D square-free (D = 1 and Q = 0 for a rational), and VALUE to 30 digits.
A result with more than one radical is written as "none".
"""
import sys

import sympy


def operand(p, q, n):
    return sympy.Rational(p) + sympy.Rational(q) * sympy.sqrt(sympy.Integer(n))


def evaluate(words):
    if words[0] == "sqrt":
        return sympy.sqrt(sympy.Rational(words[1]))
    a = operand(*words[1:4])
    b = operand(*words[4:7])
    return {"add": a + b, "sub": a - b, "mul": a * b, "div": a / b}[words[0]]


def surd_parts(expr):
    """P, Q, D of P + Q*sqrt(D), or None where two radicals remain."""
    expr = sympy.expand(sympy.radsimp(sympy.expand(expr)))
    p, q, d = sympy.Integer(0), sympy.Integer(0), sympy.Integer(1)
    for term in sympy.Add.make_args(expr):
        if term.is_Rational:
            p += term
            continue
        coefficient, radical = term.as_coeff_Mul()
        if not (radical.is_Pow and radical.exp == sympy.S.Half and radical.base.is_Integer):
            return None
        if d != 1 and radical.base != d:
            return None
        q, d = q + coefficient, radical.base
    return p, q, (d if q != 0 else sympy.Integer(1))


def main():
    for line in sys.stdin:
        words = line.split()
        if not words:
            continue
        expr = evaluate(words)
        parts = surd_parts(expr)
        if parts is None:
            print("none", flush=False)
            continue
        p, q, d = parts
        print(p, q, d, sympy.N(expr, 30))


if __name__ == "__main__":
    main()
